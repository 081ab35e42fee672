#include "questionsets/KeywordQuery.h"

#include "platform/data/Quoting.h"

namespace questionsets {

bool cancelsKeywordSearch(const QString& typed)
{
    return typed.isEmpty() || typed == QLatin1String("0");
}

QString keywordQuery(const QStringList& fields, const QString& keyword)
{
    if (fields.isEmpty())
        return QString();
    const QString pattern = data::likeContains(keyword);
    QStringList terms;
    for (const QString& field : fields)
        terms.append(QLatin1Char('[') + field + QStringLiteral("] LIKE ") + pattern);
    return QStringLiteral("SELECT * FROM Table1 WHERE ") + terms.join(QStringLiteral(" OR "));
}

QString keywordMissText(const QString& keyword)
{
    return keyword
           + QStringLiteral(" - Does not appear anywhere in your question database. Would you like to search again?");
}

} // namespace questionsets
