#include "rope.h"

#include <QLinearGradient>
#include <QPainterPath>
#include <QPointF>
#include <algorithm>
#include <cmath>
#include <numeric>

namespace assets {

namespace {

RopePoint catmullRom(const RopePoint &p0, const RopePoint &p1, const RopePoint &p2, const RopePoint &p3,
                     double t)
{
    auto blend = [t](double a, double b, double c, double d) {
        const double t2 = t * t, t3 = t2 * t;
        return 0.5 * ((2 * b) + (-a + c) * t + (2 * a - 5 * b + 4 * c - d) * t2 + (-a + 3 * b - 3 * c + d) * t3);
    };
    return {blend(p0.x, p1.x, p2.x, p3.x), blend(p0.y, p1.y, p2.y, p3.y),
            blend(p0.depth, p1.depth, p2.depth, p3.depth)};
}

QPointF at(const RopePoint &r) { return {r.x, r.y}; }

QPointF unit(QPointF v)
{
    const double len = std::hypot(v.x(), v.y());
    return len > 0 ? v / len : QPointF(1, 0);
}

} // namespace

std::vector<RopePoint> ropeThrough(const std::vector<RopePoint> &waypoints, double step)
{
    if (waypoints.size() < 2)
        return waypoints;
    std::vector<RopePoint> dense;
    const size_t n = waypoints.size();
    for (size_t i = 0; i + 1 < n; ++i) {
        const RopePoint &p0 = waypoints[i == 0 ? 0 : i - 1];
        const RopePoint &p3 = waypoints[std::min(i + 2, n - 1)];
        for (int k = 0; k < 40; ++k)
            dense.push_back(catmullRom(p0, waypoints[i], waypoints[i + 1], p3, k / 40.0));
    }
    dense.push_back(waypoints.back());

    // Resample at even arc length so that the strand's lay looks even.
    std::vector<RopePoint> even{dense.front()};
    double carried = 0;
    for (size_t i = 1; i < dense.size(); ++i) {
        const RopePoint a = dense[i - 1], b = dense[i];
        const double len = std::hypot(b.x - a.x, b.y - a.y);
        double pos = step - carried;
        while (pos <= len) {
            const double t = pos / len;
            even.push_back({a.x + (b.x - a.x) * t, a.y + (b.y - a.y) * t, a.depth + (b.depth - a.depth) * t});
            pos += step;
        }
        carried = len - (pos - step);
    }
    if (std::hypot(even.back().x - dense.back().x, even.back().y - dense.back().y) > step * 0.3)
        even.push_back(dense.back());
    return even;
}

void drawRope(QPainter &p, const std::vector<RopePoint> &rope, const RopeLook &look, double minDepth,
              double maxDepth)
{
    const size_t n = rope.size();
    if (n < 2)
        return;
    std::vector<QPointF> tangent(n), normal(n);
    std::vector<double> arc(n, 0.0);
    for (size_t i = 0; i < n; ++i) {
        const RopePoint &a = rope[i == 0 ? 0 : i - 1];
        const RopePoint &b = rope[std::min(i + 1, n - 1)];
        tangent[i] = unit(at(b) - at(a));
        normal[i] = QPointF(-tangent[i].y(), tangent[i].x());
        if (i > 0)
            arc[i] = arc[i - 1] + std::hypot(rope[i].x - rope[i - 1].x, rope[i].y - rope[i - 1].y);
    }

    // Each short piece is a quad between the normals at its two ends, so
    // neighbouring pieces meet without seams; pieces are painted far to near.
    std::vector<size_t> order;
    for (size_t i = 0; i + 1 < n; ++i) {
        const double depth = (rope[i].depth + rope[i + 1].depth) / 2;
        if (depth >= minDepth && depth < maxDepth)
            order.push_back(i);
    }
    std::stable_sort(order.begin(), order.end(), [&](size_t a, size_t b) {
        return rope[a].depth + rope[a + 1].depth < rope[b].depth + rope[b + 1].depth;
    });

    const double half = look.width / 2;
    const double rim = 1.5;
    const double laySpacing = 5.0, laySlope = 0.9;
    const QColor lay = QColor(look.base.darker(165).red(), look.base.darker(165).green(),
                              look.base.darker(165).blue(), 170);

    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    for (size_t i : order) {
        const QPointF a = at(rope[i]) - (i > 0 ? tangent[i] * 0.6 : QPointF());
        const QPointF b = at(rope[i + 1]) + (i + 2 < n ? tangent[i + 1] * 0.6 : QPointF());
        auto quad = [&](double w) {
            QPolygonF poly;
            poly << a + normal[i] * w << b + normal[i + 1] * w << b - normal[i + 1] * w << a - normal[i] * w;
            return poly;
        };
        p.setPen(Qt::NoPen);
        p.setBrush(look.edge);
        p.drawPolygon(quad(half + rim));

        const QPointF mid = (a + b) / 2;
        const QPointF nm = unit(normal[i] + normal[i + 1]);
        QLinearGradient shade(mid + nm * half, mid - nm * half);
        shade.setColorAt(0.0, look.base.darker(140));
        shade.setColorAt(0.28, look.base.lighter(118));
        shade.setColorAt(0.55, look.base);
        shade.setColorAt(1.0, look.base.darker(155));
        p.setBrush(shade);
        p.drawPolygon(quad(half));

        // The lay of the strands: slanted lines at even spacing along the
        // rope, each piece drawing only the part that falls within it.
        const double s0 = arc[i], s1 = arc[i + 1];
        const double reach = half * 0.85;
        const int first = int(std::floor((s0 - reach * laySlope) / laySpacing));
        const int last = int(std::ceil((s1 + reach * laySlope) / laySpacing));
        p.setPen(QPen(lay, 1.1, Qt::SolidLine, Qt::FlatCap));
        for (int k = first; k <= last; ++k) {
            const double c = k * laySpacing;
            const double u0 = std::max(-reach, (s0 - c) / laySlope);
            const double u1 = std::min(reach, (s1 - c) / laySlope);
            if (u0 >= u1 || s1 <= s0)
                continue;
            auto point = [&](double u) {
                const double t = (c + u * laySlope - s0) / (s1 - s0);
                const QPointF centre = at(rope[i]) + (at(rope[i + 1]) - at(rope[i])) * t;
                const QPointF nrm = normal[i] + (normal[i + 1] - normal[i]) * t;
                return centre + nrm * u;
            };
            p.drawLine(point(u0), point(u1));
        }

        // Cut ends show as a dark face across the rope.
        for (size_t end : {size_t(0), n - 1}) {
            if ((end == 0 && i == 0) || (end == n - 1 && i + 2 == n)) {
                const QPointF e = at(rope[end]);
                p.setPen(QPen(look.edge, 2.2, Qt::SolidLine, Qt::RoundCap));
                p.drawLine(e + normal[end] * (half + rim * 0.5), e - normal[end] * (half + rim * 0.5));
            }
        }
    }
    p.restore();
}

} // namespace assets
