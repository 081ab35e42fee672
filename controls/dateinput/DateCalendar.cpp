#include "controls/dateinput/DateCalendar.h"

#include <climits>
#include <cstdint>

namespace dateinput {

namespace {

std::int64_t floorDiv(std::int64_t a, std::int64_t b)
{
    std::int64_t q = a / b;
    if ((a % b != 0) && ((a < 0) != (b < 0)))
        --q;
    return q;
}

std::int64_t floorMod(std::int64_t a, std::int64_t b) { return a - floorDiv(a, b) * b; }

// Days since 1 January 1970 of a Gregorian date, month 1-12.
std::int64_t daysFromCivil(std::int64_t y, int m, int d)
{
    y -= m <= 2;
    const std::int64_t era = floorDiv(y, 400);
    const std::int64_t yoe = y - era * 400;
    const std::int64_t doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const std::int64_t doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + doe - 719468;
}

void civilFromDays(std::int64_t z, std::int64_t& y, int& m, int& d)
{
    z += 719468;
    const std::int64_t era = floorDiv(z, 146097);
    const std::int64_t doe = z - era * 146097;
    const std::int64_t yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const std::int64_t doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const std::int64_t mp = (5 * doy + 2) / 153;
    d = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
    m = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
    y = yoe + era * 400 + (m <= 2);
}

} // namespace

int normaliseDate(CalendarRecord& record)
{
    const std::int64_t year = std::int64_t(record.year) + floorDiv(record.month, 12);
    const int month = static_cast<int>(floorMod(record.month, 12)) + 1;
    if (year < 1 || year > 9999)
        return -1;
    const std::int64_t days = daysFromCivil(year, month, 1) + (std::int64_t(record.day) - 1);
    std::int64_t y = 0;
    int m = 0;
    int d = 0;
    civilFromDays(days, y, m, d);
    if (y < 1 || y > 9999)
        return -1;
    record.day = d;
    record.month = m - 1;
    record.year = static_cast<int>(y);
    record.weekday = static_cast<int>(floorMod(days + 4, 7)); // 1 January 1970 was a Thursday
    return 0;
}

long numberFromText(std::string_view text)
{
    std::size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t'))
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '-' || text[i] == '+'))
        negative = text[i++] == '-';
    std::int64_t value = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
        value = value * 10 + (text[i] - '0');
        if (value > std::int64_t(INT32_MAX) + 1)
            value = std::int64_t(INT32_MAX) + 1;
    }
    if (negative)
        value = -value;
    if (value > INT32_MAX)
        value = INT32_MAX;
    return static_cast<long>(value);
}

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

bool IsLeapYear(int year) { return year % 400 == 0 || (year % 4 == 0 && year % 100 != 0); }

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
