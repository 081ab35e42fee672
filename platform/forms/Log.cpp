#include "platform/forms/Log.h"

namespace forms {

// Debug messages stay off until QT_LOGGING_RULES turns them on.
Q_LOGGING_CATEGORY(formsLog, "drillbook.forms", QtInfoMsg)

} // namespace forms
