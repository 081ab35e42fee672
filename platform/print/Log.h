#pragma once

#include <QLoggingCategory>

namespace print {

// The print layer's messages, "drillbook.print" (see HACKING.md on logging).
// Hidden, so each library logs through its own and none crosses a boundary.
Q_DECL_HIDDEN Q_DECLARE_LOGGING_CATEGORY(printLog)

} // namespace print
