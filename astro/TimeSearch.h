#pragma once

// Searching a function of time for where it crosses zero and where it turns:
// the Sun's altitude for sunrise and the grey line, a satellite's elevation
// for its passes.

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
double extremum(const std::function<double(double)> &f, double a, double b, bool maximum,
                double precisionSeconds);

} // namespace astro
