#pragma once

#include <QString>
#include <QTemporaryDir>

namespace testsupport {

// A fresh program folder for one test or one benchmark run: a copy of the
// generated sample database and assets in a temporary directory, removed
// afterwards. Nothing ever touches the candidate's own folder.
class ProgramFolder {
public:
    // withSample=false gives an empty folder (no database).
    explicit ProgramFolder(bool withSample = true);

    QString path() const { return dir_.path(); }
    QString filePath(const QString& name) const { return dir_.filePath(name); }
    QString databasePath() const { return filePath(QStringLiteral("qbk54.mdb")); }
    // The folder exists and holds everything it was to be given.
    bool isValid() const { return valid_; }

    // Puts a copy of `database` in as the folder's question database, such
    // as a large synthetic bank; false when it could not.
    bool replaceDatabase(const QString& database);

private:
    QTemporaryDir dir_;
    bool valid_ = false;
};

} // namespace testsupport
