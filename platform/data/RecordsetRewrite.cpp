// One field of many rows rewritten in one statement: the rows' keys go in as
// one JSON array, so a block of thousands of rows costs one step of SQLite
// rather than one per row.

#include "platform/data/Recordset.h"

#include "platform/core/Errors.h"
#include "platform/data/Connection.h"
#include "platform/data/KeyList.h"
#include "platform/data/ValueConversion.h"

namespace data {

namespace errors = platform::errors;

std::vector<qint64> Recordset::keys() const
{
    requireOpen();
    std::vector<qint64> all;
    keys_.copy(0, keys_.size(), all);
    return all;
}

const ColumnInfo& Recordset::writableColumn(const QString& field) const
{
    const TableInfo& table = requireTable();
    const int index = table.columnIndex(field);
    if (index < 0)
        throw errors::itemNotFound();
    const ColumnInfo& column = table.columns[size_t(index)];
    if (column.isRowKey)
        throw errors::fieldNotUpdatable(column.name);
    return column;
}

std::vector<qint64> Recordset::tableKeysWhere(const QString& field, const QVariant& value)
{
    const ColumnInfo& column = writableColumn(field);
    Statement select = connection_->prepare("SELECT rowid FROM " + query_.table->quotedName + " WHERE "
                                            + column.quotedName + " = ?1 ORDER BY rowid");
    select.bind(1, toStoredValue(value, column.type));
    std::vector<qint64> found;
    while (select.step())
        found.push_back(select.columnInt64(0));
    return found;
}

bool Recordset::holdsWholeTable()
{
    const TableInfo& table = requireTable();
    Statement count = connection_->prepare("SELECT count(*) FROM " + table.quotedName);
    count.step();
    return count.columnInt64(0) == keys_.size();
}

void Recordset::writeRows(std::span<const qint64> keys, const QString& field, const QVariant& value)
{
    const ColumnInfo& column = writableColumn(field);
    if (keys.empty())
        return;
    Connection::WriteTransaction transaction(*connection_);
    Statement change =
        connection_->prepare("UPDATE " + query_.table->quotedName + " SET " + column.quotedName
                             + " = ?2 FROM json_each(?1) AS k WHERE " + query_.table->quotedName + ".rowid = k.value");
    change.bindText(1, QString::fromLatin1(jsonKeyList(keys)));
    change.bind(2, toStoredValue(value, column.type));
    change.step();
    transaction.commit();
}

void Recordset::numberRows(std::span<const qint64> keys, const QString& field, qint64 firstNumber)
{
    const ColumnInfo& column = writableColumn(field);
    if (keys.empty())
        return;
    // json_each numbers the array's elements from 0 in its key column; the
    // column's own type decides whether the number is stored as text.
    Connection::WriteTransaction transaction(*connection_);
    Statement change = connection_->prepare("UPDATE " + query_.table->quotedName + " SET " + column.quotedName
                                            + " = ?2 + k.key FROM json_each(?1) AS k WHERE " + query_.table->quotedName
                                            + ".rowid = k.value");
    change.bindText(1, QString::fromLatin1(jsonKeyList(keys)));
    change.bindInt64(2, firstNumber);
    change.step();
    transaction.commit();
}

} // namespace data
