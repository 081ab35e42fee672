#pragma once

#include "platform/data/Schema.h"

#include <QByteArray>
#include <QStringList>

#include <functional>
#include <optional>
#include <string>

namespace data {

class Connection;

// A trigram index over the long-text (memo) fields of a table, kept in the
// question database beside the table and in step with it by triggers in the
// file, so that every program that writes the table keeps it true.
//
// It answers "contains this text, ignoring the case of ASCII letters" for a
// text of three or more printable ASCII characters exactly as the dialect's
// LIKE "*text*" does: the indexed values are the fields with ASCII letters
// lowered, and the index itself compares case-sensitively, so no non-ASCII
// character can fold onto an ASCII one. The tokenizer stops reading a value
// at a NUL character; rows holding one are marked in the index, and a search
// tests them with LIKE besides.
struct SearchIndex {
    QByteArray quotedName; // the index table, ready to place into SQL
    QStringList columns;   // the fields it covers, as the table spells them
};

// The index's rows holding a NUL in any field carry this word in this column.
inline constexpr const char* nulMarkerColumn = "_nul";
inline constexpr const char* nulMarkerWord = "nul";

// The table's index, when the file has one.
std::optional<SearchIndex> findSearchIndex(Connection& connection, const TableInfo& table);

// Builds the table's index and its triggers in one store, unless the file has
// it already. False when it cannot be built (a read-only or busy file, a
// table without memo fields, an SQLite without the trigram tokenizer); the
// file is then left as it was and contains-searches scan the table. The rows
// are indexed by blocks of `searchIndexBlockRows`; after each block but the
// last, `progress` (when given) hears how many of the table's rows are
// indexed, in percent.
inline constexpr int searchIndexBlockRows = 2048;
bool buildSearchIndex(Connection& connection, const TableInfo& table,
                      const std::function<void(int percent)>& progress = {});

// The index's query for rows whose `columns` contain `text` (lowered ASCII);
// null when the index cannot answer it (see above).
std::optional<QString> searchIndexQuery(const SearchIndex& index, const QStringList& columns, const std::string& text);

// The index's query for the rows that hold a NUL.
QString nulRowsQuery();

} // namespace data
