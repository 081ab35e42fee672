#include "noise.h"

#include "random.h"

#include <cmath>
#include <numeric>

namespace assets {

namespace {

double fade(double t) { return t * t * t * (t * (t * 6.0 - 15.0) + 10.0); }

} // namespace

GradientNoise::GradientNoise(uint64_t seed)
{
    std::array<uint8_t, 256> order{};
    std::iota(order.begin(), order.end(), 0);
    Rng rng(seed);
    for (int i = 255; i > 0; --i)
        std::swap(order[i], order[rng.below(i + 1)]);
    for (int i = 0; i < 512; ++i)
        perm_[i] = order[i & 255];
}

double GradientNoise::corner(int ix, int iy, double dx, double dy) const
{
    // Eight gradient directions are enough for textures and keep this cheap.
    constexpr double d = 0.70710678;
    switch (perm_[perm_[ix & 255] + (iy & 255)] & 7) {
    case 0: return dx;
    case 1: return -dx;
    case 2: return dy;
    case 3: return -dy;
    case 4: return d * (dx + dy);
    case 5: return d * (dx - dy);
    case 6: return d * (-dx + dy);
    default: return d * (-dx - dy);
    }
}

double GradientNoise::at(double x, double y) const
{
    const double fx = std::floor(x);
    const double fy = std::floor(y);
    const int ix = int(fx);
    const int iy = int(fy);
    const double dx = x - fx;
    const double dy = y - fy;
    const double n00 = corner(ix, iy, dx, dy);
    const double n10 = corner(ix + 1, iy, dx - 1, dy);
    const double n01 = corner(ix, iy + 1, dx, dy - 1);
    const double n11 = corner(ix + 1, iy + 1, dx - 1, dy - 1);
    const double u = fade(dx);
    const double v = fade(dy);
    const double top = n00 + (n10 - n00) * u;
    const double bottom = n01 + (n11 - n01) * u;
    return 1.4142 * (top + (bottom - top) * v);
}

double GradientNoise::fbm(double x, double y, int octaves, double gain) const
{
    double sum = 0, amplitude = 1, total = 0;
    for (int i = 0; i < octaves; ++i) {
        // Each octave is shifted so that the lattices do not line up at the origin.
        sum += amplitude * at(x + 17.13 * i, y - 31.7 * i);
        total += amplitude;
        amplitude *= gain;
        x *= 2.03;
        y *= 2.03;
    }
    return sum / total;
}

double GradientNoise::warped(double x, double y, int octaves, double strength) const
{
    const double qx = fbm(x + 3.1, y + 7.7, octaves);
    const double qy = fbm(x - 5.3, y + 1.9, octaves);
    return fbm(x + strength * qx, y + strength * qy, octaves);
}

CellNoise::Distances CellNoise::at(double x, double y) const
{
    const int cx = int(std::floor(x));
    const int cy = int(std::floor(y));
    double best = 9, second = 9;
    for (int j = -1; j <= 1; ++j) {
        for (int i = -1; i <= 1; ++i) {
            const int gx = cx + i;
            const int gy = cy + j;
            const double px = gx + hashUnit(gx, gy, seed_);
            const double py = gy + hashUnit(gx, gy, seed_ + 1);
            const double d = std::hypot(px - x, py - y);
            if (d < best) {
                second = best;
                best = d;
            } else if (d < second) {
                second = d;
            }
        }
    }
    return {best, second};
}

} // namespace assets
