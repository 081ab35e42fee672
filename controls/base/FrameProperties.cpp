#include "controls/base/FrameProperties.h"

#include <cstdint>

namespace controls {

std::uint32_t* frameColor(FrameProperties& frame, const FrameIds& ids, com::DispId id)
{
    if (id == ids.borderColor)
        return &frame.borderColor;
    if (id == ids.fillColor)
        return &frame.fillColor;
    if (id == ids.lightColor)
        return &frame.lightColor;
    if (id == ids.shadowColor)
        return &frame.shadowColor;
    if (id == ids.textColor)
        return &frame.textColor;
    return nullptr;
}

std::optional<RangedShort> frameShort(FrameProperties& frame, const FrameIds& ids, com::DispId id)
{
    if (id == ids.alignment)
        return RangedShort{&frame.alignment, 0, 2};
    if (id == ids.bevelSize)
        return RangedShort{&frame.bevelSize, 0, INT16_MAX};
    if (id == ids.bevelStyle)
        return RangedShort{&frame.bevelStyle, 0, 4};
    if (id == ids.borderStyle)
        return RangedShort{&frame.borderStyle, 0, 2};
    if (id == ids.fontStyle)
        return RangedShort{&frame.fontStyle, 0, 4};
    return std::nullopt;
}

} // namespace controls
