#pragma once

#include <cmath>

namespace gdi {

// x brought to the nearest whole number, a half going to the even neighbour
// (2.5 gives 2, 3.5 gives 4, -0.5 gives 0): the rounding the drawing code's
// sizes and colours are computed with. It does not depend on the floating
// point rounding mode in force.
inline double roundHalfEven(double x)
{
    const double down = std::floor(x);
    const double rest = x - down;
    if (rest < 0.5)
        return down;
    if (rest > 0.5)
        return down + 1.0;
    return std::fmod(down, 2.0) == 0.0 ? down : down + 1.0;
}

} // namespace gdi
