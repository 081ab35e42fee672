#include "platform/speech/Log.h"

namespace speech {

// Debug messages stay off until QT_LOGGING_RULES turns them on.
Q_LOGGING_CATEGORY(speechLog, "drillbook.speech", QtInfoMsg)

} // namespace speech
