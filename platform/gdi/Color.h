#pragma once

#include <QColor>
#include <QRgb>
#include <QtGlobal>

namespace gdi {

// A colour as the drawing calls take and store it: red + 256 * green +
// 65536 * blue. A value with the top bit set names a system colour by the
// rest of its bits (0x8000000D is the highlight colour) and must be resolved
// before use.
using ColorRef = quint32;

constexpr ColorRef rgb(int red, int green, int blue)
{
    return ColorRef(red & 0xFF) | ColorRef(green & 0xFF) << 8 | ColorRef(blue & 0xFF) << 16;
}
constexpr int redOf(ColorRef color)
{
    return int(color & 0xFF);
}
constexpr int greenOf(ColorRef color)
{
    return int(color >> 8 & 0xFF);
}
constexpr int blueOf(ColorRef color)
{
    return int(color >> 16 & 0xFF);
}

constexpr ColorRef systemColorFlag = 0x80000000u;
constexpr bool isSystemColor(ColorRef color)
{
    return (color & systemColorFlag) != 0;
}
constexpr ColorRef systemColor(int index)
{
    return systemColorFlag | ColorRef(index);
}

// The system colour numbers the drawing code uses.
namespace sys {
constexpr int window = 5;
constexpr int highlight = 13;
constexpr int buttonFace = 15;
constexpr int buttonShadow = 16;
constexpr int buttonHighlight = 20;
constexpr int darkShadow3D = 21;
constexpr int light3D = 22;
} // namespace sys

// The colour of a system colour number, from the standard scheme of the
// classic look (highlight (10, 36, 106), button face (212, 208, 200), ...),
// fixed so that a drawing is the same on every desktop. A number without a
// colour gives black, as the system call does.
ColorRef sysColor(int index);

// A system colour becomes its RGB value; an RGB value stays as it is.
ColorRef resolveColor(ColorRef color);

// An opaque pixel of the colour; the top byte is ignored.
constexpr QRgb toQRgb(ColorRef color)
{
    return qRgb(redOf(color), greenOf(color), blueOf(color));
}
constexpr ColorRef fromQRgb(QRgb pixel)
{
    return rgb(qRed(pixel), qGreen(pixel), qBlue(pixel));
}
inline QColor toQColor(ColorRef color)
{
    return QColor::fromRgb(toQRgb(color));
}
inline ColorRef fromQColor(const QColor& color)
{
    return rgb(color.red(), color.green(), color.blue());
}

} // namespace gdi
