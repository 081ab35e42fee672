// The question window's toolbar: a key runs the menu step it stands for.

#include "questionwindow/frmMain.h"

#include "platform/forms/FailureRegimes.h"

namespace questionwindow {

// A step that fails ends there; the toolbar itself goes on.
void frmMain::tbToolBar_ButtonClick(const QString& key)
{
    if (key == QLatin1String("Find"))
        forms::bestEffort({[&] { mnuKwed_Click(); }});
    else if (key == QLatin1String("Camera"))
        forms::bestEffort({[&] { mnuAddPic_Click(); }});
}

} // namespace questionwindow
