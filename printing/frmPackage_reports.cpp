// The package window's two reports of the question set: the quick report of
// the answers given and the picture album. The question window composes them,
// since both walk its set and read its score board.

#include "printing/frmPackage.h"

#include "printing/QuestionWindowCalls.h"
#include "printing/QuickReport.h"

namespace printing {

void frmPackage::Command1_Click()
{
    printing::printQuickReport();
}

void frmPackage::Pages()
{
    printing::printQuickReport(PageReferences::included);
}

void frmPackage::cmdPicture2_Click()
{
    printing::printPictureAlbum();
}

} // namespace printing
