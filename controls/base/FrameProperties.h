#pragma once

#include "platform/com/Dispatch.h"

#include <cstdint>
#include <optional>

namespace controls {

// The frame and the three-dimensional text both controls of the suite draw,
// as their properties keep them: colours as property values (an RGB value or
// a system colour), the text's alignment and style, the bevel, the border and
// the pointer. Each control's Properties starts with these.
struct FrameProperties {
    std::uint32_t borderColor, fillColor, lightColor, shadowColor, textColor;
    std::int16_t alignment, bevelSize, bevelStyle, borderStyle, fontStyle, mousePointer;
};

// A control's dispatch ids of the frame's properties; each control numbers
// its members in an order of its own.
struct FrameIds {
    com::DispId borderColor, fillColor, lightColor, shadowColor, textColor;
    com::DispId alignment, bevelSize, bevelStyle, borderStyle, fontStyle;
};

// A value from lowest to highest, as every ranged property checks it.
inline bool within(int value, int lowest, int highest)
{
    return value >= lowest && value <= highest;
}

// A short property and the values its setter takes.
struct RangedShort {
    std::int16_t* member;
    int lowest;
    int highest;
};

// What the shared setters store into: the colour a dispatch id names, taken
// as given; the short it names with its range. Null and nothing for an id
// that is not the frame's.
std::uint32_t* frameColor(FrameProperties& frame, const FrameIds& ids, com::DispId id);
std::optional<RangedShort> frameShort(FrameProperties& frame, const FrameIds& ids, com::DispId id);

} // namespace controls
