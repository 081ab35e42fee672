#pragma once

#include <QLoggingCategory>

namespace hosting {

// The hosting layer's messages, "drillbook.hosting" (see HACKING.md on logging).
// Hidden, so each library logs through its own and none crosses a boundary.
Q_DECL_HIDDEN Q_DECLARE_LOGGING_CATEGORY(hostingLog)

} // namespace hosting
