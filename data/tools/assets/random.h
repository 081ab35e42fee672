#pragma once

#include <cstdint>

namespace assets {

// A small seeded generator of our own (splitmix64): the standard library's
// distributions differ between implementations, and the assets must come out
// byte for byte the same on every build.
class Rng {
public:
    explicit Rng(uint64_t seed) : state_(seed) {}

    uint64_t next()
    {
        uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }
    double uniform() { return double(next() >> 11) * (1.0 / 9007199254740992.0); }
    double uniform(double lo, double hi) { return lo + (hi - lo) * uniform(); }
    int below(int n) { return int(next() % uint64_t(n)); }

private:
    uint64_t state_;
};

// A stateless hash of integer coordinates, for per-pixel and per-cell values
// that must not depend on the order in which they are asked for.
inline uint64_t hashCoords(int64_t x, int64_t y, uint64_t seed)
{
    Rng rng(seed ^ (uint64_t(x) * 0x9E3779B97F4A7C15ull) ^ (uint64_t(y) * 0xC2B2AE3D27D4EB4Full));
    return rng.next();
}

inline double hashUnit(int64_t x, int64_t y, uint64_t seed)
{
    return double(hashCoords(x, y, seed) >> 11) * (1.0 / 9007199254740992.0);
}

} // namespace assets
