// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The times at which a smooth function of time crosses zero within an
// interval, found by sampling it and refining each change of sign. A short
// excursion across zero between two samples is found too, from the extremum
// of the samples around it.
#include <functional>
#include <vector>

namespace zarn {

struct ZeroCrossing {
    double t;     // where the function is zero
    bool rising;  // it goes from negative to positive there
};

// Crossings in [a, b), in order, each to within `precision`. The samples are
// `step` apart; the function may have at most one extremum between two
// consecutive samples for every crossing to be found.
std::vector<ZeroCrossing> zeroCrossings(const std::function<double(double)>& f, double a, double b,
                                        double step, double precision);

// Where f has its maximum (sign +1) or minimum (−1) within [a, b], to within
// `precision`, for a function with a single extremum there (golden section).
double extremumOf(const std::function<double(double)>& f, double a, double b, double sign, double precision);

}  // namespace zarn
