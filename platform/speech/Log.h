#pragma once

#include <QLoggingCategory>

namespace speech {

// The speech layer's messages, "drillbook.speech" (see HACKING.md on logging).
// Hidden, so each library logs through its own and none crosses a boundary.
Q_DECL_HIDDEN Q_DECLARE_LOGGING_CATEGORY(speechLog)

} // namespace speech
