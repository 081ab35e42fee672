#pragma once

#include <QByteArray>
#include <QString>
#include <QStringView>

#include <memory>
#include <vector>

struct sqlite3;

namespace data {

// Field type numbers as the windows and the keyword search read them.
enum FieldType : int {
    LongType = 4,
    DoubleType = 7,
    TextType = 10,
    LongBinaryType = 11,
    MemoType = 12,
};

struct ColumnInfo {
    QString name;          // as the table spells it
    QByteArray quotedName; // ready to place into SQL
    int type = TextType;   // FieldType
    bool isRowKey = false; // INTEGER PRIMARY KEY: the database assigns it
};

struct TableInfo {
    QString name;
    QByteArray quotedName;
    std::vector<ColumnInfo> columns;

    // Index of the column with this name, matched without regard to case; -1 when absent.
    int columnIndex(QStringView name) const;
};

// Double-quoted SQL identifier with embedded quotes doubled.
QByteArray quoteIdentifier(const QString& name);

// FieldType for a declared column type (LONGTEXT is the memo type).
int fieldTypeForDeclaration(const QString& declaredType);

// Reads the columns of the table named exactly `name`; null when there is no such table.
std::unique_ptr<TableInfo> loadTableInfo(sqlite3* db, const QString& name);

} // namespace data
