#pragma once

#include <QLoggingCategory>

namespace registry {

// The registry layer's messages, "drillbook.registry" (see HACKING.md on logging).
// Hidden, so each library logs through its own and none crosses a boundary.
Q_DECL_HIDDEN Q_DECLARE_LOGGING_CATEGORY(registryLog)

} // namespace registry
