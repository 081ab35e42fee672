// The question window's load step: menu and toolbar states, the character,
// the balloon and picture options, the cursors, the first row's video and
// the text style of the question area. Every statement is attempted on its
// own: the window loads whatever fails.

#include "questionwindow/frmMain.h"

#include "platform/core/Errors.h"
#include "platform/forms/App.h"
#include "platform/forms/FailureRegimes.h"
#include "platform/media/MediaPlayer.h"
#include "platform/speech/CharacterControl.h"
#include "platform/spell/SpellChecker.h"
#include "questiondb/Cursors.h"
#include "settings/Markers.h"
#include "settings/Settings.h"

#include <cmath>

namespace questionwindow {

using forms::bestEffort;
using forms::form;
using forms::testOr;

namespace {

// "True" / "False" in any case, or a number (0 is false).
bool toBoolean(const QString& text)
{
    const QString trimmed = text.trimmed();
    if (trimmed.compare(QLatin1String("True"), Qt::CaseInsensitive) == 0)
        return true;
    if (trimmed.compare(QLatin1String("False"), Qt::CaseInsensitive) == 0)
        return false;
    bool ok = false;
    const double number = trimmed.toDouble(&ok);
    if (!ok)
        throw platform::errors::typeMismatch();
    return number != 0.0;
}

// A number in decimal digits, with a decimal point for a fraction.
double toNumber(const QString& text)
{
    bool ok = false;
    const double number = text.trimmed().toDouble(&ok);
    if (!ok || !std::isfinite(number))
        throw platform::errors::typeMismatch();
    return number;
}

float toSingle(const QString& text)
{
    return static_cast<float>(toNumber(text));
}

// A colour value as a 32-bit whole number, halves going to the even number.
int toLong(const QString& text)
{
    const double number = std::nearbyint(toNumber(text));
    if (number < -2147483648.0 || number > 2147483647.0)
        throw platform::errors::overflow();
    return static_cast<int>(number);
}

} // namespace

void frmMain::Form_Load()
{
    // Opening the settings store loads the main table of contents. Its load
    // may fail (no database); the window is there all the same, so the
    // readers below find it and read its boxes as they are.
    bestEffort({[&] { settings::openStore(); }});

    // The character starts in use; the answer-button mode and the stored
    // order are active until a mode or order menu changes them.
    bestEffort({
        [&] { mnuUseNuvia->setVisible(false); },
        [&] { mnuHideNuvia->setVisible(true); },
        [&] { mnuUse->setEnabled(false); },
        [&] { mnuOrder->setEnabled(false); },
    });

    // The main dictionary and the user's word list; a missing file leaves
    // the checker without it.
    bestEffort({
        [&] { VSSpell1->setMainDictionary(forms::App::current().file(QStringLiteral("\\VSSP_AE.DCT"))); },
        [&] { VSSpell1->setUserDictionary(forms::App::current().file(QStringLiteral("\\dictionary.DCT"))); },
    });

    // The format keys wait for the edit lock.
    for (const char* key : {"Bold", "Italic", "Underline", "Align Left", "Center", "Align Right"})
        bestEffort({[&] { tbToolBar->button(QString::fromLatin1(key))->setEnabled(false); }});

    bestEffort(
        {[&] { Agent1->load(markers::characterName, forms::App::current().file(QStringLiteral("\\tamsel.acs"))); }});

    // Balloon and presentation pictures: the item on offer is the opposite of
    // the stored choice; any other stored text leaves both items offered.
    if (testOr(true, [&] { return settings::balloon() == markers::settingOn; })) {
        bestEffort({
            [&] { mnuShowBalloon->setVisible(false); },
            [&] { mnuHideBalloon->setVisible(true); },
            [&] { Agent1->character(markers::characterName).setBalloonStyle(speech::Character::balloonShownStyle); },
        });
    } else if (testOr(true, [&] { return settings::balloon() == markers::settingOff; })) {
        bestEffort({
            [&] { mnuShowBalloon->setVisible(true); },
            [&] { mnuHideBalloon->setVisible(false); },
            [&] { Agent1->character(markers::characterName).setBalloonStyle(speech::Character::balloonHiddenStyle); },
        });
    }
    if (testOr(true, [&] { return settings::showImages() == markers::settingOn; })) {
        bestEffort({
            [&] { mnuImagesShow[1]->setVisible(true); },
            [&] { mnuImagesShow[0]->setVisible(false); },
        });
    } else if (testOr(true, [&] { return settings::showImages() == markers::settingOff; })) {
        bestEffort({
            [&] { mnuImagesShow[0]->setVisible(true); },
            [&] { mnuImagesShow[1]->setVisible(false); },
        });
    }

    // The whole question table is the set until a loader replaces it.
    bestEffort({
        [&] { questiondb::openCursor(*Data1, QStringLiteral("Table1")); },
        [&] { questiondb::openCursor(*Data2, QStringLiteral("Table1")); },
        [&] { questiondb::openCursor(*Data3, QStringLiteral("Table8")); },
        [&] { questiondb::openCursor(*Data4, QStringLiteral("Table5")); },
        [&] { questiondb::openCursor(*Data5, QStringLiteral("Table12")); },
    });

    // The first row's video. The file list starts in the program folder, so
    // the path is the one the record display composes later.
    bestEffort({
        [&] { txtVideo->setText(fileListPath(QStringLiteral("Video"), txtVideo1->text())); },
        [&] { Video->setFileName(txtVideo->text()); },
    });
    if (testOr(false, [&] { return txtVideo1->text().isEmpty(); })) {
        bestEffort({
            [&] { cmdShowVideo->setVisible(false); },
            [&] { fraVideo->setVisible(false); },
            [&] { cmdHideVideo->setVisible(false); },
        });
    }

    // Text style of the question area, one value at a time: a value that
    // does not convert leaves that one property as designed.
    auto style = [&](int index) { return settings::screenStyleField(index); };
    for (forms::TextBox* box : {txtQuestion, txtA, txtB, txtC, txtD, txtNotes}) {
        bestEffort({
            [&] { box->setFontName(style(0)); },
            [&] { box->setFontBold(toBoolean(style(1))); },
            [&] { box->setFontItalic(toBoolean(style(2))); },
            [&] { box->setFontSize(toSingle(style(3))); },
            [&] { box->setForeColor(toLong(style(4))); },
            [&] { box->setBackColor(toLong(style(5))); },
        });
    }
    bestEffort({[&] { back->setBackColor(toLong(style(5))); }});
    for (forms::OptionButton* option : {optA, optB, optC, optD}) {
        bestEffort({
            [&] { option->setBackColor(toLong(style(5))); },
            [&] { option->setForeColor(toLong(style(4))); },
        });
    }
    for (int index = 0; index < 4; ++index)
        bestEffort({[&] { lblA[index]->setForeColor(toLong(style(4))); }});

    // The questions start locked; the first answer to the first question counts.
    bestEffort({
        [&] { mnuLock->setEnabled(false); },
        [&] { mnuUnlock->setEnabled(true); },
        [&] { txtAlreadyAnswered->setText(markers::notYetCounted); },
    });
}

} // namespace questionwindow
