#pragma once

#include <QString>

namespace assets {

// Writes the sample video clips into <folder>/Video: short drawn animations
// with a caption, as MPEG-1 video the question window's player shows.
bool writeClips(const QString &folder);

} // namespace assets
