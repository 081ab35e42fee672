#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <QVariant>

struct sqlite3;

namespace testsupport {

// A plain SQLite connection of its own to a database file, beside any the
// program holds, so a test sees what really reached the file rather than what
// a cursor holds, and a benchmark's raw twin does the same work without the
// program in between. A statement that fails stops the run: a check that
// cannot read the file proves nothing.
class RawDatabase {
public:
    enum class Access {
        ReadOnly,
        ReadWrite,
        // Creates the file when missing, as a fixture's set-up does; waits for
        // a busy file and skips the syncs to the disk that set-up never needs.
        Create,
    };

    explicit RawDatabase(const QString& path, Access access = Access::ReadOnly);
    ~RawDatabase();
    RawDatabase(const RawDatabase&) = delete;
    RawDatabase& operator=(const RawDatabase&) = delete;

    sqlite3* handle() const { return db_; }

    void execute(const QString& sql) const;
    // Rows of a query, each as a list of column values (Null as a null QVariant).
    QList<QVariantList> rows(const QString& sql) const;

private:
    sqlite3* db_ = nullptr;
};

// One-statement reads and writes, each through a connection of its own.
QVariant queryValue(const QString& databasePath, const QString& sql);
QStringList queryColumn(const QString& databasePath, const QString& sql);
void executeSql(const QString& databasePath, const QString& sql);

// Seeds the database engine's own random generator, which every connection
// of the process shares and which orders the rows of a random query, so a
// test's random draws come out the same on every run. The program never
// seeds it: its draws differ from run to run.
void seedDatabaseRandom(int seed);

} // namespace testsupport
