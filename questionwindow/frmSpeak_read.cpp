// The clipboard reader's steps: its load, its buttons and its closing check.

#include "questionwindow/frmSpeak.h"

#include "platform/core/RuntimeError.h"
#include "platform/forms/App.h"
#include "platform/forms/Clipboard.h"
#include "platform/forms/Dialogs.h"
#include "platform/forms/FailureRegimes.h"
#include "platform/forms/TextBox.h"
#include "platform/speech/CharacterControl.h"
#include "settings/Markers.h"
#include "speechsetup/CharacterFiles.h"

namespace questionwindow {

namespace {
// The balloon stays down in the reader: the text is already on the user's screen.
constexpr int balloonOff = speech::Character::balloonHiddenStyle;
} // namespace

QString readerSpeech(const QString& boxText)
{
    if (boxText.isEmpty())
        return QStringLiteral("Please copy text to clipboard before clicking the read button");
    return boxText;
}

speech::Character& frmSpeak::character() const
{
    return Agent1->character(markers::characterName);
}

// Without its character the reader says so once and is not put above the
// other windows; its buttons then do nothing.
void frmSpeak::Form_Load()
{
    const QString file = forms::App::current().file(speechsetup::readerCharacterFile.toString());
    try {
        Agent1->load(markers::characterName, file);
    } catch (const platform::RuntimeError& error) {
        forms::msgBox(QStringLiteral("The reader's character could not be loaded.\n\n%1\n\n"
                                     "The speech setup program MSagent, beside the program, puts it back.")
                          .arg(error.description()),
                      forms::vbOKOnly | forms::vbCritical, QStringLiteral("Brisolt Speaks"));
        return;
    }
    setWindowFlag(Qt::WindowStaysOnTopHint, true);
}

// A new reading is queued behind what the character still has to say.
void frmSpeak::cmdSpeak_Click()
{
    forms::leaveOnError([&] {
        txtSpeak->setText(QString());
        speech::Character& reader = character();
        txtSpeak->setText(forms::clipboard::text());
        reader.show();
        reader.setBalloonStyle(balloonOff);
        reader.speak(readerSpeech(txtSpeak->text()));
    });
}

void frmSpeak::cmdStop_Click()
{
    forms::leaveOnError([&] { character().stopAll(); });
}

void frmSpeak::cmdHide_Click()
{
    forms::leaveOnError([&] { character().hide(); });
}

void frmSpeak::cmdPause_Click()
{
    forms::leaveOnError([&] { character().pause(); });
}

// The character stops and goes at once; the window follows on the timer's
// next tick.
void frmSpeak::Command1_Click()
{
    forms::leaveOnError([&] {
        speech::Character& reader = character();
        reader.stop();
        reader.hide();
    });
    Text1->setText(closingMarker);
}

void frmSpeak::Timer1_Timer()
{
    if (Text1->text() == closingMarker)
        Unload();
}

} // namespace questionwindow
