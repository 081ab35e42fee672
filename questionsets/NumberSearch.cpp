// The two number searches: one question found by its number within the
// current chapter (QNUM) or by its database number (Call) becomes the set. A
// miss says so, shows the chapter again and offers to search again.

#include "questionsets/SetMenus.h"

#include "platform/data/Quoting.h"
#include "platform/forms/Dialogs.h"
#include "questionsets/CountPrompt.h"
#include "questionsets/QuestionSet.h"
#include "questionsets/SetLoading.h"

#include <optional>

namespace questionsets {

namespace {

const QString searchTitle = QStringLiteral("Brisolt Speaks ");

// The empty text (also Cancel) and "0" end the search quietly; anything
// else that names no question number - letters, a sign, a fraction, a number
// too large - is explained first, so only a true number reaches a query.
std::optional<int> askQuestionNumber()
{
    return askNumber({QStringLiteral("Enter Database Question Number."),
                      QStringLiteral("Search Question Banks For Quention Number"), NumberUse::QuestionNumber,
                      searchTitle});
}

bool searchAgain()
{
    return forms::msgBox(QStringLiteral("This Question Number Does Not Appear In Your Database.\n"
                                        "Would You Like To Search Again?"),
                         forms::vbYesNo + forms::vbQuestion, searchTitle)
           == forms::vbYes;
}

QString chapterNumberQuery(int number, const QString& chapter)
{
    return QStringLiteral("SELECT * FROM table1 where QNum =  ") + data::sqlText(QString::number(number))
           + QStringLiteral(" And Chapter =  ") + data::sqlText(chapter) + QLatin1Char(' ');
}

// The database number finds the question whatever chapter is shown.
QString databaseNumberQuery(int number, const QString&)
{
    return QStringLiteral("SELECT * FROM table1 where Call =  ") + QString::number(number) + QLatin1Char(' ');
}

// Asks until a number is found, the user stops, or the prompt is cancelled.
// A miss shows the chapter of the search again before asking whether to go
// on, so the set is never left empty behind the question. Whatever set the
// search leaves is counted and marked as a set of its own: after a hit the
// found question is the set's last question.
void numberSearch(QuestionSet& set, const QString& caption, QString (*searchQuery)(int, const QString&))
{
    bool setReplaced = false;
    for (;;) {
        const QString chapter = set.chapter();
        set.setCaption(caption); // stays even when the user cancels
        const std::optional<int> number = askQuestionNumber();
        if (!number)
            break;
        set.setQuery(searchQuery(*number, chapter));
        setReplaced = true;
        if (!set.emptySetTest())
            break;
        set.setQuery(resetChapterQuery(chapter));
        if (!searchAgain())
            break;
    }
    if (!setReplaced)
        return;
    set.settleNewSet();
}

} // namespace

void searchChapterNumber(QuestionSet& set)
{
    numberSearch(set, QStringLiteral("Question Number Search"), chapterNumberQuery);
}

void searchDatabaseNumber(QuestionSet& set)
{
    numberSearch(set, QStringLiteral("Database Number Search"), databaseNumberQuery);
}

} // namespace questionsets
