#pragma once

#include <QRgb>
#include <algorithm>
#include <cstdint>

namespace assets {

// Colours as doubles in 0..1, so that procedural textures can mix and shade
// without rounding at every step.
struct Rgb {
    double r = 0, g = 0, b = 0;
};

inline Rgb hex(uint32_t rgb)
{
    return {((rgb >> 16) & 0xff) / 255.0, ((rgb >> 8) & 0xff) / 255.0, (rgb & 0xff) / 255.0};
}

inline Rgb mix(Rgb a, Rgb b, double t)
{
    return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t};
}

inline Rgb operator*(Rgb a, double k) { return {a.r * k, a.g * k, a.b * k}; }
inline Rgb operator+(Rgb a, Rgb b) { return {a.r + b.r, a.g + b.g, a.b + b.b}; }

inline double clamp01(double v) { return std::clamp(v, 0.0, 1.0); }

inline double smoothstep(double edge0, double edge1, double x)
{
    const double t = clamp01((x - edge0) / (edge1 - edge0));
    return t * t * (3.0 - 2.0 * t);
}

inline QRgb toQRgb(Rgb c)
{
    auto channel = [](double v) { return int(clamp01(v) * 255.0 + 0.5); };
    return qRgb(channel(c.r), channel(c.g), channel(c.b));
}

} // namespace assets
