#pragma once

#include <QString>

#include <optional>

namespace registry {

// The system's record of where its tools live, read only: named text values
// under key paths ("SharedTools/SystemInformation", value "Path"), kept in an
// INI file that the installation or the administrator writes. A store whose
// file is missing simply has no keys.
class Registry {
public:
    explicit Registry(const QString& iniFile);

    // The store of an installation: "registry.ini" in its program folder.
    static Registry ofProgramFolder(const QString& programFolder);

    QString fileName() const { return file_; }

    // The value's text, or none when the key or the value is absent or the
    // file cannot be read.
    std::optional<QString> value(const QString& keyPath, const QString& valueName) const;

private:
    QString file_;
};

} // namespace registry
