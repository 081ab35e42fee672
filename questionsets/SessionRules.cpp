#include "questionsets/SessionRules.h"

namespace questionsets {

QString savedSessionSource()
{
    return QStringLiteral("Table12");
}

bool isSavedSession(const QString& recordSource)
{
    return recordSource.trimmed().compare(savedSessionSource(), Qt::CaseInsensitive) == 0;
}

bool resumeStopsAt(const QString& total, const QString& questionNumber)
{
    return total == QLatin1String("0") || total == questionNumber;
}

} // namespace questionsets
