#include "contents/ChapterHandOver.h"

#include "platform/core/RuntimeError.h"
#include "platform/forms/App.h"
#include "platform/forms/Dialogs.h"
#include "platform/forms/Hourglass.h"
#include "questionsets/Markers.h"
#include "questionsets/SetLoading.h"
#include "questionwindow/frmMain.h"

#include <functional>

namespace contents {

using forms::form;
using questionwindow::frmMain;

namespace {

// Loads the set under the hourglass, then shows the question window with the
// normal pointer (its activation may ask about an empty set). A set that
// cannot be read is reported and the question window stays as it was.
void handOver(const std::function<void(frmMain&)>& loadSet)
{
    try {
        const forms::Hourglass busy;
        loadSet(form<frmMain>());
    } catch (const platform::RuntimeError& error) {
        forms::msgBox(QStringLiteral("The questions cannot be read from the question database.\n\n%1")
                          .arg(error.description()),
                      forms::vbOKOnly | forms::vbExclamation, QStringLiteral("Brisolt Software"));
        return;
    }
    form<frmMain>().Show();
}

} // namespace

void openChapter(const QString& title)
{
    handOver([&](frmMain& window) {
        // The chapter palette closes here once the program has one.
        questionsets::setQuery(window, questionsets::chapterQuery(title));
        questionsets::countStep(window);
        questionsets::setMarker(window, title);
        questionsets::setCaption(window, title);
    });
}

void openWholeBank()
{
    handOver([](frmMain& window) {
        questionsets::setMarker(window, markers::wholeBank);
        questionsets::setQuery(window, QStringLiteral("table1 "));
        questionsets::countStep(window);
        window.mnuRenumber->setEnabled(true);
        window.mnuReNumChap->setEnabled(false);
    });
}

} // namespace contents
