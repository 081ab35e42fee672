#pragma once

#include <array>
#include <cstdint>

namespace assets {

// Seeded gradient noise in the plane. at() is smooth, roughly in -1..1 and
// about one feature per unit; fbm() sums octaves for natural-looking detail.
class GradientNoise {
public:
    explicit GradientNoise(uint64_t seed);

    double at(double x, double y) const;
    double fbm(double x, double y, int octaves, double gain = 0.5) const;
    // Warps the plane by another fbm before sampling: swirls for smoke and water.
    double warped(double x, double y, int octaves, double strength) const;

private:
    double corner(int ix, int iy, double dx, double dy) const;

    std::array<uint8_t, 512> perm_{};
};

// Cellular (Worley) noise: distances to the nearest two scattered points,
// in cell units. Their difference is small on the borders between cells,
// which gives creases in leather and cracks in stone.
class CellNoise {
public:
    explicit CellNoise(uint64_t seed) : seed_(seed) {}

    struct Distances {
        double nearest;
        double second;
    };
    Distances at(double x, double y) const;

private:
    uint64_t seed_;
};

} // namespace assets
