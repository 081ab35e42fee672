#include "platform/core/Paths.h"

#include <QDir>
#include <QFileInfo>
#include <QStringList>

namespace platform {

QString joinProgramPath(const QString& folder, const QString& relative)
{
    QString normalized = relative;
    normalized.replace(QLatin1Char('\\'), QLatin1Char('/'));
    const QStringList parts = normalized.split(QLatin1Char('/'), Qt::SkipEmptyParts);

    QString path = folder;
    while (path.size() > 1 && path.endsWith(QLatin1Char('/')))
        path.chop(1);
    bool onDisk = QFileInfo(path).isDir();
    for (const QString& part : parts) {
        QString chosen = part;
        if (onDisk && !QFileInfo::exists(path + QLatin1Char('/') + part)) {
            const QStringList entries = QDir(path).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);
            for (const QString& entry : entries) {
                if (entry.compare(part, Qt::CaseInsensitive) == 0) {
                    chosen = entry;
                    break;
                }
            }
        }
        path += QLatin1Char('/') + chosen;
        onDisk = onDisk && QFileInfo(path).isDir();
    }
    return path;
}

} // namespace platform
