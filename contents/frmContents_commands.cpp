// The main table of contents' own buttons and menu items.

#include "contents/frmContents.h"

#include "appearance/StyleMenus.h"
#include "contents/frmContentsBank.h"
#include "helpmenu/HelpBinding.h"
#include "platform/forms/App.h"
#include "questionwindow/frmLoadNuvia.h"

namespace contents {

using forms::form;

// ---- The other banks ------------------------------------------------------------------
// The chapter palette's bank marker is set by the bank window's activation.

void frmContents::cmdTestBank2_Click()
{
    form<frmContents2>().Show();
}

void frmContents::cmdTestBank3_Click()
{
    form<frmContents3>().Show();
}

// ---- Menus ------------------------------------------------------------------------------
// End ends the program from here, Contents shows the help, "Load Agent
// Programs" opens the speech components' installer, and the font and colour
// items style the question window.

void frmContents::mnuEnd_Click()
{
    forms::App::current().end();
}
void frmContents::mnuContents_Click()
{
    helpmenu::ShowHelpContents();
}
void frmContents::mnuLoadNuvia_Click()
{
    form<questionwindow::frmLoadNuvia>().Show();
}
void frmContents::mnuChangeFonts_Click()
{
    appearance::changeScreenFonts();
}
void frmContents::mnuResetFonts_Click()
{
    appearance::resetScreenFonts();
}
void frmContents::mnuChangeFontColor_Click()
{
    appearance::changeFontColor();
}
void frmContents::mnuChangeCanvas_Click()
{
    appearance::changeCanvasColor();
}

} // namespace contents
