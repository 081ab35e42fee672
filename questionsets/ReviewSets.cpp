// The three reviews of what the records remember: the drill set (questions
// marked when answered wrongly), the wrongly answered questions of the chapter
// on screen, and all wrongly answered questions. Each keeps to the level
// filter.

#include "questionsets/SetMenus.h"

#include "platform/data/Quoting.h"
#include "platform/forms/Dialogs.h"
#include "platform/forms/Hourglass.h"
#include "questionsets/QuestionSet.h"
#include "questionsets/SetLoading.h"
#include "settings/Markers.h"

namespace questionsets {

namespace {

// " And FF = '1'" for a level filter of one level, nothing for both.
QString levelCondition(Level level)
{
    return level == Level::Both ? QString() : QStringLiteral(" And FF = ") + data::sqlText(levelText(level));
}

QString drillQuery(Level level)
{
    return QStringLiteral("SELECT * FROM table1 where Elephant = ") + data::sqlText(markers::drillMarked)
           + levelCondition(level) + QLatin1Char(' ');
}

QString chapterWrongQuery(const QString& chapter, Level level)
{
    return QStringLiteral("SELECT * FROM table1 where x = ") + data::sqlText(markers::answeredWrong)
           + QStringLiteral(" And Chapter = ") + data::sqlText(chapter) + levelCondition(level);
}

QString allWrongQuery(Level level)
{
    return QStringLiteral("SELECT * FROM table1 where x = ") + data::sqlText(markers::answeredWrong)
           + levelCondition(level) + QLatin1Char(' ');
}

// The same words for all three reviews; only the title differs. False when
// there is nothing to review.
bool settleReview(QuestionSet& set, const QString& title)
{
    if (set.emptySetTest()) {
        forms::msgBox(
            QStringLiteral("You Are Simply Brilliant! \nGuess What? You have no questions answered incorrectly!"),
            forms::vbOKOnly + forms::vbExclamation, title);
        return false;
    }
    set.settleNewSet();
    return true;
}

} // namespace

bool showDrillSet(QuestionSet& set)
{
    {
        const forms::Hourglass busy;
        set.setCaption(QStringLiteral("Elephant Questions"));
        set.setMarker(markers::drillSet);
        set.setQuery(drillQuery(set.level()));
    }
    return settleReview(set, QStringLiteral("Brisolt Software"));
}

bool showChapterWrong(QuestionSet& set)
{
    set.setMarker(markers::chapterWrong);
    {
        const forms::Hourglass busy;
        set.setQuery(chapterWrongQuery(set.chapter(), set.level()));
        set.setCaption(QStringLiteral("Incorrectly Answered Questions"));
    }
    return settleReview(set, QStringLiteral("Brisolt"));
}

bool showAllWrong(QuestionSet& set)
{
    {
        const forms::Hourglass busy;
        set.setMarker(markers::drillSet);
        set.setCaption(QStringLiteral("All Incorrectly Answered Questions"));
        set.setQuery(allWrongQuery(set.level()));
    }
    return settleReview(set, QStringLiteral("Brisolt Software"));
}

} // namespace questionsets
