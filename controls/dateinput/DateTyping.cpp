// Typing into the date field by field: which field holds the caret, how the
// caret passes the literals between fields, and which characters a field
// takes at each place.
#include "controls/dateinput/DateEngine.h"

#include <algorithm>
#include <functional>
#include <string>

namespace dateinput {

namespace {

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

bool between(char c, char lowest, char highest)
{
    return c >= lowest && c <= highest;
}

// The capital of a single-byte letter (ASCII and the accented letters of the
// Windows Western code page).
char toCapital(char c)
{
    const auto u = static_cast<unsigned char>(c);
    if (u >= 'a' && u <= 'z')
        return static_cast<char>(u - 32);
    if (u >= 0xE0 && u <= 0xFE && u != 0xF7)
        return static_cast<char>(u - 32);
    return c;
}

} // namespace

void DateEngine::FindCaretField()
{
    for (int i = 0; i < fieldSlots; ++i) {
        const DateField& field = fields_[i];
        const int end = field.start + field.length;
        if (end < caretPosition)
            continue;
        const bool nextExists = i + 1 < fieldSlots && fields_[i + 1].length > 0;
        if (caretPosition == end && field.length > 1 && nextExists) {
            currentField = i + 1;
            caretOffset = 0;
        } else {
            currentField = i;
            caretOffset = caretPosition - field.start;
        }
        return;
    }
}

void DateEngine::SkipToField(int direction)
{
    const int length = static_cast<int>(text.size());
    auto inAField = [this](int at) {
        for (const DateField& field : fields_)
            if (field.length > 0 && at >= field.start && at < field.start + field.length)
                return true;
        return false;
    };
    while (caretPosition > 0 && caretPosition < length && !inAField(caretPosition))
        caretPosition += direction;
    if (caretPosition > length)
        caretPosition = length;
}

bool DateEngine::AcceptFieldChar(char& c)
{
    digitStarted = false;
    fieldToRepair = -1;
    if (currentField < 0 || currentField >= fieldSlots)
        return false;
    const DateField field = fields_[currentField];
    // A text put back without being read again (Undo) may be shorter than
    // the table of the format now set: a field that starts past its end
    // takes nothing.
    if (field.start > static_cast<int>(text.size()))
        return false;
    const int offset = caretOffset;
    const int at = caretPosition;
    const char previous = at > 0 && at <= static_cast<int>(text.size()) ? text[static_cast<std::size_t>(at - 1)] : 0;

    // The first field after the current one of a kind; -1 when none follows.
    auto following = [this](const std::function<bool(int)>& ofKind) {
        for (int i = currentField + 1; i < fieldCount_ && i < fieldSlots; ++i)
            if (ofKind(fields_[i].kind))
                return i;
        return -1;
    };
    auto anywhere = [this](const std::function<bool(int)>& ofKind) {
        for (int i = 0; i < fieldCount_ && i < fieldSlots; ++i)
            if (ofKind(fields_[i].kind))
                return i;
        return -1;
    };
    // A month completed: the day after it is checked against it, else the year.
    auto repairAfterMonth = [&] {
        const int day = following(isDayKind);
        fieldToRepair = day >= 0 ? day : following(isYearKind);
    };
    auto repairAfterYear = [&] {
        const int day = following(isDayKind);
        fieldToRepair = day >= 0 ? day : following(isMonthKind);
    };
    // A one-digit month or day typed into a two-character field stands alone.
    auto dropNextInField = [&] {
        if (field.length == 2 && at + 1 < static_cast<int>(text.size()))
            text.erase(static_cast<std::size_t>(at + 1), 1);
    };
    auto laterMonthDigit = [&] {
        const bool ok = previous == '0' ? between(c, '1', '9') : between(c, '0', '2');
        if (ok)
            repairAfterMonth();
        return ok;
    };

    switch (field.kind) {
    case kindWeekday:
    case kindWeekdayShort:
        return false;
    case kindMonth2:
        if (offset == 0) {
            digitStarted = c == '0' || c == '1';
            return digitStarted;
        }
        return laterMonthDigit();
    case kindMonth:
        if (offset == 0) {
            if (c == '0' || c == '1') {
                digitStarted = true;
                return true;
            }
            if (!between(c, '2', '9'))
                return false;
            dropNextInField();
            repairAfterMonth();
            return true;
        }
        return laterMonthDigit();
    case kindYear4:
        if (!isDigit(c))
            return false;
        if (offset <= 2)
            digitStarted = true;
        else
            repairAfterYear();
        return true;
    case kindYear2:
        if (!isDigit(c))
            return false;
        if (offset == 0)
            digitStarted = true;
        else
            repairAfterYear();
        return true;
    case kindDay2:
    case kindDay: {
        // The highest day the month allows, as far as it is known yet.
        const DateParts parts = ParseEditText(text);
        const int month = anywhere(isMonthKind);
        int highest = 31;
        if (month > currentField) {
            fieldToRepair = month;
        } else if (parts.month == 2) {
            const int year = anywhere(isYearKind);
            if (parts.year == 0) {
                highest = 29;
            } else if (year > currentField) {
                highest = 29;
                fieldToRepair = year;
            } else {
                highest = DaysInMonth(2, parts.year);
            }
        } else if (parts.month == 4 || parts.month == 6 || parts.month == 9 || parts.month == 11) {
            highest = 30;
        }
        const char tens = static_cast<char>('0' + highest / 10);
        const char ones = static_cast<char>('0' + highest % 10);
        if (offset == 0) {
            if (between(c, '0', tens)) {
                digitStarted = true;
                return true;
            }
            if (field.kind == kindDay && isDigit(c)) {
                dropNextInField();
                fieldToRepair = currentField;
                return true;
            }
            return false;
        }
        if (previous >= tens)
            return between(c, '0', ones);
        return isDigit(c);
    }
    case kindMonthShortName:
    case kindMonthName: {
        const DateParts parts = ParseEditText(text);
        repairAfterMonth();
        if (offset > 5)
            return at < static_cast<int>(text.size()) && c == text[static_cast<std::size_t>(at)];
        if (offset == 0)
            c = toCapital(c);
        std::string prefix =
            text.substr(static_cast<std::size_t>(field.start), static_cast<std::size_t>(std::max(0, offset)));
        prefix += c;
        // With the 31st typed before the month, June cannot be meant.
        const int day = anywhere(isDayKind);
        const bool dayFirst = day >= 0 && day < currentField;
        int match = 0;
        for (int m = 1; m <= 12 && match == 0; ++m) {
            const std::string_view name = field.kind == kindMonthName ? names_.month(m) : names_.monthShort(m);
            if (name.substr(0, prefix.size()) != prefix)
                continue;
            if (parts.day == 31 && dayFirst && m == 6)
                continue;
            match = m;
        }
        if (match == 0)
            return false;
        DateParts date;
        const std::string shown = text;
        ParseDateText(shown, date, parsePlain);
        date.month = static_cast<std::int16_t>(match);
        text = FormatDateText(date);
        caretPosition = fields_[currentField].start + offset;
        return true;
    }
    default:
        return false;
    }
}

} // namespace dateinput
