#include "platform/spell/Log.h"

namespace spell {

// Debug messages stay off until QT_LOGGING_RULES turns them on.
Q_LOGGING_CATEGORY(spellLog, "drillbook.spell", QtInfoMsg)

} // namespace spell
