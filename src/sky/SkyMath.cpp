// SPDX-License-Identifier: GPL-3.0-or-later
// Numerical helpers shared by the Sun, planet and Moon theories and the tools.
#include "sky/SkyMath.h"

#include <algorithm>
#include <cmath>

namespace zarn {

namespace {
constexpr int kKeplerMaxSteps = 60;
constexpr int kInterpolationMaxSteps = 50;
}  // namespace

double Polynomial(const double* a, double T, int n)
{
    double value = 0.0;
    for (int j = n; j >= 0; --j)
        value = value * T + a[j];
    return value;
}

double Obliquity(double T)
{
    return (23.452294 - 0.0130125 * T) * kRadPerDeg;
}

bool EclipticToEquatorial(double T, double lambda, double beta, double& alpha, double& delta)
{
    const double eps = Obliquity(T);
    const double d = std::asin(std::sin(beta) * std::cos(eps) +
                               std::cos(beta) * std::sin(eps) * std::sin(lambda));
    if (std::isnan(d))
        return false;
    delta = d;
    alpha = ReduceAngle(std::atan2(std::sin(lambda) * std::cos(eps) - std::tan(beta) * std::sin(eps),
                                   std::cos(lambda)),
                        0.0, kTwoPi);
    return true;
}

void EquatorialToEcliptic(double T, double alpha, double delta, double& lambda, double& beta)
{
    const double eps = Obliquity(T);
    const double s = std::sin(delta) * std::cos(eps) - std::cos(delta) * std::sin(eps) * std::sin(alpha);
    beta = std::asin(std::clamp(s, -1.0, 1.0));
    lambda = std::atan2(std::sin(alpha) * std::cos(eps) + std::tan(delta) * std::sin(eps), std::cos(alpha));
}

Horizontal EquatorialToHorizontal(double theta, double latitude, double alpha, double delta)
{
    const double H = theta - alpha;
    const double sinPhi = std::sin(latitude);
    const double cosPhi = std::cos(latitude);
    Horizontal result;
    result.azimuth = ReduceAngle(
        std::atan2(std::sin(H), std::cos(H) * sinPhi - std::tan(delta) * cosPhi), 0.0, kTwoPi);
    result.altitude =
        std::asin(sinPhi * std::sin(delta) + cosPhi * std::cos(delta) * std::cos(H));
    return result;
}

void Rotate(double& x, double& z, double c, double s)
{
    const double x0 = x;
    x = c * x0 - s * z;
    z = s * x0 + c * z;
}

double Interpolate5(InterpolationMode mode, const double y[5])
{
    const double A0 = y[1] - y[0], A1 = y[2] - y[1], A2 = y[3] - y[2], A3 = y[4] - y[3];
    const double B0 = A1 - A0, B1 = A2 - A1, B2 = A3 - A2;
    const double C0 = B1 - B0, C1 = B2 - B1;
    const double D = C1 - C0;
    const double P = 6.0 * (A1 + A2) - (C0 + C1);
    const double Q = D - 12.0 * B1;
    const double S = C0 + C1;
    double n = 0.0;
    double next = 0.0;
    for (int step = 0; step < kInterpolationMaxSteps; ++step) {
        if (mode == InterpolationMode::Zero)
            next = (((-2.0 * S - D * n) * n + Q) * n * n - 24.0 * y[2]) / (2.0 * P);
        else
            next = ((3.0 * S + 2.0 * D * n) * n * n + P) / Q;
        if (std::fabs(n - next) <= 1e-7)
            break;
        n = next;
    }
    return next;
}

double SolveKepler(double e, double M)
{
    double E;
    if (e < 0.95) {
        E = M;
    } else {
        // Near a parabola the cube-root start only holds for a small mean
        // anomaly: take M within half a turn of zero first (E moves with it).
        M = ReduceAngle(M, -kPi, kPi);
        E = std::cbrt(6.0 * M);
    }
    for (int step = 0; step < kKeplerMaxSteps; ++step) {
        const double correction = (E - e * std::sin(E) - M) / (1.0 - e * std::cos(E));
        E -= correction;
        if (std::fabs(correction) <= 1e-8)
            break;
    }
    return ReduceAngle(E, 0.0, kTwoPi);
}

OrbitPoint TrueAnomaly(double a, double e, double E)
{
    OrbitPoint p;
    p.r = a * (1.0 - e * std::cos(E));
    p.v = std::atan2(a * std::sqrt(1.0 - e * e) * std::sin(E), a * (std::cos(E) - e));
    return p;
}

}  // namespace zarn
