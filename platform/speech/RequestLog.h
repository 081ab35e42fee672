#pragma once

#include <QList>
#include <QPoint>
#include <QString>
#include <QStringList>

namespace speech {

// What a window asked of a character, recorded as asked (before it is played
// or discarded), for tests to read.
struct LoggedRequest {
    enum class Kind { Show, Hide, Stop, StopAll, Pause, MoveTo, Speak, Play, BalloonStyle };

    QString character; // the id the character was loaded under
    Kind kind = Kind::Show;
    QString text = {};    // Speak: the text as given, tags included; Play: the gesture name
    QPoint position = {}; // MoveTo
    int style = 0;        // BalloonStyle

    // One line per request: "show", "speak Correct. \mrk=5\", "moveTo 535,410",
    // "balloonStyle 0x0220000F", "play Pleased", "stop", ...
    QString toString() const;
};

// The record a CharacterControl keeps of the requests to its characters.
class RequestLog {
public:
    void append(LoggedRequest request) { entries_.append(std::move(request)); }
    void clear() { entries_.clear(); }

    const QList<LoggedRequest>& entries() const { return entries_; }
    // Every entry as its toString() line, in order.
    QStringList lines() const;
    // The texts of the speak requests, in order.
    QStringList spokenTexts() const;

private:
    QList<LoggedRequest> entries_;
};

} // namespace speech
