#pragma once

#include <QLoggingCategory>

namespace thesaurus {

// The thesaurus layer's messages, "drillbook.thesaurus" (see HACKING.md on logging).
// Hidden, so each library logs through its own and none crosses a boundary.
Q_DECL_HIDDEN Q_DECLARE_LOGGING_CATEGORY(thesaurusLog)

} // namespace thesaurus
