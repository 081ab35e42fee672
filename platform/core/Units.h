#pragma once

#include <cmath>

namespace platform {

// Lengths of the windows' design, of printed pages and of stored documents
// are in twips, 1440 to the inch; the controls keep their extents in
// hundredths of a millimetre, 2540 to the inch. The design's screen has 96
// pixels to the inch, so a pixel is 15 twips. Every layer takes these from
// here.
constexpr int twipsPerInch = 1440;
constexpr int twipsPerPoint = twipsPerInch / 72;
constexpr int himetricPerInch = 2540;
constexpr int designPixelsPerInch = 96;
constexpr int twipsPerPixel = twipsPerInch / designPixelsPerInch;

// Twips to design pixels, rounded to the nearest pixel, and back.
inline int toPixels(int twips)
{
    return static_cast<int>(std::lround(static_cast<double>(twips) / twipsPerPixel));
}
constexpr int toTwips(int pixels)
{
    return pixels * twipsPerPixel;
}

} // namespace platform
