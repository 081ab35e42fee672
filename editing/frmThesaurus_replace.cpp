// "Replace": the word box goes over the selection of the question window's
// field that txtClip names, and the window closes.

#include "editing/frmThesaurus.h"

#include "editing/QuestionWindowCalls.h"
#include "platform/forms/Dialogs.h"
#include "platform/forms/FailureRegimes.h"

namespace editing {

void frmThesaurus::Command1_Click()
{
    // A locked question takes no change, as with Paste; the word stays on
    // offer until the questions are unlocked.
    if (forms::TextBox* field = questionFieldNamed(txtClip->text()); field && field->locked()) {
        forms::msgBox(QStringLiteral("The questions are locked. Unlock them to replace the word."),
                      forms::vbOKOnly + forms::vbExclamation, QStringLiteral("Brisolt Speaks"));
        return;
    }
    const bool written = forms::leaveOnError([&] {
        // A marker names a field only of a question window that is there.
        if (forms::TextBox* field = questionFieldNamed(txtClip->text()))
            field->setSelText(TextBox->text());
    });
    // A word that could not be written stays on offer.
    if (written)
        Unload();
}

} // namespace editing
