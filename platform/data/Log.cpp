#include "platform/data/Log.h"

namespace data {

// Debug messages stay off until QT_LOGGING_RULES turns them on.
Q_LOGGING_CATEGORY(dataLog, "drillbook.data", QtInfoMsg)

} // namespace data
