#pragma once

#include "controls/runtime/RuntimeExport.h"

#include <functional>

namespace qvrun {

// The refusal sound of the suite's controls (a typed character a field does
// not take). A test may put a handler of its own in place of the speaker for
// as long as it lives; an empty handler gives the speaker back.
QVRUN_EXPORT void messageBeep();
QVRUN_EXPORT void setBeepHandler(std::function<void()> handler);

} // namespace qvrun
