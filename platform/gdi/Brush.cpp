#include "platform/gdi/Brush.h"

#include <array>

namespace gdi {

namespace {
// Eight rows of eight pixels each, the top bit the leftmost pixel, indexed
// by HatchStyle.
constexpr std::array<std::array<quint8, 8>, 6> hatchRows = {{
    {0x00, 0x00, 0x00, 0xFF, 0x00, 0x00, 0x00, 0x00}, // horizontal
    {0x08, 0x08, 0x08, 0x08, 0x08, 0x08, 0x08, 0x08}, // vertical
    {0x80, 0x40, 0x20, 0x10, 0x08, 0x04, 0x02, 0x01}, // forward diagonal
    {0x01, 0x02, 0x04, 0x08, 0x10, 0x20, 0x40, 0x80}, // backward diagonal
    {0x08, 0x08, 0x08, 0xFF, 0x08, 0x08, 0x08, 0x08}, // cross
    {0x81, 0x42, 0x24, 0x18, 0x18, 0x24, 0x42, 0x81}, // diagonal cross
}};

constexpr int lastHatchStyle = 5;
constexpr int firstInvalidHatchStyle = 12;

int wrap(int value, int period)
{
    const int r = value % period;
    return r < 0 ? r + period : r;
}
} // namespace

Brush Brush::solid(ColorRef color)
{
    Brush brush;
    brush.kind_ = Kind::Solid;
    brush.color_ = toQRgb(color);
    return brush;
}

Brush Brush::hatch(int style, ColorRef color)
{
    if (style < 0 || style >= firstInvalidHatchStyle)
        return {};
    if (style > lastHatchStyle)
        return solid(color);
    Brush brush = solid(color);
    brush.kind_ = Kind::Hatch;
    brush.hatch_ = style;
    return brush;
}

Brush Brush::pattern(const QImage& bitmap)
{
    if (bitmap.isNull())
        return {};
    Brush brush;
    brush.kind_ = Kind::Pattern;
    brush.pattern_ = bitmap.convertToFormat(QImage::Format_RGB32);
    return brush;
}

bool Brush::paint(QRgb& pixel, int x, int y, ColorRef bkColor, BackgroundMode bkMode) const
{
    switch (kind_) {
    case Kind::Null:
        return false;
    case Kind::Solid:
        pixel = color_;
        return true;
    case Kind::Hatch: {
        const quint8 row = hatchRows[std::size_t(hatch_)][std::size_t(wrap(y, 8))];
        if (row & (0x80 >> wrap(x, 8))) {
            pixel = color_;
            return true;
        }
        if (bkMode == BackgroundMode::Opaque) {
            pixel = toQRgb(bkColor);
            return true;
        }
        return false;
    }
    case Kind::Pattern:
        pixel = pattern_.pixel(wrap(x, pattern_.width()), wrap(y, pattern_.height())) | 0xFF000000u;
        return true;
    }
    return false;
}

} // namespace gdi
