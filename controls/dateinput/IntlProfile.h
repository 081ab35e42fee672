#pragma once

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace dateinput {

// The system's date settings: the "intl" section of the user's profile, read
// at every use and never cached, so a change reaches the next formatting.
// The reader answers a key's value, or nothing when the key is missing; an
// empty reader stands for a profile without the section.
using IntlReader = std::function<std::optional<std::string>(std::string_view key)>;

// The key's value cut to maxLength characters, or the fallback when the key
// is missing.
inline std::string intlText(const IntlReader& reader, std::string_view key, std::string_view fallback,
                            std::size_t maxLength)
{
    std::optional<std::string> value;
    if (reader)
        value = reader(key);
    std::string text = value ? *value : std::string(fallback);
    if (text.size() > maxLength)
        text.resize(maxLength);
    return text;
}

} // namespace dateinput
