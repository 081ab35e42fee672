#include "textures.h"

#include "colour.h"
#include "noise.h"
#include "pixels.h"
#include "random.h"

#include <QPainter>
#include <QPainterPath>
#include <cmath>

namespace assets::textures {

namespace {

// Fine grain of +-amount around 1, so that large flat areas neither band in
// the JPEG nor look printed.
double grain(int x, int y, uint64_t seed, double amount)
{
    return 1.0 + amount * (2.0 * hashUnit(x, y, seed) - 1.0);
}

// Short curved fibres, as pressed into paper.
void drawFibres(QImage &image, uint64_t seed, int count, QColor dark, QColor light)
{
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    Rng rng(seed);
    for (int i = 0; i < count; ++i) {
        const QPointF a(rng.uniform(-20, image.width() + 20), rng.uniform(-20, image.height() + 20));
        const double angle = rng.uniform(0, 2 * M_PI);
        const double length = rng.uniform(8, 34);
        const QPointF b = a + QPointF(std::cos(angle), std::sin(angle)) * length;
        const QPointF bend = (a + b) / 2 + QPointF(rng.uniform(-6, 6), rng.uniform(-6, 6));
        QPainterPath fibre(a);
        fibre.quadTo(bend, b);
        p.setPen(QPen(rng.uniform() < 0.6 ? dark : light, rng.uniform(0.5, 1.1)));
        p.drawPath(fibre);
    }
}

// Running-bond brick courses: returns the brick's column and row and the
// pixel's distance to the nearest mortar joint.
struct BrickCell {
    int column;
    int row;
    double edge;   // distance in pixels from the brick's border (0 on the joint)
    double fromTop; // 0 at the brick's top edge, 1 at its bottom edge
};

BrickCell brickAt(double x, double y, double width, double height, double mortar)
{
    const int row = int(std::floor(y / height));
    const double shifted = x + ((row & 1) ? width / 2 : 0.0);
    const int column = int(std::floor(shifted / width));
    const double lx = shifted - column * width;
    const double ly = y - row * height;
    const double half = mortar / 2;
    const double edge = std::min({lx - half, width - half - lx, ly - half, height - half - ly});
    return {column, row, edge, (ly - half) / (height - mortar)};
}

} // namespace

QImage water(QSize size)
{
    const GradientNoise n1(101), n2(102), broad(103);
    const Rgb deep = hex(0x082a4a), surface = hex(0x0f416c), light = hex(0x5e9cc9);
    return renderPixels(size, [&](int x, int y) {
        const double v = double(y) / size.height();
        Rgb c = mix(surface, deep, v);
        // Ripples are stretched sideways, as a water surface seen at an angle.
        const double wx = x / 150.0, wy = y / 48.0;
        const double a = n1.fbm(wx, wy, 3);
        const double b = n2.fbm(wx + 0.35 * a, wy + 0.35 * a, 3);
        const double caustic = 1.0 - smoothstep(0.0, 0.09, std::abs(a - b));
        const double patches = broad.fbm(x / 420.0, y / 300.0, 3);
        c = mix(c, light, 0.20 * caustic * (0.6 + 0.4 * patches));
        return c * (0.93 + 0.10 * patches) * grain(x, y, 104, 0.01);
    });
}

QImage leather(QSize size)
{
    const CellNoise cells(201);
    const GradientNoise tone(202), warp(203);
    const Rgb base = hex(0xc29770), dark = hex(0x8a6242);
    // Pebbled grain: irregular rounded bumps parted by soft creases, lit from
    // the upper left so that the grain reads as relief rather than lines.
    auto bump = [&](double x, double y) {
        const double wx = x + 6.0 * warp.fbm(x / 40.0, y / 40.0, 2);
        const double wy = y + 6.0 * warp.fbm(x / 40.0 + 9.1, y / 40.0, 2);
        const auto d = cells.at(wx / 10.0, wy / 9.0);
        return smoothstep(0.0, 0.45, d.second - d.nearest);
    };
    return renderPixels(size, [&](int x, int y) {
        const double h = bump(x, y);
        const double relief = (bump(x - 1, y) - h) + (bump(x, y - 1) - h);
        const double variation = tone.fbm(x / 240.0, y / 240.0, 4);
        Rgb c = mix(base, dark, 0.28 * (1.0 - h) + 0.12 * (0.5 - 0.5 * variation));
        return c * std::clamp(1.0 - 0.25 * relief, 0.88, 1.09);
    });
}

QImage paper(QSize size)
{
    const GradientNoise blotch(301);
    const Rgb base = hex(0xf3eee1);
    QImage image = renderPixels(size, [&](int x, int y) {
        const double b = blotch.fbm(x / 300.0, y / 300.0, 4);
        return base * (0.985 + 0.02 * b) * grain(x, y, 302, 0.008);
    });
    drawFibres(image, 303, 2600, QColor(150, 130, 100, 26), QColor(255, 255, 255, 70));
    return image;
}

QImage blackPaper(QSize size)
{
    const GradientNoise blotch(351);
    const Rgb base = hex(0x232323);
    QImage image = renderPixels(size, [&](int x, int y) {
        const double b = blotch.fbm(x / 300.0, y / 300.0, 4);
        return base * (0.95 + 0.1 * b) * grain(x, y, 352, 0.03);
    });
    drawFibres(image, 353, 2600, QColor(255, 255, 255, 16), QColor(0, 0, 0, 60));
    return image;
}

QImage rock(QSize size)
{
    const GradientNoise broad(401), middle(402), fine(403), cracks(404), crackMask(405), tint(406);
    const Rgb dark = hex(0x2c2a27), light = hex(0x5d5852), crackColour = hex(0x151413), fleck = hex(0x8a847b);
    // The surface is a height field lit from the upper left, which gives the
    // stone its relief; colour and cracks are laid over that.
    auto height = [&](double x, double y) {
        return 0.55 * broad.fbm(x / 170.0, y / 150.0, 4) + 0.3 * middle.fbm(x / 38.0, y / 38.0, 3)
               + 0.15 * fine.fbm(x / 7.0, y / 7.0, 2);
    };
    return renderPixels(size, [&](int x, int y) {
        const double h = height(x, y);
        const double dx = height(x + 1.5, y) - h, dy = height(x, y + 1.5) - h;
        const double relief = 1.0 + 9.0 * (-0.6 * dx - 0.7 * dy);
        Rgb c = mix(dark, light, 0.35 + 0.3 * tint.fbm(x / 260.0, y / 260.0, 3) + 0.35 * h);
        c = c * std::clamp(relief, 0.6, 1.35);
        const double r = cracks.warped(x / 220.0, y / 220.0, 3, 0.8);
        const double crack = (1.0 - smoothstep(0.0, 0.018, std::abs(r)))
                             * smoothstep(0.05, 0.3, crackMask.fbm(x / 300.0, y / 300.0, 2));
        c = mix(c, crackColour, 0.7 * crack);
        if (hashUnit(x, y, 407) < 0.008)
            c = mix(c, fleck, 0.45);
        return c;
    });
}

QImage blue(QSize size)
{
    const GradientNoise soft(501);
    const Rgb top = hex(0x2a5ba8), bottom = hex(0x0a2254), glow = hex(0x4d7fc9);
    return renderPixels(size, [&](int x, int y) {
        const double u = double(x) / size.width(), v = double(y) / size.height();
        Rgb c = mix(top, bottom, clamp01(0.65 * v + 0.35 * u));
        const double dx = u - 0.22, dy = v - 0.15;
        c = mix(c, glow, 0.35 * std::exp(-(dx * dx + dy * dy) / 0.08));
        // A few broad, faint diagonal bands of light.
        const double band = std::sin((u * 0.8 + v) * 9.0 + 1.5 * soft.fbm(u * 3, v * 3, 3));
        return c * (0.97 + 0.04 * band) * grain(x, y, 502, 0.006);
    });
}

QImage parchment(QSize size)
{
    const GradientNoise blotch(601), edgeNoise(602), fine(603);
    const Rgb base = hex(0xefdeb3), stain = hex(0xd9bf86), burnt = hex(0xae874d);
    QImage image = renderPixels(size, [&](int x, int y) {
        const double b = blotch.fbm(x / 170.0, y / 170.0, 5);
        Rgb c = mix(base, stain, 0.55 * smoothstep(0.05, 0.6, b));
        const double edge = std::min({double(x), double(y), double(size.width() - 1 - x),
                                      double(size.height() - 1 - y)});
        const double ragged = edge + 30.0 * edgeNoise.fbm(x / 60.0, y / 60.0, 3);
        c = mix(c, burnt, 0.55 * (1.0 - smoothstep(0.0, 70.0, ragged)));
        return c * (1.0 + 0.03 * fine.fbm(x / 5.0, y / 5.0, 2));
    });
    drawFibres(image, 604, 1200, QColor(140, 105, 60, 22), QColor(255, 250, 235, 50));
    return image;
}

QImage smoke(QSize size)
{
    const GradientNoise swirl(701);
    const Rgb shade = hex(0xbfc0c4), bright = hex(0xf1f1f3);
    return renderPixels(size, [&](int x, int y) {
        const double s = swirl.warped(x / 330.0, y / 260.0, 4, 2.2);
        const double v = double(y) / size.height();
        Rgb c = mix(shade, bright, smoothstep(-0.45, 0.45, s));
        return mix(c, bright, 0.25 * v) * grain(x, y, 702, 0.006);
    });
}

QImage blueBrick(QSize size)
{
    const GradientNoise surface(801), fine(802);
    const Rgb brickBase = hex(0x2e5188), mortar = hex(0x18202f);
    return renderPixels(size, [&](int x, int y) {
        const BrickCell cell = brickAt(x, y, 84, 30, 5);
        const double tone = hashUnit(cell.column, cell.row, 803);
        Rgb brick = brickBase * (0.82 + 0.30 * tone);
        brick = brick * (1.0 + 0.07 * surface.fbm(x / 18.0, y / 18.0, 3));
        // A rounded shoulder: a lighter top edge and a darker bottom edge.
        brick = brick * (1.06 - 0.12 * cell.fromTop);
        const double joint = smoothstep(0.0, 2.0, cell.edge);
        const Rgb m = mortar * (1.0 + 0.15 * fine.at(x / 2.5, y / 2.5));
        return mix(m, brick, joint);
    });
}

QImage whiteBrick(QSize size)
{
    const GradientNoise surface(901), fine(902);
    const Rgb paint = hex(0xefece5), mortar = hex(0xc8c1b4);
    return renderPixels(size, [&](int x, int y) {
        const BrickCell cell = brickAt(x, y, 84, 30, 5);
        const double tone = hashUnit(cell.column, cell.row, 903);
        Rgb brick = paint * (0.975 + 0.035 * tone);
        brick = brick * (1.0 + 0.02 * surface.fbm(x / 14.0, y / 14.0, 3));
        brick = brick * (1.015 - 0.04 * cell.fromTop);
        const double joint = smoothstep(0.0, 1.8, cell.edge);
        const Rgb m = mortar * (1.0 + 0.05 * fine.at(x / 2.5, y / 2.5));
        return mix(m, brick, joint);
    });
}

QImage marble(QSize size)
{
    const GradientNoise turbulence(1001), second(1002), cloud(1003);
    const Rgb stone = hex(0xf4f2ee), vein = hex(0x8f8b85), warm = hex(0xe4ded3);
    return renderPixels(size, [&](int x, int y) {
        // Veins follow one general direction, bent by turbulence.
        const double t = turbulence.fbm(x / 320.0, y / 320.0, 4);
        const double main = 1.0 - std::abs(std::sin((x * 0.5 + y * 0.85) / 75.0 + 2.6 * t));
        const double t2 = second.fbm(x / 180.0, y / 180.0, 4);
        const double minor = 1.0 - std::abs(std::sin((x * 0.9 - y * 0.35) / 45.0 + 2.2 * t2));
        Rgb c = mix(stone, warm, 0.5 + 0.5 * cloud.fbm(x / 300.0, y / 300.0, 4));
        c = mix(c, vein, 0.5 * std::pow(main, 14.0) + 0.12 * std::pow(main, 3.0) + 0.22 * std::pow(minor, 26.0));
        return c;
    });
}

QImage sand(QSize size)
{
    const GradientNoise ripple(1101), tone(1102);
    const Rgb base = hex(0xe6d3a5), darkGrain = hex(0xb59a66), lightGrain = hex(0xfbf1d6);
    return renderPixels(size, [&](int x, int y) {
        const double w = std::sin(y / 11.0 + 4.0 * ripple.fbm(x / 200.0, y / 200.0, 3));
        Rgb c = base * (0.985 + 0.025 * w + 0.03 * tone.fbm(x / 250.0, y / 250.0, 3));
        const double h = hashUnit(x, y, 1103);
        if (h < 0.03)
            c = mix(c, darkGrain, 0.45);
        else if (h > 0.975)
            c = mix(c, lightGrain, 0.6);
        return c;
    });
}

QImage electric(QSize size)
{
    const GradientNoise haze(1201);
    const Rgb centre = hex(0x1a2150), edge = hex(0x070917);
    QImage image = renderPixels(size, [&](int x, int y) {
        const double u = double(x) / size.width() - 0.5, v = double(y) / size.height() - 0.5;
        Rgb c = mix(centre, edge, clamp01(std::sqrt(u * u + v * v) * 1.5));
        return c * (1.0 + 0.12 * haze.fbm(x / 200.0, y / 200.0, 4)) * grain(x, y, 1202, 0.01);
    });

    // Lightning by midpoint displacement, drawn as glow, halo and core.
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    Rng rng(1203);
    const double w = size.width(), h = size.height();
    const QLineF bolts[] = {
        {0.05 * w, 0.0, 0.30 * w, 1.0 * h},
        {0.75 * w, 0.0, 0.95 * w, 0.85 * h},
        {0.0, 0.55 * h, 0.45 * w, 0.95 * h},
        {0.55 * w, 0.05 * h, 1.0 * w, 0.35 * h},
    };
    for (const QLineF &bolt : bolts) {
        std::vector<QPointF> points{bolt.p1(), bolt.p2()};
        double spread = bolt.length() * 0.18;
        for (int level = 0; level < 7; ++level) {
            std::vector<QPointF> finer;
            for (size_t i = 0; i + 1 < points.size(); ++i) {
                const QPointF a = points[i], b = points[i + 1];
                const QPointF d = b - a;
                const QPointF normal(-d.y(), d.x());
                const double len = std::hypot(normal.x(), normal.y());
                finer.push_back(a);
                finer.push_back((a + b) / 2 + normal / len * rng.uniform(-spread, spread));
            }
            finer.push_back(points.back());
            points = std::move(finer);
            spread *= 0.55;
        }
        QPainterPath path(points.front());
        for (size_t i = 1; i < points.size(); ++i)
            path.lineTo(points[i]);
        p.setPen(QPen(QColor(80, 120, 255, 22), 16, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.drawPath(path);
        p.setPen(QPen(QColor(120, 160, 255, 60), 5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.drawPath(path);
        p.setPen(QPen(QColor(225, 235, 255, 170), 1.4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.drawPath(path);
    }
    return image;
}

QImage yellow(QSize size)
{
    const GradientNoise soft(1301);
    const Rgb light = hex(0xfff4b8), deep = hex(0xf4d35c);
    return renderPixels(size, [&](int x, int y) {
        const double u = double(x) / size.width() - 0.35, v = double(y) / size.height() - 0.3;
        Rgb c = mix(light, deep, clamp01(std::sqrt(u * u + v * v) * 1.1));
        return c * (1.0 + 0.025 * soft.fbm(x / 220.0, y / 220.0, 4)) * grain(x, y, 1302, 0.006);
    });
}

} // namespace assets::textures
