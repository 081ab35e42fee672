#include "speechsetup/Log.h"

namespace speechsetup {

// Debug messages stay off until QT_LOGGING_RULES turns them on.
Q_LOGGING_CATEGORY(speechsetupLog, "drillbook.speechsetup", QtInfoMsg)

} // namespace speechsetup
