#pragma once

#include <QLoggingCategory>

namespace help {

// The help layer's messages, "drillbook.help" (see HACKING.md on logging).
// Hidden, so each library logs through its own and none crosses a boundary.
Q_DECL_HIDDEN Q_DECLARE_LOGGING_CATEGORY(helpLog)

} // namespace help
