#pragma once

#include "controls/runtime/RuntimeExport.h"

namespace qvrun {

// One date for the normaliser: the month counts from 0, the year is the full
// year. Days and months outside their range are carried (day 0 is the last
// day of the month before, month 12 is January of the next year).
struct DateRecord {
    int day = 0;
    int month = 0; // 0 to 11 once normalised
    int year = 0;
    int weekday = 0; // 0 Sunday to 6 Saturday, filled in
};

// Normalises the record in place and fills in the weekday: 0. Answers -1 and
// leaves the record untouched when the year, before or after carrying, lies
// outside 1 to 9999 (the calendar the controls know).
QVRUN_EXPORT int normalizeDate(DateRecord* date);

// The day number of a date of the Gregorian calendar, carried on before
// 1582 (1 January of year 1 is 1721426).
QVRUN_EXPORT long dayNumber(int year, int month, int day);

} // namespace qvrun
