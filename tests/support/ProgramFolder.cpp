#include "ProgramFolder.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>

namespace testsupport {

namespace {
// False when anything could not be copied.
bool copyTree(const QString& from, const QString& to)
{
    bool copied = QDir().mkpath(to);
    QDirIterator it(from, QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString source = it.next();
        const QString target = to + QLatin1Char('/') + QDir(from).relativeFilePath(source);
        if (it.fileInfo().isDir())
            copied = QDir().mkpath(target) && copied;
        else
            copied = QFile::copy(source, target) && copied;
    }
    return copied;
}
} // namespace

ProgramFolder::ProgramFolder(bool withSample)
{
    valid_ = dir_.isValid();
    if (withSample) {
        const QString sample = QStringLiteral(DRILLBOOK_SAMPLE_DIR);
        valid_ = valid_ && QFileInfo::exists(sample + QStringLiteral("/qbk54.mdb"));
        valid_ = copyTree(sample, dir_.path()) && valid_;
    }
}

bool ProgramFolder::replaceDatabase(const QString& database)
{
    QFile::remove(databasePath());
    return QFile::copy(database, databasePath());
}

} // namespace testsupport
