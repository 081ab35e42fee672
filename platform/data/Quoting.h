#pragma once

#include <QString>

#include <optional>

// Values never reach a query text raw: callers build query texts with these.
namespace data {

// A text value between single quotes, its own quotes doubled:
// "Captain's Duties" -> 'Captain''s Duties'.
QString sqlText(const QString& value);

// A double-quoted LIKE pattern that finds `word` anywhere in a field, with
// the word's own pattern characters (* ? # [) taken literally and its double
// quotes doubled: 50% "wet" -> "*50% ""wet""*".
QString likeContains(const QString& word);

// A typed count as a positive whole number; null for anything else (empty,
// zero, negative, fractions, letters). A count beyond the largest int is
// taken as that: no set holds as many rows, so either asks for all of them.
std::optional<int> positiveCount(const QString& typed);

} // namespace data
