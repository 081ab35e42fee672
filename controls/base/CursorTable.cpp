#include "controls/base/CursorTable.h"

#include <array>

namespace controls {

std::optional<Qt::CursorShape> cursorShapeFor(int mousePointer)
{
    // Entry 0 is never read: value 0 leaves the cursor to the framework.
    static constexpr std::array<Qt::CursorShape, kPointerLast + 1> table = {
        Qt::ArrowCursor,     //  0
        Qt::ArrowCursor,     //  1 arrow
        Qt::CrossCursor,     //  2 cross
        Qt::IBeamCursor,     //  3 I-beam
        Qt::ArrowCursor,     //  4 icon: the arrow
        Qt::SizeAllCursor,   //  5 size
        Qt::SizeBDiagCursor, //  6 size NE-SW
        Qt::SizeVerCursor,   //  7 size N-S
        Qt::SizeFDiagCursor, //  8 size NW-SE
        Qt::SizeHorCursor,   //  9 size W-E
        Qt::UpArrowCursor,   // 10 up arrow
        Qt::WaitCursor,      // 11 hourglass
        Qt::ForbiddenCursor, // 12 no drop
        Qt::BusyCursor,      // 13 arrow and hourglass
        Qt::WhatsThisCursor, // 14 arrow and question mark
        Qt::SizeAllCursor,   // 15 size all
    };
    if (mousePointer < 1 || mousePointer > kPointerLast)
        return std::nullopt;
    return table[size_t(mousePointer)];
}

} // namespace controls
