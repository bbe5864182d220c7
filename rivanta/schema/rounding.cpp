#include "schema/rounding.h"

#include <cmath>

double RoundToDecimals(double x, int n) {
    const double whole = std::floor(x);
    if (whole == x) return x;
    double fraction = x - whole;
    double result = whole;
    double step = 1.0;
    for (int digit = 0; digit < n; ++digit) {
        fraction *= 10.0;
        const double d = std::floor(fraction);
        fraction -= d;
        step *= 0.1;
        result += d * step;
    }
    if (fraction > 0.5) result += step;
    return result;
}
