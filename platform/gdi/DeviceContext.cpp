#include "platform/gdi/DeviceContext.h"

#include <QPainter>

#include <algorithm>
#include <cstdlib>
#include <utility>

namespace gdi {

DeviceContext::DeviceContext(QSize size) : bitmap_(size, QImage::Format_RGB32)
{
    if (!bitmap_.isNull())
        bitmap_.fill(Qt::black); // a new compatible bitmap holds black
}

Pen DeviceContext::selectPen(const Pen& pen)
{
    return std::exchange(pen_, pen);
}

Brush DeviceContext::selectBrush(const Brush& brush)
{
    return std::exchange(brush_, brush);
}

QFont DeviceContext::selectFont(const QFont& font)
{
    return std::exchange(font_, font);
}

ColorRef DeviceContext::setBkColor(ColorRef color)
{
    return std::exchange(bkColor_, color);
}

BackgroundMode DeviceContext::setBkMode(BackgroundMode mode)
{
    return std::exchange(bkMode_, mode);
}

ColorRef DeviceContext::setTextColor(ColorRef color)
{
    return std::exchange(textColor_, color);
}

QPoint DeviceContext::moveTo(int x, int y)
{
    return std::exchange(position_, QPoint(x, y));
}

void DeviceContext::lineTo(int x, int y)
{
    // Bresenham from the current position, stopping before the end point.
    // Exact for the horizontal, vertical and 45-degree lines drawn here.
    const QPoint from = std::exchange(position_, QPoint(x, y));
    if (pen_.null)
        return;
    const QRgb color = toQRgb(pen_.color);
    const int dx = std::abs(x - from.x());
    const int dy = -std::abs(y - from.y());
    const int sx = from.x() < x ? 1 : -1;
    const int sy = from.y() < y ? 1 : -1;
    int error = dx + dy;
    int px = from.x();
    int py = from.y();
    while (px != x || py != y) {
        plot(px, py, color);
        const int twice = 2 * error;
        if (twice >= dy) {
            error += dy;
            px += sx;
        }
        if (twice <= dx) {
            error += dx;
            py += sy;
        }
    }
}

void DeviceContext::setPixel(int x, int y, ColorRef color)
{
    plot(x, y, toQRgb(color));
}

ColorRef DeviceContext::pixel(int x, int y) const
{
    if (!bitmap_.rect().contains(x, y))
        return 0xFFFFFFFFu;
    return fromQRgb(bitmap_.pixel(x, y));
}

void DeviceContext::patBlt(int x, int y, int width, int height)
{
    int left = x, right = x + width, top = y, bottom = y + height;
    if (left > right) {
        left = x + width + 1;
        right = x + 1;
    }
    if (top > bottom) {
        top = y + height + 1;
        bottom = y + 1;
    }
    fillDeviceRect(left, top, right, bottom, brush_);
}

void DeviceContext::fillRect(const Rect& rect, const Brush& brush)
{
    const Brush previous = selectBrush(brush);
    patBlt(rect.left, rect.top, rect.width(), rect.height());
    selectBrush(previous);
}

void DeviceContext::frameRect(const Rect& rect, const Brush& brush)
{
    if (rect.right <= rect.left || rect.bottom <= rect.top)
        return;
    const Brush previous = selectBrush(brush);
    patBlt(rect.left, rect.top, 1, rect.height());
    patBlt(rect.right - 1, rect.top, 1, rect.height());
    patBlt(rect.left, rect.top, rect.width(), 1);
    patBlt(rect.left, rect.bottom - 1, rect.width(), 1);
    selectBrush(previous);
}

void DeviceContext::bitBlt(int xDest, int yDest, int width, int height, const DeviceContext& source, int xSrc, int ySrc)
{
    if (isNull() || source.isNull() || width <= 0 || height <= 0)
        return;
    QPainter painter(&bitmap_);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.drawImage(QPoint(xDest, yDest), source.bitmap_, QRect(xSrc, ySrc, width, height));
}

void DeviceContext::fillDeviceRect(int left, int top, int right, int bottom, const Brush& brush)
{
    if (isNull() || brush.isNull())
        return;
    left = std::max(left, 0);
    top = std::max(top, 0);
    right = std::min(right, bitmap_.width());
    bottom = std::min(bottom, bitmap_.height());
    for (int y = top; y < bottom; ++y) {
        auto* line = reinterpret_cast<QRgb*>(bitmap_.scanLine(y));
        for (int x = left; x < right; ++x)
            brush.paint(line[x], x, y, bkColor_, bkMode_);
    }
}

void DeviceContext::plot(int x, int y, QRgb color)
{
    if (bitmap_.rect().contains(x, y))
        bitmap_.setPixel(x, y, color);
}

} // namespace gdi
