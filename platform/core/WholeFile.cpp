#include "platform/core/WholeFile.h"

#include <QFile>
#include <QSaveFile>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <unistd.h>

namespace platform {

namespace {

QString systemWords(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}

} // namespace

QString replaceWholeFile(const QString& path, const QByteArray& bytes)
{
    QSaveFile file(path);
    // Unbuffered, a refused write fails at once with the system's reason
    // instead of later, in the commit, as "Unknown error".
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return file.errorString();
    // Each step is checked before the next: the bytes are pushed to the file
    // and the file to the disk, so nothing can still fail once the new file
    // takes the old one's place.
    // A short write is tried again for the rest: the retry either goes
    // through or fails with the reason the short one does not give.
    for (qsizetype done = 0; done < bytes.size();) {
        const qint64 written = file.write(bytes.constData() + done, bytes.size() - done);
        if (written <= 0) {
            const QString why = file.errorString();
            file.cancelWriting();
            return why;
        }
        done += qsizetype(written);
    }
    if (!file.flush() || file.error() != QFileDevice::NoError) {
        const QString why = file.errorString();
        file.cancelWriting();
        return why;
    }
    if (::fsync(file.handle()) != 0) {
        const QString why = systemWords(errno);
        file.cancelWriting();
        return why;
    }
    if (!file.commit())
        return file.errorString();
    return QString();
}

QString moveIntoPlace(const QString& written, const QString& target)
{
    QFile file(written);
    if (!file.open(QIODevice::ReadOnly))
        return file.errorString();
    if (::fsync(file.handle()) != 0)
        return systemWords(errno);
    file.close();
    // The rename replaces the old file in one step, so a reader sees either
    // the old file or the new one, never a part.
    if (std::rename(QFile::encodeName(written).constData(), QFile::encodeName(target).constData()) != 0)
        return systemWords(errno);
    return QString();
}

} // namespace platform
