// The two level sets: only the level 1 or only the level 2 questions of the
// chapter on screen, or of the whole bank while the whole bank is shown. The
// level chosen becomes the level filter that the random tests and the reviews
// honour afterwards.

#include "questionsets/SetMenus.h"

#include "platform/data/Quoting.h"
#include "platform/forms/Dialogs.h"
#include "questionsets/QuestionSet.h"
#include "settings/Markers.h"

namespace questionsets {

namespace {

// Any marker but the whole bank's stands for the chapter of the record on
// screen, also after a review set.
QString levelQuery(const QString& level, const QString& marker, const QString& chapter)
{
    const QString query = QStringLiteral("SELECT * FROM table1 where FF = ") + data::sqlText(level);
    if (marker == markers::wholeBank)
        return query + QLatin1Char(' ');
    return query + QStringLiteral(" And Chapter = ") + data::sqlText(chapter);
}

} // namespace

// An empty level set sends the user back to the tables of contents for
// another chapter.
bool showLevel(QuestionSet& set, const QString& level)
{
    set.setRoute(level);
    set.setQuery(levelQuery(level, set.marker(), set.chapter()));
    set.setCaption(QStringLiteral("Level %1 Questions Displayed").arg(level));
    if (set.emptySetTest()) {
        forms::msgBox(
            QStringLiteral("You have no questions in this section marked for Level %1. Please choose a new chapter!.")
                .arg(level),
            forms::vbOKOnly + forms::vbQuestion, QStringLiteral("Brisolt Speaks"));
        return false;
    }
    set.settleNewSet();
    return true;
}

} // namespace questionsets
