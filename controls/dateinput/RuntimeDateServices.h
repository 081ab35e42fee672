#pragma once

#include "controls/dateinput/DateEngine.h"
#include "controls/runtime/DateNormalizer.h"
#include "controls/runtime/TextBuffer.h"

#include <string>

namespace dateinput {

// The engine's services with the suite runtime's date normaliser and number
// reader, so the control and every test carry dates the one way.
inline DateServices runtimeDateServices()
{
    DateServices services;
    services.normalise = [](CalendarRecord& record) {
        qvrun::DateRecord date{record.day, record.month, record.year, record.weekday};
        const int result = qvrun::normalizeDate(&date);
        if (result == 0)
            record = {date.day, date.month, date.year, date.weekday};
        return result;
    };
    services.numberFromText = [](std::string_view text) {
        return long(qvrun::numberFromText(std::string(text).c_str()));
    };
    return services;
}

} // namespace dateinput
