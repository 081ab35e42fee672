// The set menus that reload the current chapter or the whole question table:
// in stored or random order, as a random test of a chosen size, or after the
// level filter was cleared.

#include "questionsets/SetMenus.h"

#include "platform/data/DataControl.h"
#include "platform/forms/App.h"
#include "platform/forms/Hourglass.h"
#include "questiondb/QuestionDatabase.h"
#include "questionsets/CountPrompt.h"
#include "questionsets/QuestionSet.h"
#include "questionsets/SetLoading.h"
#include "settings/Markers.h"

namespace questionsets {

void showInOrder(QuestionSet& set)
{
    set.setQuery(orderQuery(set.marker()));
    set.countStep();
    set.markStep();
    set.setCaption(QStringLiteral("Questions Ordered"));
}

void showRandomized(QuestionSet& set)
{
    forms::Hourglass busy;
    set.setCaption(QStringLiteral("Questions Randomized"));
    set.setCaption(QStringLiteral("Questions Have Been Randomized"));
    set.randomRequery(randomizeQuery(set.marker()));
    set.countStep();
    set.markStep();
}

void drawChapterTest(QuestionSet& set)
{
    // The caption stays even when the user cancels.
    set.setCaption(QStringLiteral("Random Test - Current Chapter"));
    const std::optional<int> count = askQuestionCount();
    if (!count)
        return;
    set.randomRequery(currentChapterTestQuery(*count, set.chapter(), set.level()));
    // The chapter of the test's first record; empty when the draw found none.
    set.setMarker(set.chapter());
    set.countStep();
    set.markStep();
}

void drawBankTest(QuestionSet& set)
{
    const std::optional<int> count = askQuestionCount();
    if (!count)
        return;
    set.setCaption(QStringLiteral("All Questions Randomized"));
    set.randomRequery(entireBankTestQuery(*count, set.level()));
    set.setMarker(markers::wholeBank);
    set.countStep();
    set.markStep();
}

void resetLevels(QuestionSet& set)
{
    set.setRoute(QString());
    set.setQuery(resetLevelsQuery(set.marker()));
    set.markStep();
    set.setCaption(QStringLiteral("Levels Have Been Reset"));
}

void resetChapter(QuestionSet& set)
{
    set.setQuery(resetChapterQuery(set.chapter()));
    set.markStep();
    set.setCaption(QStringLiteral("Chapter Has Been Reset"));
}

void resetToBank(QuestionSet& set)
{
    set.cursor().setDatabaseName(questiondb::databasePath(forms::App::current().path()));
    set.setQuery(QStringLiteral("Table1"));
    set.setCaption(QStringLiteral("Questions Reset"));
}

} // namespace questionsets
