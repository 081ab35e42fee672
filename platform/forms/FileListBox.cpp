#include "platform/forms/FileListBox.h"

#include "platform/core/Errors.h"

#include <QDir>
#include <QFileInfo>

namespace forms {

FileListBox::FileListBox(QWidget* parent) : ListBox(parent) {}

void FileListBox::setPath(const QString& path)
{
    const QFileInfo folder(QDir::fromNativeSeparators(path));
    if (path.isEmpty() || !folder.isDir()) {
        path_.clear();
        fill();
        throw platform::errors::pathNotFound(path);
    }
    path_ = QDir::cleanPath(folder.absoluteFilePath());
    fill();
}

void FileListBox::setPattern(const QString& pattern)
{
    pattern_ = pattern;
    fill();
}

void FileListBox::refresh()
{
    fill();
}

void FileListBox::fill()
{
    clear();
    if (path_.isEmpty())
        return;
    QStringList wildcards;
    for (const QString& part : pattern_.split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
        const QString wildcard = part.trimmed();
        if (!wildcard.isEmpty())
            wildcards << wildcard;
    }
    // QDir matches name filters without regard to case unless told otherwise.
    const QStringList names = QDir(path_).entryList(wildcards, QDir::Files, QDir::Name | QDir::IgnoreCase);
    for (const QString& name : names)
        addItem(name);
}

} // namespace forms
