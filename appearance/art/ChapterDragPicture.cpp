#include "appearance/art/ChapterDragPicture.h"

#include <QPainter>

namespace art {

QImage chapterDragPicture()
{
    QImage picture(32, 32, QImage::Format_ARGB32_Premultiplied);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);

    // A card lying slightly raised off the list: a soft shadow under it.
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0, 0, 0, 70));
    painter.drawRoundedRect(QRectF(5, 7, 25, 20), 2, 2);
    painter.setBrush(QColor(255, 252, 240));
    painter.setPen(QPen(QColor(90, 80, 60), 1));
    painter.drawRoundedRect(QRectF(2.5, 4.5, 25, 20), 2, 2);

    painter.setPen(QPen(QColor(196, 40, 28), 2));
    painter.drawLine(QPointF(6, 9.5), QPointF(24, 9.5));
    painter.setPen(QPen(QColor(70, 90, 150), 1));
    for (int line = 0; line < 3; ++line) {
        const qreal y = 14.5 + line * 3.5;
        painter.drawLine(QPointF(6, y), QPointF(line == 2 ? 17 : 24, y));
    }
    return picture;
}

} // namespace art
