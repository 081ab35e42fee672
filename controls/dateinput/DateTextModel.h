#pragma once

#include <QByteArray>

#include <cstdint>

namespace qvindat {

// A date as the control holds it: 0 in a part means blank.
struct DateParts {
    std::int16_t month = 0;
    std::int16_t day = 0;
    std::int16_t year = 0;
};

// What the control asks of its date engine: the text of a date in a display
// format, and the language codes. The engine proper fills this in; until
// then the control runs on a stand-in that writes format 0 only and knows
// the codes.
class DateTextModel {
public:
    virtual ~DateTextModel() = default;

    virtual DateParts today() const = 0;
    // The display text of the date in the format; separator is the character
    // the control shows between the parts of format 0.
    virtual QByteArray formatDate(const DateParts& date, int format, char separator) const = 0;
    // The index of a language code (matched without regard to case), or -1.
    virtual int languageIndex(const QByteArray& code) const = 0;
    // The code of an index from 0 to languageCount() - 1, as the table spells it.
    virtual QByteArray languageCode(int index) const = 0;
    virtual int languageCount() const = 0;
};

} // namespace qvindat
