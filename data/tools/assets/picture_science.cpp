#include "drawings.h"

#include "sheet.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QVector3D>
#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

namespace assets::drawings {

using sheet::label;
using sheet::Side;

namespace {

// White lettering with a dark rim, readable on any coloured face.
void faceText(QPainter &p, QPointF centre, const QString &content, int pixelSize)
{
    const QFont f = sheet::font(pixelSize, true);
    const QFontMetricsF fm(f);
    const QStringList lines = content.split(QLatin1Char('\n'));
    QPainterPath path;
    double y = centre.y() - (fm.lineSpacing() * (lines.size() - 1) + fm.height()) / 2 + fm.ascent();
    for (const QString &line : lines) {
        path.addText(QPointF(centre.x() - fm.horizontalAdvance(line) / 2, y), f, line);
        y += fm.lineSpacing();
    }
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.strokePath(path, QPen(QColor(30, 30, 30, 200), 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.fillPath(path, Qt::white);
    p.restore();
}

QPainterPath triangle(QPointF a, QPointF b, QPointF c)
{
    QPainterPath path(a);
    path.lineTo(b);
    path.lineTo(c);
    path.closeSubpath();
    return path;
}

// A straight member of sawn lumber, drawn as a band with a little grain.
void timber(QPainter &p, QPointF from, QPointF to, double width)
{
    const QLineF line(from, to);
    const QPointF dir = (to - from) / line.length();
    const QPointF normal(-dir.y(), dir.x());
    const QPointF h = normal * (width / 2);
    QPainterPath band(from + h);
    band.lineTo(to + h);
    band.lineTo(to - h);
    band.lineTo(from - h);
    band.closeSubpath();
    p.setPen(sheet::outline(1.6));
    p.setBrush(QColor(222, 188, 130));
    p.drawPath(band);
    p.setPen(QPen(QColor(176, 136, 82, 150), 0.9));
    for (double k : {-0.25, 0.05, 0.3}) {
        const QPointF off = normal * (width * k);
        p.drawLine(from + off + dir * 6, to + off - dir * 6);
    }
}

// A toothed metal connector plate pressed over a joint.
void gussetPlate(QPainter &p, QPointF centre, double width, double height, double degrees)
{
    p.save();
    p.translate(centre);
    p.rotate(degrees);
    p.setPen(sheet::outline(1.5));
    p.setBrush(QColor(188, 194, 200));
    p.drawRect(QRectF(-width / 2, -height / 2, width, height));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(96, 102, 110));
    for (double y = -height / 2 + 4; y < height / 2 - 2; y += 5)
        for (double x = -width / 2 + 4; x < width / 2 - 2; x += 5)
            p.drawRect(QRectF(x, y, 1.6, 1.6));
    p.restore();
}

} // namespace

QImage fireTetrahedron()
{
    QImage image = sheet::blank();
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);

    // A regular tetrahedron seen from above and in front. Only two of its
    // faces can face the viewer from here, so the back face is lifted off and
    // the base let down, as in an exploded drawing, and all four are named.
    const double r = std::sqrt(8.0) / 3.0;
    std::array<QVector3D, 4> v;
    v[0] = QVector3D(0, 1, 0);
    for (int i = 0; i < 3; ++i) {
        const double a = M_PI / 2 + i * 2 * M_PI / 3;
        v[i + 1] = QVector3D(float(r * std::cos(a)), -1.0f / 3, float(r * std::sin(a)));
    }
    const double yaw = 8.0 * M_PI / 180, pitch = 22.0 * M_PI / 180;
    for (QVector3D &pt : v) {
        const double x = pt.x() * std::cos(yaw) + pt.z() * std::sin(yaw);
        const double z = -pt.x() * std::sin(yaw) + pt.z() * std::cos(yaw);
        const double y = pt.y();
        pt = QVector3D(float(x), float(y * std::cos(pitch) - z * std::sin(pitch)),
                       float(y * std::sin(pitch) + z * std::cos(pitch)));
    }
    const double scale = 122;
    const QPointF centre(195, 160);
    auto project = [&](const QVector3D &pt) {
        return QPointF(centre.x() + scale * pt.x(), centre.y() - scale * pt.y());
    };

    struct Face {
        std::array<int, 3> corners;
        QColor colour;
        QString name;
        QPointF shift; // how far the face is pulled out of the solid, on the sheet
    };
    Face faces[] = {
        {{0, 1, 2}, QColor(214, 72, 50), QStringLiteral("HEAT"), {}},
        {{0, 3, 1}, QColor(52, 110, 200), QStringLiteral("OXYGEN"), {}},
        {{0, 2, 3}, QColor(138, 96, 56), QStringLiteral("FUEL"), QPointF(165, -12)},
        {{1, 2, 3}, QColor(226, 178, 30), QStringLiteral("CHEMICAL\nCHAIN REACTION"), QPointF(0, 60)},
    };
    // Far faces first. A face touching the solid is drawn only when its outer
    // side faces the viewer; a pulled-out face shows whichever side is seen.
    std::vector<int> order{0, 1, 2, 3};
    auto depthOf = [&](const Face &f) { return (v[f.corners[0]] + v[f.corners[1]] + v[f.corners[2]]).z(); };
    std::sort(order.begin(), order.end(), [&](int a, int b) {
        const bool aLoose = !faces[a].shift.isNull(), bLoose = !faces[b].shift.isNull();
        if (aLoose != bLoose)
            return aLoose;
        return depthOf(faces[a]) < depthOf(faces[b]);
    });
    const QVector3D middle = (v[0] + v[1] + v[2] + v[3]) / 4.0f;

    p.setPen(QPen(QColor(120, 120, 120), 1.2, Qt::DashLine));
    for (const Face &f : faces)
        if (!f.shift.isNull())
            for (int c : f.corners)
                p.drawLine(project(v[c]), project(v[c]) + f.shift);

    for (int index : order) {
        const Face &f = faces[index];
        const QVector3D a = v[f.corners[0]], b = v[f.corners[1]], c = v[f.corners[2]];
        QVector3D normal = QVector3D::crossProduct(b - a, c - a).normalized();
        if (QVector3D::dotProduct(normal, (a + b + c) / 3.0f - middle) < 0)
            normal = -normal;
        if (f.shift.isNull() && normal.z() <= 0)
            continue;
        const QPointF pa = project(a) + f.shift, pb = project(b) + f.shift, pc = project(c) + f.shift;
        const double facing = std::abs(normal.z());
        QLinearGradient shade(pa, (pb + pc) / 2);
        shade.setColorAt(0, f.colour.lighter(100 + int(22 * facing)));
        shade.setColorAt(1, f.colour.darker(100 + int(30 * (1 - facing))));
        p.setPen(sheet::outline(2));
        p.setBrush(shade);
        p.drawPath(triangle(pa, pb, pc));
        // Lettering goes at the centre of the largest circle inside the face, which
        // keeps it clear of the edges on a narrow face.
        const double la = QLineF(pb, pc).length(), lb = QLineF(pa, pc).length(), lc = QLineF(pa, pb).length();
        const QPointF inCentre = (pa * la + pb * lb + pc * lc) / (la + lb + lc);
        faceText(p, inCentre + QPointF(0, 2), f.name, f.name.size() > 8 ? 12 : 14);
    }

    sheet::text(p, QPointF(80, 52), QStringLiteral("Take away any\none face and\nthe fire goes out."),
                sheet::font(12), QColor(60, 60, 60));
    sheet::caption(p, QStringLiteral("The fire tetrahedron"));
    return image;
}

QImage placard()
{
    QImage image = sheet::blank();
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const QPointF c(196, 160);
    const double half = 136;

    QPainterPath diamond;
    diamond.moveTo(c + QPointF(0, -half));
    diamond.lineTo(c + QPointF(half, 0));
    diamond.lineTo(c + QPointF(0, half));
    diamond.lineTo(c + QPointF(-half, 0));
    diamond.closeSubpath();
    p.setPen(sheet::outline(2));
    p.setBrush(QColor(214, 40, 40));
    p.drawPath(diamond);
    const double inset = half - 12;
    QPainterPath border;
    border.moveTo(c + QPointF(0, -inset));
    border.lineTo(c + QPointF(inset, 0));
    border.lineTo(c + QPointF(0, inset));
    border.lineTo(c + QPointF(-inset, 0));
    border.closeSubpath();
    p.setPen(QPen(QColor(20, 20, 20), 2));
    p.setBrush(Qt::NoBrush);
    p.drawPath(border);

    // Flame symbol in the top corner.
    const QPointF f = c + QPointF(0, -78);
    QPainterPath flame;
    flame.moveTo(f + QPointF(0, -42));
    flame.cubicTo(f + QPointF(8, -22), f + QPointF(26, -14), f + QPointF(24, 10));
    flame.cubicTo(f + QPointF(23, 26), f + QPointF(12, 34), f + QPointF(0, 34));
    flame.cubicTo(f + QPointF(-14, 34), f + QPointF(-26, 24), f + QPointF(-24, 8));
    flame.cubicTo(f + QPointF(-22, -6), f + QPointF(-14, -12), f + QPointF(-12, -26));
    flame.cubicTo(f + QPointF(-6, -16), f + QPointF(-4, -10), f + QPointF(-4, -6));
    flame.cubicTo(f + QPointF(-2, -18), f + QPointF(-2, -30), f + QPointF(0, -42));
    flame.closeSubpath();
    QPainterPath inner;
    inner.moveTo(f + QPointF(2, -2));
    inner.cubicTo(f + QPointF(6, 8), f + QPointF(14, 12), f + QPointF(12, 22));
    inner.cubicTo(f + QPointF(10, 30), f + QPointF(-10, 30), f + QPointF(-10, 20));
    inner.cubicTo(f + QPointF(-10, 12), f + QPointF(-2, 8), f + QPointF(2, -2));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(20, 20, 20));
    p.drawPath(flame.subtracted(inner));
    p.drawRect(QRectF(f.x() - 30, f.y() + 38, 60, 4));

    // The four-digit identification number on a white panel across the middle.
    const QRectF panel(c.x() - 74, c.y() - 24, 148, 48);
    p.setPen(QPen(QColor(20, 20, 20), 3));
    p.setBrush(Qt::white);
    p.drawRect(panel);
    p.setPen(QColor(20, 20, 20));
    p.setFont(sheet::font(36, true));
    p.drawText(panel, Qt::AlignCenter, QStringLiteral("1203"));

    // Hazard class number in the bottom corner.
    p.setFont(sheet::font(30, true));
    p.drawText(QRectF(c.x() - 30, c.y() + 74, 60, 44), Qt::AlignCenter, QStringLiteral("3"));

    label(p, c + QPointF(22, -96), QPointF(352, 44), QStringLiteral("hazard symbol\n(flame)"), Side::Right);
    label(p, QPointF(panel.right() - 6, panel.bottom() - 4), QPointF(352, 186),
          QStringLiteral("UN number panel\n(four-digit ID)"), Side::Right);
    label(p, c + QPointF(16, 100), QPointF(352, 266), QStringLiteral("hazard class\nnumber"), Side::Right);
    sheet::caption(p, QStringLiteral("Placard with UN identification number"));
    return image;
}

QImage truss()
{
    QImage image = sheet::blank();
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);

    const QPointF heelL(48, 236), heelR(432, 236), apex(240, 76);
    const double chordY = 236;
    const QPointF b1(176, chordY), b2(304, chordY);
    const QPointF t1 = (heelL + apex) / 2, t2 = (heelR + apex) / 2;

    // Bearing walls under the heels.
    for (double x : {34.0, 414.0}) {
        p.setPen(sheet::outline(1.5));
        p.setBrush(QColor(214, 208, 196));
        p.drawRect(QRectF(x, chordY + 8, 32, 60));
        p.setPen(QPen(QColor(150, 140, 125), 1));
        for (double y = chordY + 14; y < chordY + 66; y += 8)
            p.drawLine(QPointF(x + 2, y), QPointF(x + 30, y - 6));
    }

    // Webs in a W, then the chords over them.
    timber(p, t1, b1, 11);
    timber(p, b1, apex, 11);
    timber(p, apex, b2, 11);
    timber(p, b2, t2, 11);
    timber(p, heelL + QPointF(-10, 0), heelR + QPointF(10, 0), 15);
    // The chords stop short of the peak, where the plate covers their joint.
    timber(p, heelL + QPointF(-8, 2), apex + QPointF(-4, 10), 15);
    timber(p, apex + QPointF(4, 10), heelR + QPointF(8, 2), 15);

    const double slope = std::atan2(apex.y() - heelL.y(), apex.x() - heelL.x()) * 180 / M_PI;
    gussetPlate(p, heelL + QPointF(4, -4), 46, 24, 0);
    gussetPlate(p, heelR + QPointF(-4, -4), 46, 24, 0);
    gussetPlate(p, apex + QPointF(0, 10), 40, 30, 0);
    gussetPlate(p, b1 + QPointF(0, -2), 44, 24, 0);
    gussetPlate(p, b2 + QPointF(0, -2), 44, 24, 0);
    gussetPlate(p, t1 + QPointF(2, 4), 34, 22, slope);
    gussetPlate(p, t2 + QPointF(-2, 4), 34, 22, -slope);

    label(p, QPointF(100, 178), QPointF(70, 120), QStringLiteral("top chord"), Side::Above);
    label(p, QPointF(370, chordY + 4), QPointF(370, 290), QStringLiteral("bottom chord"), Side::Below);
    label(p, {QPointF(212, 160), QPointF(272, 160)}, QPointF(240, 200), QStringLiteral("web members"), Side::Below);
    label(p, {apex + QPointF(-16, 4), t1 + QPointF(-4, -8)}, QPointF(150, 44),
          QStringLiteral("gusset plates\n(metal connectors)"), Side::Left);
    label(p, b1 + QPointF(-16, 6), QPointF(140, 290), QStringLiteral("gusset plate"), Side::Below);
    sheet::caption(p, QStringLiteral("Lightweight wood truss with gusset plates"));
    return image;
}

} // namespace assets::drawings
