#include "platform/gdi/Color.h"

#include <array>

namespace gdi {

namespace {
// Numbers 0 to 30 of the classic standard scheme, in system colour order.
constexpr std::array<ColorRef, 31> classicScheme = {
    rgb(212, 208, 200), //  0 scroll bar
    rgb(58, 110, 165),  //  1 desktop
    rgb(10, 36, 106),   //  2 active caption
    rgb(128, 128, 128), //  3 inactive caption
    rgb(212, 208, 200), //  4 menu
    rgb(255, 255, 255), //  5 window
    rgb(0, 0, 0),       //  6 window frame
    rgb(0, 0, 0),       //  7 menu text
    rgb(0, 0, 0),       //  8 window text
    rgb(255, 255, 255), //  9 caption text
    rgb(212, 208, 200), // 10 active border
    rgb(212, 208, 200), // 11 inactive border
    rgb(128, 128, 128), // 12 application workspace
    rgb(10, 36, 106),   // 13 highlight
    rgb(255, 255, 255), // 14 highlight text
    rgb(212, 208, 200), // 15 button face
    rgb(128, 128, 128), // 16 button shadow
    rgb(128, 128, 128), // 17 grey text
    rgb(0, 0, 0),       // 18 button text
    rgb(212, 208, 200), // 19 inactive caption text
    rgb(255, 255, 255), // 20 button highlight
    rgb(64, 64, 64),    // 21 3-D dark shadow
    rgb(212, 208, 200), // 22 3-D light
    rgb(0, 0, 0),       // 23 tooltip text
    rgb(255, 255, 225), // 24 tooltip background
    rgb(181, 181, 181), // 25 alternate button face
    rgb(0, 0, 128),     // 26 hot-tracked item
    rgb(166, 202, 240), // 27 active caption gradient
    rgb(192, 192, 192), // 28 inactive caption gradient
    rgb(10, 36, 106),   // 29 menu highlight
    rgb(212, 208, 200), // 30 menu bar
};
} // namespace

ColorRef sysColor(int index)
{
    if (index < 0 || index >= int(classicScheme.size()))
        return 0;
    return classicScheme[std::size_t(index)];
}

ColorRef resolveColor(ColorRef color)
{
    return isSystemColor(color) ? sysColor(int(color & ~systemColorFlag)) : color;
}

} // namespace gdi
