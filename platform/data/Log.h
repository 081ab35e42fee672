#pragma once

#include <QLoggingCategory>

namespace data {

// The data layer's messages, "drillbook.data" (see HACKING.md on logging).
// Hidden, so each library logs through its own and none crosses a boundary.
Q_DECL_HIDDEN Q_DECLARE_LOGGING_CATEGORY(dataLog)

} // namespace data
