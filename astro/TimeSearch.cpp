#include "astro/TimeSearch.h"

#include <algorithm>
#include <cmath>

namespace astro {

namespace {

double bisect(const std::function<double(double)> &f, double a, double b, double fa,
              double precisionSeconds)
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

} // namespace

double extremum(const std::function<double(double)> &f, double a, double b, bool maximum,
                double precisionSeconds)
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

std::vector<Crossing> signChanges(const std::function<double(double)> &f, double start, double end,
                                  double sampleSeconds, double precisionSeconds)
{
    std::vector<Crossing> found;
    const int n = std::max(2, int(std::ceil((end - start) / sampleSeconds)));
    std::vector<double> t(size_t(n) + 1), v(size_t(n) + 1);
    for (int i = 0; i <= n; ++i) {
        t[size_t(i)] = start + (end - start) * i / n;
        v[size_t(i)] = f(t[size_t(i)]);
    }
    const auto add = [&](double a, double b, double fa) {
        const double time = bisect(f, a, b, fa, precisionSeconds);
        if (time >= start && time < end)
            found.push_back({time, fa < 0.0});
    };
    for (size_t i = 0; i < size_t(n); ++i) {
        if ((v[i] >= 0.0) != (v[i + 1] >= 0.0)) {
            add(t[i], t[i + 1], v[i]);
            continue;
        }
        // A turn within this interval or the next with no change of sign.
        if (i + 2 > size_t(n) || (v[i + 1] >= 0.0) != (v[i + 2] >= 0.0))
            continue;
        const bool maximum = v[i + 1] > v[i] && v[i + 1] >= v[i + 2];
        const bool minimum = v[i + 1] < v[i] && v[i + 1] <= v[i + 2];
        if (!maximum && !minimum)
            continue;
        const double turn = extremum(f, t[i], t[i + 2], maximum, precisionSeconds);
        const double ft = f(turn);
        if ((ft >= 0.0) == (v[i + 1] >= 0.0))
            continue;
        add(t[i], turn, v[i]);
        add(turn, t[i + 2], ft);
        ++i; // the next interval is done
    }
    return found;
}

} // namespace astro
