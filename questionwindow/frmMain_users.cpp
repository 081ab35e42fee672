// The question window's way to the users window, whose OK writes the chosen
// user's last name into the user box.

#include "questionwindow/frmMain.h"

#include "platform/forms/App.h"
#include "printing/frmID.h"

namespace questionwindow {

void frmMain::mnuUser_Click() { forms::form<printing::frmID>().Show(); }

} // namespace questionwindow
