#pragma once

#include <QLoggingCategory>

namespace windows {

// The windows layer's messages, "drillbook.windows" (see HACKING.md on logging).
// Hidden, so each library logs through its own and none crosses a boundary.
Q_DECL_HIDDEN Q_DECLARE_LOGGING_CATEGORY(windowsLog)

} // namespace windows
