#pragma once

#include <QLoggingCategory>

namespace controls {

// The base layer's messages, "drillbook.base" (see HACKING.md on logging).
// Hidden, so each library logs through its own and none crosses a boundary.
Q_DECL_HIDDEN Q_DECLARE_LOGGING_CATEGORY(baseLog)

} // namespace controls
