#pragma once

// Searching a function of time for where it crosses zero and where it turns:
// the Sun's altitude for sunrise and the grey line, a satellite's elevation
// for its passes, the Moon's shadow for an eclipse's contacts. The two
// searches are templates, so that the eclipses' lambdas, called hundreds of
// times a contact, are not wrapped.

#include <cmath>
#include <functional>
#include <vector>

namespace astro {

struct Crossing
{
    double time; ///< seconds since 1970 UTC
    bool rising; ///< from below zero to above
};

/// The times within [start, end) where f changes sign, in order, each to
/// within precisionSeconds: sampled every sampleSeconds or less, then refined.
/// Where the samples turn without a change of sign, the turn is found and
/// checked, so that a brief crossing and return between two samples is kept.
std::vector<Crossing> signChanges(const std::function<double(double)> &f, double start, double end,
                                  double sampleSeconds, double precisionSeconds);

/// Where f is greatest (or least) between a and b, by golden section, for a
/// function with one turn there.
template <class F> double extremum(F &&f, double a, double b, bool maximum, double precisionSeconds)
{
    const double g = (std::sqrt(5.0) - 1.0) / 2.0;
    const auto value = [&](double t) { return maximum ? f(t) : -f(t); };
    double c = b - g * (b - a), d = a + g * (b - a);
    double fc = value(c), fd = value(d);
    while (b - a > precisionSeconds) {
        if (fc > fd) {
            b = d;
            d = c;
            fd = fc;
            c = b - g * (b - a);
            fc = value(c);
        } else {
            a = c;
            c = d;
            fc = fd;
            d = a + g * (b - a);
            fd = value(d);
        }
    }
    return (a + b) / 2.0;
}

/// Where f changes sign between a and b, whose value at a is fa, by bisection.
template <class F> double bisect(F &&f, double a, double b, double fa, double precisionSeconds)
{
    while (b - a > precisionSeconds) {
        const double m = (a + b) / 2.0;
        const double fm = f(m);
        if ((fm >= 0.0) == (fa >= 0.0)) {
            a = m;
            fa = fm;
        } else {
            b = m;
        }
    }
    return (a + b) / 2.0;
}

/// The same where f's ends are not yet known: NaN where they have one sign.
template <class F> double rootOf(F &&f, double a, double b, double precisionSeconds)
{
    const double fa = f(a);
    if ((fa >= 0.0) == (f(b) >= 0.0))
        return std::nan("");
    return bisect(f, a, b, fa, precisionSeconds);
}

} // namespace astro
