#pragma once

#include "controls/dateinput/DateCalendar.h"
#include "controls/dateinput/DateFormats.h"
#include "controls/dateinput/IntlProfile.h"
#include "controls/dateinput/LanguageNames.h"

#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

namespace dateinput {

// What the engine asks of its surroundings. The date normaliser and the
// number reader are the suite runtime's (runtimeDateServices() hands them
// in), so every control carries dates and reads day numbers the same way;
// today defaults to the local clock.
struct DateServices {
    // Carries days and months over into months and years and fills in the
    // weekday (0 Sunday); -1 for a date outside the years 1 to 9999.
    std::function<int(CalendarRecord&)> normalise;
    // The signed decimal value at the start of a text, held at 32 bits.
    std::function<long(std::string_view)> numberFromText;
    std::function<DateParts()> today = localToday;
    IntlReader intl;
    // The CurrentYear setter's notice (the control marks itself modified and
    // announces the property); called whenever the engine stores the year.
    std::function<void(std::int16_t)> currentYearStored;

    static DateParts localToday();
};

// Results of reading a text.
inline constexpr int dateAccepted = 0;
inline constexpr int dateIncomplete = 1;
inline constexpr int dateInvalid = 380;

// How a text that reads as an invalid date is treated.
enum ParseMode {
    parsePlain = 0,        // refused
    parseInvalidToday = 1, // becomes today's date
    parseRepair = 2,       // the field to repair is put right
    parseNormalised = 3,   // taken as the normaliser carries it
};

// Where a text being read comes from. A typed digit before a separator is
// a day's tens still waiting for its ones ("1/" is the 10th to 19th); a text
// set or pasted from outside, or left by deleting a digit, is whole as it
// stands, so a lone digit there is the day itself ("1/" is the 1st).
enum class DayDigits { typed, given };

// One field of the displayed text.
struct DateField {
    int start = 0;
    int length = 0;
    bool editable = true;
    int kind = kindWeekday;
};

struct DateBounds {
    std::int16_t minDay = 1;
    std::int16_t maxDay = 31;
    std::int16_t minMonth = 1;
    std::int16_t maxMonth = 12;
    std::int16_t minYear = 0;
    std::int16_t maxYear = 9999;
};

// The date model of the date-input control: the date lives only in Text, and
// every operation reads it, changes the parts and writes them back in the
// current display format. One engine belongs to one control.
class DateEngine {
public:
    static constexpr int fieldSlots = 6;
    static constexpr std::size_t maxTextLength = 1024;

    explicit DateEngine(DateServices services);

    // ---- The control's state that the engine reads and writes ----
    std::string text;                // Text: the date as shown
    std::int16_t dateFormat = 0;     // DateFormat 0-7
    std::int16_t previousFormat = 0; // the format Text was last written in
    std::int16_t languageNumber = 0;
    bool allowBlank = false;
    bool readOnly = false;
    DateBounds bounds;
    bool zeroFlag = false;       // blank parts show as zeros
    bool incompleteFlag = false; // a text with a blank part is reported, not completed
    std::int16_t rememberedYear = 0;
    int fieldToRepair = -1;
    int currentField = 0;
    int caretOffset = 0;
    int caretPosition = 0;
    int selectionLength = 0;
    bool digitStarted = false; // a typed digit started a field that is not complete yet

    std::int16_t currentYear() const { return currentYear_; }
    void setCurrentYear(std::int16_t year);

    const std::array<DateField, fieldSlots>& fields() const { return fields_; }
    int fieldCount() const { return fieldCount_; }
    // The kind of the current field; -1 when the index lies outside the table.
    int currentKind() const;
    const LanguageNames& names() const { return names_; }
    const DateServices& services() const { return services_; }

    // ---- The engine ----
    void LoadLanguageNames();
    std::string FormatDateText(DateParts date);
    int ParseDateText(std::string_view given, DateParts& date, int mode);
    int ParseSetText(std::string_view given, DateParts& date, int mode);
    DateParts ParseEditText(std::string_view given, DayDigits day = DayDigits::typed);
    int ReformatText(int mode, DayDigits day = DayDigits::typed);
    void StepFieldAtCaret(int step);
    bool ValidateDate(DateParts& date, int mode);
    int DaysInMonth(int month, int year);
    std::int16_t WindowTwoDigitYear(int year);
    bool IsTwoDigitYearFormat(int format) const;
    bool JulianDayToDate(long n, DateParts& date);
    int WeekdayOf(DateParts date) const;

    // ---- Typing ----
    // Finds the field that holds the caret and the caret's offset in it; a
    // caret at the end of a field of two or more characters belongs to the
    // next field. A caret beyond every field leaves both as they were.
    void FindCaretField();
    // Moves a caret standing on a literal inside the text by the direction
    // until it reaches a field; a caret past the end goes to the end.
    void SkipToField(int direction);
    // Whether the character may go into the current field at the caret's
    // offset; it may change the character (a month name's first letter
    // becomes a capital) and the text (a whole month or day typed as one
    // digit, a month name completed). Sets the digit-started flag and the
    // field to repair.
    bool AcceptFieldChar(char& character);

    // Text for a caller's buffer of size bytes: as many characters as fit
    // with the terminating zero, which is always written (size > 0); answers
    // the characters copied.
    std::size_t copyTextTo(char* buffer, std::size_t size) const;

    // The pattern of a display format, with the long-date literals quoted.
    std::string patternOf(int format) const;
    char dateSeparator() const;

private:
    int readText(std::string_view given, DateParts& date, int mode, bool fromOutside, DayDigits day);
    int readJulian(std::string_view given, DateParts& date, int mode);
    int completeBlankDate(DateParts& date);
    int showToday(DateParts& date);
    void boundByKind(DateParts& date, int kind);
    bool repairField(DateParts& date);
    DateParts walkPattern(std::string& work, bool editing, bool fromOutside, DayDigits day);
    std::string tokenText(int kind, DateParts date) const;

    DateServices services_;
    LanguageNames names_;
    std::array<DateField, fieldSlots> fields_{};
    int fieldCount_ = 0;
    std::int16_t currentYear_ = 0;
};

} // namespace dateinput
