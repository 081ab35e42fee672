#pragma once

#include <QFileInfo>
#include <QString>

namespace media {

// Whether a player has something to open: a readable file, not an empty
// name nor the bare folder path an empty file name gives.
inline bool isPlayableFile(const QString& path)
{
    const QFileInfo info(path);
    return !path.isEmpty() && info.isFile() && info.isReadable();
}

} // namespace media
