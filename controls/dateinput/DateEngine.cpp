#include "controls/dateinput/DateEngine.h"

#include <algorithm>
#include <ctime>

namespace dateinput {

DateParts DateServices::localToday()
{
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return {static_cast<std::int16_t>(local.tm_mon + 1), static_cast<std::int16_t>(local.tm_mday),
            static_cast<std::int16_t>(local.tm_year + 1900)};
}

DateEngine::DateEngine(DateServices services) : services_(std::move(services))
{
    // A new control shows today's date; its names come with its window.
    DateParts today;
    ParseDateText({}, today, parsePlain);
    currentYear_ = today.year;
    rememberedYear = today.year;
}

void DateEngine::setCurrentYear(std::int16_t year)
{
    currentYear_ = year;
    if (services_.currentYearStored)
        services_.currentYearStored(year);
}

int DateEngine::currentKind() const
{
    return currentField >= 0 && currentField < fieldSlots ? fields_[currentField].kind : -1;
}

void DateEngine::LoadLanguageNames()
{
    names_.load(languageNumber, services_.intl);
}

bool DateEngine::ValidateDate(DateParts& date, int mode)
{
    CalendarRecord record{date.day, date.month - 1, date.year, -1};
    if (services_.normalise(record) == -1)
        return false;
    const DateParts normal{static_cast<std::int16_t>(std::min(record.month + 1, 12)),
                           static_cast<std::int16_t>(std::min(record.day, 31)), static_cast<std::int16_t>(record.year)};
    if (mode == parseNormalised) {
        date = normal;
        setCurrentYear(date.year);
        return true;
    }
    setCurrentYear(date.year);
    return normal == date;
}

int DateEngine::DaysInMonth(int month, int year)
{
    for (int day = 31; day >= 28; --day) {
        DateParts date{static_cast<std::int16_t>(month), static_cast<std::int16_t>(day),
                       static_cast<std::int16_t>(year)};
        if (ValidateDate(date, parsePlain))
            return day;
    }
    return 27;
}

std::int16_t DateEngine::WindowTwoDigitYear(int year)
{
    if (!IsTwoDigitYearFormat(dateFormat))
        return static_cast<std::int16_t>(year);
    if (year == 0 && allowBlank)
        return 0;
    const int yy = ((year % 100) + 100) % 100;
    int made = 0;
    if (bounds.minYear % 100 <= yy)
        made = bounds.minYear / 100 * 100 + yy;
    else if (bounds.maxYear % 100 >= yy)
        made = bounds.maxYear / 100 * 100 + yy;
    else
        return bounds.minYear;
    setCurrentYear(static_cast<std::int16_t>(made));
    return made < bounds.minYear || made > bounds.maxYear ? bounds.minYear : static_cast<std::int16_t>(made);
}

bool DateEngine::JulianDayToDate(long n, DateParts& date)
{
    if (!julianDayToParts(n, date))
        return false;
    if (n != 0)
        setCurrentYear(date.year);
    return true;
}

int DateEngine::WeekdayOf(DateParts date) const
{
    if (date.anyBlank())
        return -1;
    CalendarRecord record{date.day, date.month - 1, date.year, -1};
    if (services_.normalise(record) == -1)
        return -1;
    return record.weekday >= 0 && record.weekday <= 6 ? record.weekday : -1;
}

std::size_t DateEngine::copyTextTo(char* buffer, std::size_t size) const
{
    if (buffer == nullptr || size == 0)
        return 0;
    const std::size_t count = std::min(text.size(), size - 1);
    text.copy(buffer, count);
    buffer[count] = '\0';
    return count;
}

int DateEngine::ReformatText(int mode, DayDigits day)
{
    std::string copy = text;
    if (previousFormat != dateFormat) {
        const std::int16_t current = dateFormat;
        dateFormat = previousFormat;
        DateParts date;
        readText(copy, date, mode, false, day);
        dateFormat = current;
        copy = FormatDateText(date);
    }
    previousFormat = dateFormat;

    DateParts date;
    const int result = readText(copy, date, mode, false, day);
    if (currentField < 0 || currentField >= fieldSlots)
        return result;
    if (result == dateAccepted) {
        while (currentField > 0 && fields_[currentField].length == 0)
            --currentField;
        caretOffset = std::min(caretOffset, fields_[currentField].length + 1);
    }
    caretPosition = fields_[currentField].start + caretOffset;
    return result;
}

} // namespace dateinput
