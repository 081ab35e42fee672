#include "platform/speech/FigurePainter.h"

#include <QPainter>
#include <QPainterPath>

namespace speech {

namespace {

constexpr qreal centreX = 70.0;

void paintBoots(QPainter& painter)
{
    painter.setBrush(QColor(0x22, 0x22, 0x22));
    painter.drawRoundedRect(QRectF(centreX - 34, 172, 30, 14), 5, 5);
    painter.drawRoundedRect(QRectF(centreX + 4, 172, 30, 14), 5, 5);
}

void paintCoat(QPainter& painter, const CharacterLook& look, qreal lift)
{
    QPainterPath coat;
    coat.moveTo(centreX - 30, 98 - lift);
    coat.lineTo(centreX + 30, 98 - lift);
    coat.lineTo(centreX + 40, 176);
    coat.lineTo(centreX - 40, 176);
    coat.closeSubpath();
    painter.setBrush(look.coat);
    painter.drawPath(coat);

    // Reflective bands across the chest and the hem, as turnout gear has.
    painter.save();
    painter.setClipPath(coat);
    painter.setPen(Qt::NoPen);
    for (const qreal y : {128.0 - lift / 2, 160.0}) {
        painter.setBrush(look.trim);
        painter.drawRect(QRectF(0, y, figureSize.width(), 8));
        painter.setBrush(QColor(0xdd, 0xdd, 0xdd));
        painter.drawRect(QRectF(0, y + 3, figureSize.width(), 2));
    }
    painter.restore();

    // Closure down the front.
    painter.drawLine(QPointF(centreX, 100 - lift), QPointF(centreX, 176));
}

void paintArm(QPainter& painter, const CharacterLook& look, QPointF shoulder, QPointF hand)
{
    QPen sleeve(look.outline, 15, Qt::SolidLine, Qt::RoundCap);
    painter.setPen(sleeve);
    painter.drawLine(shoulder, hand);
    sleeve.setColor(look.coat);
    sleeve.setWidth(12);
    painter.setPen(sleeve);
    painter.drawLine(shoulder, hand);
    painter.setPen(QPen(look.outline, 1.5));
    painter.setBrush(QColor(0x4a, 0x3b, 0x2a)); // leather gloves
    painter.drawEllipse(hand, 7, 7);
}

void paintArms(QPainter& painter, const CharacterLook& look, const FigurePose& pose, qreal lift)
{
    const QPointF leftShoulder(centreX - 28, 106 - lift);
    const QPointF rightShoulder(centreX + 28, 106 - lift);
    switch (pose.gesture) {
    case Gesture::Pleased: {
        // Both arms up in a cheer, bobbing a little.
        const qreal bob = (pose.frame % 4 < 2) ? 0 : 3;
        paintArm(painter, look, leftShoulder, QPointF(centreX - 50, 60 - bob));
        paintArm(painter, look, rightShoulder, QPointF(centreX + 50, 60 - bob));
        break;
    }
    case Gesture::Decline:
        // Arms crossed in front: "no".
        paintArm(painter, look, leftShoulder, QPointF(centreX + 18, 134));
        paintArm(painter, look, rightShoulder, QPointF(centreX - 18, 134));
        break;
    case Gesture::None: {
        const qreal swing = pose.talking && pose.frame % 6 < 3 ? 4 : 0;
        paintArm(painter, look, leftShoulder, QPointF(centreX - 40, 150));
        paintArm(painter, look, rightShoulder, QPointF(centreX + 40 + swing, 150 - swing * 2));
        break;
    }
    }
}

void paintFace(QPainter& painter, const CharacterLook& look, const FigurePose& pose, QPointF head)
{
    painter.setPen(QPen(look.outline, 2));
    painter.setBrush(look.skin);
    painter.drawEllipse(head, 27, 29);

    // Eyes blink for one tick in every twenty-four.
    const bool blinking = pose.frame % 24 == 23;
    painter.setBrush(look.outline);
    for (const qreal dx : {-10.0, 10.0}) {
        const QPointF eye(head.x() + dx, head.y() - 2);
        if (blinking)
            painter.drawLine(eye - QPointF(4, 0), eye + QPointF(4, 0));
        else
            painter.drawEllipse(eye, 3, 3.5);
    }
    // Cheeks.
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0xe8, 0x8a, 0x7a, 120));
    painter.drawEllipse(QPointF(head.x() - 17, head.y() + 8), 5, 3.5);
    painter.drawEllipse(QPointF(head.x() + 17, head.y() + 8), 5, 3.5);

    painter.setPen(QPen(look.outline, 2, Qt::SolidLine, Qt::RoundCap));
    const QPointF mouth(head.x(), head.y() + 14);
    if (pose.talking) {
        constexpr qreal openings[] = {2, 6, 4, 7, 1, 5};
        const qreal open = openings[pose.frame % 6];
        painter.setBrush(QColor(0x7a, 0x1f, 0x1f));
        painter.drawEllipse(mouth, 6, open);
    } else if (pose.gesture == Gesture::Decline) {
        painter.setBrush(Qt::NoBrush);
        painter.drawArc(QRectF(mouth.x() - 8, mouth.y() + 1, 16, 10), 20 * 16, 140 * 16); // a frown
    } else {
        const qreal width = pose.gesture == Gesture::Pleased ? 22 : 16;
        painter.setBrush(Qt::NoBrush);
        painter.drawArc(QRectF(mouth.x() - width / 2, mouth.y() - 8, width, 12), 200 * 16, 140 * 16);
    }
}

void paintHelmet(QPainter& painter, const CharacterLook& look, QPointF head)
{
    painter.setPen(QPen(look.outline, 2));
    painter.setBrush(look.helmet);
    // The long brim, sweeping down at the back.
    QPainterPath brim;
    brim.moveTo(head.x() - 40, head.y() - 12);
    brim.quadTo(head.x(), head.y() - 24, head.x() + 36, head.y() - 14);
    brim.quadTo(head.x() + 44, head.y() - 10, head.x() + 38, head.y() - 6);
    brim.quadTo(head.x(), head.y() - 16, head.x() - 40, head.y() - 4);
    brim.closeSubpath();
    painter.drawPath(brim);
    // The dome with its ridge.
    painter.drawChord(QRectF(head.x() - 29, head.y() - 50, 58, 64), 0, 180 * 16);
    painter.setPen(QPen(look.helmet.darker(140), 3));
    painter.drawArc(QRectF(head.x() - 6, head.y() - 50, 12, 64), 20 * 16, 140 * 16);
    // The front shield.
    painter.setPen(QPen(look.outline, 1.5));
    painter.setBrush(QColor(0xe8, 0xc1, 0x4a));
    QPainterPath shield;
    shield.moveTo(head.x(), head.y() - 44);
    shield.lineTo(head.x() + 10, head.y() - 36);
    shield.lineTo(head.x() + 8, head.y() - 22);
    shield.lineTo(head.x(), head.y() - 18);
    shield.lineTo(head.x() - 8, head.y() - 22);
    shield.lineTo(head.x() - 10, head.y() - 36);
    shield.closeSubpath();
    painter.drawPath(shield);
}

} // namespace

void paintFigure(QPainter& painter, const CharacterLook& look, const FigurePose& pose)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(look.outline, 2));

    // Idle breathing: the upper body rises a little every few ticks.
    const qreal lift = (pose.frame / 4) % 2 == 0 ? 0 : 1.5;
    // Decline shakes the head.
    const qreal shake = pose.gesture == Gesture::Decline ? ((pose.frame % 2) ? 4 : -4) : 0;
    const QPointF head(centreX + shake, 72 - lift);

    paintBoots(painter);
    paintCoat(painter, look, lift);
    paintArms(painter, look, pose, lift);
    painter.setPen(QPen(look.outline, 2));
    paintFace(painter, look, pose, head);
    paintHelmet(painter, look, head);
    painter.restore();
}

} // namespace speech
