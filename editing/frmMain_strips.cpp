// The question window's ways into "Edit Screen Images": the two items of the
// "&Images" menu, and the toolbar's "Camera" key, which runs the first.

#include "questionwindow/frmMain.h"

#include "editing/frmStrips.h"
#include "platform/forms/App.h"

namespace questionwindow {

namespace {

// Shows the window modeless - its activation step runs first - then brings
// the tab to the front.
void showStrips(int tab)
{
    editing::frmStrips& strips = forms::form<editing::frmStrips>();
    strips.Show();
    strips.SSTab2->setTab(tab);
}

} // namespace

void frmMain::mnuAddPic_Click()
{
    showStrips(0);
}

void frmMain::mnuVideo_Click()
{
    showStrips(1);
}

} // namespace questionwindow
