#include "platform/core/Log.h"

namespace platform {

// Debug messages stay off until QT_LOGGING_RULES turns them on.
Q_LOGGING_CATEGORY(coreLog, "drillbook.core", QtInfoMsg)

} // namespace platform
