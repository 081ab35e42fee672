#include "platform/data/SearchIndex.h"

#include "platform/core/RuntimeError.h"
#include "platform/data/Connection.h"
#include "platform/data/Log.h"

#include <algorithm>
#include <functional>
#include <limits>

namespace data {

namespace {

QString indexName(const TableInfo& table)
{
    return table.name + QStringLiteral("_search");
}

// What the index holds of a field: ASCII letters lowered.
QByteArray indexedValue(const char* row, const ColumnInfo& column)
{
    return QByteArray("lower(") + row + '.' + column.quotedName + ")";
}

// The marker of a row with a NUL in any of the fields.
QByteArray nulMarker(const char* row, const std::vector<const ColumnInfo*>& columns)
{
    QByteArray any;
    for (const ColumnInfo* column : columns) {
        if (!any.isEmpty())
            any += " OR ";
        any += QByteArray("instr(CAST(") + row + '.' + column->quotedName + " AS BLOB), X'00') > 0";
    }
    return "CASE WHEN " + any + " THEN '" + nulMarkerWord + "' END";
}

QByteArray joined(const std::vector<const ColumnInfo*>& columns,
                  const std::function<QByteArray(const ColumnInfo&)>& part)
{
    QByteArray out;
    for (const ColumnInfo* column : columns) {
        if (!out.isEmpty())
            out += ", ";
        out += part(*column);
    }
    return out;
}

// SQLite's lower() touches ASCII letters only unless the library was built
// with ICU; the index and the dialect's LIKE agree only in the first case.
bool lowersAsciiOnly(Connection& connection)
{
    Statement probe = connection.prepare("SELECT lower(char(196)) = char(196)");
    return probe.step() && probe.columnInt64(0) == 1;
}

bool isPrintableAscii(const std::string& text)
{
    for (const char c : text) {
        if (c < 0x20 || c > 0x7e)
            return false;
    }
    return true;
}

QString quotedString(const QString& text)
{
    QString quoted = text;
    quoted.replace(QLatin1Char('"'), QLatin1String("\"\""));
    return QLatin1Char('"') + quoted + QLatin1Char('"');
}

} // namespace

std::optional<SearchIndex> findSearchIndex(Connection& connection, const TableInfo& table)
{
    Statement lookup =
        connection.prepare("SELECT name FROM sqlite_master WHERE type = 'table' AND name = ?1 COLLATE NOCASE");
    lookup.bindText(1, indexName(table));
    if (!lookup.step())
        return std::nullopt;
    SearchIndex index;
    index.quotedName = quoteIdentifier(lookup.column(0).toString());
    lookup.reset();
    Statement columns = connection.prepare("SELECT name FROM pragma_table_info(?1)");
    columns.bindText(1, indexName(table));
    bool marked = false;
    while (columns.step()) {
        const QString name = columns.column(0).toString();
        if (name == QLatin1String(nulMarkerColumn))
            marked = true;
        else
            index.columns.append(name);
    }
    if (index.columns.isEmpty() || !marked)
        return std::nullopt;
    return index;
}

bool buildSearchIndex(Connection& connection, const TableInfo& table, const std::function<void(int percent)>& progress)
{
    try {
        if (findSearchIndex(connection, table))
            return true;
        std::vector<const ColumnInfo*> memo;
        for (const ColumnInfo& column : table.columns) {
            if (column.type == MemoType)
                memo.push_back(&column);
        }
        if (memo.empty() || !lowersAsciiOnly(connection))
            return false;

        const QByteArray index = quoteIdentifier(indexName(table));
        const QByteArray names = joined(memo, [](const ColumnInfo& c) { return c.quotedName; }) + ", "
                                 + quoteIdentifier(QLatin1String(nulMarkerColumn));
        const auto values = [&](const char* row) {
            return joined(memo, [&](const ColumnInfo& c) { return indexedValue(row, c); }) + ", "
                   + nulMarker(row, memo);
        };
        const QByteArray insertNew =
            "INSERT INTO " + index + " (rowid, " + names + ") VALUES (new.rowid, " + values("new") + ");";
        const QByteArray deleteOld = "INSERT INTO " + index + " (" + index + ", rowid, " + names
                                     + ") VALUES ('delete', old.rowid, " + values("old") + ");";
        QByteArray changed = "old.rowid IS NOT new.rowid";
        for (const ColumnInfo* column : memo)
            changed += " OR old." + column->quotedName + " IS NOT new." + column->quotedName + " COLLATE BINARY";
        const auto trigger = [&](const char* suffix) {
            return quoteIdentifier(indexName(table) + QLatin1String(suffix));
        };

        // No content of its own: the rows stay in the table, the index holds
        // only where each trigram occurs.
        const QByteArray create = "CREATE VIRTUAL TABLE " + index + " USING fts5(" + names
                                  + ", content='', tokenize='trigram case_sensitive 1');";
        const QByteArray triggers = "CREATE TRIGGER " + trigger("_insert") + " AFTER INSERT ON " + table.quotedName
                                    + " BEGIN " + insertNew + " END;" + "CREATE TRIGGER " + trigger("_delete")
                                    + " AFTER DELETE ON " + table.quotedName + " BEGIN " + deleteOld + " END;"
                                    + "CREATE TRIGGER " + trigger("_update") + " AFTER UPDATE ON " + table.quotedName
                                    + " WHEN " + changed + " BEGIN " + deleteOld + insertNew + " END;";
        Connection::WriteTransaction transaction(connection);
        connection.execute(create.constData());
        // The rows go in by blocks in key order, all in the one store, so
        // that a large table's build can say how far it got between blocks.
        Statement count = connection.prepare("SELECT count(*) FROM " + table.quotedName);
        const qint64 total = count.step() ? count.columnInt64(0) : 0;
        count.reset();
        Statement blockEnd = connection.prepare("SELECT rowid FROM " + table.quotedName
                                                + " WHERE rowid >= ?1 ORDER BY rowid LIMIT 1 OFFSET ?2");
        Statement fill =
            connection.prepare("INSERT INTO " + index + " (rowid, " + names + ") SELECT rowid, " + values("t")
                               + " FROM " + table.quotedName + " AS t WHERE t.rowid >= ?1 AND t.rowid <= ?2");
        constexpr qint64 lastKey = std::numeric_limits<qint64>::max();
        qint64 first = std::numeric_limits<qint64>::min();
        for (qint64 done = 0; done < total; done += searchIndexBlockRows) {
            blockEnd.bindInt64(1, first);
            blockEnd.bindInt64(2, searchIndexBlockRows - 1);
            const qint64 last = blockEnd.step() ? blockEnd.columnInt64(0) : lastKey;
            blockEnd.reset();
            fill.bindInt64(1, first);
            fill.bindInt64(2, last);
            fill.step();
            fill.reset();
            if (last == lastKey)
                break;
            first = last + 1;
            if (progress && done + searchIndexBlockRows < total)
                progress(int((done + searchIndexBlockRows) * 100 / total));
        }
        connection.execute(triggers.constData());
        transaction.commit();
        return true;
    } catch (const platform::RuntimeError& error) {
        // Searches go on without the index, only slower.
        qCDebug(dataLog).noquote() << "no search index for" << table.name << '-' << error.description();
        return false;
    }
}

std::optional<QString> searchIndexQuery(const SearchIndex& index, const QStringList& columns, const std::string& text)
{
    if (text.size() < 3 || !isPrintableAscii(text))
        return std::nullopt;
    QStringList filter;
    for (const QString& column : columns) {
        const auto covered = std::find_if(index.columns.begin(), index.columns.end(), [&](const QString& name) {
            return name.compare(column, Qt::CaseInsensitive) == 0;
        });
        if (covered == index.columns.end())
            return std::nullopt;
        if (!filter.contains(*covered))
            filter.append(*covered);
    }
    const QString phrase = quotedString(QString::fromLatin1(text));
    QStringList quoted;
    for (const QString& column : std::as_const(filter))
        quoted.append(quotedString(column));
    return QLatin1Char('{') + quoted.join(QLatin1Char(' ')) + QStringLiteral("} : ") + phrase;
}

QString nulRowsQuery()
{
    return QLatin1Char('{') + quotedString(QLatin1String(nulMarkerColumn)) + QStringLiteral("} : ")
           + quotedString(QLatin1String(nulMarkerWord));
}

} // namespace data
