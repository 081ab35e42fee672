// The date parser under a fuzzer: any bytes as the text, and the first bytes
// choosing the format, the flags, the mode, the bounds (crossed ones too),
// the language and a profile pattern, so quotes left open, runs of any
// length and more tokens than fields are all tried. Shared by the libFuzzer
// build and the replay test.
#include "controls/dateinput/DateEngine.h"
#include "controls/dateinput/RuntimeDateServices.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <iterator>
#include <string>
#include <string_view>

namespace {

using namespace dateinput;

void require(bool condition)
{
    if (!condition)
        std::abort();
}

// A date that was just accepted is shown whole, with every field inside it.
void checkShown(const DateEngine& engine, int result)
{
    require(result == dateAccepted || result == dateIncomplete || result == dateInvalid);
    require(engine.text.size() <= DateEngine::maxTextLength);
    if (result != dateAccepted)
        return;
    require(engine.fieldCount() >= 0 && engine.fieldCount() <= DateEngine::fieldSlots);
    for (int i = 0; i < engine.fieldCount(); ++i) {
        const DateField& field = engine.fields()[i];
        require(field.start >= 0 && field.length >= 0);
        require(std::size_t(field.start + field.length) <= engine.text.size());
    }
}

DateBounds boundsFor(std::uint8_t choice)
{
    // Day, month and year limits, lowest and highest of each.
    static constexpr DateBounds choices[] = {
        {},
        {1, 31, 1, 12, 1950, 2049},
        {0, 15, 0, 6, 2000, 2001},
        {31, 31, 12, 12, 9999, 9999},
        // Crossed limits, as a damaged stream may still hand them over.
        {1, 31, 1, 12, 5000, 100},
        {20, 10, 9, 3, 0, 9999},
    };
    return choices[choice % std::size(choices)];
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size < 6)
        return 0;
    const std::uint8_t format = data[0] % 8;
    const std::uint8_t flags = data[1];
    const int mode = data[2] % 4;
    const int field = int(data[3] % 8) - 1;
    const int language = int(static_cast<std::int8_t>(data[4]));
    const char separators[] = {'/', '-', '.', ' ', '\'', 'd', 'M', 'y'};
    const char separator = separators[data[5] % 8];

    // A pattern up to the first zero byte, then the text.
    const std::string_view rest(reinterpret_cast<const char*>(data + 6), size - 6);
    const std::size_t zero = rest.find('\0');
    const std::string pattern(zero == std::string_view::npos ? std::string_view() : rest.substr(0, zero));
    const std::string text(zero == std::string_view::npos ? rest : rest.substr(zero + 1));

    DateServices services = runtimeDateServices();
    services.today = [] { return DateParts{6, 15, 2003}; };
    services.intl = [&](std::string_view key) -> std::optional<std::string> {
        if (key == "sDate")
            return std::string(1, separator);
        if ((key == "sShortDate" || key == "sLongDate" || key == "sLanguage") && !pattern.empty())
            return pattern;
        return std::nullopt;
    };
    DateEngine engine(services);
    engine.dateFormat = format;
    engine.previousFormat = format;
    engine.allowBlank = flags & 1;
    engine.zeroFlag = flags & 2;
    engine.incompleteFlag = flags & 4;
    engine.bounds = boundsFor(flags >> 3);
    engine.languageNumber = static_cast<std::int16_t>(language);
    engine.currentField = field;
    engine.fieldToRepair = int(flags >> 5) - 1;
    engine.LoadLanguageNames();

    DateParts date;
    checkShown(engine, engine.ParseDateText(text, date, mode));
    checkShown(engine, engine.ParseSetText(text, date, mode));
    engine.ParseEditText(text);

    engine.text = text.substr(0, DateEngine::maxTextLength);
    checkShown(engine, engine.ReformatText(mode));
    engine.StepFieldAtCaret(1);
    checkShown(engine, dateInvalid);
    engine.StepFieldAtCaret(-int(data[2]));
    checkShown(engine, dateInvalid);

    // The same text converted into every other format.
    engine.dateFormat = std::int16_t((format + 1 + data[3] % 7) % 8);
    checkShown(engine, engine.ReformatText(mode));
    return 0;
}
