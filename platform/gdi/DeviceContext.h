#pragma once

#include "platform/gdi/Brush.h"
#include "platform/gdi/Color.h"
#include "platform/gdi/Rect.h"

#include <QFont>
#include <QImage>
#include <QPoint>
#include <QString>

namespace gdi {

// A one-pixel solid pen; the null pen draws nothing.
struct Pen {
    ColorRef color = 0;
    bool null = false;
};

// DrawText format flags.
namespace text {
constexpr unsigned singleLine = 0x20; // one line, from the rectangle's left and top
constexpr unsigned noClip = 0x100;    // draw beyond the rectangle
constexpr unsigned calcRect = 0x400;  // only measure: right and bottom become the text's extent
} // namespace text

// A drawing surface over a bitmap of its own, with the state and the pixel
// results of the classic drawing calls: a selected pen, brush and font, a
// current position, background colour and mode, and text colour. Lines leave
// out their end point; a fill with a turned-over rectangle fills the mirrored
// rectangle one pixel over, as a block fill of negative extent does; brushes
// are aligned to the surface's origin. Everything is clipped to the bitmap.
// A surface without a bitmap (default-constructed) accepts every call and
// draws nothing.
class DeviceContext {
public:
    DeviceContext() = default;
    // A memory surface with a new bitmap of the size, all black.
    explicit DeviceContext(QSize size);

    bool isNull() const { return bitmap_.isNull(); }
    QSize size() const { return bitmap_.size(); }
    const QImage& bitmap() const { return bitmap_; }

    // Each select gives back what it replaced.
    Pen selectPen(const Pen& pen);
    Brush selectBrush(const Brush& brush);
    QFont selectFont(const QFont& font);

    ColorRef bkColor() const { return bkColor_; }
    ColorRef setBkColor(ColorRef color);
    BackgroundMode bkMode() const { return bkMode_; }
    BackgroundMode setBkMode(BackgroundMode mode);
    ColorRef textColor() const { return textColor_; }
    ColorRef setTextColor(ColorRef color);

    // MoveToEx and LineTo: a line from the current position to (x, y) with the
    // selected pen, without (x, y) itself, which becomes the current position.
    QPoint moveTo(int x, int y);
    void lineTo(int x, int y);

    void setPixel(int x, int y, ColorRef color);
    // The pixel's colour; 0xFFFFFFFF outside the bitmap.
    ColorRef pixel(int x, int y) const;

    // PatBlt with pattern copy: the selected brush over width x height from
    // (x, y). A negative extent reaches back from x (or y), leaving x out and
    // taking x + width in.
    void patBlt(int x, int y, int width, int height);
    // FillRect: patBlt of the rectangle with the brush, the selection kept.
    void fillRect(const Rect& rect, const Brush& brush);
    // FrameRect: the one-pixel ring just inside the rectangle; nothing for an
    // empty or turned-over rectangle.
    void frameRect(const Rect& rect, const Brush& brush);

    // BitBlt with source copy from another surface.
    void bitBlt(int xDest, int yDest, int width, int height, const DeviceContext& source, int xSrc, int ySrc);

    // DrawText with the selected font, the text colour and the background
    // mode, the text drawn from the rectangle's left and top and clipped to it
    // unless text::noClip. With text::calcRect nothing is drawn and the
    // rectangle's right and bottom become left + width and top + height of the
    // text. Gives the text's height. Glyphs are drawn without smoothing, pixel
    // for pixel in the text colour, as the classic screen fonts are.
    int drawText(const QString& text, Rect& rect, unsigned format);

private:
    void fillDeviceRect(int left, int top, int right, int bottom, const Brush& brush);
    void plot(int x, int y, QRgb color);
    QFont glyphFont() const;

    QImage bitmap_;
    Pen pen_;
    Brush brush_ = Brush::solid(rgb(255, 255, 255));
    QFont font_;
    QPoint position_;
    ColorRef bkColor_ = rgb(255, 255, 255);
    BackgroundMode bkMode_ = BackgroundMode::Opaque;
    ColorRef textColor_ = 0;
};

} // namespace gdi
