// The main table of contents' activation step: each time the window becomes
// the program's active window it re-reads the chapter titles, measures the
// screen, paints the current skin and tells the question window that this
// window opens the next set. Every step is attempted on its own, so a skin
// picture that cannot be read never keeps the route marker from being written.

#include "contents/frmContents.h"

#include "appearance/SkinTable.h"
#include "contents/ButtonLook.h"
#include "contents/ContentsWindowParts.h"
#include "contents/SkinBackground.h"
#include "platform/forms/FailureRegimes.h"
#include "platform/forms/ScreenSize.h"
#include "questionsets/Markers.h"

namespace contents {

using forms::bestEffort;

void frmContents::Form_Activate()
{
    bestEffort({
        [&] { Data1->refresh(); },
        [&] { fxBack->setDisplayMode(txtSkin->text() == markers::nantucketTwoSkin ? 2 : 3); },
        // The chapter palette's bank marker becomes "1" here once the program has a palette.
        [&] { txtRes->setText(forms::screenSizeText()); },
    });
    paintContentsSkin(txtSkin->text(), *fxBack, labelButtons(), labelButtons());
    finishContentsActivation(*chapters, markers::mainContentsRoute);
}

void frmContents::BlackButtons() { setCaptionColors(labelButtons(), appearance::blackColor); }

void frmContents::RedButtons() { setCaptionColors(labelButtons(), 255); }

void frmContents::WhiteButtons() { setCaptionColors(labelButtons(), appearance::whiteColor); }

} // namespace contents
