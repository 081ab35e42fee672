#pragma once

#include <QLoggingCategory>

namespace forms {

// The forms layer's messages, "drillbook.forms" (see HACKING.md on logging).
// Hidden, so each library logs through its own and none crosses a boundary.
Q_DECL_HIDDEN Q_DECLARE_LOGGING_CATEGORY(formsLog)

} // namespace forms
