#include "drawings.h"

#include "rope.h"
#include "sheet.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <cmath>

namespace assets::drawings {

using sheet::label;
using sheet::Side;

QImage bowline()
{
    QImage image = sheet::blank();
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);

    // The knot dressed and seen from the front: the standing part comes down
    // into the nipping turn, which rings both legs of the collar; the collar
    // passes behind the standing part; below hangs the fixed loop.
    const double ringX = 240, ringY = 172, ringA = 50, ringB = 17;
    const double legL = 220, legR = 262;
    auto ring = [&](double degrees) {
        const double a = degrees * M_PI / 180;
        return RopePoint{ringX + ringA * std::cos(a), ringY + ringB * std::sin(a), 30 * std::sin(a)};
    };

    std::vector<RopePoint> w = {
        {240, -12, 2}, {240, 40, 3}, {240, 72, 6}, {240, 110, -6}, {240, 140, -24},
    };
    for (double deg = 270; deg <= 610; deg += 20)
        w.push_back(ring(deg));
    const std::vector<RopePoint> rest = {
        {206, 182, -20}, {190, 214, -4}, {178, 250, 0}, {190, 288, 0}, {240, 306, 0}, {290, 290, 0},
        {302, 252, 0},   {288, 222, 0},  {legR, 196, 0}, {legR, 172, 0}, {legR, 140, 0}, {legR, 110, 0},
        {260, 84, -4},   {251, 66, -10}, {240, 60, -12}, {229, 66, -10}, {legL, 86, -4}, {legL, 112, 0},
        {legL, 140, 0},  {legL, 172, 0}, {legL, 204, 0}, {221, 238, 0},
    };
    w.insert(w.end(), rest.begin(), rest.end());
    drawRope(p, ropeThrough(w));

    label(p, QPointF(246, 24), QPointF(300, 24), QStringLiteral("standing part"), Side::Right);
    label(p, QPointF(222, 240), QPointF(236, 262), QStringLiteral("working end"), Side::Below);
    label(p, QPointF(296, 272), QPointF(338, 272), QStringLiteral("fixed loop"), Side::Right);
    label(p, QPointF(200, 170), QPointF(130, 150), QStringLiteral("nipping turn"), Side::Left);
    label(p, QPointF(258, 76), QPointF(320, 96), QStringLiteral("collar round the\nstanding part"), Side::Right);
    sheet::caption(p, QStringLiteral("Bowline"));
    return image;
}

QImage cloveHitch()
{
    QImage image = sheet::blank();
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);

    // Two turns round an upright post, the second riding diagonally over the
    // first; both ends leave from under the riding turn in opposite directions.
    const double postX = 240, postRadius = 30, ropeRadius = 6.5;
    const double around = postRadius + ropeRadius;
    const double tilt = std::sin(12 * M_PI / 180); // seen slightly from above
    auto onPost = [&](double degrees, double y, double lift) {
        const double a = degrees * M_PI / 180;
        const double z = around * std::cos(a);
        return RopePoint{postX + around * std::sin(a), y + z * tilt, z + lift};
    };
    auto along = [](double from, double to, double t) { return from + (to - from) * t; };

    std::vector<RopePoint> w = {{20, 176, 0}, {110, 176, 0}, {180, 176, 0}};
    struct Pass {
        double fromDeg, toDeg, fromY, toY, lift;
    };
    const Pass passes[] = {
        {-90, 90, 176, 132, 0},   // first turn across the front
        {90, 270, 132, 132, 0},   // behind the post
        {270, 450, 132, 214, 12}, // riding turn, over both others
        {450, 630, 214, 214, 0},  // behind the post again
        {630, 810, 214, 172, 0},  // last turn across the front, under the riding turn
    };
    for (const Pass &pass : passes) {
        const int steps = 12;
        for (int k = (pass.fromDeg == -90 ? 0 : 1); k <= steps; ++k) {
            const double t = double(k) / steps;
            w.push_back(onPost(along(pass.fromDeg, pass.toDeg, t), along(pass.fromY, pass.toY, t), pass.lift));
        }
    }
    const std::vector<RopePoint> exit = {{300, 172, 0}, {380, 172, 0}, {462, 172, 0}};
    w.insert(w.end(), exit.begin(), exit.end());
    const std::vector<RopePoint> rope = ropeThrough(w);

    drawRope(p, rope, {}, -1e9, 0);

    // The post: a round timber with grain, its top cut square.
    const double top = 34, bottom = sheet::kCaptionTop;
    QLinearGradient wood(postX - postRadius, 0, postX + postRadius, 0);
    wood.setColorAt(0.0, QColor(120, 84, 50));
    wood.setColorAt(0.35, QColor(176, 128, 80));
    wood.setColorAt(1.0, QColor(104, 72, 42));
    p.setPen(sheet::outline(2));
    p.setBrush(wood);
    p.drawRect(QRectF(postX - postRadius, top, 2 * postRadius, bottom - top + 2));
    p.setPen(QPen(QColor(96, 66, 38, 140), 1));
    for (double dx : {-18.0, -7.0, 5.0, 16.0}) {
        QPainterPath grain(QPointF(postX + dx, top + 8));
        grain.cubicTo(postX + dx + 3, top + 90, postX + dx - 3, top + 180, postX + dx + 2, bottom);
        p.drawPath(grain);
    }
    p.setPen(sheet::outline(2));
    p.setBrush(QColor(212, 170, 120));
    p.drawEllipse(QPointF(postX, top), postRadius, postRadius * tilt * 1.6);
    p.setPen(QPen(QColor(160, 118, 76), 1));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QPointF(postX, top), postRadius * 0.55, postRadius * tilt * 0.9);

    drawRope(p, rope, {}, 0, 1e9);

    label(p, QPointF(70, 182), QPointF(70, 214), QStringLiteral("standing part"), Side::Below);
    label(p, QPointF(420, 178), QPointF(410, 214), QStringLiteral("working end"), Side::Below);
    label(p, QPointF(252, 168), QPointF(330, 96), QStringLiteral("riding turn\n(crosses over)"), Side::Right);
    sheet::caption(p, QStringLiteral("Clove hitch"));
    return image;
}

} // namespace assets::drawings
