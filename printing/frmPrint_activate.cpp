// Activation, which starts the document out as unsaved and paints the skin,
// and Exit, which asks before an unsaved document is lost.

#include "printing/frmPrint.h"

#include "contents/SkinBackground.h"
#include "platform/forms/Dialogs.h"
#include "platform/forms/FailureRegimes.h"

namespace printing {

using forms::bestEffort;

// A name that is no skin leaves the background as it is.
void frmPrint::Form_Activate()
{
    SavedMarker = QStringLiteral("No");
    contents::showCurrentSkin(*FXImage1);
}

// Yes saves and stays, so the user sees the save happen; the document
// counts as saved only once it is in the file, so a cancelled or failed
// save asks again at the next Exit.
void frmPrint::cmdExit_Click()
{
    if (SavedMarker != QLatin1String("Yes")) {
        const int answer = forms::msgBox(QStringLiteral("Save File Before Exit??"), forms::vbYesNo + forms::vbCritical,
                                         QStringLiteral("Brisolt Quizforge"));
        if (answer == forms::vbYes) {
            butSave_Click();
            return;
        }
    }
    Unload();
}

} // namespace printing
