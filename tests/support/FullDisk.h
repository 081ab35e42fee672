#pragma once

// Writes that the disk refuses, for the tests of what a failed write keeps.
//
// FullFilesystem is a small file system of its own, mounted on a fresh
// folder and filled to the last block on request: writes there fail with
// "No space left on device" as on a full disk. Mounting takes root; where
// the test may not mount, ready() is false and whyNot() says why, so the test
// can skip with that reason. The mount is made in a mount namespace of the
// test's own when the system allows one, so a test that dies leaves nothing
// mounted behind it, and it is taken down when the object goes.
//
// FileSizeLimit makes every write past a few bytes of a file fail, through
// the process's file size limit; it needs no rights and runs everywhere.
//
// RefusingDisk is either of them, for a table with a row of each.

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>
#include <QTemporaryDir>
#include <QTest>

#include <cerrno>
#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <sched.h>
#include <sys/mount.h>
#include <optional>
#include <sys/resource.h>
#include <unistd.h>

namespace testsupport {

class FullFilesystem {
public:
    explicit FullFilesystem(int kibibytes = 64)
    {
        if (!folder_.isValid()) {
            whyNot_ = QStringLiteral("no temporary folder");
            return;
        }
        // Our own namespace with private mounts keeps the mount from showing
        // anywhere else; where either is refused (a chroot, a container) the
        // mount is still taken down in the destructor.
        if (::unshare(CLONE_NEWNS) == 0)
            ::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr);
        const QByteArray where = QFile::encodeName(folder_.path());
        const QByteArray options = "size=" + QByteArray::number(kibibytes) + "k,mode=0700";
        if (::mount("tmpfs", where.constData(), "tmpfs", MS_NOSUID | MS_NODEV, options.constData()) != 0) {
            whyNot_ = QStringLiteral("cannot mount a small file system here (%1); it takes root")
                          .arg(QString::fromLocal8Bit(std::strerror(errno)));
            return;
        }
        mounted_ = true;
    }
    ~FullFilesystem()
    {
        if (mounted_)
            ::umount2(QFile::encodeName(folder_.path()).constData(), MNT_DETACH);
    }
    FullFilesystem(const FullFilesystem&) = delete;
    FullFilesystem& operator=(const FullFilesystem&) = delete;

    bool ready() const { return mounted_; }
    const QString& whyNot() const { return whyNot_; }
    QString filePath(const QString& name) const { return QDir(folder_.path()).filePath(name); }

    // Takes every free block; true once a write has been refused for lack of
    // space.
    bool fill()
    {
        const QByteArray path = QFile::encodeName(filePath(QStringLiteral(".filler")));
        const int fd = ::open(path.constData(), O_WRONLY | O_CREAT | O_APPEND, 0600);
        if (fd < 0)
            return false;
        const QByteArray block(512, 'f');
        bool full = false;
        for (;;) {
            const ssize_t written = ::write(fd, block.constData(), std::size_t(block.size()));
            if (written < 0) {
                full = errno == ENOSPC;
                break;
            }
            if (written < block.size()) {
                // The last blocks go a byte at a time.
                const ssize_t byte = ::write(fd, block.constData(), 1);
                if (byte < 0) {
                    full = errno == ENOSPC;
                    break;
                }
            }
        }
        ::close(fd);
        return full;
    }

    // Gives the space back, as the user would after clearing the disk.
    bool free() { return QFile::remove(filePath(QStringLiteral(".filler"))); }

private:
    QTemporaryDir folder_;
    QString whyNot_;
    bool mounted_ = false;
};

class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        ::getrlimit(RLIMIT_FSIZE, &before_);
        // A write past the limit fails with "File too large" instead of
        // ending the process.
        previousSignal_ = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit = before_;
        limit.rlim_cur = bytes;
        ::setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit()
    {
        ::setrlimit(RLIMIT_FSIZE, &before_);
        std::signal(SIGXFSZ, previousSignal_);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

private:
    rlimit before_{};
    void (*previousSignal_)(int) = SIG_DFL;
};

// The rows "full file system" and "file size limit", each with the reason a
// refused write gives (the column "reason").
inline void refusedWriteRows(const QString& limitReason = QStringLiteral("File too large"))
{
    QTest::addColumn<bool>("fullFilesystem");
    QTest::addColumn<QString>("reason");
    QTest::newRow("full file system") << true << QStringLiteral("No space left on device");
    QTest::newRow("file size limit") << false << limitReason;
}

// A folder on a full file system or on the usual one, where refuse() makes
// the next writes fail, and allow() lets them through again.
class RefusingDisk {
public:
    RefusingDisk(bool fullFilesystem, int kibibytes = 64)
    {
        if (fullFilesystem)
            full_.emplace(kibibytes);
    }

    bool ready() const { return !full_ || full_->ready(); }
    QString whyNot() const { return full_ ? full_->whyNot() : QString(); }
    QString filePath(const QString& name) const
    {
        return full_ ? full_->filePath(name) : QDir(plain_.path()).filePath(name);
    }

    // A full file system takes its last block; otherwise no file may grow
    // past limitBytes.
    bool refuse(rlim_t limitBytes)
    {
        if (full_)
            return full_->fill();
        limit_.emplace(limitBytes);
        return true;
    }
    bool allow()
    {
        limit_.reset();
        return !full_ || full_->free();
    }

private:
    std::optional<FullFilesystem> full_;
    QTemporaryDir plain_;
    std::optional<FileSizeLimit> limit_;
};

} // namespace testsupport
