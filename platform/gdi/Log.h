#pragma once

#include <QLoggingCategory>

namespace gdi {

// The gdi layer's messages, "drillbook.gdi" (see HACKING.md on logging).
// Hidden, so each library logs through its own and none crosses a boundary.
Q_DECL_HIDDEN Q_DECLARE_LOGGING_CATEGORY(gdiLog)

} // namespace gdi
