#include "platform/hosting/Log.h"

namespace hosting {

// Debug messages stay off until QT_LOGGING_RULES turns them on.
Q_LOGGING_CATEGORY(hostingLog, "drillbook.hosting", QtInfoMsg)

} // namespace hosting
