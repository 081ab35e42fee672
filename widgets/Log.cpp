#include "widgets/Log.h"

namespace widgets {

// Debug messages stay off until QT_LOGGING_RULES turns them on.
Q_LOGGING_CATEGORY(widgetsLog, "drillbook.widgets", QtInfoMsg)

} // namespace widgets
