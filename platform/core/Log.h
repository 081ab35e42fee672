#pragma once

#include <QLoggingCategory>

namespace platform {

// The core layer's messages, "drillbook.core" (see HACKING.md on logging).
// Hidden, so each library logs through its own and none crosses a boundary.
Q_DECL_HIDDEN Q_DECLARE_LOGGING_CATEGORY(coreLog)

} // namespace platform
