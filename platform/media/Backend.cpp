#include "platform/media/Backend.h"

#include <QDir>
#include <QLibraryInfo>
#include <QStringList>

namespace media {

void chooseBackend()
{
    if (qEnvironmentVariableIsSet("QT_MEDIA_BACKEND"))
        return;
    const QDir plugins(QLibraryInfo::path(QLibraryInfo::PluginsPath) + QStringLiteral("/multimedia"));
    if (!plugins.entryList({QStringLiteral("*ffmpegmediaplugin*")}, QDir::Files).isEmpty())
        qputenv("QT_MEDIA_BACKEND", "ffmpeg");
}

} // namespace media
