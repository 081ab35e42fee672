// The memories kept in the question records - wrongly answered (x), marked
// for drill (Elephant), letter picked last (Snoop) - the commands that clear
// them, and the two ways out: Exit closes the window, End ends the program.

#include "questionwindow/frmMain.h"

#include "editing/frmBank.h"
#include "platform/forms/App.h"
#include "platform/forms/Dialogs.h"
#include "platform/forms/Hourglass.h"
#include "platform/speech/CharacterControl.h"
#include "questiondb/Cursors.h"
#include "settings/Markers.h"

namespace questionwindow {

namespace {
constexpr QLatin1StringView memoryPanel = markers::chapterPanel;
}

// Runs a step on every record of the set, from the first to past the last;
// a box the step changed without storing it is stored by the move on. An
// empty set, or none at all, has nothing to walk.
void frmMain::walkSet(const std::function<void()>& eachRecord)
{
    if (!Data1->hasRecords())
        return;
    data::Recordset& records = Data1->recordset();
    records.moveFirst();
    while (!records.eof()) {
        eachRecord();
        records.moveNext();
    }
}

void frmMain::mnuClear_Click()
{
    walkSet([&] { txtX->setText(markers::answeredRight); });
    if (Data1->hasRecords())
        Data1->recordset().moveFirst();
    questionSet().countStep();
    Status->panel(memoryPanel)->setText(QStringLiteral("Memory Cleared"));
}

void frmMain::mnuMemory_Click()
{
    const int answer = forms::msgBox(
        QStringLiteral("This utility will clear all 'Drill Mode' memory records.  By performing this function all "
                       "questions will be marked as answered correctly. It will not erase the other utility that "
                       "keeps track of incorrectly answered questions. Those records will remain marked as "
                       "incorrectly answer until such time as you actually answer them correctly. This activity may "
                       "take a minute or two.  Are you sure you want to do this?"),
        forms::vbYesNo + forms::vbCritical, QStringLiteral("Brisolt Software"));
    if (answer == forms::vbNo)
        return;
    Status->panel(memoryPanel)->setText(QStringLiteral("Elephant Memory Cleared"));

    // The drill marks of the whole table go, so the whole table becomes the set.
    questiondb::openCursor(*Data1, QStringLiteral("Table1"));
    const forms::Hourglass busy;
    walkSet([&] {
        if (txtElephant->text() == markers::drillMarked) {
            txtElephant->setText(markers::drillCleared);
            Data1->updateRecord();
        }
    });
    // The set changed: its count, and its last number for "That was the last
    // question.", describe the whole table now.
    if (Data1->recordset().recordCount() > 0) {
        Data1->recordset().moveLast();
        txtMark->setText(txtCall->text());
    }
    questionSet().countStep();
}

void frmMain::cmdSnoop_Click()
{
    const forms::Hourglass busy;
    walkSet([&] {
        txtSnoop->setText(QString());
        Data1->updateRecord();
    });
    if (Data1->hasRecords())
        Data1->recordset().moveFirst();
}

void frmMain::mnuRecord_Click()
{
    if (mnuRecord->checked()) {
        mnuRecord->setChecked(false);
        return;
    }
    forms::msgBox(QStringLiteral("By Checking this item you will be ensuring that all references to your previously "
                                 "answered questions will be erased from the database.  However, there will be a "
                                 "delay in exiting the program when accessing large question database banks. This "
                                 "will not effect databases that keep track of the questions you answered "
                                 "incorrectly."),
                  forms::vbOKOnly + forms::vbExclamation, QStringLiteral("Brisolt Speaks"));
    mnuRecord->setChecked(true);
    Status->panel(memoryPanel)->setText(QStringLiteral("Snoop Will Clear On Exit"));
}

void frmMain::cmdExit_Click()
{
    // Without speech components there is no character to silence.
    if (speech::Character* merlin = character()) {
        merlin->stop();
        merlin->hide();
    }
    // The hub copies the question shown here; left open without this window,
    // its next activation would load this window again on the whole bank and
    // transport a question nobody chose.
    if (forms::App::current().isLoaded<editing::frmBank>())
        forms::form<editing::frmBank>().Unload();
    if (mnuRecord->checked()) {
        const forms::Hourglass busy;
        walkSet([&] {
            txtSnoop->setText(QString());
            Data1->updateRecord();
        });
    }
    // Closing stores the pending marks of the record on screen.
    Unload();
}

// Ends the program at once. The program's end stores what the windows' boxes
// still hold for existing records, so the marks of the question on screen
// are not lost.
void frmMain::mnuEnd_Click()
{
    forms::App::current().end();
}

} // namespace questionwindow
