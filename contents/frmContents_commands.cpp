// The main table of contents' own buttons and menu items.

#include "contents/frmContents.h"

#include "contents/HelpBinding.h"
#include "contents/frmContentsBank.h"
#include "platform/forms/App.h"

namespace contents {

using forms::form;

// ---- The other banks ------------------------------------------------------------------
// The chapter palette's bank marker is set by the bank window's activation
// once the program has a palette.

void frmContents::cmdTestBank2_Click() { form<frmContents2>().Show(); }

void frmContents::cmdTestBank3_Click() { form<frmContents3>().Show(); }

// ---- Menus ------------------------------------------------------------------------------
// End ends the program from here, and Contents shows the help. The windows
// the other items open are not part of the program yet: the speech
// components' installer and the font and colour dialogs of the question
// window. Until they are, the items do nothing.

void frmContents::mnuEnd_Click() { forms::App::current().end(); }
void frmContents::mnuContents_Click() { ShowHelpContents(); }
void frmContents::mnuLoadNuvia_Click() {}
void frmContents::mnuChangeFonts_Click() {}
void frmContents::mnuResetFonts_Click() {}
void frmContents::mnuChangeFontColor_Click() {}
void frmContents::mnuChangeCanvas_Click() {}

} // namespace contents
