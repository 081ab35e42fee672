#include "platform/gdi/Edge.h"

#include "platform/gdi/DeviceContext.h"

#include <array>

namespace gdi {

namespace {
constexpr int none = -1;

// System colour numbers of each line, indexed by the four edge bits.
constexpr std::array<int, 16> leftTopInner = {
    none, none, none, none, none, sys::buttonHighlight, sys::buttonHighlight, none,
    none, sys::darkShadow3D, sys::darkShadow3D, none, none, none, none, none};
constexpr std::array<int, 16> leftTopOuter = {
    none, sys::light3D, sys::buttonShadow, none, sys::buttonHighlight, sys::light3D, sys::buttonShadow, none,
    sys::darkShadow3D, sys::light3D, sys::buttonShadow, none, none, sys::light3D, sys::buttonShadow, none};
constexpr std::array<int, 16> rightBottomInner = {
    none, none, none, none, none, sys::buttonShadow, sys::buttonShadow, none,
    none, sys::light3D, sys::light3D, none, none, none, none, none};
constexpr std::array<int, 16> rightBottomOuter = {
    none, sys::darkShadow3D, sys::buttonHighlight, none, sys::buttonShadow, sys::darkShadow3D,
    sys::buttonHighlight, none, sys::light3D, sys::darkShadow3D, sys::buttonHighlight, none,
    none, sys::darkShadow3D, sys::buttonHighlight, none};

void line(DeviceContext& dc, int color, int x1, int y1, int x2, int y2)
{
    if (color == none)
        return;
    dc.selectPen(Pen{sysColor(color), false});
    dc.moveTo(x1, y1);
    dc.lineTo(x2, y2);
}
} // namespace

void drawEdge(DeviceContext& dc, const Rect& r, unsigned edgeBits, unsigned sides)
{
    const std::size_t kind = edgeBits & 0xF;
    const bool left = sides & side::left, top = sides & side::top;
    const bool right = sides & side::right, bottom = sides & side::bottom;
    // Where two inner lines meet, the second one starts a pixel further in.
    const int topLeftIn = top && left ? 1 : 0;
    const int topRightIn = top && right ? 1 : 0;
    const int bottomLeftIn = bottom && left ? 1 : 0;
    const int bottomRightIn = bottom && right ? 1 : 0;

    const Pen savedPen = dc.selectPen(Pen{});
    const QPoint savedPosition = dc.moveTo(0, 0);

    if (top)
        line(dc, leftTopOuter[kind], r.left, r.top, r.right, r.top);
    if (left)
        line(dc, leftTopOuter[kind], r.left, r.top, r.left, r.bottom);
    if (bottom)
        line(dc, rightBottomOuter[kind], r.left, r.bottom - 1, r.right, r.bottom - 1);
    if (right)
        line(dc, rightBottomOuter[kind], r.right - 1, r.top, r.right - 1, r.bottom);

    if (top)
        line(dc, leftTopInner[kind], r.left + topLeftIn, r.top + 1, r.right - topRightIn, r.top + 1);
    if (left)
        line(dc, leftTopInner[kind], r.left + 1, r.top + topLeftIn, r.left + 1, r.bottom - bottomLeftIn);
    if (bottom)
        line(dc, rightBottomInner[kind], r.left + bottomLeftIn, r.bottom - 2, r.right - bottomRightIn, r.bottom - 2);
    if (right)
        line(dc, rightBottomInner[kind], r.right - 2, r.top + topRightIn, r.right - 2, r.bottom - bottomRightIn);

    dc.selectPen(savedPen);
    dc.moveTo(savedPosition.x(), savedPosition.y());
}

} // namespace gdi
