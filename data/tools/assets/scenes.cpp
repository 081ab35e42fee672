#include "scenes.h"

#include "colour.h"
#include "noise.h"
#include "pixels.h"
#include "random.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <cmath>

namespace assets::scenes {

namespace {

Rgb skyAt(double x, double y, double horizon, const GradientNoise &clouds)
{
    const Rgb top = hex(0xc6ddef), low = hex(0xf1f4ef), cloud = hex(0xfbfbf8);
    Rgb c = mix(top, low, smoothstep(0.0, 1.0, y / horizon));
    const double puff = clouds.fbm(x / 280.0, y / 80.0, 5);
    return mix(c, cloud, 0.75 * smoothstep(0.05, 0.45, puff) * (1.0 - 0.5 * y / horizon));
}

Rgb seaAt(double x, double y, double horizon, double shore, const GradientNoise &shimmer)
{
    const Rgb far = hex(0x9dc2d0), near = hex(0xbcd8d6), glint = hex(0xe4f0ee);
    Rgb c = mix(far, near, clamp01((y - horizon) / (shore - horizon)));
    // Streaks squashed flat, as light on water far away.
    const double s = shimmer.fbm(x / 90.0, y / 3.5, 3);
    return mix(c, glint, 0.45 * smoothstep(0.25, 0.6, s));
}

Rgb sandAt(int x, int y, const GradientNoise &tone)
{
    const Rgb dry = hex(0xebdbb4), speck = hex(0xc8b285);
    Rgb c = dry * (0.985 + 0.03 * tone.fbm(x / 200.0, y / 200.0, 3));
    if (hashUnit(x, y, 77) < 0.02)
        c = mix(c, speck, 0.4);
    return c;
}

// Thin blades of beach grass in tufts along a ground line.
void drawGrass(QPainter &p, Rng &rng, const QPainterPath &ground, int tufts, double height,
               QColor colour)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    for (int i = 0; i < tufts; ++i) {
        const double at = rng.uniform(0.02, 0.98);
        const QPointF root = ground.pointAtPercent(at) + QPointF(0, rng.uniform(0, 6));
        const int blades = 5 + rng.below(7);
        for (int b = 0; b < blades; ++b) {
            const double lean = rng.uniform(-0.6, 0.6);
            const double h = height * rng.uniform(0.5, 1.0);
            const QPointF base = root + QPointF(rng.uniform(-5, 5), 0);
            const QPointF tip = base + QPointF(lean * h, -h);
            QPainterPath blade(base);
            blade.quadTo(base + QPointF(lean * h * 0.2, -h * 0.6), tip);
            QColor c = colour;
            c.setAlpha(110 + rng.below(80));
            p.setPen(QPen(c, rng.uniform(0.8, 1.6), Qt::SolidLine, Qt::RoundCap));
            p.drawPath(blade);
        }
    }
    p.restore();
}

// A row of weathered fence slats wired together, as stands on island beaches.
void drawSandFence(QPainter &p, QPointF from, QPointF to, double height)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    const QColor slat(150, 136, 112, 150);
    const QLineF line(from, to);
    const int count = int(line.length() / 9);
    for (int i = 0; i <= count; ++i) {
        const QPointF foot = line.pointAt(double(i) / count);
        const double lean = (i % 7 == 3) ? 3 : 1;
        p.setPen(QPen(slat, 2.4, Qt::SolidLine, Qt::FlatCap));
        p.drawLine(foot, foot + QPointF(lean, -height));
    }
    p.setPen(QPen(QColor(120, 110, 95, 120), 1.0));
    p.drawLine(from + QPointF(0, -height * 0.25), to + QPointF(0, -height * 0.25));
    p.drawLine(from + QPointF(0, -height * 0.8), to + QPointF(0, -height * 0.8));
    p.restore();
}

// A small shingled cottage with a pitched roof and white trim.
void drawCottage(QPainter &p, QPointF foot, double width, double height, QColor walls)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF body(foot.x() - width / 2, foot.y() - height, width, height);
    p.setPen(Qt::NoPen);
    p.setBrush(walls);
    p.drawRect(body);
    QPainterPath roof;
    roof.moveTo(body.left() - width * 0.08, body.top());
    roof.lineTo(foot.x(), body.top() - height * 0.7);
    roof.lineTo(body.right() + width * 0.08, body.top());
    roof.closeSubpath();
    p.setBrush(QColor(126, 132, 140));
    p.drawPath(roof);
    p.setBrush(QColor(246, 246, 242));
    const double win = std::max(1.5, width * 0.14);
    p.drawRect(QRectF(body.left() + width * 0.18, body.top() + height * 0.3, win, win * 1.2));
    p.drawRect(QRectF(body.right() - width * 0.18 - win, body.top() + height * 0.3, win, win * 1.2));
    p.restore();
}

} // namespace

QImage beach(QSize size)
{
    const GradientNoise shoreNoise(1401), shimmer(1402), lace(1403), tone(1404);
    const double h = size.height();
    const Rgb foam = hex(0xf7f8f4), wet = hex(0xd2bf95);
    QImage image = renderPixels(size, [&](int x, int y) {
        const double shore = 0.24 * h + 16.0 * std::sin(x / 150.0) + 30.0 * shoreNoise.fbm(x / 320.0, 0.5, 3);
        if (y < shore - 10)
            return seaAt(x, y, -0.2 * h, shore, shimmer);
        const double below = y - shore;
        Rgb sandColour = sandAt(x, y, tone);
        sandColour = mix(sandColour, wet, 0.6 * (1.0 - smoothstep(0.0, 90.0, below)));
        const double laceValue = lace.fbm(x / 18.0, y / 9.0, 3);
        const double foamEdge = 1.0 - smoothstep(0.0, 14.0, std::abs(below + 2.0));
        const double foamAmount = clamp01(foamEdge * (0.65 + 0.6 * laceValue));
        const Rgb under = y < shore ? seaAt(x, y, -0.2 * h, shore, shimmer) : sandColour;
        return mix(under, foam, foamAmount);
    });

    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    Rng rng(1405);
    for (int i = 0; i < 40; ++i) {
        const QPointF at(rng.uniform(0, size.width()), rng.uniform(0.4 * h, h));
        const double r = rng.uniform(2.0, 5.0);
        const QColor tint = rng.uniform() < 0.5 ? QColor(236, 210, 200, 160) : QColor(190, 186, 176, 150);
        p.setPen(QPen(QColor(170, 150, 120, 90), 0.8));
        p.setBrush(tint);
        p.drawEllipse(at, r * 1.4, r);
    }
    return image;
}

QImage lighthouseBluff(QSize size)
{
    const GradientNoise clouds(1501), shimmer(1502), tone(1503), surf(1504);
    const double w = size.width(), h = size.height();
    const double horizon = 0.46 * h;
    const Rgb foam = hex(0xf6f7f2);
    QImage image = renderPixels(size, [&](int x, int y) {
        const double shore = 0.68 * h + 10.0 * std::sin(x / 110.0) + 12.0 * surf.fbm(x / 200.0, 1.5, 2);
        if (y < horizon)
            return skyAt(x, y, horizon, clouds);
        if (y < shore) {
            const Rgb sea = seaAt(x, y, horizon, shore, shimmer);
            return mix(sea, foam, 0.85 * (1.0 - smoothstep(0.0, 8.0, shore - y)));
        }
        return sandAt(x, y, tone);
    });

    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);

    // The bluff rises from the beach on the right.
    QPainterPath bluff;
    bluff.moveTo(0.50 * w, h);
    bluff.cubicTo(0.55 * w, 0.66 * h, 0.58 * w, 0.44 * h, 0.66 * w, 0.41 * h);
    bluff.cubicTo(0.78 * w, 0.385 * h, 0.90 * w, 0.39 * h, w, 0.385 * h);
    bluff.lineTo(w, h);
    bluff.closeSubpath();
    // Sandy earth in faint layers, greener along the grassed top, a little
    // shaded on the face that looks out to sea.
    const GradientNoise strata(1506);
    const Rgb earthLight = hex(0xe6d4a8), earthDark = hex(0xcfb98c);
    const QImage earth = renderPixels(size, [&](int x, int y) {
        const double layer = strata.fbm(x / 160.0, y / 18.0, 3);
        return mix(earthLight, earthDark, 0.5 + 0.5 * layer) * (0.99 + 0.02 * hashUnit(x, y, 1507));
    });
    p.setPen(Qt::NoPen);
    p.setBrush(QBrush(earth));
    p.drawPath(bluff);
    QLinearGradient grassTop(0, 0.38 * h, 0, 0.52 * h);
    grassTop.setColorAt(0.0, QColor(150, 170, 110, 170));
    grassTop.setColorAt(1.0, QColor(150, 170, 110, 0));
    p.setBrush(grassTop);
    p.drawPath(bluff);
    QLinearGradient face(0.50 * w, 0, 0.68 * w, 0);
    face.setColorAt(0.0, QColor(120, 100, 70, 50));
    face.setColorAt(1.0, QColor(120, 100, 70, 0));
    p.setBrush(face);
    p.drawPath(bluff);

    // Lighthouse: a tapered white tower with a muted red band.
    const double cx = 0.80 * w, baseY = 0.395 * h, topY = 0.13 * h;
    const double baseHalf = 0.026 * w, topHalf = 0.017 * w;
    QPainterPath tower;
    tower.moveTo(cx - baseHalf, baseY);
    tower.lineTo(cx - topHalf, topY);
    tower.lineTo(cx + topHalf, topY);
    tower.lineTo(cx + baseHalf, baseY);
    tower.closeSubpath();
    QLinearGradient towerShade(cx - baseHalf, 0, cx + baseHalf, 0);
    towerShade.setColorAt(0.0, QColor(248, 247, 242));
    towerShade.setColorAt(1.0, QColor(214, 214, 210));
    p.setBrush(towerShade);
    p.setPen(QPen(QColor(160, 160, 158), 1.2));
    p.drawPath(tower);
    const double bandTop = topY + 0.38 * (baseY - topY), bandBottom = topY + 0.55 * (baseY - topY);
    auto halfAt = [&](double y) { return topHalf + (baseHalf - topHalf) * (y - topY) / (baseY - topY); };
    QPainterPath band;
    band.moveTo(cx - halfAt(bandTop), bandTop);
    band.lineTo(cx + halfAt(bandTop), bandTop);
    band.lineTo(cx + halfAt(bandBottom), bandBottom);
    band.lineTo(cx - halfAt(bandBottom), bandBottom);
    band.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(204, 146, 138));
    p.drawPath(band);
    // Gallery, lantern and cap.
    p.setBrush(QColor(120, 126, 130));
    p.drawRect(QRectF(cx - topHalf * 1.5, topY - 4, topHalf * 3, 5));
    p.setBrush(QColor(222, 232, 234));
    p.setPen(QPen(QColor(120, 126, 130), 1.2));
    p.drawRect(QRectF(cx - topHalf * 0.9, topY - 4 - 0.035 * h, topHalf * 1.8, 0.035 * h));
    QPainterPath cap;
    cap.moveTo(cx - topHalf * 1.1, topY - 4 - 0.035 * h);
    cap.quadTo(cx, topY - 4 - 0.075 * h, cx + topHalf * 1.1, topY - 4 - 0.035 * h);
    cap.closeSubpath();
    p.setBrush(QColor(110, 116, 122));
    p.drawPath(cap);

    drawCottage(p, QPointF(0.89 * w, 0.393 * h), 0.07 * w, 0.045 * h, QColor(182, 184, 182));

    Rng rng(1505);
    QPainterPath crest;
    crest.moveTo(0.60 * w, 0.44 * h);
    crest.cubicTo(0.66 * w, 0.405 * h, 0.9 * w, 0.39 * h, w, 0.39 * h);
    drawGrass(p, rng, crest, 90, 22, QColor(140, 160, 100));
    QPainterPath foreground;
    foreground.moveTo(0.0, 0.97 * h);
    foreground.cubicTo(0.15 * w, 0.93 * h, 0.3 * w, 0.96 * h, 0.45 * w, 0.99 * h);
    drawGrass(p, rng, foreground, 40, 40, QColor(150, 165, 105));
    drawSandFence(p, QPointF(0.04 * w, 0.86 * h), QPointF(0.40 * w, 0.80 * h), 0.07 * h);
    return image;
}

QImage harbour(QSize size)
{
    const GradientNoise clouds(1601), shimmer(1602), tone(1603), land(1604);
    const double w = size.width(), h = size.height();
    const double horizon = 0.44 * h, shore = 0.74 * h;
    const Rgb distantLand = hex(0xb3bf9f), foam = hex(0xf6f7f2);
    QImage image = renderPixels(size, [&](int x, int y) {
        const double coast = horizon - 14.0 - 10.0 * (0.5 + 0.5 * land.fbm(x / 180.0, 0.3, 3));
        const double beachLine = shore + 8.0 * std::sin(x / 90.0);
        if (y < coast)
            return skyAt(x, y, horizon, clouds);
        if (y < horizon)
            return distantLand * (0.97 + 0.04 * tone.fbm(x / 20.0, y / 20.0, 2));
        if (y < beachLine) {
            const Rgb sea = seaAt(x, y, horizon, beachLine, shimmer);
            return mix(sea, foam, 0.8 * (1.0 - smoothstep(0.0, 6.0, beachLine - y)));
        }
        return sandAt(x, y, tone);
    });

    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    Rng rng(1605);

    // A row of small grey cottages and a white steeple along the far shore.
    for (int i = 0; i < 14; ++i) {
        const double x = 0.05 * w + i * 0.068 * w + rng.uniform(-8, 8);
        const double cw = rng.uniform(0.022, 0.034) * w;
        const QColor walls = (i % 4 == 1) ? QColor(238, 236, 230) : QColor(178, 182, 184);
        drawCottage(p, QPointF(x, horizon - 2), cw, cw * 0.6, walls);
    }
    const double sx = 0.62 * w;
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(244, 243, 238));
    p.drawRect(QRectF(sx - 7, horizon - 60, 14, 58));
    QPainterPath spire;
    spire.moveTo(sx - 8, horizon - 60);
    spire.lineTo(sx, horizon - 92);
    spire.lineTo(sx + 8, horizon - 60);
    spire.closeSubpath();
    p.setBrush(QColor(222, 222, 216));
    p.drawPath(spire);

    // A small sailboat on the harbour.
    const QPointF boat(0.33 * w, 0.60 * h);
    QPainterPath hull;
    hull.moveTo(boat + QPointF(-40, 0));
    hull.lineTo(boat + QPointF(44, 0));
    hull.lineTo(boat + QPointF(32, 11));
    hull.lineTo(boat + QPointF(-32, 11));
    hull.closeSubpath();
    p.setPen(QPen(QColor(130, 135, 140), 1));
    p.setBrush(QColor(248, 248, 244));
    p.drawPath(hull);
    p.drawLine(boat + QPointF(0, 0), boat + QPointF(0, -92));
    QPainterPath main;
    main.moveTo(boat + QPointF(-2, -88));
    main.lineTo(boat + QPointF(-2, -6));
    main.lineTo(boat + QPointF(-44, -6));
    main.closeSubpath();
    QPainterPath jib;
    jib.moveTo(boat + QPointF(2, -84));
    jib.lineTo(boat + QPointF(40, -6));
    jib.lineTo(boat + QPointF(2, -6));
    jib.closeSubpath();
    p.setBrush(QColor(250, 248, 240));
    p.drawPath(main);
    p.drawPath(jib);
    p.setPen(QPen(QColor(200, 210, 214, 160), 1.5));
    for (int i = 0; i < 4; ++i)
        p.drawLine(boat + QPointF(-30 + i * 4, 16 + i * 4), boat + QPointF(30 - i * 4, 16 + i * 4));

    // A wooden landing on pilings, from the beach out into the water.
    const double dockY = 0.70 * h;
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(168, 152, 128));
    for (int i = 0; i < 7; ++i) {
        const double x = 0.70 * w + i * 0.045 * w;
        p.drawRect(QRectF(x, dockY - 4, 7, 26 + i * 3));
    }
    p.setBrush(QColor(190, 174, 148));
    p.drawRect(QRectF(0.69 * w, dockY - 10, 0.31 * w + 2, 8));

    QPainterPath foreground;
    foreground.moveTo(0.0, 0.96 * h);
    foreground.cubicTo(0.2 * w, 0.92 * h, 0.35 * w, 0.97 * h, 0.5 * w, 0.99 * h);
    drawGrass(p, rng, foreground, 45, 46, QColor(150, 165, 105));
    return image;
}

QImage dunes(QSize size)
{
    const GradientNoise ridgeNoise(1701), ripple(1702), tone(1703);
    const double h = size.height();
    struct Layer {
        double base, amplitude, wavelength, phase, haze;
    };
    // Back to front: far dunes are paler and lower.
    const Layer layers[] = {
        {0.36 * h, 22, 260, 0.3, 0.55},
        {0.50 * h, 40, 330, 2.1, 0.35},
        {0.66 * h, 55, 420, 4.0, 0.15},
        {0.84 * h, 45, 380, 1.2, 0.0},
    };
    const Rgb lit = hex(0xf2dfb4), shadow = hex(0xd7b984), skyTop = hex(0xd4e4ec), skyLow = hex(0xf6efe0);
    auto ridge = [&](const Layer &l, int index, double x) {
        return l.base - l.amplitude * std::sin(x / l.wavelength + l.phase)
               - 25.0 * ridgeNoise.fbm(x / 300.0, index * 3.7, 3);
    };
    return renderPixels(size, [&](int x, int y) {
        int front = -1;
        for (int i = 0; i < 4; ++i)
            if (y >= ridge(layers[i], i, x))
                front = i;
        if (front < 0)
            return mix(skyTop, skyLow, smoothstep(0.0, 0.45 * h, y));
        const Layer &l = layers[front];
        const double slope = ridge(l, front, x + 2) - ridge(l, front, x - 2);
        // Light from the left: slopes that fall away to the right lie in shade.
        const double shade = smoothstep(-1.0, 2.5, slope);
        const double depth = y - ridge(l, front, x);
        Rgb c = mix(lit, shadow, shade * (1.0 - smoothstep(0.0, 120.0, depth)) * 0.9);
        c = c * (0.99 + 0.02 * std::sin((x + 0.6 * y) / 7.0 + 3.0 * ripple.fbm(x / 90.0, y / 90.0, 2)));
        c = c * (0.99 + 0.02 * tone.fbm(x / 150.0, y / 150.0, 3));
        return mix(c, skyLow, l.haze);
    });
}

} // namespace assets::scenes
