#include "controls/dateinput/DateCalendar.h"

#include <climits>
#include <cstdint>

namespace dateinput {

long DateToJulianDay(DateParts date)
{
    if (date.anyBlank())
        return 0;
    long c = date.year;
    long f = date.month;
    if (date.month == 1 || date.month == 2) {
        c -= 1;
        f += 9;
    } else {
        f -= 3;
    }
    return (c % 100) * 1461 / 4 + (153 * f + 2) / 5 + (c / 100) * 146097 / 4 + date.day + 1721119;
}

bool julianDayToParts(long n, DateParts& date)
{
    if (n == 0) {
        date = {};
        return true;
    }
    if (n < firstJulianDay || n > lastJulianDay)
        return false;
    const long j = 4 * n - 6884477;
    const long a = j / 146097;
    const long d = (j - 146097 * a) / 4;
    const long b = (4 * d + 3) / 1461;
    const long e = ((4 * d + 3 - 1461 * b + 4) / 4) * 5;
    const long m = (e - 3) / 153;
    date.day = static_cast<std::int16_t>((e - 153 * m + 2) / 5);
    date.month = static_cast<std::int16_t>(m <= 9 ? m + 3 : m - 9);
    date.year = static_cast<std::int16_t>(100 * a + b + (m > 9 ? 1 : 0));
    return true;
}

bool IsLeapYear(int year)
{
    return year % 400 == 0 || (year % 4 == 0 && year % 100 != 0);
}

int monthLength(int month, int year)
{
    switch (month) {
    case 2:
        return IsLeapYear(year) ? 29 : 28;
    case 4:
    case 6:
    case 9:
    case 11:
        return 30;
    default:
        return month >= 1 && month <= 12 ? 31 : 0;
    }
}

void ClampDayToMonth(int month, std::int16_t& day, int year)
{
    const int length = monthLength(month, year);
    if (length > 0 && day > length)
        day = static_cast<std::int16_t>(length);
}

} // namespace dateinput
