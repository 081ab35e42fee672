#include "editing/NewRecordNumbers.h"

#include <limits>

namespace editing {

std::optional<qint64> nextDatabaseNumber(std::optional<qint64> largestInBank)
{
    const qint64 largest = largestInBank.value_or(0);
    if (largest >= std::numeric_limits<qint32>::max())
        return std::nullopt;
    return std::max<qint64>(largest, 0) + 1;
}

std::optional<qint64> questionNumberValue(const QString& stored)
{
    bool ok = false;
    const qint64 number = stored.trimmed().toLongLong(&ok);
    if (!ok)
        return std::nullopt;
    return number;
}

QString nextQuestionNumber(std::optional<qint64> lastNumbered)
{
    return QString::number(lastNumbered.value_or(0) + 1);
}

} // namespace editing
