#include "platform/com/ClassStore.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

#include <sys/stat.h>

namespace com {

namespace {

QString classGroup(const Guid& clsid)
{
    return QStringLiteral("CLSID/") + clsid.toString();
}

constexpr auto kProgIds = "ProgID";

} // namespace

QString ClassStore::defaultPath()
{
    const QString redirected = qEnvironmentVariable(pathVariable);
    if (!redirected.isEmpty())
        return redirected;
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation)
           + QStringLiteral("/drillbook/classes.ini");
}

ClassStore::ClassStore(QString path) : path_(std::move(path)) {}

Result ClassStore::add(const ClassRecord& record)
{
    if (record.clsid.isNull() || record.library.isEmpty())
        return kInvalidArgument;
    if (find(record.clsid) == record && (record.progId.isEmpty() || classOfProgId(record.progId) == record.clsid))
        return kOk;
    if (!QDir().mkpath(QFileInfo(path_).absolutePath()))
        return kRegistrationFailed;
    QSettings store(path_, QSettings::IniFormat);
    // A class that changes its ProgID leaves no stale name behind.
    const QString oldProgId = store.value(classGroup(record.clsid) + QStringLiteral("/ProgID")).toString();
    store.beginGroup(kProgIds);
    for (const QString& key : store.childKeys())
        if (key.compare(oldProgId, Qt::CaseInsensitive) == 0 || key.compare(record.progId, Qt::CaseInsensitive) == 0)
            store.remove(key);
    if (!record.progId.isEmpty())
        store.setValue(record.progId, record.clsid.toString());
    store.endGroup();
    store.beginGroup(classGroup(record.clsid));
    store.setValue(QStringLiteral("ProgID"), record.progId);
    store.setValue(QStringLiteral("TypeName"), record.typeName);
    store.setValue(QStringLiteral("Library"), record.library);
    store.setValue(QStringLiteral("MiscStatus"), record.miscStatus);
    store.setValue(QStringLiteral("Control"), record.control);
    store.setValue(QStringLiteral("TypeLib"), record.typeLibrary);
    store.setValue(QStringLiteral("Version"), record.typeLibraryVersion);
    store.endGroup();
    store.sync();
    return store.status() == QSettings::NoError ? kOk : kRegistrationFailed;
}

Result ClassStore::remove(const Guid& clsid)
{
    if (!QFileInfo::exists(path_))
        return kFalse;
    QSettings store(path_, QSettings::IniFormat);
    const QString group = classGroup(clsid);
    const bool known = store.contains(group + QStringLiteral("/Library"));
    store.remove(group);
    store.beginGroup(kProgIds);
    for (const QString& key : store.childKeys())
        if (store.value(key).toString() == clsid.toString())
            store.remove(key);
    store.endGroup();
    store.sync();
    if (store.status() != QSettings::NoError)
        return kRegistrationFailed;
    return known ? kOk : kFalse;
}

ClassStore::FileStamp ClassStore::stampOfFile() const
{
    struct stat info {};
    if (::stat(QFile::encodeName(path_).constData(), &info) != 0)
        return {};
    return {std::int64_t(info.st_mtim.tv_sec), std::int64_t(info.st_mtim.tv_nsec), std::int64_t(info.st_size),
            std::int64_t(info.st_ino)};
}

std::optional<ClassRecord> ClassStore::find(const Guid& clsid) const
{
    const FileStamp stamp = stampOfFile();
    if (stamp.seconds < 0)
        return std::nullopt;
    if (stamp != foundStamp_) {
        found_.clear();
        foundStamp_ = stamp;
    }
    if (auto cached = found_.find(clsid); cached != found_.end())
        return cached->second;
    QSettings store(path_, QSettings::IniFormat);
    store.beginGroup(classGroup(clsid));
    if (!store.contains(QStringLiteral("Library"))) {
        found_[clsid] = std::nullopt;
        return std::nullopt;
    }
    ClassRecord record;
    record.clsid = clsid;
    record.progId = store.value(QStringLiteral("ProgID")).toString();
    record.typeName = store.value(QStringLiteral("TypeName")).toString();
    record.library = store.value(QStringLiteral("Library")).toString();
    record.miscStatus = store.value(QStringLiteral("MiscStatus")).toUInt();
    record.control = store.value(QStringLiteral("Control")).toBool();
    record.typeLibrary = store.value(QStringLiteral("TypeLib")).toString();
    record.typeLibraryVersion = store.value(QStringLiteral("Version")).toString();
    found_[clsid] = record;
    return record;
}

std::optional<Guid> ClassStore::classOfProgId(const QString& progId) const
{
    if (!QFileInfo::exists(path_))
        return std::nullopt;
    QSettings store(path_, QSettings::IniFormat);
    store.beginGroup(kProgIds);
    for (const QString& key : store.childKeys())
        if (key.compare(progId, Qt::CaseInsensitive) == 0)
            return Guid::parse(store.value(key).toString());
    return std::nullopt;
}

} // namespace com
