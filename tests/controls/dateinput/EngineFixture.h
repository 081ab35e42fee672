#pragma once

#include "controls/dateinput/DateEngine.h"
#include "controls/dateinput/RuntimeDateServices.h"

#include <QByteArray>
#include <QMetaType>
#include <QString>

#include <map>
#include <optional>
#include <string>
#include <vector>

namespace enginetest {

// Every test runs on the same day, so completions from today are known.
inline constexpr dateinput::DateParts fixedToday{6, 15, 2003};

// An engine on a profile the test fills (missing keys take their defaults),
// with today fixed and every stored CurrentYear recorded.
class TestEngine {
public:
    explicit TestEngine(int format = dateinput::formatNormal) : engine(services())
    {
        engine.dateFormat = static_cast<std::int16_t>(format);
        engine.previousFormat = engine.dateFormat;
        engine.LoadLanguageNames();
    }
    TestEngine(const TestEngine&) = delete;
    TestEngine& operator=(const TestEngine&) = delete;

    std::map<std::string, std::string, std::less<>> intl;
    std::vector<std::int16_t> yearsStored;
    dateinput::DateEngine engine;

    // Shows the text as the control would after reading it, with the field
    // table of the current format.
    void show(const std::string& text)
    {
        dateinput::DateParts date;
        engine.text.clear();
        engine.ParseDateText(text, date, dateinput::parseNormalised);
    }

private:
    dateinput::DateServices services()
    {
        dateinput::DateServices s = dateinput::runtimeDateServices();
        s.today = [] { return fixedToday; };
        s.intl = [this](std::string_view key) -> std::optional<std::string> {
            const auto it = intl.find(key);
            if (it == intl.end())
                return std::nullopt;
            return it->second;
        };
        s.currentYearStored = [this](std::int16_t year) { yearsStored.push_back(year); };
        return s;
    }
};

// The single-byte text of a name written in this file's UTF-8.
inline std::string single(const char* utf8) { return QString::fromUtf8(utf8).toLatin1().toStdString(); }

// A single-byte text shown readably in a failed comparison.
inline QString readable(const std::string& text) { return QString::fromLatin1(text.data(), qsizetype(text.size())); }

} // namespace enginetest

namespace dateinput {
// Dates in failed comparisons, as month/day/year.
inline char* toString(const DateParts& date)
{
    return qstrdup(QByteArray::number(date.month) + '/' + QByteArray::number(date.day) + '/' +
                   QByteArray::number(date.year));
}
} // namespace dateinput

Q_DECLARE_METATYPE(dateinput::DateParts)
