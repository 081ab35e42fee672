#include "contents/ContentsClock.h"

#include "platform/forms/StatusBar.h"
#include "settings/Markers.h"

#include <QLocale>

namespace contents {

QString clockText(const QTime& time)
{
    QString format = QLocale::system().timeFormat(QLocale::LongFormat);
    format.remove(QLatin1Char('t')).replace(QStringLiteral("  "), QStringLiteral(" "));
    return QLocale::system().toString(time, format.trimmed());
}

void showClock(forms::StatusBar& status, const QTime& now)
{
    const QString time = clockText(now);
    forms::Panel* panel = status.panel(markers::timePanel);
    if (panel->text() != time)
        panel->setText(time);
}

} // namespace contents
