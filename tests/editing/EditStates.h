// The question window's edit-pending state as the editing tests read it.

#pragma once

#include "questionwindow/frmMain.h"

namespace testsupport {

// A record is being changed: navigation, Exit, New and Delete wait, Save
// and nothing else finishes the change.
inline bool heldForChange(const questionwindow::frmMain& w)
{
    for (const forms::CommandButton* b : {w.cmdFirst, w.cmdPrevious, w.cmdNext, w.cmdLast, w.cmdExit, w.cmdNew,
                                          w.cmdDelete}) {
        if (b->isEnabled())
            return false;
    }
    return w.cmdSave->isEnabled();
}

// Nothing is being changed: the user moves freely and may leave.
inline bool movesFree(const questionwindow::frmMain& w)
{
    for (const forms::CommandButton* b : {w.cmdFirst, w.cmdPrevious, w.cmdNext, w.cmdLast, w.cmdExit}) {
        if (!b->isEnabled())
            return false;
    }
    return true;
}

} // namespace testsupport
