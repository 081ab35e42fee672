#pragma once

#include <Qt>

#include <cstdint>

class QKeyEvent;

namespace controls {

// The key codes the suite's key events report: the PC keyboard's virtual
// key codes (letters and main-keyboard digits as their capital character,
// 0x25 to 0x28 the arrow keys), 0 for a key without one.
std::int16_t virtualKeyOf(const QKeyEvent& key);

// The Shift argument of the key and mouse events: 1 Shift, 2 Ctrl, 4 Alt.
std::int16_t shiftStateOf(Qt::KeyboardModifiers modifiers);

namespace vk {
inline constexpr std::int16_t back = 0x08;
inline constexpr std::int16_t tab = 0x09;
inline constexpr std::int16_t enter = 0x0D;
inline constexpr std::int16_t escape = 0x1B;
inline constexpr std::int16_t end = 0x23;
inline constexpr std::int16_t home = 0x24;
inline constexpr std::int16_t left = 0x25;
inline constexpr std::int16_t up = 0x26;
inline constexpr std::int16_t right = 0x27;
inline constexpr std::int16_t down = 0x28;
inline constexpr std::int16_t insert = 0x2D;
inline constexpr std::int16_t del = 0x2E;
} // namespace vk

} // namespace controls
