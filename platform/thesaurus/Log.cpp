#include "platform/thesaurus/Log.h"

namespace thesaurus {

// Debug messages stay off until QT_LOGGING_RULES turns them on.
Q_LOGGING_CATEGORY(thesaurusLog, "drillbook.thesaurus", QtInfoMsg)

} // namespace thesaurus
