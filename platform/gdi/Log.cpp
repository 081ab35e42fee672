#include "platform/gdi/Log.h"

namespace gdi {

// Debug messages stay off until QT_LOGGING_RULES turns them on.
Q_LOGGING_CATEGORY(gdiLog, "drillbook.gdi", QtInfoMsg)

} // namespace gdi
