// The steps every table of contents shares: "The Entire Test", Exit, the
// held-down look of the window buttons, the menu items that act alike, the
// clock and the closing rule.

#include "contents/ContentsWindow.h"

#include "appearance/frmSkin.h"
#include "contents/ButtonLook.h"
#include "contents/ChapterHandOver.h"
#include "contents/ContentsClock.h"
#include "editing/frmQ.h"
#include "helpmenu/frmAbout.h"
#include "helpmenu/frmBrowser.h"
#include "platform/forms/App.h"
#include "printing/frmSearch.h"
#include "settings/Markers.h"

namespace contents {

using forms::form;

// ---- "The Entire Test" --------------------------------------------------------------
// Every question of the program, not only this bank's. The chapter palette
// stays open.

void ContentsWindow::cmdAll_Click()
{
    txtK->setText(markers::wholeBank);
    openWholeBank();
}

// ---- Exit and closing ------------------------------------------------------------------

void ContentsWindow::cmdExit_Click()
{
    forms::App::current().end();
}

// Closing any table of contents ends the program: with the speech components
// still to be installed it would otherwise leave the program running with no
// window to reach it by.
void ContentsWindow::Form_Unload(int&)
{
    forms::App::current().end();
}

// ---- Held-down look -------------------------------------------------------------------

void ContentsWindow::cmdAll_MouseDown()
{
    holdDown(*cmdAll);
}
void ContentsWindow::cmdAll_MouseUp()
{
    release(*cmdAll, QStringLiteral("The Entire Test"));
}
void ContentsWindow::cmdExit_MouseDown()
{
    holdDown(*cmdExit);
}
void ContentsWindow::cmdExit_MouseUp()
{
    release(*cmdExit, QStringLiteral("Exit"));
}
void ContentsWindow::cmdTestBank2_MouseDown()
{
    holdDown(*cmdTestBank2);
}
void ContentsWindow::cmdTestBank2_MouseUp()
{
    release(*cmdTestBank2, QString::fromUtf8(design_.testBank2.released));
}
void ContentsWindow::cmdTestBank3_MouseDown()
{
    holdDown(*cmdTestBank3);
}
void ContentsWindow::cmdTestBank3_MouseUp()
{
    release(*cmdTestBank3, QString::fromUtf8(design_.testBank3.released));
}

// ---- Menus ------------------------------------------------------------------------------
// End and Contents do nothing unless the window gives them a step: the
// bank windows' End and Contents carry no action.

void ContentsWindow::mnuTerminology_Click()
{
    form<printing::frmSearch>().showToBrowse();
}
void ContentsWindow::mnuEnd_Click() {}
void ContentsWindow::mnuPallete_Click()
{
    form<editing::frmQ>().Show();
}
void ContentsWindow::mnuSkins_Click()
{
    form<appearance::frmSkin>().Show();
}
void ContentsWindow::mnuContents_Click() {}
void ContentsWindow::mnuWeb_Click()
{
    form<helpmenu::frmBrowser>().Show();
}
void ContentsWindow::mnuAbout_Click()
{
    form<helpmenu::frmAbout>().Show();
}

// ---- Clock --------------------------------------------------------------------------------

void ContentsWindow::Timer1_Timer()
{
    showClock(*Status, timeSource_ ? timeSource_() : QTime::currentTime());
}

} // namespace contents
