#pragma once

#include <QString>
#include <QStringList>

// The rules of the keyword search, apart from the window.
namespace questionsets {

// True when the answer of the keyword prompt ends the search: the empty
// text (also Cancel) or exactly "0".
bool cancelsKeywordSearch(const QString& typed);

// "SELECT * FROM Table1 WHERE [f1] LIKE "*kw*" OR [f2] LIKE ..." over the
// given fields in their order. The keyword is taken literally, as typed:
// its quotes and pattern characters find themselves and nothing else. Empty
// when there is no field to search: then no question can hold the keyword.
QString keywordQuery(const QStringList& fields, const QString& keyword);

// The question asked when no question holds the keyword.
QString keywordMissText(const QString& keyword);

} // namespace questionsets
