#pragma once

#include "platform/core/RuntimeError.h"
#include "platform/data/Schema.h"
#include "platform/data/Statement.h"

#include <QHash>
#include <QMultiHash>
#include <QString>

#include <memory>
#include <optional>

struct sqlite3;
struct sqlite3_stmt;

namespace data {

// One open question-database file, shared by every cursor of the process on
// that file so that a row stored through one cursor is read by all others.
//
// The file is never created: a missing file is error 3024. A file that is
// not a database is refused before anything is written to it, and opening
// and reading never write to it. Stores use a rollback journal with full
// syncs, each store in one transaction, so a process killed at any moment
// loses nothing that was acknowledged.
class Connection : public std::enable_shared_from_this<Connection> {
public:
    // The connection of this file, opened on first use; throws RuntimeError.
    static std::shared_ptr<Connection> open(const QString& path);

    // Startup check of a database file: null when usable, otherwise the text
    // that tells the user what is wrong. Reads the whole file once.
    static std::optional<QString> checkFile(const QString& path);

    // Whether stores can be made to a usable database file: null when they
    // can, otherwise why not (the file or the folder it lies in, where each
    // store keeps its journal, is read-only). Writes nothing to the file.
    static std::optional<QString> checkWritable(const QString& path);

    ~Connection();
    Connection(const Connection&) = delete;
    Connection& operator=(const Connection&) = delete;

    const QString& path() const { return path_; }
    sqlite3* handle() const { return db_; }

    // The table with this name (any case); null when the file has no such table.
    const TableInfo* findTable(const QString& name);

    // A statement from the cache, prepared on first use; throws on bad SQL.
    Statement prepare(const QByteArray& sql);
    void execute(const char* sql);

    // Grows by one with every store through this connection, so that cursors
    // know when a row they read may have changed.
    quint64 dataVersion() const { return dataVersion_; }

    platform::RuntimeError errorFor(int resultCode) const;

    // Whether a read or store waits a moment for another program to let go
    // of the file (it does unless told otherwise) or fails at once.
    void waitWhenBusy(bool wait);

    // Of the last INSERT, UPDATE or DELETE on this connection.
    qint64 lastInsertKey() const;
    int changedRows() const;

    // One store: BEGIN IMMEDIATE ... COMMIT; rolled back unless committed.
    // Inside another write transaction on the connection it joins that one:
    // its commit only marks its part done, and the outer one decides.
    class WriteTransaction {
    public:
        explicit WriteTransaction(Connection& connection);
        ~WriteTransaction();
        WriteTransaction(const WriteTransaction&) = delete;
        WriteTransaction& operator=(const WriteTransaction&) = delete;
        void commit();

    private:
        Connection& connection_;
        bool open_ = true;
        bool joined_ = false;
    };

    // Several reads under one lock of the file; does nothing inside a
    // transaction that is already open.
    class ReadTransaction {
    public:
        explicit ReadTransaction(Connection& connection);
        ~ReadTransaction();
        ReadTransaction(const ReadTransaction&) = delete;
        ReadTransaction& operator=(const ReadTransaction&) = delete;

    private:
        Connection& connection_;
        bool began_ = false;
    };

private:
    friend class Statement;
    Connection(QString path, sqlite3* db);
    void recycle(const QByteArray& sql, sqlite3_stmt* stmt) noexcept;
    void reopenIfMadeWritable();

    QString path_;
    sqlite3* db_ = nullptr;
    quint64 dataVersion_ = 0;
    bool rollbackJournal_ = false; // switched to before the first store
    int writeDepth_ = 0;           // write transactions open, the outermost first
    int busyTimeoutMs_;            // as waitWhenBusy() last set it
    QHash<QString, std::shared_ptr<const TableInfo>> tables_;
    QMultiHash<QByteArray, sqlite3_stmt*> idleStatements_;
};

} // namespace data
