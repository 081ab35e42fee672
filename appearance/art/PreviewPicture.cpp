#include "appearance/art/PreviewPicture.h"

#include <QPainter>
#include <QPainterPath>

namespace art {

QImage emptyPreviewPicture()
{
    QImage picture(312, 240, QImage::Format_RGB32);
    picture.fill(QColor(236, 233, 224));
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);

    // The mat's inner edge.
    painter.setPen(QPen(QColor(168, 160, 142), 2, Qt::DashLine));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(QRectF(18, 18, 276, 204));

    // Sun and two hills, drawn only as outlines.
    painter.setPen(QPen(QColor(150, 140, 120), 4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.drawEllipse(QPointF(218, 78), 20, 20);
    QPainterPath hills;
    hills.moveTo(50, 186);
    hills.lineTo(122, 104);
    hills.lineTo(170, 158);
    hills.lineTo(200, 128);
    hills.lineTo(262, 186);
    hills.closeSubpath();
    painter.drawPath(hills);
    return picture;
}

} // namespace art
