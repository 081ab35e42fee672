#pragma once

#include <QPoint>
#include <QRect>

class QColor;
class QPainter;

namespace gdi {

// Sides of a rectangle a bevel runs along (the DrawEdge side flags).
namespace side {
constexpr unsigned left = 0x1;
constexpr unsigned top = 0x2;
constexpr unsigned right = 0x4;
constexpr unsigned bottom = 0x8;
constexpr unsigned all = left | top | right | bottom;
} // namespace side

// The lines of one ring of a bevel, the one way every frame of the program
// and of its controls is cut: ring 0 on the rectangle's outermost pixels (its
// last row and column included, as QRect has them), each further ring a pixel
// in. The top and left lines come first and are lit; the bottom and right
// ones follow, so they own the top-right and bottom-left corners. Where two
// of the sides meet, a ring's lines start and end that many pixels further
// in. line(from, to, lit) draws both end points.
template <typename Line>
void forEachBevelLine(const QRect& r, int ring, unsigned sides, Line&& line)
{
    const bool left = sides & side::left, top = sides & side::top;
    const bool right = sides & side::right, bottom = sides & side::bottom;
    const int x1 = r.left() + (left ? ring : 0), x2 = r.right() - (right ? ring : 0);
    const int y1 = r.top() + (top ? ring : 0), y2 = r.bottom() - (bottom ? ring : 0);
    if (top)
        line(QPoint(x1, r.top() + ring), QPoint(x2, r.top() + ring), true);
    if (left)
        line(QPoint(r.left() + ring, y1), QPoint(r.left() + ring, y2), true);
    if (bottom)
        line(QPoint(x1, r.bottom() - ring), QPoint(x2, r.bottom() - ring), false);
    if (right)
        line(QPoint(r.right() - ring, y1), QPoint(r.right() - ring, y2), false);
}

// One ring on the rectangle's outermost pixels, all four sides.
void drawBevelRing(QPainter& painter, const QRect& rect, const QColor& topLeft, const QColor& bottomRight);

// Rings of the same colours from the outermost pixels inwards, size of them
// or as many as fit while the rectangle left is more than a pixel across.
void drawBevel(QPainter& painter, QRect rect, int size, const QColor& topLeft, const QColor& bottomRight);

} // namespace gdi
