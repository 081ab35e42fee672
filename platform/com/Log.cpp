#include "platform/com/Log.h"

namespace com {

// Debug messages stay off until QT_LOGGING_RULES turns them on.
Q_LOGGING_CATEGORY(comLog, "drillbook.com", QtInfoMsg)

} // namespace com
