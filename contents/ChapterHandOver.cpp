#include "contents/ChapterHandOver.h"

#include "editing/frmQ.h"
#include "platform/core/RuntimeError.h"
#include "platform/forms/App.h"
#include "platform/forms/Dialogs.h"
#include "platform/forms/Hourglass.h"
#include "questionsets/SetLoading.h"
#include "questionwindow/frmMain.h"
#include "settings/Markers.h"

#include <QPointer>

#include <functional>

namespace contents {

using forms::form;
using questionwindow::frmMain;

namespace {

using SetStep = std::function<void(frmMain&)>;

// Loads the set under the hourglass, then shows the question window with the
// normal pointer (its activation may ask about an empty set), and last
// describes the set. A set that cannot be read is reported and the question
// window stays as it was.
//
// The set and its count are in place before the window is shown, so its
// activation marks the set's last question and offers to add a question to
// an empty chapter. The set marker and the "Chapter" panel are written after
// it: the activation copies the pressed title of the contents window
// activated last, and that need not be the window whose button was pressed.
void handOver(const SetStep& loadSet, const SetStep& describeSet)
{
    try {
        const forms::Hourglass busy;
        loadSet(form<frmMain>());
    } catch (const platform::RuntimeError& error) {
        forms::msgBox(
            QStringLiteral("The questions cannot be read from the question database.\n\n%1").arg(error.description()),
            forms::vbOKOnly | forms::vbExclamation, QStringLiteral("Brisolt Software"));
        return;
    }
    const QPointer<frmMain> window = &form<frmMain>();
    window->Show();
    // Declining to add a question to an empty chapter unloads the window;
    // there is then no set left to describe.
    if (window)
        describeSet(*window);
}

} // namespace

void openChapter(const QString& title)
{
    handOver(
        [&](frmMain& window) {
            window.questionSet().setQuery(questionsets::chapterQuery(title));
            window.questionSet().countStep();
        },
        [&](frmMain& window) {
            // The palette is put away once the question window is in front, so
            // no other window becomes active and loads it again; the next
            // touch loads it afresh.
            if (forms::App::current().isLoaded<editing::frmQ>())
                form<editing::frmQ>().Unload();
            window.questionSet().setMarker(title);
            window.questionSet().setCaption(title);
        });
}

void openWholeBank()
{
    handOver(
        [](frmMain& window) {
            window.questionSet().setMarker(markers::wholeBank);
            window.questionSet().setQuery(QStringLiteral("table1 "));
            window.questionSet().countStep();
            window.offerWholeBankRenumbering();
        },
        // Named again after the activation, for the same reason as a chapter.
        [](frmMain& window) { window.questionSet().setMarker(markers::wholeBank); });
}

} // namespace contents
