// Activation, which starts the document out as unsaved and paints the skin,
// Exit, which asks before an unsaved document is lost, and leaving, which
// goes back to the lookup a terminology printout came from.

#include "printing/frmPrint.h"

#include "contents/CurrentSkin.h"
#include "platform/forms/App.h"
#include "platform/forms/Dialogs.h"
#include "platform/forms/FailureRegimes.h"
#include "questionsets/Markers.h"
#include "printing/frmSearch.h"

namespace printing {

using forms::bestEffort;

// A name that is no skin leaves the background as it is.
void frmPrint::Form_Activate()
{
    SavedMarker = QStringLiteral("No");
    contents::paintCurrentSkin(*FXImage1);
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

void frmPrint::Form_Unload(int& /*cancel*/)
{
    if (txtRoute->text() == markers::terminologyRoute)
        leaveTerminologyPrintout();
}

void frmPrint::leaveTerminologyPrintout() { forms::form<frmSearch>().Show(); }

} // namespace printing
