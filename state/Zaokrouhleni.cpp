#include "Zaokrouhleni.h"

#include <cmath>

double ZaokrouhliNaSetiny(double x)
{
    if (!(std::fabs(x) < 4503599627370496.0)) // 2^52
        return x;
    const double y = x * 100.0;
    // Explicit half-to-even instead of nearbyint, so the result does not
    // depend on the floating-point rounding mode in force.
    double cele = std::floor(y);
    const double zbytek = y - cele; // exact for |y| < 2^53
    if (zbytek > 0.5 || (zbytek == 0.5 && std::fmod(cele, 2.0) != 0.0))
        cele += 1.0;
    return cele / 100.0;
}
