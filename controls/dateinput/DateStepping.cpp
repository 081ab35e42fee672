#include "controls/dateinput/DateEngine.h"

#include <algorithm>

namespace dateinput {

namespace {

// The bounds as stepping uses them. A bound of 0 would step a part into
// blank, which ends all further stepping, so the lowest part stepped to is 1.
using StepBounds = PartBounds;

StepBounds stepBounds(const DateBounds& b)
{
    return {std::max<int>(b.minDay, 1), b.maxDay, std::max<int>(b.minMonth, 1), b.maxMonth, std::max<int>(b.minYear, 1),
            std::max<int>(b.maxYear, 1)};
}

struct Date {
    int month, day, year;
};

// The month one higher, wrapping into the next year; past the last year the
// date stays in the last month at its first day.
void monthUp(Date& d, const StepBounds& b)
{
    if (++d.month <= b.maxMonth)
        return;
    if (d.year + 1 > b.maxYear) {
        d.month = b.maxMonth;
        d.day = b.minDay;
        return;
    }
    d.month = b.minMonth;
    ++d.year;
}

// The month one lower, wrapping into the year before; before the first year
// the date stays in the first month at its last day.
void monthDown(Date& d, const StepBounds& b)
{
    if (--d.month >= b.minMonth)
        return;
    if (d.year - 1 < b.minYear) {
        d.month = b.minMonth;
        d.day = std::min(b.maxDay, monthLength(d.month, d.year));
        return;
    }
    d.month = b.maxMonth;
    --d.year;
}

void stepDay(Date& d, int step, const StepBounds& b)
{
    d.day += step;
    if (step > 0 && (d.day > b.maxDay || d.day > monthLength(d.month, d.year))) {
        d.day = b.minDay;
        monthUp(d, b);
    } else if (step < 0 && d.day < b.minDay) {
        d.day = b.maxDay;
        monthDown(d, b);
        d.day = std::min(d.day, monthLength(d.month, d.year));
    }
}

void stepMonth(Date& d, int step, const StepBounds& b)
{
    d.month += step;
    if (d.month > b.maxMonth) {
        if (d.year + 1 > b.maxYear) {
            d.month = b.maxMonth;
        } else {
            d.month = b.minMonth;
            ++d.year;
        }
    } else if (d.month < b.minMonth) {
        if (d.year - 1 < b.minYear) {
            d.month = b.minMonth;
        } else {
            d.month = b.maxMonth;
            --d.year;
        }
    }
    if (d.month != 2)
        d.day = std::clamp(d.day, b.minDay, std::max(b.minDay, b.maxDay));
    d.day = std::min(d.day, monthLength(d.month, d.year));
}

// The day is limited to its month as well, so 29 February stepped into a
// common year shows 28 February rather than a date that is not there.
void stepYear(Date& d, int step, const StepBounds& b)
{
    d.year += step;
    holdToOuterBounds(d.month, d.day, d.year, b);
    d.day = std::min(d.day, monthLength(d.month, d.year));
}

} // namespace

void DateEngine::StepFieldAtCaret(int step)
{
    rememberedYear = currentYear_;
    if (readOnly || selectionLength != 0)
        return;

    DateParts parts;
    ParseDateText(text, parts, parsePlain);
    // A two-digit display lost the century: the year shown below 100 is
    // taken in the 1900s, and the century the date had before the step is
    // kept. A four-digit display shows the whole year, which stands as read.
    int year = parts.year;
    const bool twoDigits = IsTwoDigitYearFormat(dateFormat);
    if (twoDigits && (dateFormat == formatGeneral || dateFormat == formatMediumty || dateFormat == formatShortty)
        && year < 100)
        year += 1900;
    if (twoDigits && rememberedYear > year && step != 0)
        year = rememberedYear;
    else
        rememberedYear = static_cast<std::int16_t>(year);
    if (parts.month == 0 || parts.day == 0 || year == 0)
        return;

    const StepBounds b = stepBounds(bounds);
    Date d{parts.month, parts.day, year};
    const int kind = currentKind();
    if (isDayKind(kind) || isWeekdayKind(kind))
        stepDay(d, step, b);
    else if (isMonthKind(kind))
        stepMonth(d, step, b);
    else if (isYearKind(kind))
        stepYear(d, step, b);

    const DateParts stepped{static_cast<std::int16_t>(d.month), static_cast<std::int16_t>(d.day),
                            static_cast<std::int16_t>(d.year)};
    text = FormatDateText(stepped);
    if (currentField >= 0 && currentField < fieldSlots)
        caretPosition = fields_[currentField].start + caretOffset;
    rememberedYear = stepped.year;
    setCurrentYear(stepped.year);
}

} // namespace dateinput
