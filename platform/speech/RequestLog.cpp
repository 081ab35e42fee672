#include "platform/speech/RequestLog.h"

namespace speech {

QString LoggedRequest::toString() const
{
    switch (kind) {
    case Kind::Show:
        return QStringLiteral("show");
    case Kind::Hide:
        return QStringLiteral("hide");
    case Kind::Stop:
        return QStringLiteral("stop");
    case Kind::StopAll:
        return QStringLiteral("stopAll");
    case Kind::Pause:
        return QStringLiteral("pause");
    case Kind::MoveTo:
        return QStringLiteral("moveTo %1,%2").arg(position.x()).arg(position.y());
    case Kind::Speak:
        return QStringLiteral("speak ") + text;
    case Kind::Play:
        return QStringLiteral("play ") + text;
    case Kind::BalloonStyle:
        return QStringLiteral("balloonStyle 0x")
               + QString::number(quint32(style), 16).rightJustified(8, QLatin1Char('0')).toUpper();
    }
    return {};
}

QStringList RequestLog::lines() const
{
    QStringList result;
    for (const LoggedRequest& entry : entries_)
        result.append(entry.toString());
    return result;
}

QStringList RequestLog::spokenTexts() const
{
    QStringList result;
    for (const LoggedRequest& entry : entries_) {
        if (entry.kind == LoggedRequest::Kind::Speak)
            result.append(entry.text);
    }
    return result;
}

} // namespace speech
