#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace dateinput {

// Kinds of the fields of a displayed date, one per pattern token.
inline constexpr int kindWeekday = 0;        // dddd
inline constexpr int kindWeekdayShort = 1;   // ddd
inline constexpr int kindMonthShortName = 2; // MMM
inline constexpr int kindMonthName = 3;      // MMMM
inline constexpr int kindMonth2 = 4;         // MM
inline constexpr int kindMonth = 5;          // M
inline constexpr int kindYear4 = 6;          // yyyy
inline constexpr int kindYear2 = 7;          // yy
inline constexpr int kindDay2 = 8;           // dd
inline constexpr int kindDay = 9;            // d

inline bool isMonthKind(int kind)
{
    return kind >= kindMonthShortName && kind <= kindMonth;
}
inline bool isYearKind(int kind)
{
    return kind == kindYear4 || kind == kindYear2;
}
inline bool isDayKind(int kind)
{
    return kind == kindDay2 || kind == kindDay;
}
inline bool isWeekdayKind(int kind)
{
    return kind == kindWeekday || kind == kindWeekdayShort;
}

// DateFormatConstants
enum DateFormat {
    formatNormal = 0,
    formatJulian = 1,
    formatVerbose = 2,
    formatVww = 3,
    formatGeneral = 4,
    formatLongty = 5,
    formatMediumty = 6,
    formatShortty = 7,
};

inline constexpr std::string_view defaultShortDate = "M/d/yy";
inline constexpr std::string_view defaultLongDate = "dddd', 'MMMM' 'dd', 'yy";
inline constexpr std::size_t profilePatternLength = 50;

// The longest run of one token letter counted as one token.
inline constexpr int maxRunLength = 20;

// One step through a pattern.
struct PatternItem {
    enum Type { token, literal, other } type = other;
    int kind = 0;          // token: its kind
    int runLength = 0;     // token: its letters
    std::string_view text; // literal: the characters between the quotes; other: the character
    std::size_t next = 0;  // where the next item starts
};

// The item at pos (pos < pattern.size()). An unclosed quote runs to the end.
PatternItem readPatternItem(std::string_view pattern, std::size_t pos);

// A long-date pattern without quotes, with every literal run after a token
// quoted but for the date separator alone; a quote left open at the end
// stays open.
std::string quoteLongDateLiterals(std::string_view pattern, char separator);

// True when the pattern's first year token is shorter than three letters:
// such a year is shown with two digits.
bool hasTwoDigitYear(std::string_view pattern);

// The value of up to five characters, every non-digit replaced by "0" in the
// text itself; longer texts give 0, values past 16 bits stop at 32767.
std::int16_t ParseDigits(std::string& text);

} // namespace dateinput
