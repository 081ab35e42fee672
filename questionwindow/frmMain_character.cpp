// The question window's speaking character: the read button, its stop, and
// the bookmarks that carry each reading on to its next step. The
// presentation and the read-aloud cycle have files of their own.

#include "questionwindow/frmMain.h"

#include "platform/forms/App.h"
#include "platform/forms/FailureRegimes.h"
#include "platform/media/MediaPlayer.h"
#include "platform/speech/CharacterControl.h"
#include "questionwindow/CharacterSteps.h"
#include "settings/Markers.h"
#include "settings/Settings.h"

namespace questionwindow {

using forms::form;

RecordCopies copyDisplayedRecord(frmMain& w)
{
    forms::bestEffort({
        [&] { w.txtQuestion2->setText(w.txtQuestion->text()); },
        [&] { w.txtA2->setText(w.txtA->text()); },
        [&] { w.txtB2->setText(w.txtB->text()); },
        [&] { w.txtC2->setText(w.txtC->text()); },
        [&] { w.txtD2->setText(w.txtD->text()); },
    });
    return {w.txtQuestion2->text(), w.txtA2->text(), w.txtB2->text(), w.txtC2->text(), w.txtD2->text()};
}

void moveForReading(speech::Character& character, Reading reading)
{
    const QString screen = settings::screenSize();
    if (const std::optional<QPoint> place = readingPosition(reading, screen))
        character.moveTo(place->x(), place->y());
}

void speakAll(speech::Character& character, const QStringList& requests)
{
    for (const QString& text : requests)
        character.speak(text);
}

speech::Character* frmMain::character() const
{
    const QString id = markers::characterName;
    return Agent1 && Agent1->isLoaded(id) ? &Agent1->character(id) : nullptr;
}

void frmMain::cmdNuvia_Click()
{
    speech::Character* reader = character();
    const RecordCopies record = copyDisplayedRecord(*this);
    forms::bestEffort({
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
    moveForReading(*reader, Reading::ReadButton);
    reader->show();
    speakAll(*reader, readButtonRequests(record, txtBe->text() == markers::flashCardCode));
}

void frmMain::cmdNuviaStop_Click()
{
    if (speech::Character* reader = character())
        reader->stop();
    // A pause still running would speak the answer and start the cycle again.
    Timer3->setEnabled(false);
    cmdNuvia->setVisible(true);
    cmdNuviaStop->setVisible(false);
    mnuReadNuvia->setEnabled(true);
}

// However the window goes, the character goes quiet with it: a verdict still
// being spoken must not carry a closed window on to its next question.
void frmMain::Form_Unload(int& /*cancel*/)
{
    Timer3->setEnabled(false);
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
    case 1: // a presentation item is read: its video first, else the next item
        if (!cmdShowVideo->isHidden()) {
            // The video's end carries the presentation on.
            forms::bestEffort({
                [&] {
                    if (speech::Character* reader = character())
                        reader->moveTo(videoPosition.x(), videoPosition.y());
                },
                [&] { cmdShowVideo_Click(); },
                [&] { Video->play(); },
            });
        } else if (forms::testOr(true, [&] { return !Data1->recordset().eof(); })) {
            forms::bestEffort({
                [&] { cmdNext_Click(); },
                [&] { cmdReadAll_Click(); },
            });
        }
        break;
    case 2: // the read button's reading is done
        restoreReadButton();
        break;
    case 3: // the question is read: the answer pause starts
        // Only while the read-aloud mode is still chosen: a mode chosen while
        // the question was being read must not get a pause that tells the
        // answer and stores the read-aloud mode over it.
        if (settings::answerModeWord() == markers::readAloudWord)
            Timer3->setEnabled(true);
        break;
    case 4: // the answer is told: on to the next question
        forms::bestEffort({
            [&] { Timer3->setEnabled(false); },
            [&] { readAloudNextRecord(); },
        });
        break;
    case 5: // a Bypass verdict: on to the next question, read aloud
        forms::bestEffort({
            [&] { cmdNext_Click(); },
            restoreReadButton,
            [&] {
                if (txtPresent->text() == markers::presentationReading)
                    cmdReadAll_Click();
                else
                    cmdNuvia_Click();
            },
        });
        break;
    case 6: // the verdict or presentation item on the set's last question ends the run
        restoreReadButton();
        break;
    default:
        break;
    }
}

} // namespace questionwindow
