#pragma once

#include "controls/dateinput/IntlProfile.h"

#include <array>
#include <string>
#include <string_view>

namespace dateinput {

// LanguageNumber 0 to 17; the number is the index of the code in this table
// and 0 ("WWW") stands for the system's language.
inline constexpr int languageCodeCount = 18;
inline constexpr int systemLanguage = 0;
// The names shown when neither the number nor the system's language names a
// block of our own.
inline constexpr int fallbackLanguage = 4; // "ENU"

// The code of a language number ("WWW" to "SER"); "" outside 0 to 17.
std::string_view languageCode(int number);

// The number of a code compared without regard to case, "WWW" included;
// -1 for a text that is no code.
int languageNumberOfCode(std::string_view code);

// Single-byte (Windows Western) name slots of one control for its current
// language, filled from the library's own name blocks.
class LanguageNames {
public:
    static constexpr std::size_t weekdaySlot = 50;
    static constexpr std::size_t weekdayShortSlot = 3;
    static constexpr std::size_t monthSlot = 50;
    static constexpr std::size_t monthShortSlot = 10;

    // Fills the slots for the language number; 0 reads "sLanguage" from the
    // profile (default "ENU"). A number outside 0 to 17 or a system language
    // that is none of the codes shows the English names.
    void load(int languageNumber, const IntlReader& intl);

    // The language whose names the slots hold, 1 to 17; 0 before loading.
    int loadedLanguage() const { return loaded_; }

    // Weekday 0 (Sunday) to 6, month 1 to 12; "" outside and before loading.
    std::string_view weekday(int weekday) const;
    std::string_view weekdayShort(int weekday) const;
    std::string_view month(int month) const;
    std::string_view monthShort(int month) const;

    // The month whose loaded (short) name equals the text without regard to
    // case; 0 when none does.
    int MonthFromName(std::string_view text) const;
    int MonthFromShortName(std::string_view text) const;

private:
    int loaded_ = 0;
    std::array<std::string, 7> weekdays_;
    std::array<std::string, 7> weekdaysShort_;
    std::array<std::string, 12> months_;
    std::array<std::string, 12> monthsShort_;
};

// Single-byte texts equal without regard to case (ASCII and the accented
// letters of the Windows Western code page).
bool equalsIgnoringCase(std::string_view a, std::string_view b);

} // namespace dateinput
