// The main table of contents' buttons, menus, clock and closing rule.

#include "contents/frmContents.h"

#include "contents/ButtonLook.h"
#include "contents/ChapterHandOver.h"
#include "contents/ContentsClock.h"
#include "contents/HelpBinding.h"
#include "contents/frmAbout.h"
#include "contents/frmBrowser.h"
#include "contents/frmContentsBank.h"
#include "platform/forms/App.h"
#include "questionsets/Markers.h"

namespace contents {

using forms::form;

// ---- "The Entire Test" --------------------------------------------------------------

void frmContents::cmdAll_Click()
{
    txtK->setText(markers::wholeBank);
    openWholeBank();
}

// ---- Exit, End and closing --------------------------------------------------------------

void frmContents::cmdExit_Click() { forms::App::current().end(); }

void frmContents::mnuEnd_Click() { forms::App::current().end(); }

// Closing the home window always ends the program: with the speech
// components still to be installed it would otherwise leave the program
// running with no window to reach it by.
void frmContents::Form_Unload(int&)
{
    forms::App::current().end();
}

// ---- The other banks ------------------------------------------------------------------
// The chapter palette's bank marker is set by the bank window's activation
// once the program has a palette.

void frmContents::cmdTestBank2_Click() { form<frmContents2>().Show(); }

void frmContents::cmdTestBank3_Click() { form<frmContents3>().Show(); }

// ---- Held-down look -------------------------------------------------------------------

void frmContents::cmdAll_MouseDown() { holdDown(*cmdAll); }
void frmContents::cmdAll_MouseUp() { release(*cmdAll, QStringLiteral("The Entire Test")); }
void frmContents::cmdExit_MouseDown() { holdDown(*cmdExit); }
void frmContents::cmdExit_MouseUp() { release(*cmdExit, QStringLiteral("Exit")); }
void frmContents::cmdTestBank2_MouseDown() { holdDown(*cmdTestBank2); }
void frmContents::cmdTestBank2_MouseUp() { release(*cmdTestBank2, QStringLiteral("Test Bank 2")); }
void frmContents::cmdTestBank3_MouseDown() { holdDown(*cmdTestBank3); }
void frmContents::cmdTestBank3_MouseUp() { release(*cmdTestBank3, QStringLiteral("Test bank 3")); }

// ---- Menus ------------------------------------------------------------------------------
// The windows these items open are not part of the program yet: the speech
// components' installer, the terminology library, the chapter palette, the
// font and colour dialogs of the question window, the skin chooser, the help
// index, the web links and the about box. Until they are, the items do nothing.

void frmContents::mnuLoadNuvia_Click() {}
void frmContents::mnuTerminology_Click() {}
void frmContents::mnuPallete_Click() {}
void frmContents::mnuChangeFonts_Click() {}
void frmContents::mnuResetFonts_Click() {}
void frmContents::mnuChangeFontColor_Click() {}
void frmContents::mnuChangeCanvas_Click() {}
void frmContents::mnuSkins_Click() {}
void frmContents::mnuContents_Click() { ShowHelpContents(); }
void frmContents::mnuWeb_Click() { form<frmBrowser>().Show(); }
void frmContents::mnuAbout_Click() { form<frmAbout>().Show(); }

// ---- Clock --------------------------------------------------------------------------------

void frmContents::Timer1_Timer() { showClock(*Status); }

} // namespace contents
