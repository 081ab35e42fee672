// The ways from the question window into the terminology library: the
// "Terminology" button opens it to browse, the toolbar's "Terms" key opens
// it to look up the text selected in a question field.

#include "questionwindow/frmMain.h"

#include "platform/forms/App.h"
#include "printing/frmSearch.h"
#include "settings/Markers.h"

namespace questionwindow {

void frmMain::cmdTerms_Click()
{
    forms::form<printing::frmSearch>().showToBrowse();
}

// The selection travels on the clipboard; with no question field marked the
// clipboard stays empty and the library opens without a lookup to show.
void frmMain::lookUpSelectedTerm()
{
    copyMarkedSelection();
    forms::form<printing::frmSearch>().txtClip->setText(markers::lookUpClipboardTerm);
    forms::form<printing::frmSearch>().Show();
}

} // namespace questionwindow
