#include "FileQuery.h"

#include <QByteArray>
#include <QtGlobal>

#include <sqlite3.h>

namespace testsupport {

namespace {

QVariant columnValue(sqlite3_stmt* stmt, int column)
{
    switch (sqlite3_column_type(stmt, column)) {
    case SQLITE_NULL:
        return {};
    case SQLITE_INTEGER:
        return QVariant::fromValue<qint64>(sqlite3_column_int64(stmt, column));
    case SQLITE_FLOAT:
        return sqlite3_column_double(stmt, column);
    case SQLITE_BLOB:
        return QByteArray(static_cast<const char*>(sqlite3_column_blob(stmt, column)), sqlite3_column_bytes(stmt, column));
    default:
        return QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(stmt, column)));
    }
}

int openFlags(RawDatabase::Access access)
{
    switch (access) {
    case RawDatabase::Access::ReadOnly:
        return SQLITE_OPEN_READONLY;
    case RawDatabase::Access::ReadWrite:
        return SQLITE_OPEN_READWRITE;
    case RawDatabase::Access::Create:
        break;
    }
    return SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE;
}

} // namespace

RawDatabase::RawDatabase(const QString& path, Access access)
{
    if (sqlite3_open_v2(path.toUtf8().constData(), &db_, openFlags(access), nullptr) != SQLITE_OK)
        qFatal("cannot open %s", qPrintable(path));
    if (access == Access::Create) {
        sqlite3_busy_timeout(db_, 5000);
        sqlite3_exec(db_, "PRAGMA synchronous=OFF", nullptr, nullptr, nullptr);
    }
}

RawDatabase::~RawDatabase()
{
    sqlite3_close(db_);
}

void RawDatabase::execute(const QString& sql) const
{
    char* message = nullptr;
    if (sqlite3_exec(db_, sql.toUtf8().constData(), nullptr, nullptr, &message) != SQLITE_OK) {
        const QByteArray text(message ? message : "?");
        sqlite3_free(message);
        qFatal("%s in: %s", text.constData(), qPrintable(sql));
    }
}

QList<QVariantList> RawDatabase::rows(const QString& sql) const
{
    sqlite3_stmt* stmt = nullptr;
    if (sqlite3_prepare_v2(db_, sql.toUtf8().constData(), -1, &stmt, nullptr) != SQLITE_OK)
        qFatal("%s in: %s", sqlite3_errmsg(db_), qPrintable(sql));
    QList<QVariantList> result;
    while (sqlite3_step(stmt) == SQLITE_ROW) {
        QVariantList row;
        for (int column = 0; column < sqlite3_column_count(stmt); ++column)
            row.append(columnValue(stmt, column));
        result.append(row);
    }
    sqlite3_finalize(stmt);
    return result;
}

QVariant queryValue(const QString& databasePath, const QString& sql)
{
    const QList<QVariantList> rows = RawDatabase(databasePath).rows(sql);
    return rows.isEmpty() || rows.first().isEmpty() ? QVariant() : rows.first().first();
}

QStringList queryColumn(const QString& databasePath, const QString& sql)
{
    QStringList texts;
    for (const QVariantList& row : RawDatabase(databasePath).rows(sql))
        texts.append(row.isEmpty() ? QString() : row.first().toString());
    return texts;
}

void executeSql(const QString& databasePath, const QString& sql)
{
    RawDatabase(databasePath, RawDatabase::Access::ReadWrite).execute(sql);
}

void seedDatabaseRandom(int seed)
{
    Q_ASSERT(seed != 0); // 0 would leave the generator as it is
    sqlite3_test_control(SQLITE_TESTCTRL_PRNG_SEED, seed, static_cast<sqlite3*>(nullptr));
}

} // namespace testsupport
