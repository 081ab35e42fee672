// "Replace": the word box goes over the selection of the question window's
// field that txtClip names, and the window closes.

#include "editing/frmThesaurus.h"

#include "platform/forms/App.h"
#include "platform/forms/Dialogs.h"
#include "platform/forms/FailureRegimes.h"
#include "questionwindow/frmMain.h"

namespace editing {

void frmThesaurus::Command1_Click()
{
    // A locked question takes no change, as with Paste; the word stays on
    // offer until the questions are unlocked.
    if (forms::App::current().isLoaded<questionwindow::frmMain>()) {
        forms::TextBox* field = forms::form<questionwindow::frmMain>().editFieldNamed(txtClip->text());
        if (field && field->locked()) {
            forms::msgBox(QStringLiteral("The questions are locked. Unlock them to replace the word."),
                          forms::vbOKOnly + forms::vbExclamation, QStringLiteral("Brisolt Speaks"));
            return;
        }
    }
    const bool written = forms::leaveOnError([&] {
        // A marker names a field only of a question window that is there.
        if (!forms::App::current().isLoaded<questionwindow::frmMain>())
            return;
        forms::TextBox* field = forms::form<questionwindow::frmMain>().editFieldNamed(txtClip->text());
        if (field)
            field->setSelText(TextBox->text());
    });
    // A word that could not be written stays on offer.
    if (written)
        Unload();
}

} // namespace editing
