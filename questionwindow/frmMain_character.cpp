// The question window's speaking character: the read button, its stop, and
// the bookmarks that carry a spoken verdict on to the next question. The
// presentation and the read-aloud cycle build on these.

#include "questionwindow/frmMain.h"

#include "contents/frmContents.h"
#include "platform/forms/App.h"
#include "platform/forms/FailureRegimes.h"
#include "platform/speech/CharacterControl.h"
#include "questionsets/Markers.h"

namespace questionwindow {

using forms::form;

namespace {

// Where the character stands while it reads the question, by screen size.
void moveForReading(speech::Character& character)
{
    const QString screen = form<contents::frmContents>().txtRes->text();
    if (screen == markers::screen1024)
        character.moveTo(690, 410);
    else if (screen == markers::screen800)
        character.moveTo(500, 300);
}

} // namespace

speech::Character* frmMain::character() const
{
    const QString id = markers::characterName;
    return Agent1 && Agent1->isLoaded(id) ? &Agent1->character(id) : nullptr;
}

void frmMain::cmdNuvia_Click()
{
    speech::Character* reader = character();
    forms::bestEffort({
        [&] {
            txtQuestion2->setText(txtQuestion->text());
            txtA2->setText(txtA->text());
            txtB2->setText(txtB->text());
            txtC2->setText(txtC->text());
            txtD2->setText(txtD->text());
        },
        [&] {
            cmdNuvia->setVisible(false);
            cmdNuviaStop->setVisible(true);
        },
        [&] { txtPresent->setText(markers::readButtonReading); },
    });
    if (!reader) {
        // Nothing will speak, so nothing will bring the read button back.
        cmdNuvia->setVisible(true);
        cmdNuviaStop->setVisible(false);
        return;
    }
    moveForReading(*reader);
    reader->show();
    if (txtBe->text() == markers::flashCardCode) {
        reader->speak(txtQuestion2->text() + QStringLiteral(" \\mrk=2\\"));
        return;
    }
    reader->speak(txtQuestion2->text() + QLatin1Char(' '));
    reader->speak(QStringLiteral("A. ") + txtA2->text() + QLatin1Char(' '));
    reader->speak(QStringLiteral("B. ") + txtB2->text() + QLatin1Char(' '));
    reader->speak(QStringLiteral("C. ") + txtC2->text() + QLatin1Char(' '));
    reader->speak(QStringLiteral("D. ") + txtD2->text() + QStringLiteral(" \\mrk=2\\"));
}

void frmMain::cmdNuviaStop_Click()
{
    if (speech::Character* reader = character())
        reader->stop();
    cmdNuvia->setVisible(true);
    cmdNuviaStop->setVisible(false);
    mnuReadNuvia->setEnabled(true);
}

// However the window goes, the character goes quiet with it: a verdict still
// being spoken must not carry a closed window on to its next question.
void frmMain::Form_Unload(int& /*cancel*/)
{
    if (speech::Character* reader = character()) {
        reader->stop();
        reader->hide();
    }
}

void frmMain::Agent1_Bookmark(int tag)
{
    auto restoreReadButton = [this] {
        cmdNuviaStop->setVisible(false);
        cmdNuvia->setVisible(true);
    };
    switch (tag) {
    case 2: // the read button's reading is done
        restoreReadButton();
        break;
    case 5: // a Bypass verdict: on to the next question, read aloud
        forms::bestEffort({
            [&] { cmdNext_Click(); },
            restoreReadButton,
            [&] { cmdNuvia_Click(); },
        });
        break;
    case 6: // the verdict on the set's last question ends the run
        restoreReadButton();
        break;
    default:
        break;
    }
}

} // namespace questionwindow
