#pragma once

// The two searches every eclipse quantity needs, over seconds: where a
// function is least, and where it crosses zero. Header only, for the lambdas.

#include <cmath>

namespace eclipses {

inline constexpr double kTimeToleranceSeconds = 0.01;

/// Where f is least within [a, b], by golden section; f must fall then rise.
template <class F> double minimumOf(F f, double a, double b)
{
    const double g = (std::sqrt(5.0) - 1.0) / 2.0;
    double c = b - g * (b - a), d = a + g * (b - a);
    double fc = f(c), fd = f(d);
    while (b - a > kTimeToleranceSeconds) {
        if (fc < fd) {
            b = d;
            d = c;
            fd = fc;
            c = b - g * (b - a);
            fc = f(c);
        } else {
            a = c;
            c = d;
            fc = fd;
            d = a + g * (b - a);
            fd = f(d);
        }
    }
    return (a + b) / 2.0;
}

/// Where f changes sign within [a, b], by bisection; NaN where it does not.
template <class F> double rootOf(F f, double a, double b)
{
    double fa = f(a);
    if ((fa < 0.0) == (f(b) < 0.0))
        return std::nan("");
    while (b - a > kTimeToleranceSeconds) {
        const double m = (a + b) / 2.0;
        const double fm = f(m);
        if ((fm < 0.0) == (fa < 0.0)) {
            a = m;
            fa = fm;
        } else {
            b = m;
        }
    }
    return (a + b) / 2.0;
}

} // namespace eclipses
