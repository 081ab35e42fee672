#include "controls/runtime/Log.h"

namespace qvrun {

// Debug messages stay off until QT_LOGGING_RULES turns them on.
Q_LOGGING_CATEGORY(runtimeLog, "drillbook.runtime", QtInfoMsg)

} // namespace qvrun
