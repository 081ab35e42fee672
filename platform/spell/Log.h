#pragma once

#include <QLoggingCategory>

namespace spell {

// The spell layer's messages, "drillbook.spell" (see HACKING.md on logging).
// Hidden, so each library logs through its own and none crosses a boundary.
Q_DECL_HIDDEN Q_DECLARE_LOGGING_CATEGORY(spellLog)

} // namespace spell
