#pragma once

#include <Qt>

#include <optional>

namespace controls {

// MousePointer values.
inline constexpr int kPointerDefault = 0;
inline constexpr int kPointerLast = 15;
inline constexpr int kPointerCustom = 99;

constexpr bool isValidMousePointer(int value)
{
    return (value >= kPointerDefault && value <= kPointerLast) || value == kPointerCustom;
}

// The cursor shape of a MousePointer value from 1 to 15; nothing for 0 (the
// framework's own cursor), 99 (the MouseIcon) and any value outside the
// table, so a bad value can never read past it.
std::optional<Qt::CursorShape> cursorShapeFor(int mousePointer);

} // namespace controls
