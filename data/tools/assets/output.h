#pragma once

#include <QImage>
#include <QString>

namespace assets {

// Writes an image as JPEG, creating its folder; false (with a message on
// stderr) when the file could not be written, so the build stops.
bool writeJpeg(const QImage &image, const QString &path, int quality = 80);

} // namespace assets
