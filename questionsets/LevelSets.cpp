// The question window's two level menus: only the level 1 or only the level 2
// questions of the chapter on screen, or of the whole bank while the whole
// bank is shown. The level chosen becomes the level filter that the random
// tests and the reviews honour afterwards.

#include "platform/data/Quoting.h"
#include "platform/forms/Dialogs.h"
#include "questionsets/Markers.h"
#include "questionsets/SetLoading.h"
#include "questionwindow/frmMain.h"

namespace questionwindow {

using namespace questionsets;

namespace {

// Any marker but the whole bank's stands for the chapter of the record on
// screen, also after a review set.
QString levelQuery(QLatin1StringView level, const QString& marker, const QString& chapter)
{
    const QString query = QStringLiteral("SELECT * FROM table1 where FF = ") + data::sqlText(level);
    if (marker == markers::wholeBank)
        return query + QLatin1Char(' ');
    return query + QStringLiteral(" And Chapter = ") + data::sqlText(chapter);
}

// An empty level set closes the question window: the user is sent back to
// the tables of contents for another chapter.
void showLevel(frmMain& window, QLatin1StringView level)
{
    window.txtRoute->setText(level);
    window.questionSet().setQuery(levelQuery(level, window.txtQ->text(), window.txtChapter->text()));
    window.questionSet().setCaption(QStringLiteral("Level %1 Questions Displayed").arg(level));
    if (window.questionSet().emptySetTest()) {
        forms::msgBox(
            QStringLiteral("You have no questions in this section marked for Level %1. Please choose a new chapter!.")
                .arg(level),
            forms::vbOKOnly + forms::vbQuestion, QStringLiteral("Brisolt Speaks"));
        window.cmdExit_Click();
        return;
    }
    window.questionSet().settleNewSet();
}

} // namespace

void frmMain::mnuFF1_Click()
{
    showLevel(*this, markers::levelOne);
}

void frmMain::mnuFF2_Click()
{
    showLevel(*this, markers::levelTwo);
}

} // namespace questionwindow
