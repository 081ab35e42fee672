#include "platform/print/Log.h"

namespace print {

// Debug messages stay off until QT_LOGGING_RULES turns them on.
Q_LOGGING_CATEGORY(printLog, "drillbook.print", QtInfoMsg)

} // namespace print
