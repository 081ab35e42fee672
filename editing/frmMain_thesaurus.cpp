// The question window's way into the thesaurus: the toolbar's "Fonts" key
// ("Thesaurus") hands the selection of the edit field that last had the
// focus to " BrisoltThesaurus", through the clipboard, and names the field
// the chosen word goes back into.

#include "questionwindow/frmMain.h"

#include "editing/frmThesaurus.h"
#include "platform/forms/App.h"
#include "platform/forms/Clipboard.h"
#include "platform/forms/FailureRegimes.h"

namespace questionwindow {

void frmMain::showThesaurus()
{
    forms::leaveOnError([&] {
        if (copyMarkedSelection()) {
            const bool open = forms::App::current().isLoaded<editing::frmThesaurus>();
            // The first touch loads the window, which takes the word then.
            editing::frmThesaurus& thesaurus = forms::form<editing::frmThesaurus>();
            thesaurus.txtClip->setText(txtClip->text());
            // An open window takes the new word too: "Replace" now writes
            // into the new field, and a synonym of the old word does not
            // belong there.
            if (open)
                thesaurus.takeClipboardWord();
        }
        forms::form<editing::frmThesaurus>().Show();
    });
}

} // namespace questionwindow
