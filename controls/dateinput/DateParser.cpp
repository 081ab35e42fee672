#include "controls/dateinput/DateEngine.h"

#include <algorithm>

namespace dateinput {

namespace {

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

// Names are read as every character from "A" up, accented letters included.
bool isNameChar(char c)
{
    return static_cast<unsigned char>(c) >= 65;
}

std::string_view takeNameChars(const std::string& work, std::size_t& at)
{
    const std::size_t from = at;
    while (at < work.size() && isNameChar(work[at]))
        ++at;
    return std::string_view(work).substr(from, at - from);
}

void skipBlanks(const std::string& work, std::size_t& at)
{
    while (at < work.size() && work[at] == ' ')
        ++at;
}

// A day given from outside as one digit before anything else: that digit
// alone is the day, not the tens of one.
bool loneDayDigit(const std::string& work, std::size_t at)
{
    return at + 1 < work.size() && isDigit(work[at]) && !isDigit(work[at + 1]);
}

// A day left short of two characters: a missing day before a "/" becomes
// "00". A single typed digit before a "/" gets its zero after it when it is
// 0-3, which begin a two-digit day, and before any other; a single digit
// given from outside is the whole day, whatever follows it, and always gets
// its zero before it. The rest of the text is kept whole, so a pattern with
// more after the day loses nothing.
void repairShortDay(std::string& work, std::size_t at, DayDigits day)
{
    if (at < work.size() && work[at] == '/') {
        work.insert(at, "00");
    } else if (day == DayDigits::given) {
        if (loneDayDigit(work, at))
            work.insert(at, "0");
    } else if (at + 1 < work.size() && work[at + 1] == '/') {
        const char c = work[at];
        work.insert(c >= '0' && c <= '3' ? at + 1 : at, "0");
    }
}

// A part held between two bounds. Bounds that cross (a lowest above the
// highest) hold it at the highest rather than leave the result undefined.
template <typename T>
std::int16_t clampPart(T value, int low, int high)
{
    return static_cast<std::int16_t>(std::min<int>(std::max<int>(value, low), high));
}

} // namespace

int DateEngine::ParseDateText(std::string_view given, DateParts& date, int mode)
{
    return readText(given, date, mode, false, DayDigits::typed);
}

int DateEngine::ParseSetText(std::string_view given, DateParts& date, int mode)
{
    return readText(given, date, mode, true, DayDigits::given);
}

DateParts DateEngine::ParseEditText(std::string_view given, DayDigits day)
{
    DateParts date;
    if (given.empty()) {
        if (!allowBlank)
            date = services_.today();
    } else if (dateFormat == formatJulian) {
        JulianDayToDate(services_.numberFromText(given), date);
    } else {
        std::string work(given.substr(0, maxTextLength));
        date = walkPattern(work, true, false, day);
    }
    setCurrentYear(date.year);
    return date;
}

DateParts DateEngine::walkPattern(std::string& work, bool editing, bool fromOutside, DayDigits day)
{
    DateParts date;
    const std::string pattern = patternOf(dateFormat);
    const bool patternBeginsWithYear = !pattern.empty() && pattern[0] == 'y';
    std::size_t at = 0;

    for (std::size_t pos = 0; pos < pattern.size();) {
        const PatternItem item = readPatternItem(pattern, pos);
        pos = item.next;
        if (item.type == PatternItem::literal) {
            for (std::size_t i = 0; i < item.text.size() && at < work.size(); ++i) {
                // The long formats were typed with "/" between their parts;
                // such a "/" stands for the literal and is read as it comes.
                const bool slashStays =
                    !editing && (dateFormat == formatVww || dateFormat == formatLongty) && work[at] == '/';
                if (!slashStays)
                    ++at;
            }
            continue;
        }
        if (item.type == PatternItem::other) {
            if (at < work.size())
                ++at;
            continue;
        }

        switch (item.kind) {
        case kindMonth:
        case kindMonth2: {
            std::string digits;
            while (at < work.size() && (isDigit(work[at]) || work[at] == ' '))
                digits += work[at++];
            date.month = ParseDigits(digits);
            break;
        }
        case kindMonthShortName:
            date.month = static_cast<std::int16_t>(names_.MonthFromShortName(takeNameChars(work, at)));
            break;
        case kindMonthName:
            if (allowBlank)
                skipBlanks(work, at);
            date.month = static_cast<std::int16_t>(names_.MonthFromName(takeNameChars(work, at)));
            break;
        case kindDay: {
            std::string digits;
            while (at < work.size() && (isDigit(work[at]) || (work[at] == ' ' && digits.size() < 2)))
                digits += work[at++];
            date.day = ParseDigits(digits);
            break;
        }
        case kindDay2: {
            if (!editing) {
                repairShortDay(work, at, day);
                if (work.size() > maxTextLength)
                    work.resize(maxTextLength);
            }
            const std::size_t whole = editing && day == DayDigits::given && loneDayDigit(work, at) ? 1 : 2;
            const std::size_t length = std::min<std::size_t>(whole, work.size() - std::min(at, work.size()));
            std::string digits = work.substr(std::min(at, work.size()), length);
            at += length;
            date.day = ParseDigits(digits);
            break;
        }
        case kindWeekdayShort:
            takeNameChars(work, at);
            break;
        case kindWeekday: {
            if (allowBlank)
                skipBlanks(work, at);
            const std::size_t from = at;
            const std::size_t letters = takeNameChars(work, at).size();
            // A weekday name that ends in a blank ("Domingo ") is passed over
            // whole, or the blank would be taken for the literal after it and
            // the month that follows would read as blank.
            for (int weekday = 0; weekday < 7; ++weekday) {
                const std::string_view name = names_.weekday(weekday);
                if (name.size() > letters && equalsIgnoringCase(std::string_view(work).substr(from, name.size()), name))
                    at = from + name.size();
            }
            break;
        }
        default: { // the year
            std::string digits;
            while (at < work.size()) {
                const char c = work[at];
                if (isDigit(c)) {
                    digits += c;
                    ++at;
                } else if (c == ' ' && int(digits.size()) < item.runLength && (editing || patternBeginsWithYear)) {
                    digits += c;
                    ++at;
                } else {
                    if (c == ' ')
                        ++at;
                    break;
                }
            }
            if (fromOutside)
                zeroFlag = digits.find('0') != std::string::npos;
            date.year = WindowTwoDigitYear(ParseDigits(digits));
            break;
        }
        }
    }
    return date;
}

int DateEngine::readText(std::string_view given, DateParts& date, int mode, bool fromOutside, DayDigits day)
{
    if (given.empty()) {
        date = allowBlank ? DateParts{} : services_.today();
        text = FormatDateText(date);
        return dateAccepted;
    }
    if (dateFormat == formatJulian)
        return readJulian(given, date, mode);

    std::string work(given.substr(0, maxTextLength));
    date = walkPattern(work, false, fromOutside, day);
    if (date.anyBlank())
        return completeBlankDate(date);

    if (ValidateDate(date, mode)) {
        boundByKind(date, currentKind());
        text = FormatDateText(date);
        return dateAccepted;
    }
    if (mode == parseInvalidToday)
        return showToday(date);
    if (mode == parseRepair && repairField(date)) {
        text = FormatDateText(date);
        setCurrentYear(date.year);
        return dateAccepted;
    }
    return dateInvalid;
}

// Julian numbers are written only once they read as a date, and then in
// their own plain form; a refused number leaves Text as it was.
int DateEngine::readJulian(std::string_view given, DateParts& date, int mode)
{
    DateParts read;
    if (JulianDayToDate(services_.numberFromText(given), read)) {
        if (read.anyBlank()) {
            date = read;
            return completeBlankDate(date);
        }
        DateParts checked = read;
        if (ValidateDate(checked, mode)) {
            date = checked;
            text = FormatDateText(date);
            return dateAccepted;
        }
    }
    if (mode == parseInvalidToday)
        return showToday(date);
    date = read;
    return dateInvalid;
}

int DateEngine::showToday(DateParts& date)
{
    date = services_.today();
    text = FormatDateText(date);
    return dateAccepted;
}

int DateEngine::completeBlankDate(DateParts& date)
{
    if (incompleteFlag)
        return dateIncomplete;
    if (!allowBlank) {
        const DateParts today = services_.today();
        if (date.day == 0)
            date.day = today.day;
        if (date.month == 0)
            date.month = today.month;
        if (date.year == 0 && !IsTwoDigitYearFormat(dateFormat))
            date.year = today.year;
    }
    date.month = clampPart(date.month, 0, 12);
    date.day = clampPart(date.day, 0, 31);
    text = FormatDateText(date);
    return dateAccepted;
}

// A valid date held to the bounds, by the field being edited. The day is
// then limited to its month, so a bound never shows an impossible date.
void DateEngine::boundByKind(DateParts& date, int kind)
{
    const DateBounds& b = bounds;
    if (isMonthKind(kind)) {
        date.month = clampPart(date.month, 1, 12);
        if (date.year >= b.maxYear) {
            date.year = b.maxYear;
            date.month = std::min(date.month, b.maxMonth);
        }
        if (date.year <= b.minYear) {
            date.year = b.minYear;
            date.month = std::max(date.month, b.minMonth);
        }
    } else if (isYearKind(kind)) {
        date.year = clampPart(date.year, b.minYear, b.maxYear);
    } else if (isDayKind(kind)) {
        date.day = clampPart(date.day, 1, DaysInMonth(date.month, date.year));
        holdToOuterBounds(date.month, date.day, date.year,
                          {b.minDay, b.maxDay, b.minMonth, b.maxMonth, b.minYear, b.maxYear});
    } else {
        return;
    }
    ClampDayToMonth(date.month, date.day, date.year);
}

bool DateEngine::repairField(DateParts& date)
{
    const int index = fieldToRepair >= 0 ? fieldToRepair : currentField;
    const int kind = index >= 0 && index < fieldSlots ? fields_[index].kind : -1;
    DateParts r = date;
    auto valid = [this](DateParts candidate) { return ValidateDate(candidate, parseRepair); };
    auto repairYear = [&] {
        r.year = clampPart(r.year, bounds.minYear, bounds.maxYear);
        for (int i = 0; i < 4 && !valid(r) && r.month == 2 && r.day == 29; ++i)
            --r.year;
    };

    if (isMonthKind(kind)) {
        r.month = clampPart(r.month, 1, 12);
        if (r.year == bounds.maxYear && r.month > bounds.maxMonth)
            r.month = bounds.maxMonth;
        if (!valid(r)) {
            if (r.day == 31) {
                r.month = 1;
            } else if (r.day == 30) {
                r.month = 4;
            } else {
                r.month = 2;
                repairYear();
            }
        }
    } else if (isYearKind(kind)) {
        repairYear();
    } else if (isDayKind(kind)) {
        r.day = clampPart(r.day, 1, DaysInMonth(r.month, r.year));
        if (r.year == bounds.maxYear && r.month == bounds.maxMonth)
            r.day = std::min(r.day, bounds.maxDay);
    } else {
        return false;
    }
    if (!valid(r))
        return false;
    date = r;
    return true;
}

} // namespace dateinput
