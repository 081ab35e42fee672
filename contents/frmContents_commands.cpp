// The main table of contents' own buttons and menu items.

#include "contents/frmContents.h"

#include "contents/HelpBinding.h"
#include "contents/SettingsStore.h"
#include "contents/frmContentsBank.h"
#include "platform/forms/App.h"
#include "platform/forms/TextBox.h"
#include "questionwindow/frmLoadNuvia.h"
#include "questionwindow/frmMain.h"

namespace contents {

using forms::form;

// ---- The other banks ------------------------------------------------------------------
// The chapter palette's bank marker is set by the bank window's activation.

void frmContents::cmdTestBank2_Click() { form<frmContents2>().Show(); }

void frmContents::cmdTestBank3_Click() { form<frmContents3>().Show(); }

// ---- Menus ------------------------------------------------------------------------------
// End ends the program from here, Contents shows the help and "Reset Screen
// Fonts" puts the question window's text back to the default font. The
// windows the other items open are not part of the program yet: the font and
// colour dialogs. Until they are, the items do nothing.

void frmContents::mnuEnd_Click() { forms::App::current().end(); }
void frmContents::mnuContents_Click() { ShowHelpContents(); }
void frmContents::mnuLoadNuvia_Click() { form<questionwindow::frmLoadNuvia>().Show(); }
void frmContents::mnuChangeFonts_Click() {}
void frmContents::mnuChangeFontColor_Click() {}
void frmContents::mnuChangeCanvas_Click() {}

// Stored first, then shown at once, whether the question window is in front,
// hidden or not loaded yet (touching it loads it, and its load takes the
// stored style). Nothing asks first; the colours stay as they are.
void frmContents::mnuResetFonts_Click()
{
    resetScreenFonts();
    const ScreenFont font = defaultScreenFont();
    auto& question = form<questionwindow::frmMain>();
    for (forms::TextBox* box :
         {question.txtQuestion, question.txtA, question.txtB, question.txtC, question.txtD, question.txtNotes}) {
        box->setFontName(font.name);
        box->setFontBold(font.bold);
        box->setFontItalic(font.italic);
        box->setFontSize(font.size);
    }
}

} // namespace contents
