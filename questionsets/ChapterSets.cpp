// The question window's menus that reload the current chapter or the whole
// question table: in stored or random order, as a random test of a chosen
// size, or after the level filter was cleared; and the menu that opens the
// random test over several chapters.

#include "platform/forms/App.h"
#include "platform/forms/Hourglass.h"
#include "questiondb/QuestionDatabase.h"
#include "questionsets/CountPrompt.h"
#include "questionsets/Markers.h"
#include "questionsets/SetLoading.h"
#include "questionsets/frmSelect.h"
#include "questionwindow/frmMain.h"

namespace questionwindow {

using namespace questionsets;

void frmMain::mnuOrder_Click()
{
    questionSet().setQuery(orderQuery(txtQ->text()));
    questionSet().countStep();
    questionSet().markStep();
    mnuRand->setEnabled(true);
    mnuOrder->setEnabled(false);
    questionSet().setCaption(QStringLiteral("Questions Ordered"));
}

void frmMain::mnuRand_Click()
{
    forms::Hourglass busy;
    questionSet().setCaption(QStringLiteral("Questions Randomized"));
    questionSet().setCaption(QStringLiteral("Questions Have Been Randomized"));
    questionSet().randomRequery(randomizeQuery(txtQ->text()));
    mnuRand->setEnabled(false);
    mnuOrder->setEnabled(true);
    questionSet().countStep();
    questionSet().markStep();
}

void frmMain::mnuCurrent_Click()
{
    // The caption stays even when the user cancels.
    questionSet().setCaption(QStringLiteral("Random Test - Current Chapter"));
    const std::optional<int> count = askQuestionCount();
    if (!count)
        return;
    questionSet().randomRequery(currentChapterTestQuery(*count, txtChapter->text(), levelOf(txtRoute->text())));
    // The chapter of the test's first record; empty when the draw found none.
    questionSet().setMarker(txtChapter->text());
    questionSet().countStep();
    questionSet().markStep();
}

// The test is built in a window of its own, which keeps its choices between
// tests.
void frmMain::mnuMultiple_Click() { forms::form<questionsets::frmSelect>().Show(); }

void frmMain::mnuEntire_Click()
{
    const std::optional<int> count = askQuestionCount();
    if (!count)
        return;
    questionSet().setCaption(QStringLiteral("All Questions Randomized"));
    questionSet().randomRequery(entireBankTestQuery(*count, levelOf(txtRoute->text())));
    questionSet().setMarker(markers::wholeBank);
    questionSet().countStep();
    questionSet().markStep();
}

void frmMain::mnuReset_Click()
{
    txtRoute->setText(QString());
    questionSet().setQuery(resetLevelsQuery(txtQ->text()));
    questionSet().markStep();
    questionSet().setCaption(QStringLiteral("Levels Have Been Reset"));
}

void frmMain::mnuResetChapter_Click()
{
    questionSet().setQuery(resetChapterQuery(txtChapter->text()));
    questionSet().markStep();
    questionSet().setCaption(QStringLiteral("Chapter Has Been Reset"));
}

void frmMain::mnuResetDatabase_Click()
{
    Data1->setDatabaseName(questiondb::databasePath(forms::App::current().path()));
    questionSet().setQuery(QStringLiteral("Table1"));
    questionSet().setCaption(QStringLiteral("Questions Reset"));
}

} // namespace questionwindow
