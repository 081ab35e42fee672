#include "FileQuery.h"

#include <QtTest>

#include <sqlite3.h>

namespace testsupport {

namespace {

struct ReadOnlyFile {
    explicit ReadOnlyFile(const QString& path, bool writable = false)
    {
        const int flags = writable ? SQLITE_OPEN_READWRITE : SQLITE_OPEN_READONLY;
        if (sqlite3_open_v2(path.toUtf8().constData(), &db, flags, nullptr) != SQLITE_OK)
            qFatal("cannot open %s", qPrintable(path));
    }
    ~ReadOnlyFile() { sqlite3_close(db); }
    sqlite3* db = nullptr;
};

QVariant columnValue(sqlite3_stmt* stmt, int column)
{
    switch (sqlite3_column_type(stmt, column)) {
    case SQLITE_NULL:
        return {};
    case SQLITE_INTEGER:
        return QVariant::fromValue<qint64>(sqlite3_column_int64(stmt, column));
    case SQLITE_FLOAT:
        return sqlite3_column_double(stmt, column);
    default:
        return QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(stmt, column)));
    }
}

QVariantList rows(const QString& path, const QString& sql)
{
    ReadOnlyFile file(path);
    sqlite3_stmt* stmt = nullptr;
    if (sqlite3_prepare_v2(file.db, sql.toUtf8().constData(), -1, &stmt, nullptr) != SQLITE_OK)
        qFatal("%s in: %s", sqlite3_errmsg(file.db), qPrintable(sql));
    QVariantList values;
    while (sqlite3_step(stmt) == SQLITE_ROW)
        values.append(columnValue(stmt, 0));
    sqlite3_finalize(stmt);
    return values;
}

} // namespace

QVariant queryValue(const QString& databasePath, const QString& sql)
{
    const QVariantList values = rows(databasePath, sql);
    return values.isEmpty() ? QVariant() : values.first();
}

QStringList queryColumn(const QString& databasePath, const QString& sql)
{
    QStringList texts;
    for (const QVariant& value : rows(databasePath, sql))
        texts.append(value.toString());
    return texts;
}

void executeSql(const QString& databasePath, const QString& sql)
{
    ReadOnlyFile file(databasePath, true);
    char* message = nullptr;
    if (sqlite3_exec(file.db, sql.toUtf8().constData(), nullptr, nullptr, &message) != SQLITE_OK) {
        const QByteArray text(message ? message : "?");
        sqlite3_free(message);
        qFatal("%s in: %s", text.constData(), qPrintable(sql));
    }
}

} // namespace testsupport
