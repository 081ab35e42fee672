#pragma once

#include <QString>
#include <QStringList>

#include <functional>
#include <optional>
#include <vector>

namespace data {
class Connection;
}

// The terminology library (Table7) as the terminology window and its
// printouts read it. Every value a user gives (a clicked, typed or pasted
// term, a count) is bound to its statement, never placed into the SQL, so a
// term such as "Fireman's carry" is looked up like any other.
namespace printing {

struct TermRow {
    QString term;
    QString definition;
    QString chapter;
};

// Orders terms as the list shows them: alphabetically regardless of letter
// case, equal texts in the order given.
bool termSortsBefore(const QString& a, const QString& b);

// Every term of the library, in list order; rows without a term are left
// out, since there is nothing to show or look up for them.
QStringList libraryTerms(data::Connection& bank);

// The row of a term. Terms compare regardless of case, as the library's
// column does; when two terms differ only in case, the one spelled exactly as
// asked wins, so "Hose" and "hose" each show their own definition.
std::optional<TermRow> lookUpTerm(data::Connection& bank, const QString& term);

// The printouts, like the list, pass over rows without a term.

// Every row in the order of its term: the glossary.
std::vector<TermRow> glossaryRows(data::Connection& bank);

// `count` rows in a random order drawn anew on each call (all of them when
// the library holds fewer); the rows are read at once, so a printout that
// walks them twice sees the same rows in the same order.
std::vector<TermRow> randomRows(data::Connection& bank, int count);

// The first of `count` entries in list order whose beginning, in lower case,
// equals `typed` in lower case; -1 when none does or `typed` is empty. The
// list order keeps entries sharing a beginning together, so the search
// halves the list instead of walking it.
int firstEntryWithPrefix(int count, const std::function<QString(int)>& entry, const QString& typed);

} // namespace printing
