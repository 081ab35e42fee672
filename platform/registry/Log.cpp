#include "platform/registry/Log.h"

namespace registry {

// Debug messages stay off until QT_LOGGING_RULES turns them on.
Q_LOGGING_CATEGORY(registryLog, "drillbook.registry", QtInfoMsg)

} // namespace registry
