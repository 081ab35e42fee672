#pragma once

#include <QLoggingCategory>

namespace speechsetup {

// The speechsetup layer's messages, "drillbook.speechsetup" (see HACKING.md on logging).
// Hidden, so each library logs through its own and none crosses a boundary.
Q_DECL_HIDDEN Q_DECLARE_LOGGING_CATEGORY(speechsetupLog)

} // namespace speechsetup
