#pragma once

#include <QColor>
#include <QPainter>
#include <limits>
#include <vector>

namespace assets {

// A point on a rope's centre line: position on the sheet and depth towards
// the viewer. Where two strands cross, the deeper one is drawn underneath.
struct RopePoint {
    double x;
    double y;
    double depth;
};

struct RopeLook {
    double width = 13;
    QColor base{216, 182, 112};
    QColor edge{84, 60, 30};
};

// A smooth rope through the waypoints, sampled at even steps along its length.
std::vector<RopePoint> ropeThrough(const std::vector<RopePoint> &waypoints, double step = 1.5);

// Draws the rope as a shaded, laid strand. Only the pieces whose depth lies in
// [minDepth, maxDepth) are drawn, so that a solid (a post) can be painted
// between the strands behind it and those in front of it.
void drawRope(QPainter &p, const std::vector<RopePoint> &rope, const RopeLook &look = {},
              double minDepth = -std::numeric_limits<double>::infinity(),
              double maxDepth = std::numeric_limits<double>::infinity());

} // namespace assets
