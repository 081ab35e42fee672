#pragma once

#include "platform/data/Schema.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <vector>

namespace data {

class Connection;

// A record source made ready for SQLite: the table, the fields, and the query
// that lists the keys of the set's rows in the set's order.
struct TranslatedQuery {
    const TableInfo* table = nullptr; // null for the empty record source: no rows
    std::vector<int> columns;         // the fields, as indexes into table->columns
    QByteArray keysetSql;             // "SELECT rowid FROM ... ORDER BY ... LIMIT n"
    QStringList parameters;           // values for ?1, ?2, ... (double-quoted literals)
    bool wholeTable = false;          // every row in stored order: keysetSql adds nothing to the table
    // The condition alone when the set is every row that meets it (no TOP, no
    // text search), bound to the first parameters: a statement on the whole
    // set names it directly instead of listing the keys.
    QByteArray rowCondition;
    int rowConditionParameters = 0;
};

struct TranslatedCondition {
    QByteArray sql;
    QStringList parameters;
};

// Accepts a table name in any case with blanks around it, the empty text, or
//   SELECT [TOP n] * | field, ... FROM table [WHERE condition] [ORDER BY order] [;]
// with any spacing. Translates TOP n to LIMIT n, Rnd(x) to random(), True and
// False to 1 and 0, [name] and names to quoted columns, and double-quoted
// texts to bound parameters. LIKE keeps its spelling: the connection's LIKE
// is the dialect's own. A query without ORDER BY keeps stored order; ties of
// an ORDER BY fall back to stored order. Throws RuntimeError.
TranslatedQuery translateRecordSource(const QString& source, Connection& connection);

// A condition such as "ID= 12", for finding rows of `table`.
TranslatedCondition translateCondition(const QString& criterion, const TableInfo& table);

} // namespace data
