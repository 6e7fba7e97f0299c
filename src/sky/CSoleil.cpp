// SPDX-License-Identifier: GPL-3.0-or-later
// The Sun's geocentric position from the Earth's mean elements (rows 0 mean
// longitude, 1 semi-major axis, 2 eccentricity, 4 mean anomaly).
#include "sky/CSoleil.h"

#include "sky/SkyMath.h"

#include <cmath>

namespace zarn {

namespace {
// Short periodic terms of the Sun caused by Venus (A, B), Mars (C), the Moon
// (D, H) and a long-period inequality (E); arguments in degrees.
constexpr double kLongitudeUnit = 1.74532925199433e-07;  // 0.00001° in radians
constexpr double kRadiusUnit = 1e-08;                    // AU

double sinDeg(double degrees) { return std::sin(degrees * kRadPerDeg); }
double cosDeg(double degrees) { return std::cos(degrees * kRadPerDeg); }
}  // namespace

void CSoleil::ComputeLongitudeRadius(double T)
{
    const double L = ElementAt(0, T, 2) * kRadPerDeg;
    const double a = m_elements[1][0];
    const double e = ElementAt(2, T, 2);
    const double M = ElementAt(4, T, 3) * kRadPerDeg;

    const OrbitPoint orbit = TrueAnomaly(a, e, SolveKepler(e, M));
    m_lambda = orbit.v - M + L;
    m_radius = orbit.r;

    const double A = 153.23 + 22518.7541 * T;
    const double B = 216.57 + 45037.5082 * T;
    const double C = 312.69 + 32964.3577 * T;
    const double D = 350.74 + 445267.1142 * T;
    const double E = 231.19 + 20.2 * T;
    const double H = 353.4 + 65928.7155 * T;
    m_lambda += (134 * cosDeg(A) + 154 * cosDeg(B) + 200 * cosDeg(C) + 179 * sinDeg(D) +
                 178 * sinDeg(E)) * kLongitudeUnit;
    m_radius += (543 * sinDeg(A) + 1575 * sinDeg(B) + 1627 * sinDeg(C) + 3076 * cosDeg(D) +
                 927 * sinDeg(H)) * kRadiusUnit;
    m_beta = 0.0;
}

bool CSoleil::ComputeAt(double T)
{
    ComputeLongitudeRadius(T);
    return EclipticToEquatorial(T, m_lambda, 0.0, m_alpha, m_delta);
}

bool CSoleil::GetPosition(double T, double& alpha, double& delta, double& distance)
{
    const bool ok = ComputeAt(T);
    alpha = ReduceAngle(m_alpha, 0.0, kTwoPi);
    delta = m_delta;
    distance = m_radius;
    return ok;
}

bool CSoleil::SunLongitudeRadius(double T, double& longitude, double& radius)
{
    const bool ok = ComputeAt(T);
    longitude = m_lambda;
    radius = m_radius;
    return ok;
}

bool CSoleil::ApparentLongitude(double T, double& longitude)
{
    const bool ok = ComputeAt(T);
    longitude = m_lambda - (0.00569 + 0.00479 * sinDeg(259.18327 - 1934.142 * T)) * kRadPerDeg;
    return ok;
}

}  // namespace zarn
