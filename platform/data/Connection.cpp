#include "platform/data/Connection.h"

#include "platform/core/Errors.h"
#include "platform/data/LikePattern.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryFile>

#include <map>
#include <mutex>

#include <sqlite3.h>

namespace data {

namespace errors = platform::errors;

namespace {

// How long a store or read waits for another program to let go of the file.
// The wait runs on the window's thread, so it stays short: the window tells
// the user the bank is in use instead of freezing.
constexpr int BusyTimeoutMs = 250;
constexpr int MaxIdleStatements = 64;

// The process-wide table of open files. It holds weak references only: a
// file closes when its last cursor lets go. Files are told apart by their
// canonical path; the names callers gave lead there without resolving the
// path again on every refresh of a cursor.
struct OpenFiles {
    std::mutex mutex;
    std::map<QString, std::weak_ptr<Connection>> byPath;
    std::map<QString, std::weak_ptr<Connection>> byGivenName;
};

OpenFiles& openFiles()
{
    static OpenFiles files;
    return files;
}

QString errorText(sqlite3* db)
{
    return QString::fromUtf8(sqlite3_errmsg(db));
}

// Opens and validates without writing: the schema table must be readable.
// A hot journal left by a killed writer is rolled back here by SQLite itself,
// which is the recovery the journal exists for.
sqlite3* openValidated(const QString& displayPath, const QString& filePath)
{
    if (QFileInfo(filePath).size() == 0)
        throw errors::unrecognizedFormat(displayPath);

    sqlite3* db = nullptr;
    const int rc = sqlite3_open_v2(filePath.toUtf8().constData(), &db, SQLITE_OPEN_READWRITE, nullptr);
    if (rc != SQLITE_OK) {
        const QString reason = db ? errorText(db) : QStringLiteral("out of memory");
        sqlite3_close_v2(db);
        throw errors::cannotOpen(displayPath, reason);
    }
    sqlite3_extended_result_codes(db, 1);
    sqlite3_busy_timeout(db, BusyTimeoutMs);

    const int check = sqlite3_exec(db, "SELECT count(*) FROM sqlite_master", nullptr, nullptr, nullptr);
    if (check != SQLITE_OK) {
        const int primary = check & 0xff;
        const QString reason = errorText(db);
        sqlite3_close_v2(db);
        if (primary == SQLITE_NOTADB)
            throw errors::unrecognizedFormat(displayPath);
        if (primary == SQLITE_CORRUPT)
            throw errors::damaged(displayPath);
        throw errors::cannotOpen(displayPath, reason);
    }
    return db;
}

// The dialect's LIKE, the setting that makes every acknowledged store
// survive a killed process, and a page cache that holds the question table's
// indexes, so that counting the whole bank again reads no page a second
// time. Nothing here writes to the file.
void configure(sqlite3* db)
{
    registerDialectLike(db);
    sqlite3_exec(db, "PRAGMA synchronous=FULL", nullptr, nullptr, nullptr);
    sqlite3_exec(db, "PRAGMA cache_size=-16384", nullptr, nullptr, nullptr); // KiB
}

// Stores use a rollback journal. A file that arrives in another journal mode
// is switched before its first store rather than when it is opened, so a
// file that is only read stays byte for byte as it was.
bool useRollbackJournal(sqlite3* db)
{
    sqlite3_stmt* stmt = nullptr;
    if (sqlite3_prepare_v2(db, "PRAGMA journal_mode", -1, &stmt, nullptr) != SQLITE_OK)
        return false;
    bool isDelete = false;
    if (sqlite3_step(stmt) == SQLITE_ROW) {
        const auto* mode = reinterpret_cast<const char*>(sqlite3_column_text(stmt, 0));
        isDelete = mode && qstricmp(mode, "delete") == 0;
    }
    sqlite3_finalize(stmt);
    if (isDelete)
        return true;
    // Refused while another program has the file open in its mode; the store
    // then goes through that mode's own journal, and the switch is tried again.
    sqlite3_exec(db, "PRAGMA journal_mode=DELETE", nullptr, nullptr, nullptr);
    return false;
}

} // namespace

Connection::Connection(QString path, sqlite3* db) : path_(std::move(path)), db_(db), busyTimeoutMs_(BusyTimeoutMs) {}

// SQLite opens a file it may not write read-only, and such a handle stays
// read-only after the file or its folder is made writable. Before a store,
// a read-only handle on a file that can now be written is replaced by a new
// one, so the stores kept for later reach the file as the user was promised.
// Statements still out on the old handle finish there; it closes after them.
void Connection::reopenIfMadeWritable()
{
    if (sqlite3_db_readonly(db_, "main") != 1 || !QFileInfo(path_).isWritable())
        return;
    sqlite3* writable = nullptr;
    try {
        writable = openValidated(path_, path_);
    } catch (const platform::RuntimeError&) {
        return; // the store fails on the old handle and says why
    }
    if (sqlite3_db_readonly(writable, "main") == 1) {
        sqlite3_close_v2(writable);
        return;
    }
    configure(writable);
    sqlite3_busy_timeout(writable, busyTimeoutMs_);
    for (sqlite3_stmt* stmt : std::as_const(idleStatements_))
        sqlite3_finalize(stmt);
    idleStatements_.clear();
    sqlite3_close_v2(db_);
    db_ = writable;
    rollbackJournal_ = false;
    // Rows read so far are read again from the new handle.
    ++dataVersion_;
}

Connection::~Connection()
{
    for (sqlite3_stmt* stmt : std::as_const(idleStatements_))
        sqlite3_finalize(stmt);
    sqlite3_close_v2(db_);
}

std::shared_ptr<Connection> Connection::open(const QString& path)
{
    const QFileInfo info(path);
    if (path.isEmpty() || !info.exists() || !info.isFile())
        throw errors::fileNotFound(path);

    OpenFiles& files = openFiles();
    std::lock_guard lock(files.mutex);
    if (auto named = files.byGivenName.find(path); named != files.byGivenName.end()) {
        if (auto shared = named->second.lock())
            return shared;
    }
    for (auto* table : {&files.byPath, &files.byGivenName})
        std::erase_if(*table, [](const auto& entry) { return entry.second.expired(); });
    const QString key = info.canonicalFilePath();
    std::shared_ptr<Connection> connection;
    if (auto found = files.byPath.find(key); found != files.byPath.end())
        connection = found->second.lock();
    if (!connection) {
        sqlite3* db = openValidated(path, key);
        configure(db);
        connection.reset(new Connection(key, db));
        files.byPath[key] = connection;
    }
    files.byGivenName[path] = connection;
    return connection;
}

std::optional<QString> Connection::checkFile(const QString& path)
{
    try {
        const auto connection = open(path);
        Statement check = connection->prepare("PRAGMA quick_check");
        if (!check.step() || check.column(0).toString() != QLatin1String("ok"))
            return errors::damaged(path).description();
    } catch (const platform::RuntimeError& error) {
        return error.description();
    }
    return std::nullopt;
}

std::optional<QString> Connection::checkWritable(const QString& path)
{
    try {
        const auto connection = open(path);
        // SQLite opens a file it may not write read-only and says so here.
        if (sqlite3_db_readonly(connection->db_, "main") == 1)
            return QStringLiteral("the file is read-only");
    } catch (const platform::RuntimeError& error) {
        return error.description();
    }
    const QString folder = QFileInfo(path).absolutePath();
    QTemporaryFile probe(folder + QStringLiteral("/.write-check-XXXXXX"));
    if (!probe.open())
        return QStringLiteral("the folder '%1' it lies in is read-only").arg(QDir::toNativeSeparators(folder));
    return std::nullopt;
}

const TableInfo* Connection::findTable(const QString& name)
{
    const QString key = name.toLower();
    if (auto it = tables_.constFind(key); it != tables_.constEnd())
        return it->get();

    Statement lookup = prepare("SELECT name FROM sqlite_master WHERE type = 'table' AND name = ?1 COLLATE NOCASE");
    lookup.bindText(1, name);
    if (!lookup.step())
        return nullptr;
    const QString stored = lookup.column(0).toString();
    lookup.reset();
    std::shared_ptr<const TableInfo> table = loadTableInfo(db_, stored);
    if (!table)
        return nullptr;
    tables_.insert(key, table);
    return table.get();
}

Statement Connection::prepare(const QByteArray& sql)
{
    if (auto it = idleStatements_.find(sql); it != idleStatements_.end()) {
        sqlite3_stmt* stmt = it.value();
        idleStatements_.erase(it);
        return Statement(shared_from_this(), sql, stmt);
    }
    sqlite3_stmt* stmt = nullptr;
    const int rc = sqlite3_prepare_v3(db_, sql.constData(), int(sql.size()), SQLITE_PREPARE_PERSISTENT, &stmt, nullptr);
    if (rc != SQLITE_OK) {
        sqlite3_finalize(stmt);
        throw errorFor(rc);
    }
    return Statement(shared_from_this(), sql, stmt);
}

void Connection::recycle(const QByteArray& sql, sqlite3_stmt* stmt) noexcept
{
    sqlite3_reset(stmt);
    sqlite3_clear_bindings(stmt);
    // One of a handle that was replaced is not kept.
    if (idleStatements_.size() >= MaxIdleStatements || sqlite3_db_handle(stmt) != db_) {
        sqlite3_finalize(stmt);
        return;
    }
    idleStatements_.insert(sql, stmt);
}

void Connection::execute(const char* sql)
{
    const int rc = sqlite3_exec(db_, sql, nullptr, nullptr, nullptr);
    if (rc != SQLITE_OK)
        throw errorFor(rc);
}

void Connection::waitWhenBusy(bool wait)
{
    busyTimeoutMs_ = wait ? BusyTimeoutMs : 0;
    sqlite3_busy_timeout(db_, busyTimeoutMs_);
}

qint64 Connection::lastInsertKey() const
{
    return sqlite3_last_insert_rowid(db_);
}

int Connection::changedRows() const
{
    return sqlite3_changes(db_);
}

platform::RuntimeError Connection::errorFor(int resultCode) const
{
    switch (resultCode & 0xff) {
    case SQLITE_CORRUPT:
    case SQLITE_NOTADB:
        return errors::damaged(path_);
    case SQLITE_READONLY:
        return errors::readOnly();
    case SQLITE_BUSY:
    case SQLITE_LOCKED:
        return errors::locked();
    case SQLITE_FULL:
        return errors::diskFull();
    case SQLITE_CANTOPEN:
    case SQLITE_IOERR:
        return errors::cannotOpen(path_, errorText(db_));
    case SQLITE_CONSTRAINT:
        return errors::duplicateOrInvalid();
    default:
        return errors::engineFailure(errorText(db_));
    }
}

Connection::ReadTransaction::ReadTransaction(Connection& connection) : connection_(connection)
{
    if (sqlite3_get_autocommit(connection_.db_)) {
        connection_.prepare("BEGIN").step();
        began_ = true;
    }
}

Connection::ReadTransaction::~ReadTransaction()
{
    // Ending a transaction that only read cannot fail in a way that matters.
    if (began_) {
        try {
            connection_.prepare("COMMIT").step();
        } catch (const platform::RuntimeError&) {
            sqlite3_exec(connection_.db_, "ROLLBACK", nullptr, nullptr, nullptr);
        }
    }
}

Connection::WriteTransaction::WriteTransaction(Connection& connection) : connection_(connection)
{
    joined_ = connection_.writeDepth_ > 0;
    if (!joined_) {
        connection_.reopenIfMadeWritable();
        if (!connection_.rollbackJournal_)
            connection_.rollbackJournal_ = useRollbackJournal(connection_.db_);
        connection_.execute("BEGIN IMMEDIATE");
    }
    ++connection_.writeDepth_;
}

Connection::WriteTransaction::~WriteTransaction()
{
    --connection_.writeDepth_;
    // A part that failed inside an outer transaction leaves the rollback to
    // the outer one, which its failure is on its way to.
    if (open_ && !joined_) {
        sqlite3_exec(connection_.db_, "ROLLBACK", nullptr, nullptr, nullptr);
        // Rows read while the transaction ran may have been rolled back.
        ++connection_.dataVersion_;
    }
}

void Connection::WriteTransaction::commit()
{
    if (!joined_)
        connection_.execute("COMMIT");
    open_ = false;
    ++connection_.dataVersion_;
}

} // namespace data
