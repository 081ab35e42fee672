#pragma once

// Takes the write permission off a file or folder for the test's thread, and
// gives it back when it goes. Tests may run as root, whom permissions do not
// stop: then the thread also sets aside its power to override them, so that
// the file system refuses writes as it would to a candidate's account.

#include <QFile>
#include <QString>

#include <linux/capability.h>
#include <sys/syscall.h>
#include <unistd.h>

namespace testsupport {

class WriteProtection {
public:
    explicit WriteProtection(QString path) : path_(std::move(path)), permissions_(QFile::permissions(path_))
    {
        QFile::setPermissions(path_, permissions_ & ~(QFile::WriteOwner | QFile::WriteUser | QFile::WriteGroup
                                                      | QFile::WriteOther));
        overrideChanged_ = setOverride(false);
    }
    ~WriteProtection()
    {
        if (overrideChanged_)
            setOverride(true);
        QFile::setPermissions(path_, permissions_);
    }
    WriteProtection(const WriteProtection&) = delete;
    WriteProtection& operator=(const WriteProtection&) = delete;

private:
    // Switches CAP_DAC_OVERRIDE in the effective set; true when it was on
    // and is now off, or the other way round.
    static bool setOverride(bool on)
    {
        __user_cap_header_struct header{_LINUX_CAPABILITY_VERSION_3, 0};
        __user_cap_data_struct caps[2] = {};
        if (syscall(SYS_capget, &header, caps) != 0)
            return false;
        const __u32 bit = 1u << CAP_DAC_OVERRIDE;
        if (bool(caps[0].effective & bit) == on)
            return false;
        caps[0].effective = on ? (caps[0].effective | bit) : (caps[0].effective & ~bit);
        return syscall(SYS_capset, &header, caps) == 0;
    }

    QString path_;
    QFile::Permissions permissions_;
    bool overrideChanged_ = false;
};

} // namespace testsupport
