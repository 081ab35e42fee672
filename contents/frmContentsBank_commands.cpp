// The bank windows' buttons, menus, clock and closing rule.

#include "contents/frmContentsBank.h"

#include "contents/ButtonLook.h"
#include "contents/ChapterHandOver.h"
#include "contents/ContentsClock.h"
#include "contents/frmAbout.h"
#include "contents/frmBrowser.h"
#include "contents/frmContents.h"
#include "platform/forms/App.h"
#include "questionsets/Markers.h"

namespace contents {

using forms::form;

// ---- "The Entire Test" --------------------------------------------------------------
// Every question of the program, not only this bank's. The chapter palette
// closes here once the program has one.

void frmContentsBank::cmdAll_Click()
{
    txtK->setText(markers::wholeBank);
    openWholeBank();
}

// ---- Exit and closing ------------------------------------------------------------------

void frmContentsBank::cmdExit_Click() { forms::App::current().end(); }

void frmContentsBank::Form_Unload(int&)
{
    forms::App::current().end();
}

// ---- The other windows ------------------------------------------------------------------
// The window shown sets the chapter palette's bank marker in its activation
// once the program has a palette.

void frmContentsBank::cmdTestBank2_Click() { form<frmContents>().Show(); }

void frmContentsBank::cmdTestBank3_Click()
{
    if (otherBank() == 3)
        form<frmContents3>().Show();
    else
        form<frmContents2>().Show();
}

// ---- Held-down look -------------------------------------------------------------------

void frmContentsBank::cmdAll_MouseDown() { holdDown(*cmdAll); }
void frmContentsBank::cmdAll_MouseUp() { release(*cmdAll, QStringLiteral("The Entire Test")); }
void frmContentsBank::cmdExit_MouseDown() { holdDown(*cmdExit); }
void frmContentsBank::cmdExit_MouseUp() { release(*cmdExit, QStringLiteral("Exit")); }
void frmContentsBank::cmdTestBank2_MouseDown() { holdDown(*cmdTestBank2); }
void frmContentsBank::cmdTestBank2_MouseUp() { release(*cmdTestBank2, QStringLiteral("Main Test Bank")); }
void frmContentsBank::cmdTestBank3_MouseDown() { holdDown(*cmdTestBank3); }
void frmContentsBank::cmdTestBank3_MouseUp()
{
    release(*cmdTestBank3, QStringLiteral("Test Bank %1").arg(otherBank()));
}

// ---- Menus ------------------------------------------------------------------------------
// End and Contents do nothing in these windows. The terminology library, the
// chapter palette, the skin chooser, the web links and the about box are not
// part of the program yet; until they are, their items do nothing either.

void frmContentsBank::mnuTerminology_Click() {}
void frmContentsBank::mnuEnd_Click() {}
void frmContentsBank::mnuPallete_Click() {}
void frmContentsBank::mnuSkins_Click() {}
// The bank windows' Contents item carries no action.
void frmContentsBank::mnuContents_Click() {}
void frmContentsBank::mnuWeb_Click() { form<frmBrowser>().Show(); }
void frmContentsBank::mnuAbout_Click() { form<frmAbout>().Show(); }

// ---- Clock --------------------------------------------------------------------------------

void frmContentsBank::Timer1_Timer() { showClock(*Status); }

} // namespace contents
