#include "platform/data/Schema.h"

#include <sqlite3.h>

namespace data {

int TableInfo::columnIndex(QStringView wanted) const
{
    for (int i = 0; i < int(columns.size()); ++i) {
        if (wanted.compare(columns[i].name, Qt::CaseInsensitive) == 0)
            return i;
    }
    return -1;
}

QByteArray quoteIdentifier(const QString& name)
{
    QByteArray quoted = name.toUtf8();
    quoted.replace('"', "\"\"");
    return '"' + quoted + '"';
}

int fieldTypeForDeclaration(const QString& declaredType)
{
    const QString type = declaredType.toUpper();
    if (type.contains(QLatin1String("INT")))
        return LongType;
    if (type.contains(QLatin1String("LONGTEXT")) || type.contains(QLatin1String("MEMO"))
        || type.contains(QLatin1String("CLOB")))
        return MemoType;
    if (type.contains(QLatin1String("CHAR")) || type.contains(QLatin1String("TEXT")))
        return TextType;
    if (type.contains(QLatin1String("BLOB")))
        return LongBinaryType;
    if (type.contains(QLatin1String("REAL")) || type.contains(QLatin1String("FLOA"))
        || type.contains(QLatin1String("DOUB")))
        return DoubleType;
    return TextType;
}

std::unique_ptr<TableInfo> loadTableInfo(sqlite3* db, const QString& name)
{
    sqlite3_stmt* stmt = nullptr;
    if (sqlite3_prepare_v2(db, "SELECT name, type, pk FROM pragma_table_info(?1)", -1, &stmt, nullptr) != SQLITE_OK)
        return nullptr;
    const QByteArray utf8 = name.toUtf8();
    sqlite3_bind_text(stmt, 1, utf8.constData(), int(utf8.size()), SQLITE_TRANSIENT);

    auto table = std::make_unique<TableInfo>();
    table->name = name;
    table->quotedName = quoteIdentifier(name);
    int keyColumns = 0;
    int integerKey = -1;
    while (sqlite3_step(stmt) == SQLITE_ROW) {
        ColumnInfo column;
        column.name = QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(stmt, 0)));
        const QString declared = QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(stmt, 1)));
        column.quotedName = quoteIdentifier(column.name);
        column.type = fieldTypeForDeclaration(declared);
        if (sqlite3_column_int(stmt, 2) > 0) {
            ++keyColumns;
            if (declared.compare(QLatin1String("INTEGER"), Qt::CaseInsensitive) == 0)
                integerKey = int(table->columns.size());
        }
        table->columns.push_back(std::move(column));
    }
    sqlite3_finalize(stmt);
    if (table->columns.empty())
        return nullptr;
    // Only a lone INTEGER PRIMARY KEY is the row's own key (an alias of rowid).
    if (keyColumns == 1 && integerKey >= 0)
        table->columns[integerKey].isRowKey = true;
    return table;
}

} // namespace data
