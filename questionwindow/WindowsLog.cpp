#include "questionwindow/WindowsLog.h"

namespace windows {

// Debug messages stay off until QT_LOGGING_RULES turns them on.
Q_LOGGING_CATEGORY(windowsLog, "drillbook.windows", QtInfoMsg)

} // namespace windows
