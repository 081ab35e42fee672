// The question window's three reviews of what the records remember: the drill
// set (questions marked when answered wrongly), the wrongly answered questions
// of the chapter on screen, and all wrongly answered questions. Each keeps to
// the level filter. Nothing to review closes the question window.

#include "platform/data/Quoting.h"
#include "platform/forms/Dialogs.h"
#include "platform/forms/Hourglass.h"
#include "questionsets/Markers.h"
#include "questionsets/SetLoading.h"
#include "questionwindow/frmMain.h"

namespace questionwindow {

using namespace questionsets;

namespace {

// " And FF = '1'" for a level filter of one level, nothing for both.
QString levelCondition(const QString& route)
{
    switch (levelOf(route)) {
    case Level::One: return QStringLiteral(" And FF = ") + data::sqlText(markers::levelOne);
    case Level::Two: return QStringLiteral(" And FF = ") + data::sqlText(markers::levelTwo);
    case Level::Both: break;
    }
    return {};
}

QString drillQuery(const QString& route)
{
    return QStringLiteral("SELECT * FROM table1 where Elephant = ") + data::sqlText(markers::drillMarked)
           + levelCondition(route) + QLatin1Char(' ');
}

QString chapterWrongQuery(const QString& chapter, const QString& route)
{
    return QStringLiteral("SELECT * FROM table1 where x = ") + data::sqlText(markers::answeredWrong)
           + QStringLiteral(" And Chapter = ") + data::sqlText(chapter) + levelCondition(route);
}

QString allWrongQuery(const QString& route)
{
    return QStringLiteral("SELECT * FROM table1 where x = ") + data::sqlText(markers::answeredWrong)
           + levelCondition(route) + QLatin1Char(' ');
}

// The same words for all three reviews; only the title differs.
void nothingToReview(frmMain& window, const QString& title)
{
    forms::msgBox(QStringLiteral("You Are Simply Brilliant! \nGuess What? You have no questions answered incorrectly!"),
                  forms::vbOKOnly + forms::vbExclamation, title);
    window.Unload();
}

} // namespace

void frmMain::mnuElephant1_Click()
{
    {
        const forms::Hourglass busy;
        questionSet().setCaption(QStringLiteral("Elephant Questions"));
        questionSet().setMarker(markers::drillSet);
        questionSet().setQuery(drillQuery(txtRoute->text()));
    }
    if (questionSet().emptySetTest()) {
        nothingToReview(*this, QStringLiteral("Brisolt Software"));
        return;
    }
    questionSet().settleNewSet();
}

void frmMain::mnuX_Click()
{
    questionSet().setMarker(markers::chapterWrong);
    {
        const forms::Hourglass busy;
        questionSet().setQuery(chapterWrongQuery(txtChapter->text(), txtRoute->text()));
        questionSet().setCaption(QStringLiteral("Incorrectly Answered Questions"));
    }
    if (questionSet().emptySetTest()) {
        nothingToReview(*this, QStringLiteral("Brisolt"));
        return;
    }
    questionSet().settleNewSet();
}

void frmMain::mnuX2_Click()
{
    {
        const forms::Hourglass busy;
        questionSet().setMarker(markers::drillSet);
        questionSet().setCaption(QStringLiteral("All Incorrectly Answered Questions"));
        questionSet().setQuery(allWrongQuery(txtRoute->text()));
    }
    if (questionSet().emptySetTest()) {
        nothingToReview(*this, QStringLiteral("Brisolt Software"));
        return;
    }
    questionSet().settleNewSet();
}

} // namespace questionwindow
