// Activation, which starts the document out as unsaved and paints the skin,
// Exit, which asks before an unsaved document is lost, and leaving, which
// goes back to the lookup a terminology printout came from.

#include "printing/frmPrint.h"

#include "appearance/CurrentSkin.h"
#include "platform/forms/App.h"
#include "platform/forms/Dialogs.h"
#include "platform/forms/FailureRegimes.h"
#include "printing/frmSearch.h"
#include "settings/Markers.h"

namespace printing {

using forms::bestEffort;

// Coming back to the window finds the document unsaved only when it is no
// longer the one last saved or opened here: a test just opened, or saved
// and looked at again after a visit to another window, is still in its
// file. A name that is no skin leaves the background as it is.
void frmPrint::Form_Activate()
{
    if (!filed_ || !(*filed_ == VSPrinter1->document()))
        SavedMarker = QStringLiteral("No");
    appearance::paintCurrentSkin(*FXImage1);
}

// Yes saves and stays, so the user sees the save happen; the document
// counts as saved only once it is in the file, so a cancelled or failed
// save asks again at the next Exit. No leaves without saving; Cancel, and
// Escape with it, keeps the window and the document as they are.
void frmPrint::cmdExit_Click()
{
    if (SavedMarker != QLatin1String("Yes")) {
        const int answer = forms::msgBox(QStringLiteral("Save File Before Exit??"),
                                         forms::vbYesNoCancel + forms::vbCritical, QStringLiteral("Brisolt Quizforge"));
        if (answer == forms::vbYes) {
            butSave_Click();
            return;
        }
        if (answer != forms::vbNo)
            return;
    }
    Unload();
}

void frmPrint::Form_Unload(int& /*cancel*/)
{
    if (txtRoute->text() == markers::terminologyRoute)
        leaveTerminologyPrintout();
}

void frmPrint::leaveTerminologyPrintout()
{
    forms::form<frmSearch>().Show();
}

} // namespace printing
