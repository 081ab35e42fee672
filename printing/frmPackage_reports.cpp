// The package window's two reports of the question set: the quick report of
// the answers given and the picture album. The question window composes them,
// since both walk its set and read its score board.

#include "printing/frmPackage.h"

#include "platform/forms/App.h"
#include "printing/QuickReport.h"
#include "questionwindow/frmMain.h"

namespace printing {

void frmPackage::Command1_Click()
{
    forms::form<questionwindow::frmMain>().printQuickReport();
}

void frmPackage::Pages()
{
    forms::form<questionwindow::frmMain>().printQuickReport(PageReferences::included);
}

void frmPackage::cmdPicture2_Click()
{
    forms::form<questionwindow::frmMain>().printPictureAlbum();
}

} // namespace printing
