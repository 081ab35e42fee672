#pragma once

#include "platform/gdi/Bevel.h"
#include "platform/gdi/Rect.h"

namespace gdi {

class DeviceContext;

// DrawEdge edge bits and their usual combinations.
namespace edge {
constexpr unsigned raisedOuter = 0x1;
constexpr unsigned sunkenOuter = 0x2;
constexpr unsigned raisedInner = 0x4;
constexpr unsigned sunkenInner = 0x8;
constexpr unsigned raised = raisedOuter | raisedInner; // 5
constexpr unsigned sunken = sunkenOuter | sunkenInner; // 10
constexpr unsigned etched = sunkenOuter | raisedInner; // 6
constexpr unsigned bump = raisedOuter | sunkenInner;   // 9
} // namespace edge

// DrawEdge on the given sides (side::...) of the rectangle, in the classic
// 3-D system colours: the outer line is the bevel's ring 0, the inner line
// its ring 1 (forEachBevelLine). Edge bits: which lines are raised
// or sunken; both or neither for a line draws no line. Flat, soft, mono,
// middle, adjust and diagonal drawing are not offered.
void drawEdge(DeviceContext& dc, const Rect& rect, unsigned edgeBits, unsigned sides);

} // namespace gdi
