#pragma once

#include <QString>

#include <array>
#include <compare>
#include <cstdint>
#include <optional>

namespace com {

// A class or interface identifier: 128 bits, written as
// "{XXXXXXXX-XXXX-XXXX-XXXX-XXXXXXXXXXXX}" in the registration store.
struct Guid {
    std::uint32_t data1 = 0;
    std::uint16_t data2 = 0;
    std::uint16_t data3 = 0;
    std::array<std::uint8_t, 8> data4{};

    auto operator<=>(const Guid&) const = default;
    bool isNull() const { return *this == Guid{}; }

    // Upper case with braces, the form the store keeps.
    QString toString() const;
    // Accepts the braced or bare form in any letter case; nothing for anything else.
    static std::optional<Guid> parse(const QString& text);
};

} // namespace com
