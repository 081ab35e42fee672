#pragma once

#include <QLoggingCategory>

namespace widgets {

// The widgets layer's messages, "drillbook.widgets" (see HACKING.md on logging).
// Hidden, so each library logs through its own and none crosses a boundary.
Q_DECL_HIDDEN Q_DECLARE_LOGGING_CATEGORY(widgetsLog)

} // namespace widgets
