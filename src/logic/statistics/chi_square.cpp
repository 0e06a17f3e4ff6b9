#include "logic/statistics/chi_square.h"

#include <cmath>

namespace talvo::logic {

namespace {

// The regularized lower incomplete gamma function P(a, x) by its power series, which
// converges fast for x < a + 1.
double lowerGammaSeries(double a, double x) {
    double term = 1.0 / a;
    double sum = term;
    for (int n = 1; n < 1000; ++n) {
        term *= x / (a + n);
        sum += term;
        if (std::fabs(term) < std::fabs(sum) * 1e-16)
            break;
    }
    return sum * std::exp(-x + a * std::log(x) - std::lgamma(a));
}

// The regularized upper incomplete gamma function Q(a, x) by its continued fraction
// (modified Lentz), which converges fast for x >= a + 1.
double upperGammaFraction(double a, double x) {
    constexpr double tiny = 1e-300;
    double b = x + 1.0 - a;
    double c = 1.0 / tiny;
    double d = 1.0 / b;
    double h = d;
    for (int i = 1; i < 1000; ++i) {
        const double an = -i * (i - a);
        b += 2.0;
        d = an * d + b;
        if (std::fabs(d) < tiny)
            d = tiny;
        c = b + an / c;
        if (std::fabs(c) < tiny)
            c = tiny;
        d = 1.0 / d;
        const double step = d * c;
        h *= step;
        if (std::fabs(step - 1.0) < 1e-16)
            break;
    }
    return h * std::exp(-x + a * std::log(x) - std::lgamma(a));
}

} // namespace

double chiSquareUpperTail(double x, int degrees) {
    if (degrees <= 0)
        return 1.0;
    if (!(x > 0.0))
        return 1.0;
    const double a = degrees / 2.0;
    const double half = x / 2.0;
    if (half < a + 1.0)
        return 1.0 - lowerGammaSeries(a, half);
    return upperGammaFraction(a, half);
}

double normalTwoSidedTail(double z) {
    return std::erfc(std::fabs(z) / std::sqrt(2.0));
}

double sidakLimit(int tests, double level) {
    const double each = 1.0 - std::pow(1.0 - level, 1.0 / tests);
    // The tail falls with |z|: halve the interval that holds the limit.
    double low = 0.0;
    double high = 40.0;
    for (int i = 0; i < 200; ++i) {
        const double mid = (low + high) / 2.0;
        (normalTwoSidedTail(mid) > each ? low : high) = mid;
    }
    return (low + high) / 2.0;
}

} // namespace talvo::logic
