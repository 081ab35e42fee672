#include "controls/runtime/DateNormalizer.h"

#include <cstdint>

namespace qvrun {

namespace {

constexpr std::int64_t floorDiv(std::int64_t a, std::int64_t b)
{
    return a / b - (a % b != 0 && (a < 0) != (b < 0));
}

// Day number from a date, for any whole month and day (the classic integer
// formula, good for every year the controls allow).
constexpr std::int64_t toDayNumber(std::int64_t year, std::int64_t month, std::int64_t day)
{
    const std::int64_t a = floorDiv(14 - month, 12);
    const std::int64_t y = year + 4800 - a;
    const std::int64_t m = month + 12 * a - 3;
    return day + floorDiv(153 * m + 2, 5) + 365 * y + floorDiv(y, 4) - floorDiv(y, 100) + floorDiv(y, 400) - 32045;
}

constexpr void fromDayNumber(std::int64_t jdn, std::int64_t& year, std::int64_t& month, std::int64_t& day)
{
    const std::int64_t a = jdn + 32044;
    const std::int64_t b = floorDiv(4 * a + 3, 146097);
    const std::int64_t c = a - floorDiv(146097 * b, 4);
    const std::int64_t d = floorDiv(4 * c + 3, 1461);
    const std::int64_t e = c - floorDiv(1461 * d, 4);
    const std::int64_t m = floorDiv(5 * e + 2, 153);
    day = e - floorDiv(153 * m + 2, 5) + 1;
    month = m + 3 - 12 * floorDiv(m, 10);
    year = 100 * b + d - 4800 + floorDiv(m, 10);
}

constexpr bool inCalendar(std::int64_t year)
{
    return year >= 1 && year <= 9999;
}

} // namespace

long dayNumber(int year, int month, int day)
{
    return long(toDayNumber(year, month, day));
}

int normalizeDate(DateRecord* date)
{
    if (!date || !inCalendar(date->year))
        return -1;
    const std::int64_t monthIndex = std::int64_t(date->year) * 12 + date->month;
    const std::int64_t year = floorDiv(monthIndex, 12);
    const std::int64_t month = monthIndex - year * 12 + 1;
    if (!inCalendar(year))
        return -1;
    const std::int64_t jdn = toDayNumber(year, month, 1) + date->day - 1;
    std::int64_t y = 0, m = 0, d = 0;
    fromDayNumber(jdn, y, m, d);
    if (!inCalendar(y))
        return -1;
    date->year = int(y);
    date->month = int(m - 1);
    date->day = int(d);
    date->weekday = int((jdn + 1) % 7);
    return 0;
}

} // namespace qvrun
