#pragma once

#include <QLoggingCategory>

namespace questiondb {

// The questiondb layer's messages, "drillbook.questiondb" (see HACKING.md on logging).
// Hidden, so each library logs through its own and none crosses a boundary.
Q_DECL_HIDDEN Q_DECLARE_LOGGING_CATEGORY(questiondbLog)

} // namespace questiondb
