#include "appearance/art/Emblem.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QTransform>

#include <algorithm>

namespace art {

namespace {

const QColor darkBrass(120, 78, 20);

} // namespace

QColor brass()
{
    return QColor(232, 184, 84);
}

void paintEmblem(QPainter& painter, const QRectF& box)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    const qreal radius = std::min(box.width(), box.height()) / 2;
    painter.translate(box.center());
    painter.scale(radius, radius);

    // Four flaring arms with notched ends, drawn round the centre.
    QPainterPath arm;
    arm.moveTo(0, 0);
    arm.quadTo(-0.10, -0.55, -0.62, -0.98);
    arm.lineTo(0, -0.70);
    arm.lineTo(0.62, -0.98);
    arm.quadTo(0.10, -0.55, 0, 0);
    QPainterPath cross;
    for (int turn = 0; turn < 4; ++turn)
        cross = cross.united(QTransform().rotate(90.0 * turn).map(arm));
    cross = cross.simplified();

    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0, 0, 0, 90));
    painter.drawPath(cross.translated(0.04, 0.05));
    QLinearGradient metal(-1, -1, 1, 1);
    metal.setColorAt(0.0, QColor(255, 230, 150));
    metal.setColorAt(0.5, brass());
    metal.setColorAt(1.0, darkBrass);
    painter.setBrush(metal);
    painter.setPen(QPen(QColor(70, 40, 8), 0.03));
    painter.drawPath(cross);

    // The centre: a red disc with a white ring, and a flame in it.
    QRadialGradient disc(QPointF(-0.1, -0.12), 0.5);
    disc.setColorAt(0.0, QColor(214, 46, 32));
    disc.setColorAt(1.0, QColor(120, 10, 8));
    painter.setBrush(disc);
    painter.setPen(QPen(QColor(250, 246, 236), 0.05));
    painter.drawEllipse(QPointF(0, 0), 0.40, 0.40);

    QLinearGradient fire(0, 0.28, 0, -0.30);
    fire.setColorAt(0.0, QColor(255, 120, 20));
    fire.setColorAt(1.0, QColor(255, 236, 130));
    painter.setBrush(fire);
    painter.setPen(Qt::NoPen);
    QPainterPath flame;
    flame.moveTo(-0.16, 0.24);
    flame.cubicTo(-0.26, 0.04, -0.08, -0.06, -0.02, -0.30);
    flame.cubicTo(0.06, -0.14, 0.22, -0.04, 0.16, 0.24);
    flame.closeSubpath();
    painter.drawPath(flame);
    painter.setBrush(QColor(255, 250, 220));
    QPainterPath core;
    core.moveTo(-0.06, 0.24);
    core.cubicTo(-0.10, 0.14, -0.02, 0.06, 0.0, -0.04);
    core.cubicTo(0.04, 0.08, 0.10, 0.14, 0.06, 0.24);
    core.closeSubpath();
    painter.drawPath(core);
    painter.restore();
}

QImage emblemPicture(const QSize& size)
{
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    paintEmblem(painter, QRectF(QPointF(0, 0), QSizeF(size)).adjusted(2, 2, -2, -2));
    return image;
}

} // namespace art
