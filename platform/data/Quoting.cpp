#include "platform/data/Quoting.h"

#include <algorithm>
#include <limits>

namespace data {

QString sqlText(const QString& value)
{
    QString quoted = value;
    quoted.replace(QLatin1Char('\''), QLatin1String("''"));
    return QLatin1Char('\'') + quoted + QLatin1Char('\'');
}

QString likeContains(const QString& word)
{
    QString pattern;
    pattern.reserve(word.size() + 8);
    for (const QChar c : word) {
        if (c == QLatin1Char('*') || c == QLatin1Char('?') || c == QLatin1Char('#') || c == QLatin1Char('['))
            pattern += QLatin1Char('[') + c + QLatin1Char(']');
        else if (c == QLatin1Char('"'))
            pattern += QLatin1String("\"\"");
        else
            pattern += c;
    }
    return QLatin1String("\"*") + pattern + QLatin1String("*\"");
}

std::optional<int> positiveCount(const QString& typed)
{
    const QString text = typed.trimmed();
    if (text.isEmpty())
        return std::nullopt;
    qint64 count = 0;
    for (const QChar c : text) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return std::nullopt;
        count = std::min<qint64>(count * 10 + (c.unicode() - u'0'), std::numeric_limits<int>::max());
    }
    if (count == 0)
        return std::nullopt;
    return int(count);
}

} // namespace data
