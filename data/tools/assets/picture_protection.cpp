#include "drawings.h"

#include "sheet.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <cmath>

namespace assets::drawings {

using sheet::label;
using sheet::Side;

namespace {

QLinearGradient cylinderShade(double left, double right, QColor base)
{
    QLinearGradient g(left, 0, right, 0);
    g.setColorAt(0.0, base.darker(125));
    g.setColorAt(0.35, base.lighter(125));
    g.setColorAt(1.0, base.darker(140));
    return g;
}

QPainterPath regularPolygon(QPointF centre, double radius, int corners, double startDegrees)
{
    QPainterPath path;
    for (int i = 0; i < corners; ++i) {
        const double a = (startDegrees + 360.0 * i / corners) * M_PI / 180.0;
        const QPointF pt = centre + QPointF(std::cos(a), std::sin(a)) * radius;
        if (i == 0)
            path.moveTo(pt);
        else
            path.lineTo(pt);
    }
    path.closeSubpath();
    return path;
}

QPainterPath star(QPointF centre, double outer, double inner)
{
    QPainterPath path;
    for (int i = 0; i < 10; ++i) {
        const double a = (-90.0 + 36.0 * i) * M_PI / 180.0;
        const QPointF pt = centre + QPointF(std::cos(a), std::sin(a)) * (i % 2 ? inner : outer);
        if (i == 0)
            path.moveTo(pt);
        else
            path.lineTo(pt);
    }
    path.closeSubpath();
    return path;
}

void strap(QPainter &p, const QPainterPath &path, double width)
{
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(sheet::kInk, width + 3, Qt::SolidLine, Qt::FlatCap, Qt::RoundJoin));
    p.drawPath(path);
    p.setPen(QPen(QColor(70, 72, 76), width, Qt::SolidLine, Qt::FlatCap, Qt::RoundJoin));
    p.drawPath(path);
    p.setPen(QPen(QColor(110, 112, 118), 1, Qt::DashLine));
    p.drawPath(path);
}

void hose(QPainter &p, const QPainterPath &path, double width)
{
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(sheet::kInk, width + 2.5, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(path);
    p.setPen(QPen(QColor(60, 62, 66), width, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(path);
    p.setPen(QPen(QColor(120, 124, 130), width * 0.3, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(path.translated(-width * 0.2, -width * 0.2));
}

} // namespace

QImage breathingApparatus()
{
    QImage image = sheet::blank();
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);

    // Shoulder straps loop over the top of the back frame and down its sides.
    QPainterPath leftStrap(QPointF(138, 58));
    leftStrap.cubicTo(118, 18, 78, 30, 84, 110);
    leftStrap.lineTo(90, 222);
    QPainterPath rightStrap(QPointF(182, 58));
    rightStrap.cubicTo(202, 18, 242, 30, 236, 110);
    rightStrap.lineTo(230, 222);
    strap(p, leftStrap, 15);
    strap(p, rightStrap, 15);
    p.setPen(sheet::outline(1.5));
    p.setBrush(sheet::kMetal);
    p.drawRoundedRect(QRectF(81, 218, 18, 12), 2, 2);
    p.drawRoundedRect(QRectF(221, 218, 18, 12), 2, 2);

    // Waist belt with its buckle halves.
    QPainterPath belt(QPointF(56, 268));
    belt.lineTo(264, 268);
    strap(p, belt, 20);
    p.setPen(sheet::outline(1.5));
    p.setBrush(sheet::kMetal);
    p.drawRoundedRect(QRectF(46, 256, 14, 24), 3, 3);
    p.drawRoundedRect(QRectF(260, 256, 14, 24), 3, 3);

    // Back frame and cylinder, valve down as it is worn.
    p.setPen(sheet::outline());
    p.setBrush(QColor(74, 77, 82));
    p.drawRoundedRect(QRectF(117, 48, 86, 232), 14, 14);
    QPainterPath cylinder;
    cylinder.moveTo(128, 250);
    cylinder.lineTo(128, 72);
    cylinder.cubicTo(128, 30, 192, 30, 192, 72);
    cylinder.lineTo(192, 250);
    cylinder.cubicTo(192, 266, 128, 266, 128, 250);
    cylinder.closeSubpath();
    p.setBrush(cylinderShade(128, 192, QColor(222, 190, 80)));
    p.drawPath(cylinder);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(250, 248, 238, 200));
    p.drawRect(QRectF(129, 140, 62, 34));
    p.setPen(QColor(90, 80, 50));
    p.setFont(sheet::font(9, true));
    p.drawText(QRectF(129, 140, 62, 34), Qt::AlignCenter, QStringLiteral("AIR\n4500 psi"));
    p.setPen(sheet::outline(1.8));
    p.setBrush(cylinderShade(150, 170, sheet::kMetal));
    p.drawRect(QRectF(150, 262, 20, 10));
    p.drawRoundedRect(QRectF(142, 271, 36, 18), 3, 3);
    p.setBrush(QColor(60, 60, 64));
    p.drawEllipse(QRectF(176, 272, 12, 16));

    // Gauge hose from the reducer up the left strap.
    QPainterPath gaugeHose(QPointF(146, 286));
    gaugeHose.cubicTo(110, 300, 70, 250, 78, 190);
    hose(p, gaugeHose, 5);
    p.setPen(sheet::outline(2));
    p.setBrush(QColor(245, 245, 240));
    p.drawEllipse(QPointF(80, 172), 16, 16);
    p.setPen(QPen(QColor(200, 40, 40), 1.6));
    p.drawLine(QPointF(80, 172), QPointF(88, 162));
    p.setPen(QPen(sheet::kInk, 1));
    for (int i = 0; i < 9; ++i) {
        const double a = (135 + i * 33.75) * M_PI / 180.0;
        p.drawLine(QPointF(80, 172) + QPointF(std::cos(a), std::sin(a)) * 12,
                   QPointF(80, 172) + QPointF(std::cos(a), std::sin(a)) * 15);
    }

    // Low-pressure hose to the regulator on the facepiece.
    QPainterPath lowPressure(QPointF(176, 284));
    lowPressure.cubicTo(250, 318, 340, 312, 370, 268);
    hose(p, lowPressure, 7);

    // Facepiece. Behind it, the head harness: a webbing ring that goes round
    // the back of the head, held to the rubber edge by adjustable straps.
    const double cx = 382;
    const QPointF ringCentre(cx, 138);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(sheet::kInk, 11));
    p.drawEllipse(ringCentre, 82, 96);
    p.setPen(QPen(QColor(70, 72, 76), 8));
    p.drawEllipse(ringCentre, 82, 96);
    for (double degrees : {-150.0, -90.0, -30.0, 20.0, 160.0}) {
        const double a = degrees * M_PI / 180;
        const QPointF outer = ringCentre + QPointF(82 * std::cos(a), 96 * std::sin(a));
        const QPointF inner = ringCentre + QPointF(50 * std::cos(a), 70 * std::sin(a));
        p.setPen(QPen(sheet::kInk, 10, Qt::SolidLine, Qt::FlatCap));
        p.drawLine(inner, outer);
        p.setPen(QPen(QColor(70, 72, 76), 7, Qt::SolidLine, Qt::FlatCap));
        p.drawLine(inner, outer);
        p.setPen(sheet::outline(1.3));
        p.setBrush(sheet::kMetal);
        p.drawEllipse((inner + outer) / 2 + (outer - inner) * 0.22, 4.5, 4.5);
        p.setBrush(Qt::NoBrush);
    }

    QPainterPath seal;
    seal.moveTo(cx, 56);
    seal.cubicTo(cx + 58, 56, cx + 74, 110, cx + 66, 160);
    seal.cubicTo(cx + 58, 214, cx + 30, 246, cx, 246);
    seal.cubicTo(cx - 30, 246, cx - 58, 214, cx - 66, 160);
    seal.cubicTo(cx - 74, 110, cx - 58, 56, cx, 56);
    p.setPen(sheet::outline(2));
    p.setBrush(QColor(52, 54, 58));
    p.drawPath(seal);
    QPainterPath lens;
    lens.moveTo(cx, 68);
    lens.cubicTo(cx + 48, 68, cx + 60, 112, cx + 54, 156);
    lens.cubicTo(cx + 48, 190, cx + 26, 206, cx, 206);
    lens.cubicTo(cx - 26, 206, cx - 48, 190, cx - 54, 156);
    lens.cubicTo(cx - 60, 112, cx - 48, 68, cx, 68);
    QLinearGradient glass(cx - 50, 70, cx + 50, 200);
    glass.setColorAt(0.0, QColor(228, 240, 247));
    glass.setColorAt(1.0, QColor(188, 212, 226));
    p.setBrush(glass);
    p.setPen(QPen(QColor(30, 30, 32), 1.5));
    p.drawPath(lens);
    p.setPen(QPen(QColor(255, 255, 255, 220), 3, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(cx - 36, 96), QPointF(cx - 20, 80));
    p.drawLine(QPointF(cx - 40, 112), QPointF(cx - 32, 104));
    // Mask-mounted regulator.
    p.setPen(sheet::outline(2));
    p.setBrush(QColor(96, 100, 108));
    p.drawEllipse(QPointF(cx, 232), 26, 24);
    p.setBrush(QColor(150, 156, 164));
    p.drawEllipse(QPointF(cx, 232), 13, 12);

    label(p, QPointF(176, 96), QPointF(250, 52), QStringLiteral("cylinder"), Side::Right);
    label(p, QPointF(64, 172), QPointF(56, 150), QStringLiteral("pressure\ngauge"), Side::Above);
    label(p, QPointF(60, 276), QPointF(60, 300), QStringLiteral("harness"), Side::Below);
    label(p, QPointF(160, 288), QPointF(160, 306), QStringLiteral("cylinder valve"), Side::Below);
    label(p, QPointF(cx + 48, 186), QPointF(436, 270), QStringLiteral("facepiece"), Side::Below);
    label(p, QPointF(cx + 56, 72), QPointF(424, 24), QStringLiteral("head harness"), Side::Above);
    label(p, QPointF(cx - 22, 244), QPointF(312, 262), QStringLiteral("regulator"), Side::Left);
    sheet::caption(p, QStringLiteral("Self-contained breathing apparatus (SCBA)"));
    return image;
}

QImage extinguisherClasses()
{
    QImage image = sheet::blank();
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);

    struct ClassSymbol {
        QString letter;
        QString name;
        QColor fill;
        QColor letterColour;
    };
    const ClassSymbol symbols[] = {
        {QStringLiteral("A"), QStringLiteral("Ordinary\ncombustibles"), QColor(38, 150, 62), Qt::white},
        {QStringLiteral("B"), QStringLiteral("Flammable\nliquids, gases"), QColor(214, 52, 44), Qt::white},
        {QStringLiteral("C"), QStringLiteral("Energized\nelectrical"), QColor(36, 94, 196), Qt::white},
        {QStringLiteral("D"), QStringLiteral("Combustible\nmetals"), QColor(242, 196, 20), QColor(20, 20, 20)},
        {QStringLiteral("K"), QStringLiteral("Cooking oils\nand fats"), QColor(24, 24, 24), Qt::white},
    };
    const double cy = 118;
    for (int i = 0; i < 5; ++i) {
        const double cx = 48 + 96 * i;
        const QPointF c(cx, cy);
        QPainterPath shape;
        QPointF letterAt = c;
        switch (i) {
        case 0:
            shape.moveTo(cx, cy - 42);
            shape.lineTo(cx + 42, cy + 32);
            shape.lineTo(cx - 42, cy + 32);
            shape.closeSubpath();
            letterAt = c + QPointF(0, 10);
            break;
        case 1:
            shape.addRect(QRectF(cx - 34, cy - 34, 68, 68));
            break;
        case 2:
            shape.addEllipse(c, 37, 37);
            break;
        case 3:
            shape = star(c + QPointF(0, 3), 46, 19);
            letterAt = c + QPointF(0, 5);
            break;
        default:
            shape = regularPolygon(c, 38, 6, 0);
            break;
        }
        p.setPen(QPen(QColor(30, 30, 30), 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.setBrush(symbols[i].fill);
        p.drawPath(shape);
        p.setPen(symbols[i].letterColour);
        p.setFont(sheet::font(i == 3 ? 24 : 32, true));
        p.drawText(QRectF(letterAt.x() - 30, letterAt.y() - 24, 60, 48), Qt::AlignCenter, symbols[i].letter);

        p.setPen(QColor(30, 30, 30));
        p.setFont(sheet::font(14, true));
        p.drawText(QRectF(cx - 48, 176, 96, 20), Qt::AlignCenter, QStringLiteral("Class ") + symbols[i].letter);
        p.setFont(sheet::font(11));
        p.drawText(QRectF(cx - 48, 200, 96, 40), Qt::AlignHCenter | Qt::AlignTop, symbols[i].name);
    }
    p.setPen(QPen(QColor(210, 205, 195), 1));
    for (int i = 1; i < 5; ++i)
        p.drawLine(QPointF(96 * i, 60), QPointF(96 * i, 250));
    sheet::caption(p, QStringLiteral("Fire extinguisher classes and their symbols"));
    return image;
}

QImage sprinklerHead()
{
    QImage image = sheet::blank();
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const double cx = 240;

    // Branch line and tee below the head.
    p.setPen(sheet::outline());
    QLinearGradient pipe(0, 270, 0, 304);
    pipe.setColorAt(0, QColor(170, 60, 50));
    pipe.setColorAt(0.4, QColor(214, 96, 84));
    pipe.setColorAt(1, QColor(140, 44, 38));
    p.setBrush(pipe);
    p.drawRect(QRectF(110, 272, 260, 32));
    p.drawRect(QRectF(cx - 24, 252, 48, 22));

    // Threaded inlet and wrench flats of the body.
    p.setBrush(cylinderShade(cx - 20, cx + 20, QColor(214, 170, 80)));
    p.drawRect(QRectF(cx - 20, 234, 40, 20));
    p.setPen(QPen(QColor(120, 90, 40), 1.2));
    for (int i = 0; i < 6; ++i)
        p.drawLine(QPointF(cx - 20, 236 + i * 3.2), QPointF(cx + 20, 239 + i * 3.2));
    p.setPen(sheet::outline());
    p.setBrush(cylinderShade(cx - 34, cx + 34, QColor(214, 170, 80)));
    QPainterPath flats;
    flats.moveTo(cx - 34, 234);
    flats.lineTo(cx - 28, 208);
    flats.lineTo(cx + 28, 208);
    flats.lineTo(cx + 34, 234);
    flats.closeSubpath();
    p.drawPath(flats);
    p.drawLine(QPointF(cx - 10, 208), QPointF(cx - 12, 234));
    p.drawLine(QPointF(cx + 10, 208), QPointF(cx + 12, 234));

    // Frame: two arms rising from the body to the boss that holds the bulb.
    const QColor brass(214, 170, 80);
    for (int side : {-1, 1}) {
        QPainterPath arm;
        arm.moveTo(cx + side * 22, 210);
        arm.cubicTo(cx + side * 44, 170, cx + side * 40, 120, cx + side * 8, 96);
        p.setPen(QPen(sheet::kInk, 13, Qt::SolidLine, Qt::FlatCap));
        p.setBrush(Qt::NoBrush);
        p.drawPath(arm);
        p.setPen(QPen(brass, 9, Qt::SolidLine, Qt::FlatCap));
        p.drawPath(arm);
        p.setPen(QPen(brass.lighter(130), 2.5, Qt::SolidLine, Qt::FlatCap));
        p.drawPath(arm.translated(-side * 1.5, 0));
    }
    p.setPen(sheet::outline());
    p.setBrush(cylinderShade(cx - 11, cx + 11, brass));
    p.drawRoundedRect(QRectF(cx - 11, 84, 22, 18), 3, 3);

    // Orifice cap on the body and the glass bulb held against it.
    p.setBrush(sheet::kMetal);
    p.drawRoundedRect(QRectF(cx - 12, 196, 24, 12), 2, 2);
    QPainterPath bulb;
    bulb.moveTo(cx - 3, 102);
    bulb.cubicTo(cx - 3, 112, cx - 9, 118, cx - 9, 148);
    bulb.cubicTo(cx - 9, 178, cx - 3, 184, cx - 3, 196);
    bulb.lineTo(cx + 3, 196);
    bulb.cubicTo(cx + 3, 184, cx + 9, 178, cx + 9, 148);
    bulb.cubicTo(cx + 9, 118, cx + 3, 112, cx + 3, 102);
    bulb.closeSubpath();
    p.setPen(QPen(QColor(60, 30, 30), 1.3));
    p.setBrush(QColor(224, 52, 44));
    p.drawPath(bulb);
    p.setPen(QPen(QColor(255, 255, 255, 200), 1.6, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(cx - 5, 130), QPointF(cx - 5, 166));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 220, 215));
    p.drawEllipse(QPointF(cx + 2, 120), 3, 3);

    // Deflector on top, seen a little from above with its teeth round the rim.
    p.setPen(sheet::outline(1.6));
    p.setBrush(cylinderShade(cx - 4, cx + 4, brass));
    p.drawRect(QRectF(cx - 4, 72, 8, 14));
    QPainterPath deflector;
    const int teeth = 28;
    for (int i = 0; i <= teeth * 2; ++i) {
        const double a = M_PI * i / teeth;
        const double r = (i % 2) ? 0.86 : 1.0;
        const QPointF pt(cx + 62 * r * std::cos(a), 68 + 14 * r * std::sin(a));
        if (i == 0)
            deflector.moveTo(pt);
        else
            deflector.lineTo(pt);
    }
    deflector.closeSubpath();
    p.setBrush(brass.lighter(115));
    p.drawPath(deflector);
    p.setBrush(brass.darker(110));
    p.drawEllipse(QPointF(cx, 68), 14, 4);

    label(p, QPointF(cx + 58, 64), QPointF(340, 44), QStringLiteral("deflector"), Side::Right);
    label(p, QPointF(cx + 38, 150), QPointF(330, 150), QStringLiteral("frame (arms)"), Side::Right);
    label(p, QPointF(cx - 8, 150), QPointF(150, 130), QStringLiteral("glass bulb\n(heat-sensitive)"), Side::Left);
    label(p, QPointF(cx - 12, 202), QPointF(150, 200), QStringLiteral("cap over\norifice"), Side::Left);
    label(p, QPointF(cx + 30, 226), QPointF(330, 232), QStringLiteral("threaded body"), Side::Right);
    label(p, QPointF(345, 288), QPointF(400, 318), QStringLiteral("branch line"), Side::Right);
    sheet::caption(p, QStringLiteral("Upright sprinkler head"));
    return image;
}

QImage smokeDetector()
{
    QImage image = sheet::blank();
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const QPointF c(160, 158);

    // Front view, as seen looking up at the ceiling.
    QRadialGradient body(c - QPointF(30, 30), 140);
    body.setColorAt(0, QColor(252, 252, 249));
    body.setColorAt(1, QColor(222, 221, 214));
    p.setPen(sheet::outline(2));
    p.setBrush(body);
    p.drawEllipse(c, 104, 104);
    p.setPen(QPen(QColor(150, 150, 145), 1.5));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(c, 94, 94);
    p.drawEllipse(c, 58, 58);
    // Vent slots into the sensing chamber.
    p.setPen(QPen(QColor(90, 90, 88), 4, Qt::SolidLine, Qt::RoundCap));
    for (int i = 0; i < 24; ++i) {
        const double a = 2 * M_PI * i / 24;
        const QPointF dir(std::cos(a), std::sin(a));
        p.drawLine(c + dir * 66, c + dir * 86);
    }
    // Test button and indicator light.
    p.setPen(sheet::outline(1.8));
    p.setBrush(QColor(236, 236, 230));
    p.drawEllipse(c, 30, 30);
    p.setPen(QColor(60, 60, 60));
    p.setFont(sheet::font(13, true));
    p.drawText(QRectF(c.x() - 30, c.y() - 12, 60, 24), Qt::AlignCenter, QStringLiteral("TEST"));
    p.setPen(QPen(sheet::kInk, 1.2));
    p.setBrush(QColor(220, 40, 40));
    p.drawEllipse(c + QPointF(0, 44), 4.5, 4.5);

    // Side view under a ceiling.
    const double sx = 392, ceiling = 78;
    p.setPen(QPen(sheet::kInk, 2));
    p.drawLine(QPointF(306, ceiling), QPointF(472, ceiling));
    p.setPen(QPen(QColor(120, 120, 120), 1));
    for (double x = 310; x < 470; x += 10)
        p.drawLine(QPointF(x, ceiling), QPointF(x + 8, ceiling - 8));
    QPainterPath profile;
    profile.moveTo(sx - 62, ceiling);
    profile.lineTo(sx - 60, ceiling + 20);
    profile.quadTo(sx - 56, ceiling + 34, sx - 40, ceiling + 34);
    profile.lineTo(sx + 40, ceiling + 34);
    profile.quadTo(sx + 56, ceiling + 34, sx + 60, ceiling + 20);
    profile.lineTo(sx + 62, ceiling);
    profile.closeSubpath();
    QLinearGradient side(0, ceiling, 0, ceiling + 34);
    side.setColorAt(0, QColor(250, 250, 247));
    side.setColorAt(1, QColor(215, 214, 207));
    p.setPen(sheet::outline(2));
    p.setBrush(side);
    p.drawPath(profile);
    p.setPen(QPen(QColor(90, 90, 88), 3, Qt::SolidLine, Qt::RoundCap));
    for (int i = -4; i <= 4; ++i)
        p.drawLine(QPointF(sx + i * 12, ceiling + 12), QPointF(sx + i * 12, ceiling + 22));
    p.setPen(QPen(sheet::kInk, 1.2));
    p.setBrush(QColor(236, 236, 230));
    p.drawRoundedRect(QRectF(sx - 16, ceiling + 34, 32, 5), 2, 2);
    sheet::text(p, QPointF(sx, ceiling + 58), QStringLiteral("side view, on the ceiling"), sheet::font(11),
                QColor(90, 90, 90));

    label(p, c + QPointF(22, 20), QPointF(300, 214), QStringLiteral("test button"), Side::Right);
    label(p, c + QPointF(4, 46), QPointF(300, 244), QStringLiteral("indicator light"), Side::Right);
    label(p, c + QPointF(64, -40), QPointF(300, 178), QStringLiteral("vents to the\nsensing chamber"), Side::Right);
    sheet::caption(p, QStringLiteral("Smoke alarm (smoke detector)"));
    return image;
}

} // namespace assets::drawings
