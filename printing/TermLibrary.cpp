#include "printing/TermLibrary.h"

#include "platform/data/Connection.h"
#include "platform/data/Statement.h"

#include <algorithm>

namespace printing {

namespace {

QString textOf(const data::Statement& statement, int column)
{
    const QVariant value = statement.column(column);
    return value.isNull() ? QString() : value.toString();
}

std::vector<TermRow> readRows(data::Statement& statement)
{
    std::vector<TermRow> rows;
    while (statement.step())
        rows.push_back({textOf(statement, 0), textOf(statement, 1), textOf(statement, 2)});
    return rows;
}

} // namespace

bool termSortsBefore(const QString& a, const QString& b)
{
    return QString::compare(a, b, Qt::CaseInsensitive) < 0;
}

QStringList libraryTerms(data::Connection& bank)
{
    data::Statement statement = bank.prepare("SELECT Terms FROM Table7 WHERE Terms IS NOT NULL ORDER BY Terms, ID");
    QStringList terms;
    while (statement.step())
        terms << textOf(statement, 0);
    // The column's collation folds ASCII letters only; the list folds all.
    std::stable_sort(terms.begin(), terms.end(), termSortsBefore);
    return terms;
}

std::optional<TermRow> lookUpTerm(data::Connection& bank, const QString& term)
{
    // The exact spelling first (a term picked from the list always has one),
    // then any letter case; both walk the index on the term in key order.
    for (const char* sql : {"SELECT Terms, Def, Chapter FROM Table7 WHERE Terms = ?1 AND Terms = ?1 COLLATE BINARY "
                            "ORDER BY ID LIMIT 1",
                            "SELECT Terms, Def, Chapter FROM Table7 WHERE Terms = ?1 ORDER BY ID LIMIT 1"}) {
        data::Statement statement = bank.prepare(sql);
        statement.bindText(1, term);
        if (statement.step())
            return TermRow{textOf(statement, 0), textOf(statement, 1), textOf(statement, 2)};
    }
    return std::nullopt;
}

std::vector<TermRow> glossaryRows(data::Connection& bank)
{
    data::Statement statement = bank.prepare("SELECT Terms, Def, Chapter FROM Table7 WHERE Terms IS NOT NULL "
                                             "ORDER BY Terms ASC, ID");
    return readRows(statement);
}

std::vector<TermRow> randomRows(data::Connection& bank, int count)
{
    data::Statement statement = bank.prepare("SELECT Terms, Def, Chapter FROM Table7 WHERE Terms IS NOT NULL "
                                             "ORDER BY random() LIMIT ?1");
    statement.bindInt64(1, count);
    return readRows(statement);
}

int firstEntryWithPrefix(int count, const std::function<QString(int)>& entry, const QString& typed)
{
    if (typed.isEmpty())
        return -1;
    const QString wanted = typed.toLower();
    int low = 0;
    int high = count;
    while (low < high) {
        const int middle = low + (high - low) / 2;
        if (QString::compare(entry(middle), wanted, Qt::CaseInsensitive) < 0)
            low = middle + 1;
        else
            high = middle;
    }
    if (low < count && entry(low).left(wanted.size()).toLower() == wanted)
        return low;
    return -1;
}

} // namespace printing
