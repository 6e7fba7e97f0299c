// SPDX-License-Identifier: GPL-3.0-or-later
// Sampled search of the zeros of a function.
#include "tools/ZeroCrossings.h"

#include <algorithm>
#include <cmath>

namespace zarn {

namespace {
// The zero between a and b, where f(a) has the sign of fa and f(b) the other.
double bisect(const std::function<double(double)>& f, double a, double fa, double b, double precision)
{
    for (int k = 0; k < 60 && b - a > precision; ++k) {
        const double m = 0.5 * (a + b);
        const double fm = f(m);
        if ((fm > 0.0) == (fa > 0.0))
            a = m, fa = fm;
        else
            b = m;
    }
    return 0.5 * (a + b);
}
}  // namespace

double extremumOf(const std::function<double(double)>& f, double a, double b, double sign, double precision)
{
    const double g = (std::sqrt(5.0) - 1.0) / 2.0;
    double c = b - g * (b - a), d = a + g * (b - a);
    double fc = sign * f(c), fd = sign * f(d);
    for (int k = 0; k < 80 && b - a > precision; ++k) {
        if (fc > fd) {
            b = d, d = c, fd = fc;
            c = b - g * (b - a);
            fc = sign * f(c);
        } else {
            a = c, c = d, fc = fd;
            d = a + g * (b - a);
            fd = sign * f(d);
        }
    }
    return 0.5 * (a + b);
}

std::vector<ZeroCrossing> zeroCrossings(const std::function<double(double)>& f, double a, double b,
                                        double step, double precision)
{
    std::vector<ZeroCrossing> out;
    if (!(b > a) || !(step > 0.0))
        return out;
    const int n = static_cast<int>(std::ceil((b - a) / step));
    std::vector<double> t(static_cast<std::size_t>(n) + 1), v(t.size());
    for (int i = 0; i <= n; ++i) {
        t[i] = std::min(a + i * step, b);
        v[i] = f(t[i]);
        if (std::isnan(v[i]))
            return {};
    }
    for (int i = 1; i <= n; ++i) {
        if ((v[i] > 0.0) != (v[i - 1] > 0.0))
            out.push_back({bisect(f, t[i - 1], v[i - 1], t[i], precision), v[i] > 0.0});
        if (i == n)
            break;
        // Three samples on one side around an extremum: the function may
        // still cross zero and come back between them.
        const bool sameSide = (v[i - 1] > 0.0) == (v[i] > 0.0) && (v[i] > 0.0) == (v[i + 1] > 0.0);
        const double sign = v[i] > 0.0 ? -1.0 : 1.0;  // towards zero: a minimum above, a maximum below
        if (!sameSide || !(sign * v[i] > sign * v[i - 1] && sign * v[i] >= sign * v[i + 1]))
            continue;
        const double te = extremumOf(f, t[i - 1], t[i + 1], sign, precision);
        const double fe = f(te);
        if ((fe > 0.0) == (v[i] > 0.0))
            continue;
        out.push_back({bisect(f, t[i - 1], v[i - 1], te, precision), fe > 0.0});
        out.push_back({bisect(f, te, fe, t[i + 1], precision), fe <= 0.0});
    }
    std::sort(out.begin(), out.end(), [](const ZeroCrossing& x, const ZeroCrossing& y) { return x.t < y.t; });
    // Crossings in [a, b) only: the next interval starts with b.
    out.erase(std::remove_if(out.begin(), out.end(), [&](const ZeroCrossing& z) { return z.t >= b; }), out.end());
    return out;
}

}  // namespace zarn
