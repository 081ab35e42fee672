#pragma once

#include <QLoggingCategory>

namespace qvrun {

// The runtime layer's messages, "drillbook.runtime" (see HACKING.md on logging).
// Hidden, so each library logs through its own and none crosses a boundary.
Q_DECL_HIDDEN Q_DECLARE_LOGGING_CATEGORY(runtimeLog)

} // namespace qvrun
