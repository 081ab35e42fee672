#pragma once

#include <QString>
#include <QTemporaryDir>

namespace testsupport {

// A fresh program folder for one test: a copy of the generated sample
// database and assets in a temporary directory, removed afterwards. Tests
// never touch the candidate's own folder.
class ProgramFolder {
public:
    // withSample=false gives an empty folder (no database).
    explicit ProgramFolder(bool withSample = true);

    QString path() const { return dir_.path(); }
    QString databasePath() const { return dir_.path() + QStringLiteral("/qbk54.mdb"); }
    bool isValid() const { return dir_.isValid(); }

private:
    QTemporaryDir dir_;
};

} // namespace testsupport
