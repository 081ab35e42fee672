#include "questiondb/Log.h"

namespace questiondb {

// Debug messages stay off until QT_LOGGING_RULES turns them on.
Q_LOGGING_CATEGORY(questiondbLog, "drillbook.questiondb", QtInfoMsg)

} // namespace questiondb
