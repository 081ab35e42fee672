// The main table of contents' own activation steps: the background's display
// mode follows the skin, and the screen is measured again.

#include "contents/frmContents.h"

#include "appearance/SkinBackground.h"
#include "platform/forms/FailureRegimes.h"
#include "platform/forms/ScreenSize.h"
#include "settings/Markers.h"

namespace contents {

void frmContents::activateOwnParts()
{
    forms::bestEffort({
        [&] { fxBack->setDisplayMode(txtSkin->text() == markers::nantucketTwoSkin ? 2 : 3); },
        [&] { txtRes->setText(forms::screenSizeText()); },
    });
}

} // namespace contents
