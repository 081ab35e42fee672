#include "platform/registry/Registry.h"

#include <QFileInfo>
#include <QSettings>

namespace registry {

Registry::Registry(const QString& iniFile) : file_(iniFile) {}

Registry Registry::ofProgramFolder(const QString& programFolder)
{
    return Registry(programFolder + QStringLiteral("/registry.ini"));
}

std::optional<QString> Registry::value(const QString& keyPath, const QString& valueName) const
{
    // QSettings would quietly create nothing for a missing file, but the
    // check keeps a directory or an unreadable file from counting as a store.
    const QFileInfo info(file_);
    if (!info.isFile() || !info.isReadable())
        return std::nullopt;
    const QSettings store(file_, QSettings::IniFormat);
    if (store.status() != QSettings::NoError)
        return std::nullopt;
    QString key = keyPath;
    key.replace(QLatin1Char('\\'), QLatin1Char('/'));
    while (key.endsWith(QLatin1Char('/')))
        key.chop(1);
    const QString name = key + QLatin1Char('/') + valueName;
    if (!store.contains(name))
        return std::nullopt;
    const QVariant value = store.value(name);
    // A list ("a, b" in the file) is not a single text value.
    if (value.userType() == QMetaType::QStringList)
        return std::nullopt;
    return value.toString();
}

} // namespace registry
