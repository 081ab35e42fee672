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
    setQuery(*this, orderQuery(txtQ->text()));
    countStep(*this);
    markStep(*this);
    mnuRand->setEnabled(true);
    mnuOrder->setEnabled(false);
    questionsets::setCaption(*this, QStringLiteral("Questions Ordered"));
}

void frmMain::mnuRand_Click()
{
    forms::Hourglass busy;
    questionsets::setCaption(*this, QStringLiteral("Questions Randomized"));
    questionsets::setCaption(*this, QStringLiteral("Questions Have Been Randomized"));
    randomRequery(*this, randomizeQuery(txtQ->text()));
    mnuRand->setEnabled(false);
    mnuOrder->setEnabled(true);
    countStep(*this);
    markStep(*this);
}

void frmMain::mnuCurrent_Click()
{
    // The caption stays even when the user cancels.
    questionsets::setCaption(*this, QStringLiteral("Random Test - Current Chapter"));
    const std::optional<int> count = askQuestionCount();
    if (!count)
        return;
    randomRequery(*this, currentChapterTestQuery(*count, txtChapter->text(), levelOf(txtRoute->text())));
    // The chapter of the test's first record; empty when the draw found none.
    setMarker(*this, txtChapter->text());
    countStep(*this);
    markStep(*this);
}

// The test is built in a window of its own, which keeps its choices between
// tests.
void frmMain::mnuMultiple_Click() { forms::form<questionsets::frmSelect>().Show(); }

void frmMain::mnuEntire_Click()
{
    const std::optional<int> count = askQuestionCount();
    if (!count)
        return;
    questionsets::setCaption(*this, QStringLiteral("All Questions Randomized"));
    randomRequery(*this, entireBankTestQuery(*count, levelOf(txtRoute->text())));
    setMarker(*this, markers::wholeBank);
    countStep(*this);
    markStep(*this);
}

void frmMain::mnuReset_Click()
{
    txtRoute->setText(QString());
    setQuery(*this, resetLevelsQuery(txtQ->text()));
    markStep(*this);
    questionsets::setCaption(*this, QStringLiteral("Levels Have Been Reset"));
}

void frmMain::mnuResetChapter_Click()
{
    setQuery(*this, resetChapterQuery(txtChapter->text()));
    markStep(*this);
    questionsets::setCaption(*this, QStringLiteral("Chapter Has Been Reset"));
}

void frmMain::mnuResetDatabase_Click()
{
    Data1->setDatabaseName(questiondb::databasePath(forms::App::current().path()));
    setQuery(*this, QStringLiteral("Table1"));
    questionsets::setCaption(*this, QStringLiteral("Questions Reset"));
}

} // namespace questionwindow
