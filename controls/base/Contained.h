#pragma once

#include "controls/base/Log.h"

#include <QtGlobal>

#include <exception>

namespace controls {

// Runs one piece of a control's own event handling (a key, the mouse,
// painting, the focus, a timer) and keeps whatever it raises inside the
// control: the container's event loop never sees it, the fault is logged
// under where, and the control takes its next event as usual. Answers
// whether the step ran to its end.
template <class Step>
bool contained(const char* where, Step&& step) noexcept
{
    try {
        step();
        return true;
    } catch (const std::exception& error) {
        qCWarning(baseLog, "%s: %s", where, error.what());
    } catch (...) {
        qCWarning(baseLog, "%s: an unknown exception", where);
    }
    return false;
}

} // namespace controls
