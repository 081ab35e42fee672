#pragma once

#include "platform/gdi/Color.h"

#include <QImage>

namespace gdi {

// The six hatch styles, each an 8 x 8 pattern.
enum class HatchStyle {
    Horizontal = 0,       // one row in eight
    Vertical = 1,         // one column in eight
    ForwardDiagonal = 2,  // top left to bottom right
    BackwardDiagonal = 3, // bottom left to top right
    Cross = 4,            // horizontal and vertical
    DiagonalCross = 5,    // both diagonals
};

// Whether the gaps of a hatch (and the cells around text) take the
// background colour or are left alone.
enum class BackgroundMode { Transparent = 1, Opaque = 2 };

// What fills a rectangle: a solid colour, a hatch in a colour over the
// surface's background, or a bitmap tiled from the surface's origin. A
// default brush is the null brush and paints nothing.
class Brush {
public:
    Brush() = default;

    static Brush solid(ColorRef color);
    // Styles 0 to 5 hatch. As with the system call, styles 6 to 11 give a
    // solid brush and any other style no brush at all (the null brush).
    static Brush hatch(int style, ColorRef color);
    // A null bitmap gives the null brush.
    static Brush pattern(const QImage& bitmap);

    bool isNull() const { return kind_ == Kind::Null; }

    // Paints the surface pixel at (x, y); false where the brush leaves it.
    bool paint(QRgb& pixel, int x, int y, ColorRef bkColor, BackgroundMode bkMode) const;

private:
    enum class Kind { Null, Solid, Hatch, Pattern };

    Kind kind_ = Kind::Null;
    QRgb color_ = 0;
    int hatch_ = 0;
    QImage pattern_;
};

} // namespace gdi
