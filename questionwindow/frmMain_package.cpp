// The question window's way to the test-package window.

#include "questionwindow/frmMain.h"

#include "platform/forms/App.h"
#include "printing/frmPackage.h"

namespace questionwindow {

void frmMain::mnuBuild_Click()
{
    forms::form<printing::frmPackage>().Show();
}

} // namespace questionwindow
