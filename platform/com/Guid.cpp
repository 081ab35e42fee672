#include "platform/com/Guid.h"

#include <QRegularExpression>

namespace com {

QString Guid::toString() const
{
    QString text = QStringLiteral("{%1-%2-%3-")
                       .arg(data1, 8, 16, QLatin1Char('0'))
                       .arg(data2, 4, 16, QLatin1Char('0'))
                       .arg(data3, 4, 16, QLatin1Char('0'));
    for (int i = 0; i < 8; ++i) {
        if (i == 2)
            text += QLatin1Char('-');
        text += QStringLiteral("%1").arg(data4[size_t(i)], 2, 16, QLatin1Char('0'));
    }
    return (text + QLatin1Char('}')).toUpper();
}

std::optional<Guid> Guid::parse(const QString& text)
{
    static const QRegularExpression form(QStringLiteral(
        "^\\{?([0-9A-Fa-f]{8})-([0-9A-Fa-f]{4})-([0-9A-Fa-f]{4})-([0-9A-Fa-f]{4})-([0-9A-Fa-f]{12})\\}?$"));
    const QString trimmed = text.trimmed();
    const auto match = form.match(trimmed);
    if (!match.hasMatch() || trimmed.startsWith(QLatin1Char('{')) != trimmed.endsWith(QLatin1Char('}')))
        return std::nullopt;
    Guid guid;
    guid.data1 = match.captured(1).toUInt(nullptr, 16);
    guid.data2 = std::uint16_t(match.captured(2).toUInt(nullptr, 16));
    guid.data3 = std::uint16_t(match.captured(3).toUInt(nullptr, 16));
    const QString tail = match.captured(4) + match.captured(5);
    for (int i = 0; i < 8; ++i)
        guid.data4[size_t(i)] = std::uint8_t(tail.mid(i * 2, 2).toUInt(nullptr, 16));
    return guid;
}

} // namespace com
