#include "platform/media/Log.h"

namespace media {

// Debug messages stay off until QT_LOGGING_RULES turns them on.
Q_LOGGING_CATEGORY(mediaLog, "drillbook.media", QtInfoMsg)

} // namespace media
