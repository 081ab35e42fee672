#pragma once

#include <QLoggingCategory>

namespace com {

// The com layer's messages, "drillbook.com" (see HACKING.md on logging).
// Hidden, so each library logs through its own and none crosses a boundary.
Q_DECL_HIDDEN Q_DECLARE_LOGGING_CATEGORY(comLog)

} // namespace com
