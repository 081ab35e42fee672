#include "editing/MediaFiles.h"

#include "platform/core/Errors.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>

namespace editing {

QString freeFileName(const QString& name, const QStringList& taken)
{
    const auto isTaken = [&](const QString& candidate) { return taken.contains(candidate, Qt::CaseInsensitive); };
    if (!isTaken(name))
        return name;
    // "a.b.jpg" keeps "a.b" as its stem; a name without a dot has no extension.
    const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
    const QString stem = dot > 0 ? name.left(dot) : name;
    const QString extension = dot > 0 ? name.mid(dot) : QString();
    for (int number = 2;; ++number) {
        const QString candidate = QStringLiteral("%1 (%2)%3").arg(stem).arg(number).arg(extension);
        if (!isTaken(candidate))
            return candidate;
    }
}

bool sameFolder(const QString& one, const QString& other)
{
    const QString a = QFileInfo(one).canonicalFilePath();
    const QString b = QFileInfo(other).canonicalFilePath();
    return !a.isEmpty() && a == b;
}

QString copyIntoFolder(const QString& source, const QString& folder)
{
    const QDir target(folder);
    if (!target.exists())
        throw platform::errors::fileNotCopied(source, QStringLiteral("the folder %1 does not exist").arg(folder));
    const QStringList taken = target.entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    const QString name = freeFileName(QFileInfo(source).fileName(), taken);
    QFile file(source);
    // QFile::copy never replaces an existing file, so a name taken between
    // the listing and the copy fails instead of overwriting.
    if (!file.copy(target.filePath(name)))
        throw platform::errors::fileNotCopied(source, file.errorString());
    return name;
}

bool isPictureFile(const QString& path)
{
    QImageReader reader(path);
    return reader.canRead() && !reader.read().isNull();
}

} // namespace editing
