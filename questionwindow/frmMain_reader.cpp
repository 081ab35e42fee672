// The Nuvia menu's clipboard reader, a window of its own beside the question window.

#include "questionwindow/frmMain.h"

#include "platform/forms/App.h"
#include "questionwindow/frmSpeak.h"

namespace questionwindow {

void frmMain::mnuBot_Click()
{
    forms::form<frmSpeak>().Show();
}

} // namespace questionwindow
