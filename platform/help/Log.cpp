#include "platform/help/Log.h"

namespace help {

// Debug messages stay off until QT_LOGGING_RULES turns them on.
Q_LOGGING_CATEGORY(helpLog, "drillbook.help", QtInfoMsg)

} // namespace help
