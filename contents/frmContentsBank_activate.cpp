// The bank windows' activation step: each time the window becomes the
// program's active window it re-reads its chapter titles, paints the skin
// named by its own txtSkin, sets long titles on two lines and tells the
// question window that this bank opens the next set. Every step is attempted
// on its own, so a skin picture that cannot be read never keeps the route
// marker from being written.

#include "contents/frmContentsBank.h"

#include "appearance/SkinTable.h"
#include "contents/ButtonLook.h"
#include "contents/ContentsWindowParts.h"
#include "contents/SkinBackground.h"
#include "platform/forms/FailureRegimes.h"

namespace contents {

using forms::bestEffort;

void frmContentsBank::Form_Activate()
{
    bestEffort({[&] { Data1->refresh(); }});
    // The chapter palette's bank marker becomes this bank here once the program has a palette.
    // Exit keeps its caption colour; it gets the texture like every other button.
    paintContentsSkin(txtSkin->text(), *fxBack, coloredButtons(), labelButtons());
    finishContentsActivation(*chapters, QString::number(bank_));
}

void frmContentsBank::BlackButtons() { setCaptionColors(coloredButtons(), appearance::blackColor); }

void frmContentsBank::RedButtons() { setCaptionColors(coloredButtons(), 255); }

void frmContentsBank::WhiteButtons() { setCaptionColors(coloredButtons(), appearance::whiteColor); }

} // namespace contents
