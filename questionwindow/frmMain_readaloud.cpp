// The read-aloud mode: the character reads the question and its answers,
// waits the answer pause, tells the correct answer and moves on to the next
// question, over and over, driven by its bookmarks (tags 3 and 4).

#include "questionwindow/frmMain.h"

#include "platform/forms/FailureRegimes.h"
#include "platform/speech/CharacterControl.h"
#include "questionwindow/CharacterSteps.h"
#include "settings/Markers.h"
#include "settings/Settings.h"

namespace questionwindow {

void frmMain::mnuReadNuvia_Click()
{
    // A pause still running belongs to the question read before; left alone
    // it would tell this question's answer before it has been read.
    Timer3->setEnabled(false);

    settings::saveAnswerMode(markers::readAloudWord);
    Status->panel(markers::statePanel)->setText(QStringLiteral("Using Nuvia"));

    // Answers are taken as in the mode that was current before: txtBe stays.
    for (forms::Menu* item : {mnuUse, mnuBypass, mnuFlash, mnuSpeed, mnuTell})
        item->setEnabled(true);
    mnuReadNuvia->setEnabled(false);
    cmdAnswer->setVisible(true);
    for (QWidget* hidden : std::initializer_list<QWidget*>{fraSpeed, fraTurbo, cmdScore, cmdCheat})
        hidden->setVisible(false);
    cmdAdd->setEnabled(true);
    for (QWidget* choice : std::initializer_list<QWidget*>{txtA, txtB, txtC, txtD, optA, optB, optC, optD})
        choice->setVisible(true);
    for (int index : lblA.indexes())
        lblA[index]->setVisible(true);
    Slider1->setVisible(true);

    speech::Character* reader = character();
    const RecordCopies record = copyDisplayedRecord(*this);
    // Without speech components the mode is chosen but nothing reads, so
    // there is nothing to stop.
    if (!reader)
        return;
    cmdNuviaStop->setVisible(true);
    moveForReading(*reader, Reading::Presentation);
    reader->show();
    speakAll(*reader, readAloudRequests(record));
}

void frmMain::Timer3_Timer()
{
    // Read now, so a slider moved during this pause governs the next one.
    Timer3->setInterval(answerPauseInterval(Slider1->value()));
    if (speech::Character* reader = character()) {
        const RecordCopies record{txtQuestion2->text(), txtA2->text(), txtB2->text(), txtC2->text(), txtD2->text()};
        speakAll(*reader, answerPauseRequests(record, txtAnswer->text()));
    }
    Timer3->setEnabled(false);
}

void frmMain::readAloudNextRecord()
{
    auto position = [this] {
        int at = -1;
        forms::bestEffort({[&] { at = Data1->recordset().absolutePosition(); }});
        return at;
    };
    const int before = position();
    cmdNext_Click();
    // Past the end the move stays on the last record after its notice;
    // reading that record again would loop, so the cycle ends as Stop ends it.
    if (position() == before) {
        cmdNuvia->setVisible(true);
        cmdNuviaStop->setVisible(false);
        mnuReadNuvia->setEnabled(true);
        return;
    }
    mnuReadNuvia_Click();
}

} // namespace questionwindow
