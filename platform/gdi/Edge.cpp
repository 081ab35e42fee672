#include "platform/gdi/Edge.h"

#include "platform/gdi/DeviceContext.h"

#include <array>

namespace gdi {

namespace {
constexpr int none = -1;

// System colour numbers of each line, indexed by the four edge bits.
constexpr std::array<int, 16> leftTopInner = {none,
                                              none,
                                              none,
                                              none,
                                              none,
                                              sys::buttonHighlight,
                                              sys::buttonHighlight,
                                              none,
                                              none,
                                              sys::darkShadow3D,
                                              sys::darkShadow3D,
                                              none,
                                              none,
                                              none,
                                              none,
                                              none};
constexpr std::array<int, 16> leftTopOuter = {none,
                                              sys::light3D,
                                              sys::buttonShadow,
                                              none,
                                              sys::buttonHighlight,
                                              sys::light3D,
                                              sys::buttonShadow,
                                              none,
                                              sys::darkShadow3D,
                                              sys::light3D,
                                              sys::buttonShadow,
                                              none,
                                              none,
                                              sys::light3D,
                                              sys::buttonShadow,
                                              none};
constexpr std::array<int, 16> rightBottomInner = {
    none, none, none, none, none, sys::buttonShadow, sys::buttonShadow, none, none, sys::light3D, sys::light3D,
    none, none, none, none, none};
constexpr std::array<int, 16> rightBottomOuter = {none,
                                                  sys::darkShadow3D,
                                                  sys::buttonHighlight,
                                                  none,
                                                  sys::buttonShadow,
                                                  sys::darkShadow3D,
                                                  sys::buttonHighlight,
                                                  none,
                                                  sys::light3D,
                                                  sys::darkShadow3D,
                                                  sys::buttonHighlight,
                                                  none,
                                                  none,
                                                  sys::darkShadow3D,
                                                  sys::buttonHighlight,
                                                  none};

// A bevel line with both ends drawn, as LineTo draws it: without its end
// point, so the end goes one pixel on along the line's axis.
void line(DeviceContext& dc, int color, QPoint from, QPoint to)
{
    if (color == none)
        return;
    dc.selectPen(Pen{sysColor(color), false});
    dc.moveTo(from.x(), from.y());
    if (from.y() == to.y())
        dc.lineTo(to.x() + 1, to.y());
    else
        dc.lineTo(to.x(), to.y() + 1);
}
} // namespace

void drawEdge(DeviceContext& dc, const Rect& r, unsigned edgeBits, unsigned sides)
{
    const std::size_t kind = edgeBits & 0xF;
    const QRect pixels(QPoint(r.left, r.top), QPoint(r.right - 1, r.bottom - 1));

    const Pen savedPen = dc.selectPen(Pen{});
    const QPoint savedPosition = dc.moveTo(0, 0);

    forEachBevelLine(pixels, 0, sides, [&](QPoint from, QPoint to, bool lit) {
        line(dc, lit ? leftTopOuter[kind] : rightBottomOuter[kind], from, to);
    });
    forEachBevelLine(pixels, 1, sides, [&](QPoint from, QPoint to, bool lit) {
        line(dc, lit ? leftTopInner[kind] : rightBottomInner[kind], from, to);
    });

    dc.selectPen(savedPen);
    dc.moveTo(savedPosition.x(), savedPosition.y());
}

} // namespace gdi
