#include "controls/runtime/Profile.h"

#include <QFile>
#include <QStandardPaths>

namespace qvrun {

QString profilePath()
{
    const QString named = qEnvironmentVariable("DRILLBOOK_PROFILE");
    if (!named.isEmpty())
        return named;
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation)
           + QStringLiteral("/drillbook/profile.ini");
}

// Read by hand rather than through QSettings: QSettings splits a value at
// its commas and takes quotes away, and the long date pattern
// "dddd', 'MMMM' 'dd', 'yy" needs both kept.
std::optional<std::string> profileString(const char* section, const char* key)
{
    if (!section || !key)
        return std::nullopt;
    QFile file(profilePath());
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    const QByteArray wantedSection = QByteArray(section).toLower();
    const QByteArray wantedKey = QByteArray(key).toLower();
    bool inSection = false;
    while (!file.atEnd()) {
        const QByteArray line = file.readLine().trimmed();
        if (line.isEmpty() || line.startsWith(';'))
            continue;
        if (line.startsWith('[')) {
            const qsizetype end = line.indexOf(']');
            inSection = end > 0 && line.mid(1, end - 1).trimmed().toLower() == wantedSection;
            continue;
        }
        const qsizetype equals = line.indexOf('=');
        if (!inSection || equals <= 0)
            continue;
        if (line.left(equals).trimmed().toLower() == wantedKey)
            return line.mid(equals + 1).trimmed().toStdString();
    }
    return std::nullopt;
}

} // namespace qvrun
