#include "appearance/art/PalettePictures.h"

#include <QPainter>
#include <QPainterPath>

namespace art {

namespace {

QImage blankPicture()
{
    QImage picture(32, 32, QImage::Format_ARGB32_Premultiplied);
    picture.fill(Qt::transparent);
    return picture;
}

} // namespace

QImage wasteBasketPicture()
{
    QImage picture = blankPicture();
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);

    // A wire basket, wider at the rim than at the foot.
    QPainterPath basket;
    basket.moveTo(5, 8);
    basket.lineTo(27, 8);
    basket.lineTo(24, 29);
    basket.lineTo(8, 29);
    basket.closeSubpath();
    painter.setPen(QPen(QColor(60, 60, 60), 1.5));
    painter.setBrush(QColor(190, 196, 204));
    painter.drawPath(basket);
    painter.setPen(QPen(QColor(110, 116, 124), 1));
    for (const qreal x : {10.0, 16.0, 22.0})
        painter.drawLine(QPointF(x, 10), QPointF(x + (16 - x) / 8, 27));
    painter.setPen(QPen(QColor(60, 60, 60), 2));
    painter.drawLine(QPointF(4, 8), QPointF(28, 8));

    // A crumpled caption on top.
    painter.setPen(QPen(QColor(120, 110, 80), 1));
    painter.setBrush(QColor(255, 250, 225));
    painter.drawEllipse(QRectF(11, 2, 10, 7));
    return picture;
}

QImage chapterRemovalPicture()
{
    QImage picture = blankPicture();
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);

    // A closed book standing for the chapter and its questions.
    painter.setPen(QPen(QColor(40, 40, 70), 1.5));
    painter.setBrush(QColor(60, 90, 160));
    painter.drawRoundedRect(QRectF(7, 4, 18, 25), 2, 2);
    painter.setBrush(QColor(250, 248, 240));
    painter.drawRect(QRectF(22, 6, 3, 21));
    painter.setPen(QPen(QColor(230, 230, 240), 1.5));
    painter.drawLine(QPointF(10, 10), QPointF(19, 10));

    // Crossed out in red: nothing of it is kept.
    painter.setPen(QPen(QColor(205, 30, 25), 3.5, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(5, 5), QPointF(27, 27));
    painter.drawLine(QPointF(27, 5), QPointF(5, 27));
    return picture;
}

} // namespace art
