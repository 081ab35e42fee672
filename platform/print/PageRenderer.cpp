#include "platform/print/PageRenderer.h"

#include "platform/print/TextMetrics.h"

#include <QPainter>
#include <QPen>

namespace print {

void paintPage(QPainter& painter, const Page& page, const PaperSize& paper, const QRectF& target)
{
    painter.save();
    painter.translate(target.topLeft());
    painter.scale(target.width() / paper.width, target.height() / paper.height);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);

    for (const Rule& rule : page.rules) {
        painter.setPen(QPen(Qt::black, rule.width, Qt::SolidLine, Qt::FlatCap));
        painter.drawLine(rule.x1, rule.y1, rule.x2, rule.y2);
    }
    for (const PictureItem& picture : page.pictures)
        painter.drawImage(QRect(picture.x, picture.top, picture.width, picture.height), picture.image);

    // Runs mostly come in long stretches of one style; the font is made once
    // per stretch.
    const TextStyle* current = nullptr;
    for (const TextRun& run : page.runs) {
        if (!current || !(run.style == *current)) {
            painter.setFont(fontOf(run.style));
            painter.setPen(QColor::fromRgb(gdi::toQRgb(run.style.color)));
            current = &run.style;
        }
        painter.drawText(QPointF(run.x, run.top + run.baseline), run.text);
    }
    painter.restore();
}

void paintPage(QPaintDevice& device, const Page& page, const PaperSize& paper)
{
    QPainter painter(&device);
    paintPage(painter, page, paper, QRectF(0, 0, device.width(), device.height()));
}

} // namespace print
