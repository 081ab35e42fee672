// The bank windows' buttons to the other tables of contents. The window shown
// sets the chapter palette's bank marker in its activation.

#include "contents/frmContentsBank.h"

#include "contents/frmContents.h"
#include "platform/forms/App.h"

namespace contents {

using forms::form;

void frmContentsBank::cmdTestBank2_Click()
{
    form<frmContents>().Show();
}

void frmContentsBank::cmdTestBank3_Click()
{
    if (otherBank() == 3)
        form<frmContents3>().Show();
    else
        form<frmContents2>().Show();
}

} // namespace contents
