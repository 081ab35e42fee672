#pragma once

#include <QString>
#include <QTime>

namespace forms {
class StatusBar;
}

namespace contents {

// How often the tables of contents look at the clock: often enough that the
// shown second is never late by a noticeable amount.
inline constexpr int clockInterval = 200;

// The time in the system's long time format, without a time zone.
QString clockText(const QTime& time);

// One tick of a contents window's clock: the status panel "Time" is
// rewritten only when the shown time changes.
void showClock(forms::StatusBar& status, const QTime& now = QTime::currentTime());

} // namespace contents
