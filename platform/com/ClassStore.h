#pragma once

#include "platform/com/Guid.h"
#include "platform/com/Result.h"

#include <QString>

#include <cstdint>
#include <map>
#include <optional>

namespace com {

// What the store knows of one class: where its library lies and how
// containers name it.
struct ClassRecord {
    Guid clsid;
    QString progId;
    QString typeName;
    QString library; // absolute path of the shared library that serves it
    std::uint32_t miscStatus = 0;
    bool control = false;
    QString typeLibrary; // the class's type library id, if it has one
    QString typeLibraryVersion;

    bool operator==(const ClassRecord&) const = default;
};

// The registration store: one file of class records and the ProgIDs that
// point at them. Its path is DRILLBOOK_CLASS_STORE when that is set (tests
// always set it), else a file in the user's configuration folder. Every
// call writes the file or reads it afresh once it changed, so two processes
// see each other's registrations; nothing here throws.
class ClassStore {
public:
    static constexpr const char* pathVariable = "DRILLBOOK_CLASS_STORE";
    static QString defaultPath();

    explicit ClassStore(QString path = defaultPath());
    const QString& path() const { return path_; }

    // A record the store already holds as it is leaves the file untouched:
    // the program registers its libraries on every start.
    Result add(const ClassRecord& record);
    // kFalse when the class was not registered.
    Result remove(const Guid& clsid);
    std::optional<ClassRecord> find(const Guid& clsid) const;
    // ProgIDs match without regard to case.
    std::optional<Guid> classOfProgId(const QString& progId) const;

private:
    // What identifies one state of the file: a change of it reads it again.
    struct FileStamp {
        std::int64_t seconds = -1, nanoseconds = 0, size = 0, inode = 0;
        bool operator==(const FileStamp&) const = default;
    };
    FileStamp stampOfFile() const;

    QString path_;
    // Records found since the file last changed: a container that makes many
    // controls of one class parses the file once.
    mutable FileStamp foundStamp_;
    mutable std::map<Guid, std::optional<ClassRecord>> found_;
};

} // namespace com
