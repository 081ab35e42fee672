#pragma once

#include <cstdint>
#include <string_view>

namespace dateinput {

// A date as the control keeps it: three signed 16-bit parts, 0 meaning blank.
struct DateParts {
    std::int16_t month = 0;
    std::int16_t day = 0;
    std::int16_t year = 0;

    bool anyBlank() const { return month == 0 || day == 0 || year == 0; }
    friend bool operator==(const DateParts&, const DateParts&) = default;
};

// The record the date normaliser works on: the month counts
// from 0, the year is the full year.
struct CalendarRecord {
    int day = 0;
    int month = 0;
    int year = 0;
    int weekday = -1;
};

// The first and last day numbers of the dates the control can hold
// (1 January 1 and 31 December 9999).
inline constexpr long firstJulianDay = 1721426;
inline constexpr long lastJulianDay = 5373484;

// 0 for a date with a blank part.
long DateToJulianDay(DateParts date);

// n = 0 is the blank date. A number outside the dates the control can hold
// answers false and leaves date unchanged.
bool julianDayToParts(long n, DateParts& date);

bool IsLeapYear(int year);

// The month's length by the calendar rules alone (0 for a month outside 1-12).
int monthLength(int month, int year);

// A day beyond the month's length becomes that length; other months are
// left alone.
void ClampDayToMonth(int month, std::int16_t& day, int year);

// The lowest and highest day, month and year a date may take.
struct PartBounds {
    int minDay, maxDay, minMonth, maxMonth, minYear, maxYear;
};

// A year at or past the last is the last year, and a date in its last month
// or beyond is held to that month and its last allowed day; the same
// downwards at the first year.
template <typename Part>
void holdToOuterBounds(Part& month, Part& day, Part& year, const PartBounds& b)
{
    if (year >= b.maxYear) {
        year = Part(b.maxYear);
        if (month >= b.maxMonth) {
            month = Part(b.maxMonth);
            if (day > b.maxDay)
                day = Part(b.maxDay);
        }
    }
    if (year <= b.minYear) {
        year = Part(b.minYear);
        if (month <= b.minMonth) {
            month = Part(b.minMonth);
            if (day < b.minDay)
                day = Part(b.minDay);
        }
    }
}

} // namespace dateinput
