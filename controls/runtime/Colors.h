#pragma once

#include "controls/runtime/RuntimeExport.h"

#include <QColor>

#include <cstdint>

namespace qvrun {

// A property's colour value (an RGB value, or 0x800000nn for system colour
// nn) as the colour to draw with.
QVRUN_EXPORT std::uint32_t translateColor(std::uint32_t oleColor);
QVRUN_EXPORT QColor toColor(std::uint32_t oleColor);
// A colour chosen on screen as a property's RGB value.
QVRUN_EXPORT std::uint32_t fromColor(const QColor& color);

// Lengths in hundredths of a millimetre as screen pixels across and down.
QVRUN_EXPORT int xHimetricToPixels(int himetric);
QVRUN_EXPORT int yHimetricToPixels(int himetric);

} // namespace qvrun
