#include "platform/gdi/DeviceContext.h"

#include <QFontMetrics>
#include <QPainter>

namespace gdi {

QFont DeviceContext::glyphFont() const
{
    QFont font = font_;
    font.setStyleStrategy(QFont::StyleStrategy(font.styleStrategy() | QFont::NoAntialias));
    font.setHintingPreference(QFont::PreferFullHinting);
    return font;
}

int DeviceContext::drawText(const QString& text, Rect& rect, unsigned format)
{
    // Measured and drawn on the bitmap itself, so both use its resolution.
    QImage probe(1, 1, QImage::Format_RGB32);
    const QFont font = glyphFont();
    const QFontMetrics metrics(font, isNull() ? static_cast<QPaintDevice*>(&probe) : &bitmap_);
    if (format & text::calcRect) {
        rect.right = rect.left + metrics.horizontalAdvance(text);
        rect.bottom = rect.top + metrics.height();
        return metrics.height();
    }
    if (isNull())
        return metrics.height();

    QPainter painter(&bitmap_);
    painter.setFont(font);
    painter.setRenderHint(QPainter::TextAntialiasing, false);
    if (!(format & text::noClip))
        painter.setClipRect(QRect(rect.left, rect.top, rect.width(), rect.height()));
    if (bkMode_ == BackgroundMode::Opaque) {
        const QRect cell(rect.left, rect.top, metrics.horizontalAdvance(text), metrics.height());
        painter.fillRect(cell, QColor::fromRgb(toQRgb(bkColor_)));
    }
    painter.setPen(QColor::fromRgb(toQRgb(textColor_)));
    painter.drawText(QPoint(rect.left, rect.top + metrics.ascent()), text);
    return metrics.height();
}

} // namespace gdi
