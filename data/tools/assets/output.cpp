#include "output.h"

#include <QDir>
#include <QFileInfo>
#include <QImageWriter>
#include <cstdio>

namespace assets {

bool writeJpeg(const QImage &image, const QString &path, int quality)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QImageWriter writer(path, "jpeg");
    writer.setQuality(quality);
    writer.setOptimizedWrite(true);
    if (!writer.write(image.convertToFormat(QImage::Format_RGB32))) {
        std::fprintf(stderr, "makeassets: cannot write %s: %s\n", qPrintable(path),
                     qPrintable(writer.errorString()));
        return false;
    }
    return true;
}

} // namespace assets
