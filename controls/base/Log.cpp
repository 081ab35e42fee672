#include "controls/base/Log.h"

namespace controls {

// Debug messages stay off until QT_LOGGING_RULES turns them on.
Q_LOGGING_CATEGORY(baseLog, "drillbook.base", QtInfoMsg)

} // namespace controls
