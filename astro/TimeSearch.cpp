#include "astro/TimeSearch.h"

#include <algorithm>
#include <cmath>

namespace astro {

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
