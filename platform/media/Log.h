#pragma once

#include <QLoggingCategory>

namespace media {

// The media layer's messages, "drillbook.media" (see HACKING.md on logging).
// Hidden, so each library logs through its own and none crosses a boundary.
Q_DECL_HIDDEN Q_DECLARE_LOGGING_CATEGORY(mediaLog)

} // namespace media
