// SPDX-License-Identifier: GPL-3.0-or-later
#include "sky/CPlanete.h"

#include "sky/CSoleil.h"
#include "sky/JupiterSaturn.h"
#include "time/CInstant.h"

#include <cmath>

namespace zarn {

namespace {
constexpr double kMicroDegree = 1.7453292519943298e-08;  // radians
}  // namespace

Heliocentric CPlanete::HeliocentricAt(double T) const
{
    double L = ElementAt(0, T) * kRadPerDeg;
    double a = m_elements[1][0];
    double e = ElementAt(2, T);
    const double i = ElementAt(3, T) * kRadPerDeg;
    double omega = ElementAt(4, T) * kRadPerDeg;
    const double node = ElementAt(5, T) * kRadPerDeg;

    if (m_index == kJupiter || m_index == kSaturn) {
        const PerturbationSums p = JupiterSaturnPerturbations(m_index, T);
        L += p.longitude * kMicroDegree;
        omega += (p.perihelion / e) * kMicroDegree;
        e += p.eccentricity * 1e-07;
        a += p.axis * 1e-06;
    }
    const double M = L - omega - node;
    const OrbitPoint orbit = TrueAnomaly(a, e, SolveKepler(e, M));

    const double u = orbit.v + omega;
    Heliocentric h;
    h.longitude = std::atan2(std::cos(i) * std::sin(u), std::cos(u)) + node;
    h.latitude = std::asin(std::sin(u) * std::sin(i));
    h.radius = orbit.r;
    return h;
}

bool CPlanete::GetPosition(double T, double& alpha, double& delta, double& distance)
{
    double sunLongitude, sunRadius;
    if (m_sun == nullptr || !m_sun->SunLongitudeRadius(T, sunLongitude, sunRadius))
        return false;
    const Heliocentric h = HeliocentricAt(T);

    // From the Sun to the Earth: the planet's ecliptic coordinates in a frame
    // whose first axis points from the Earth away from the Sun.
    const double rCosB = h.radius * std::cos(h.latitude);
    const double eta = rCosB * std::sin(h.longitude - sunLongitude);
    const double xi = rCosB * std::cos(h.longitude - sunLongitude) + sunRadius;
    const double zeta = h.radius * std::sin(h.latitude);
    const double lambda = ReduceAngle(std::atan2(eta, xi) + sunLongitude, 0.0, kTwoPi);
    const double geocentricDistance = std::sqrt(eta * eta + xi * xi + zeta * zeta);
    const double beta = std::asin(zeta / geocentricDistance);
    if (std::isnan(beta))
        return false;
    double a, d;
    if (!EclipticToEquatorial(T, lambda, beta, a, d))
        return false;
    m_lambda = lambda;
    m_beta = beta;
    m_radiusVector = h.radius;
    m_distance = geocentricDistance;
    alpha = a;
    delta = d;
    distance = geocentricDistance;
    return true;
}

std::optional<Horizontal> CPlanete::ComputeAt(CInstant instant)
{
    double alpha, delta, distance;
    if (!GetPosition(instant.centuries(), alpha, delta, distance))
        return std::nullopt;
    return EquatorialToHorizontal(instant.siderealTime(), instant.place().latitude(), alpha, delta);
}

double CPlanete::RingTilt(double T)
{
    if (m_index != kSaturn)
        return 0.0;
    double alpha, delta, distance;
    if (!GetPosition(T, alpha, delta, distance))
        return 0.0;
    // North pole of the ring plane, equatorial coordinates of date.
    const double A = (36.3015 + 4.23 * T) * kRadPerDeg;
    const double D = (83.0923 + 0.4362 * T) * kRadPerDeg;
    return std::asin(-(std::sin(D) * std::sin(delta) +
                       std::cos(D) * std::cos(delta) * std::cos(A - alpha)));
}

Colour CPlanete::GetColor() const
{
    return m_index >= kMercury && m_index <= kSaturn ? kBodyChartColours[static_cast<std::size_t>(m_index)] : kBlack;
}

}  // namespace zarn
