#include "drawings.h"

#include "random.h"
#include "sheet.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <cmath>

namespace assets::drawings {

using sheet::label;
using sheet::Side;

namespace {

QLinearGradient across(QPointF from, QPointF to, QColor base)
{
    QLinearGradient g(from, to);
    g.setColorAt(0.0, base.darker(130));
    g.setColorAt(0.35, base.lighter(122));
    g.setColorAt(1.0, base.darker(145));
    return g;
}

QPainterPath polygon(std::initializer_list<QPointF> points)
{
    QPainterPath path;
    bool first = true;
    for (const QPointF &pt : points) {
        if (first)
            path.moveTo(pt);
        else
            path.lineTo(pt);
        first = false;
    }
    path.closeSubpath();
    return path;
}

// One ladder section in front view: two rails and evenly spaced rungs.
void ladderSection(QPainter &p, double left, double right, double top, double bottom, double firstRung,
                   double spacing, QColor rail)
{
    const double railWidth = 11;
    p.setPen(sheet::outline(1.5));
    for (double y = firstRung; y > top + 8; y -= spacing) {
        p.setBrush(across(QPointF(0, y - 4), QPointF(0, y + 4), QColor(150, 156, 164)));
        p.drawRoundedRect(QRectF(left + railWidth - 1, y - 4, right - left - 2 * railWidth + 2, 8), 3, 3);
    }
    for (double x : {left, right - railWidth}) {
        p.setBrush(across(QPointF(x, 0), QPointF(x + railWidth, 0), rail));
        p.drawRect(QRectF(x, top, railWidth, bottom - top));
    }
}

} // namespace

QImage extensionLadder()
{
    QImage image = sheet::blank();
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);

    const double spacing = 28;
    const double bedLeft = 170, bedRight = 274, bedTop = 92, butt = 312;
    const double flyLeft = 182, flyRight = 262, flyTop = 14, flyBottom = 244;
    const double bedFirstRung = 296;

    // Bed section, at the back.
    ladderSection(p, bedLeft, bedRight, bedTop, butt, bedFirstRung, spacing, QColor(150, 160, 170));
    p.setBrush(QColor(60, 60, 64));
    p.setPen(sheet::outline(1.5));
    p.drawRoundedRect(QRectF(bedLeft - 3, butt - 6, 17, 12), 3, 3);
    p.drawRoundedRect(QRectF(bedRight - 14, butt - 6, 17, 12), 3, 3);

    // Pulley on the top rung of the bed section, halyard between the sections.
    const double pulleyY = bedFirstRung - spacing * 7;
    const double ropeUp = 228, ropeDown = 214;
    const double flyLowRung = flyBottom - 10;
    p.setPen(QPen(QColor(120, 90, 40), 3.2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(ropeUp, bedFirstRung - 2), QPointF(ropeUp, pulleyY));
    p.drawLine(QPointF(ropeDown, pulleyY), QPointF(ropeDown, flyLowRung));
    p.setPen(QPen(QColor(226, 196, 120), 1.6, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(ropeUp, bedFirstRung - 2), QPointF(ropeUp, pulleyY));
    p.drawLine(QPointF(ropeDown, pulleyY), QPointF(ropeDown, flyLowRung));

    // Fly section in front, its rungs level with the bed's when locked.
    ladderSection(p, flyLeft, flyRight, flyTop, flyBottom, flyLowRung, spacing, QColor(206, 212, 218));
    // Halyard tied off on the lowest fly rung.
    p.setPen(QPen(QColor(120, 90, 40), 3.2, Qt::SolidLine, Qt::RoundCap));
    p.drawEllipse(QPointF(ropeDown, flyLowRung), 5, 6);
    // The pulley sits on the bed's top rung, behind the fly; it is drawn over
    // the fly rung there so that it can be seen.
    const QPointF pulley((ropeUp + ropeDown) / 2, pulleyY - 2);
    p.setPen(sheet::outline(1.6));
    p.setBrush(QColor(96, 100, 108));
    p.drawEllipse(pulley, 9, 9);
    p.setBrush(sheet::kMetal);
    p.drawEllipse(pulley, 3, 3);
    p.setPen(QPen(QColor(120, 90, 40), 3.2, Qt::SolidLine, Qt::RoundCap));
    p.drawArc(QRectF(pulley.x() - 7, pulley.y() - 7, 14, 14), 0, 180 * 16);

    // Pawls (dogs) on the fly rails, hooked over a bed rung.
    const double hookRung = bedFirstRung - spacing * 2;
    for (double x : {flyLeft + 2.0, flyRight - 14.0}) {
        const QPainterPath pawl = polygon({QPointF(x, flyBottom - 16), QPointF(x + 12, flyBottom - 16),
                                           QPointF(x + 12, hookRung + 2), QPointF(x + 6, hookRung + 6),
                                           QPointF(x + 2, hookRung + 2), QPointF(x + 6, hookRung - 2),
                                           QPointF(x, hookRung - 4)});
        p.setPen(sheet::outline(1.5));
        p.setBrush(QColor(70, 72, 78));
        p.drawPath(pawl);
    }

    label(p, QPointF(flyLeft + 4, flyTop + 4), QPointF(130, 20), QStringLiteral("tip"), Side::Left);
    label(p, QPointF(flyLeft + 2, 90), QPointF(130, 90), QStringLiteral("fly section"), Side::Left);
    label(p, QPointF(bedLeft + 2, 270), QPointF(130, 260), QStringLiteral("bed section"), Side::Left);
    label(p, QPointF(bedLeft + 2, butt), QPointF(130, 310), QStringLiteral("butt (heel)"), Side::Left);
    label(p, QPointF(flyRight - 20, flyLowRung - spacing * 6), QPointF(318, 58), QStringLiteral("rungs"),
          Side::Right);
    label(p, QPointF(ropeUp + 8, pulleyY - 4), QPointF(318, 110), QStringLiteral("pulley"), Side::Right);
    label(p, {QPointF(flyRight - 4, hookRung + 2)}, QPointF(318, 200), QStringLiteral("pawls (dogs)"),
          Side::Right);
    label(p, QPointF(ropeUp + 1, 278), QPointF(318, 270), QStringLiteral("halyard"), Side::Right);
    sheet::caption(p, QStringLiteral("Two-section extension ladder"));
    return image;
}

QImage halligan()
{
    QImage image = sheet::blank();
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const QColor steel(176, 182, 190);
    const double axis = 168;

    // Shaft.
    p.setPen(sheet::outline(2));
    p.setBrush(across(QPointF(0, axis - 8), QPointF(0, axis + 8), steel));
    p.drawRect(QRectF(126, axis - 8, 218, 16));
    p.setPen(QPen(QColor(130, 136, 144), 1));
    for (double x = 150; x < 336; x += 6)
        p.drawLine(QPointF(x, axis - 6), QPointF(x + 4, axis + 6));

    // Fork: the bar flares into a broad, slightly bent claw split into two
    // bevelled tines.
    QPainterPath fork;
    fork.moveTo(340, axis - 8);
    fork.cubicTo(356, axis - 14, 366, axis - 16, 378, axis - 16);
    fork.lineTo(452, axis - 7);
    fork.lineTo(458, axis - 1);
    fork.lineTo(382, axis + 3);
    fork.lineTo(456, axis + 9);
    fork.lineTo(450, axis + 17);
    fork.lineTo(378, axis + 21);
    fork.cubicTo(366, axis + 21, 356, axis + 17, 340, axis + 8);
    fork.closeSubpath();
    p.setPen(sheet::outline(2));
    p.setBrush(across(QPointF(0, axis - 20), QPointF(0, axis + 26), steel));
    p.drawPath(fork);
    p.setPen(QPen(QColor(110, 116, 124), 1.2));
    p.drawLine(QPointF(444, axis - 8), QPointF(447, axis));
    p.drawLine(QPointF(445, axis + 9), QPointF(442, axis + 17));

    // Head: the adz blade one way, the tapered pick the other.
    QPainterPath adz;
    adz.moveTo(102, axis - 10);
    adz.cubicTo(96, axis - 50, 86, axis - 84, 86, axis - 108);
    adz.lineTo(134, axis - 114);
    adz.cubicTo(130, axis - 84, 136, axis - 46, 138, axis - 10);
    adz.closeSubpath();
    p.setBrush(across(QPointF(86, 0), QPointF(138, 0), steel));
    p.drawPath(adz);
    p.setPen(QPen(QColor(110, 116, 124), 1.2));
    p.drawLine(QPointF(90, axis - 98), QPointF(132, axis - 104));

    QPainterPath pick;
    pick.moveTo(104, axis + 10);
    pick.cubicTo(104, axis + 50, 112, axis + 90, 122, axis + 116);
    pick.cubicTo(128, axis + 90, 136, axis + 50, 136, axis + 10);
    pick.closeSubpath();
    p.setPen(sheet::outline(2));
    p.setBrush(across(QPointF(104, 0), QPointF(136, 0), steel));
    p.drawPath(pick);

    p.setBrush(across(QPointF(0, axis - 14), QPointF(0, axis + 14), steel.darker(110)));
    p.drawRoundedRect(QRectF(100, axis - 14, 40, 28), 4, 4);

    label(p, QPointF(128, axis - 90), QPointF(190, 60), QStringLiteral("adz (blade)"), Side::Right);
    label(p, QPointF(126, axis + 80), QPointF(190, 270), QStringLiteral("pick (tapered point)"), Side::Right);
    label(p, QPointF(420, axis - 10), QPointF(420, 110), QStringLiteral("fork (claw)"), Side::Above);
    label(p, QPointF(250, axis + 8), QPointF(250, 214), QStringLiteral("shaft"), Side::Below);
    sheet::caption(p, QStringLiteral("Halligan bar"));
    return image;
}

QImage hydrant()
{
    QImage image = sheet::blank();
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const double cx = 240, ground = 250;
    const QColor red(200, 50, 42);

    // Below ground, shown dashed: the barrel down to the main valve and the supply pipe.
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(110, 110, 110), 1.5, Qt::DashLine));
    p.drawRect(QRectF(cx - 26, ground, 52, 50));
    p.drawRect(QRectF(cx - 30, 300, 60, 18));
    p.drawLine(QPointF(cx + 30, 304), QPointF(400, 304));
    p.drawLine(QPointF(cx + 30, 316), QPointF(400, 316));
    p.setPen(QPen(QColor(110, 110, 110), 1.5));
    p.drawLine(QPointF(cx, 258), QPointF(cx, 300));

    // Ground line with hatching.
    p.setPen(QPen(QColor(90, 80, 60), 2));
    p.drawLine(QPointF(60, ground), QPointF(420, ground));
    p.setPen(QPen(QColor(140, 125, 100), 1));
    for (double x = 62; x < 420; x += 12)
        if (x < cx - 34 || x > cx + 34)
            p.drawLine(QPointF(x, ground + 2), QPointF(x - 8, ground + 10));

    // Side outlets (2.5 in), behind the barrel.
    for (int side : {-1, 1}) {
        const double from = cx + side * 36, to = cx + side * 70;
        const QRectF stub(std::min(from, to), 138, std::abs(to - from), 28);
        p.setPen(sheet::outline(2));
        p.setBrush(across(QPointF(0, 138), QPointF(0, 166), red));
        p.drawRect(stub);
        const double capX = side > 0 ? to : to - 14;
        p.setBrush(across(QPointF(0, 134), QPointF(0, 170), red.darker(110)));
        p.drawRoundedRect(QRectF(capX, 134, 14, 36), 3, 3);
        p.setBrush(QColor(90, 40, 36));
        p.drawRect(QRectF(side > 0 ? to + 14 : to - 22, 144, 8, 16));
        p.setPen(QPen(QColor(90, 90, 90), 1.5, Qt::DotLine));
        p.drawLine(QPointF(capX + 7, 170), QPointF(cx + side * 30, 196));
    }

    // Barrel, foot flange and bonnet.
    p.setPen(sheet::outline(2));
    p.setBrush(across(QPointF(cx - 36, 0), QPointF(cx + 36, 0), red));
    p.drawRect(QRectF(cx - 36, 116, 72, ground - 116));
    p.drawRect(QRectF(cx - 46, ground - 16, 92, 16));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(40, 40, 40));
    for (int i = 0; i < 4; ++i)
        p.drawEllipse(QPointF(cx - 36 + i * 24, ground - 8), 3, 3);
    p.setPen(sheet::outline(2));
    p.setBrush(across(QPointF(cx - 42, 0), QPointF(cx + 42, 0), red));
    p.drawRect(QRectF(cx - 42, 110, 84, 10));
    QPainterPath bonnet;
    bonnet.moveTo(cx - 38, 110);
    bonnet.cubicTo(cx - 38, 80, cx + 38, 80, cx + 38, 110);
    bonnet.closeSubpath();
    p.drawPath(bonnet);
    // Pentagonal operating nut.
    p.setBrush(across(QPointF(cx - 12, 0), QPointF(cx + 12, 0), QColor(110, 112, 118)));
    QPainterPath nut;
    nut.moveTo(cx - 12, 88);
    nut.lineTo(cx - 10, 68);
    nut.lineTo(cx + 10, 68);
    nut.lineTo(cx + 12, 88);
    nut.closeSubpath();
    p.drawPath(nut);
    p.drawLine(QPointF(cx - 3, 68), QPointF(cx - 4, 88));
    p.drawLine(QPointF(cx + 4, 68), QPointF(cx + 5, 88));

    // Large steamer outlet facing the street.
    p.setBrush(across(QPointF(cx - 30, 0), QPointF(cx + 30, 0), red.darker(108)));
    p.drawEllipse(QPointF(cx, 178), 30, 30);
    p.setBrush(across(QPointF(cx - 12, 0), QPointF(cx + 12, 0), QColor(110, 112, 118)));
    const QPainterPath steamerNut = [&] {
        QPainterPath path;
        for (int i = 0; i < 5; ++i) {
            const double a = (-90 + 72 * i) * M_PI / 180.0;
            const QPointF pt(cx + 13 * std::cos(a), 178 + 13 * std::sin(a));
            if (i == 0)
                path.moveTo(pt);
            else
                path.lineTo(pt);
        }
        path.closeSubpath();
        return path;
    }();
    p.drawPath(steamerNut);

    label(p, QPointF(cx + 10, 72), QPointF(300, 52), QStringLiteral("operating nut"), Side::Right);
    label(p, QPointF(cx + 30, 98), QPointF(330, 96), QStringLiteral("bonnet"), Side::Right);
    label(p, QPointF(cx - 80, 136), QPointF(126, 112), QStringLiteral("2.5 in outlet"), Side::Left);
    label(p, QPointF(cx + 90, 156), QPointF(352, 156), QStringLiteral("2.5 in outlet"), Side::Right);
    label(p, QPointF(cx - 22, 198), QPointF(140, 214), QStringLiteral("4.5 in\nsteamer outlet"), Side::Left);
    label(p, QPointF(cx + 34, 224), QPointF(330, 210), QStringLiteral("barrel"), Side::Right);
    label(p, QPointF(400, ground), QPointF(420, 236), QStringLiteral("ground"), Side::Right);
    label(p, QPointF(cx - 30, 309), QPointF(150, 286), QStringLiteral("main valve\nbelow frost line"), Side::Left);
    sheet::caption(p, QStringLiteral("Dry-barrel hydrant"));
    return image;
}

QImage fogNozzle()
{
    QImage image = sheet::blank();
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const double axis = 170;
    const QColor alloy(186, 190, 196);

    // The fog pattern: a wide cone of droplets from the tip.
    Rng rng(4101);
    const QPointF tip(372, axis);
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 700; ++i) {
        const double angle = rng.uniform(-0.62, 0.62);
        const double dist = 10 + 100 * std::sqrt(rng.uniform());
        const QPointF pt = tip + QPointF(std::cos(angle), std::sin(angle)) * dist;
        p.setBrush(QColor(70, 140, 210, 90 + rng.below(100)));
        p.drawEllipse(pt, 1.3, 1.3);
    }
    p.setPen(QPen(QColor(70, 140, 210, 120), 1.2, Qt::DashLine));
    for (double a : {-0.62, -0.31, 0.0, 0.31, 0.62})
        p.drawLine(tip, tip + QPointF(std::cos(a), std::sin(a)) * 108);

    // Coupling with rocker lugs, valve body, barrel.
    p.setPen(sheet::outline(2));
    p.setBrush(across(QPointF(0, axis - 32), QPointF(0, axis + 32), alloy));
    p.drawRoundedRect(QRectF(40, axis - 32, 48, 64), 4, 4);
    p.setBrush(across(QPointF(0, axis - 44), QPointF(0, axis - 28), alloy));
    p.drawRoundedRect(QRectF(52, axis - 44, 24, 14), 5, 5);
    p.drawRoundedRect(QRectF(52, axis + 30, 24, 14), 5, 5);
    p.setPen(QPen(QColor(120, 124, 130), 1));
    for (double x = 46; x < 86; x += 5)
        p.drawLine(QPointF(x, axis - 30), QPointF(x, axis + 30));

    p.setPen(sheet::outline(2));
    p.setBrush(across(QPointF(0, axis - 26), QPointF(0, axis + 26), alloy));
    p.drawRoundedRect(QRectF(88, axis - 26, 92, 52), 6, 6);
    p.setBrush(across(QPointF(0, axis - 21), QPointF(0, axis + 21), alloy));
    p.drawRect(QRectF(180, axis - 21, 76, 42));

    // Pattern-selecting sleeve with grip ridges, and the toothed rubber bumper.
    p.setBrush(across(QPointF(0, axis - 31), QPointF(0, axis + 31), QColor(200, 60, 50)));
    p.drawRoundedRect(QRectF(256, axis - 31, 78, 62), 5, 5);
    p.setPen(QPen(QColor(140, 40, 34), 1.5));
    for (double x = 264; x < 330; x += 8)
        p.drawLine(QPointF(x, axis - 29), QPointF(x, axis + 29));
    p.setPen(sheet::outline(2));
    p.setBrush(across(QPointF(0, axis - 38), QPointF(0, axis + 38), QColor(50, 52, 56)));
    p.drawRoundedRect(QRectF(334, axis - 38, 30, 76), 5, 5);
    for (int i = 0; i < 6; ++i)
        p.drawRect(QRectF(364, axis - 36 + i * 13, 7, 7));

    // Bail (shut-off handle), shown forward: the nozzle is closed.
    QPainterPath bail;
    bail.moveTo(132, axis - 22);
    bail.cubicTo(150, axis - 60, 190, axis - 84, 234, axis - 86);
    p.setPen(QPen(sheet::kInk, 12, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawPath(bail);
    p.setPen(QPen(alloy.darker(108), 8, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(bail);
    p.setPen(sheet::outline(2));
    p.setBrush(QColor(50, 52, 56));
    p.drawRoundedRect(QRectF(222, axis - 96, 34, 20), 9, 9);
    p.setBrush(alloy);
    p.drawEllipse(QPointF(132, axis - 20), 7, 7);

    label(p, QPointF(64, axis + 44), QPointF(64, 240), QStringLiteral("coupling\n(swivel)"), Side::Below);
    label(p, QPointF(246, axis - 92), QPointF(290, 48), QStringLiteral("bail (shut-off)"), Side::Right);
    label(p, QPointF(120, axis + 26), QPointF(160, 244), QStringLiteral("valve body"), Side::Below);
    label(p, QPointF(296, axis + 31), QPointF(280, 262), QStringLiteral("pattern sleeve"), Side::Below);
    label(p, QPointF(350, axis - 38), QPointF(352, 96), QStringLiteral("bumper"), Side::Above);
    label(p, QPointF(440, axis + 40), QPointF(420, 282), QStringLiteral("fog pattern"), Side::Below);
    sheet::caption(p, QStringLiteral("Adjustable fog nozzle"));
    return image;
}

} // namespace assets::drawings
