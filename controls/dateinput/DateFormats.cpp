#include "controls/dateinput/DateFormats.h"

#include "controls/dateinput/DateEngine.h"

#include <algorithm>
#include <cstdio>

namespace dateinput {

namespace {

bool isTokenLetter(char c)
{
    return c == 'M' || c == 'd' || c == 'y';
}

// The letters the long-date rewrite treats as tokens, in either case.
bool isLongDateLetter(char c)
{
    return c == 'd' || c == 'D' || c == 'M' || c == 'm' || c == 'y' || c == 'Y';
}

bool isLetter(char c)
{
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

int kindOfRun(char letter, int length)
{
    switch (letter) {
    case 'M':
        return length == 3 ? kindMonthShortName : length == 4 ? kindMonthName : length == 2 ? kindMonth2 : kindMonth;
    case 'd':
        return length == 2 ? kindDay2 : length == 3 ? kindWeekdayShort : length == 4 ? kindWeekday : kindDay;
    default:
        return length < 3 ? kindYear2 : kindYear4;
    }
}

// A number in "%2d" or "%4d" with the padding blanks shown as zeros.
std::string zeroPadded(int value, int width)
{
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "%*d", width, value);
    std::string text(buffer);
    std::replace(text.begin(), text.end(), ' ', '0');
    return text;
}

} // namespace

PatternItem readPatternItem(std::string_view pattern, std::size_t pos)
{
    PatternItem item;
    const char c = pattern[pos];
    if (isTokenLetter(c)) {
        std::size_t end = pos;
        while (end < pattern.size() && pattern[end] == c && int(end - pos) < maxRunLength)
            ++end;
        item.type = PatternItem::token;
        item.runLength = int(end - pos);
        item.kind = kindOfRun(c, item.runLength);
        item.next = end;
    } else if (c == '\'') {
        const std::size_t close = pattern.find('\'', pos + 1);
        const std::size_t end = close == std::string_view::npos ? pattern.size() : close;
        item.type = PatternItem::literal;
        item.text = pattern.substr(pos + 1, end - pos - 1);
        item.next = close == std::string_view::npos ? pattern.size() : close + 1;
    } else {
        item.type = PatternItem::other;
        item.text = pattern.substr(pos, 1);
        item.next = pos + 1;
    }
    return item;
}

std::string quoteLongDateLiterals(std::string_view pattern, char separator)
{
    std::string quoted;
    bool afterToken = false;
    bool open = false;
    for (const char c : pattern) {
        if (isLongDateLetter(c)) {
            if (open)
                quoted += '\'';
            open = false;
            afterToken = true;
        } else {
            if (afterToken && !isLetter(c) && c != separator && c != '\'') {
                quoted += '\'';
                open = true;
            }
            afterToken = false;
        }
        quoted += c;
    }
    return quoted;
}

bool hasTwoDigitYear(std::string_view pattern)
{
    // The first year token decides; a "y" inside quotes is text, not a year.
    for (std::size_t pos = 0; pos < pattern.size();) {
        const PatternItem item = readPatternItem(pattern, pos);
        if (item.type == PatternItem::token && (item.kind == kindYear2 || item.kind == kindYear4))
            return item.kind == kindYear2;
        pos = item.next;
    }
    return false;
}

std::int16_t ParseDigits(std::string& text)
{
    if (text.size() > 5)
        return 0;
    int value = 0;
    for (char& c : text) {
        if (c < '0' || c > '9')
            c = '0';
        value = value * 10 + (c - '0');
    }
    // Five digits reach past 16 bits; a part that large is simply too large,
    // never a negative one.
    return static_cast<std::int16_t>(std::min(value, 32767));
}

char DateEngine::dateSeparator() const
{
    const std::string separator = intlText(services_.intl, "sDate", "/", 1);
    return separator.empty() ? '/' : separator[0];
}

std::string DateEngine::patternOf(int format) const
{
    switch (format) {
    case formatJulian:
        return {};
    case formatVerbose:
        return "MMMM' 'd', 'yyyy";
    case formatVww:
        return "dddd', 'MMMM' 'd', 'yyyy";
    case formatGeneral:
    case formatShortty:
        return intlText(services_.intl, "sShortDate", defaultShortDate, profilePatternLength);
    case formatLongty: {
        std::string pattern = intlText(services_.intl, "sLongDate", defaultLongDate, profilePatternLength);
        if (pattern.find('\'') == std::string::npos)
            pattern = quoteLongDateLiterals(pattern, dateSeparator());
        return pattern;
    }
    case formatMediumty:
        return "dd'-'MMM'-'yy";
    default:
        return "MM/dd/yyyy";
    }
}

bool DateEngine::IsTwoDigitYearFormat(int format) const
{
    switch (format) {
    case formatMediumty:
        return true;
    case formatGeneral:
    case formatShortty:
        return hasTwoDigitYear(intlText(services_.intl, "sShortDate", defaultShortDate, profilePatternLength));
    case formatLongty:
        return hasTwoDigitYear(intlText(services_.intl, "sLongDate", defaultLongDate, profilePatternLength));
    default:
        return false;
    }
}

std::string DateEngine::tokenText(int kind, DateParts date) const
{
    const bool blanks = allowBlank && !zeroFlag;
    auto blankOr = [&](std::string_view blank, std::string_view zeros) { return std::string(blanks ? blank : zeros); };
    switch (kind) {
    case kindMonth:
        return date.month == 0 ? blankOr(" ", "0") : std::to_string(date.month);
    case kindMonth2:
        return date.month == 0 ? blankOr("  ", "00") : zeroPadded(date.month, 2);
    case kindMonthShortName:
        return date.month == 0 ? std::string("   ") : std::string(names_.monthShort(date.month));
    case kindMonthName:
        return date.month == 0 ? std::string("    ") : std::string(names_.month(date.month));
    case kindDay:
        return date.day == 0 ? blankOr(" ", "0") : std::to_string(date.day);
    case kindDay2:
        return date.day == 0 ? blankOr("  ", "00") : zeroPadded(date.day, 2);
    case kindWeekdayShort:
    case kindWeekday: {
        const int weekday = WeekdayOf(date);
        if (weekday < 0)
            return kind == kindWeekday ? "WeekDay" : "Day";
        return std::string(kind == kindWeekday ? names_.weekday(weekday) : names_.weekdayShort(weekday));
    }
    case kindYear2:
        return date.year == 0 ? blankOr("  ", "00") : zeroPadded(((date.year % 100) + 100) % 100, 2);
    default:
        return date.year == 0 ? blankOr("    ", "0000") : zeroPadded(date.year, 4);
    }
}

std::string DateEngine::FormatDateText(DateParts date)
{
    for (DateField& field : fields_) {
        field.start = 0;
        field.length = 0;
        field.editable = true;
    }
    fieldCount_ = 0;
    const char separator = dateSeparator();

    if (dateFormat == formatJulian) {
        std::string number = std::to_string(DateToJulianDay(date));
        fields_[0].length = int(number.size());
        fields_[0].kind = kindMonth2;
        fieldCount_ = 1;
        currentField = 0;
        return number;
    }

    const std::string pattern = patternOf(dateFormat);
    std::string shown;
    for (std::size_t pos = 0; pos < pattern.size();) {
        const PatternItem item = readPatternItem(pattern, pos);
        pos = item.next;
        switch (item.type) {
        case PatternItem::token: {
            const std::string piece = tokenText(item.kind, date);
            // Tokens past the table's six fields are shown but cannot be
            // reached as fields.
            if (fieldCount_ < fieldSlots) {
                DateField& field = fields_[fieldCount_++];
                field.start = int(shown.size());
                field.length = int(piece.size());
                field.editable = !isWeekdayKind(item.kind);
                field.kind = item.kind;
            }
            shown += piece;
            break;
        }
        case PatternItem::literal:
            shown += item.text;
            break;
        case PatternItem::other:
            if (item.text[0] == separator || (dateFormat == formatNormal && item.text[0] == '/'))
                shown += separator;
            break;
        }
    }
    if (shown.size() > maxTextLength)
        shown.resize(maxTextLength);
    return shown;
}

} // namespace dateinput
