// SPDX-License-Identifier: GPL-3.0-or-later
// Lunar theory of the low-precision kind: mean elements with a few
// long-period corrections, then the periodic series of longitude, latitude and
// distance; and the phase seen from the Earth.
// Inputs: T as for the planets (universal time), the mean elements and the
// 50 longitude, 37 latitude and 29 distance terms of ELEMENTS.ZAR, and the Sun
// of the same set, computed for the same T (the phase needs its longitude).
// Years: bench/accuracy, 1901–2099: longitude within 0.038° as shown, of which
// the theory itself is 0.0033° and the rest the ΔT left out (it grows with the
// distance from today); latitude 0.006°, distance 0.005 Earth radii.
// Failure: Compute returns false, position unchanged, without a Sun, when the
// Sun cannot be computed, or when the series give no finite position.
#include "sky/CLune.h"

#include "sky/CSoleil.h"
#include "sky/ElementRanges.h"
#include "sky/EventAltitude.h"
#include "sky/SkyMath.h"
#include "archive/CArchiveReader.h"
#include "archive/CArchiveWriter.h"
#include "time/CInstant.h"

#include <cmath>
#include <cstring>

namespace zarn {

namespace {
// T² coefficients of the mean elements, in the order of MeanElement.
constexpr double kSquareTerms[CLune::kMeanElements] = {-0.001133, 0.009192, 0.002078, 0.0003025,
                                                       -0.00015};
// Longitude terms that involve the Sun's mean anomaly and so shrink with the
// decreasing eccentricity of the Earth's orbit.
constexpr int kEccentricityTerms[] = {4, 7, 9, 10, 12, 19, 20, 22, 23, 27, 29};
constexpr double kMeanDistance = 60.36298;                // Earth radii
constexpr double kArcsecond = 4.848136811095361e-06;      // radians

double sinDeg(double degrees) { return std::sin(degrees * kRadPerDeg); }

template <std::size_t N>
void readTerms(CArchiveReader& archive, std::array<MoonTerm, N>& terms)
{
    for (MoonTerm& term : terms) {
        term.coefficient = archive.readDouble();
        if (!std::isfinite(term.coefficient))
            throwDamaged("coefficient non fini dans les séries de la Lune");
        for (std::int8_t& m : term.multipliers)
            m = static_cast<std::int8_t>(archive.readByte());
    }
}

template <std::size_t N>
void writeTerms(CArchiveWriter& archive, const std::array<MoonTerm, N>& terms)
{
    for (const MoonTerm& term : terms) {
        archive.writeDouble(term.coefficient);
        for (std::int8_t m : term.multipliers)
            archive.writeByte(static_cast<std::uint8_t>(m));
    }
}

}  // namespace

void CLune::load(CArchiveReader& archive)
{
    // Read everything first: a rejected record leaves the Moon as it was.
    std::array<MoonTerm, kLongitudeTerms> longitude;
    std::array<MoonTerm, kLatitudeTerms> latitude;
    std::array<MoonTerm, kDistanceTerms> distance;
    readTerms(archive, longitude);
    readTerms(archive, latitude);
    readTerms(archive, distance);
    double means[kMeanElements][2];
    for (auto& row : means)
        for (double& c : row) {
            c = archive.readDouble();
            if (!std::isfinite(c))
                throwDamaged("élément moyen non fini pour la Lune");
        }
    if (const std::string why = implausibleMoon(longitude, latitude, distance, means); !why.empty())
        throwDamaged(why);
    longitudeTerms = longitude;
    latitudeTerms = latitude;
    distanceTerms = distance;
    std::memcpy(meanElements, means, sizeof means);
}

void CLune::store(CArchiveWriter& archive) const
{
    writeTerms(archive, longitudeTerms);
    writeTerms(archive, latitudeTerms);
    writeTerms(archive, distanceTerms);
    for (const auto& row : meanElements)
        for (double c : row)
            archive.writeDouble(c);
}

CLune::Arguments CLune::ArgumentsAt(double T) const
{
    double e[kMeanElements];
    for (int r = 0; r < kMeanElements; ++r) {
        const double degrees = (kSquareTerms[r] * T + meanElements[r][1]) * T + meanElements[r][0];
        e[r] = ReduceAngle(degrees, 0.0, 360.0) * kRadPerDeg;
    }
    Arguments a;
    a.Lprime = e[kMoonLongitude];
    a.Mprime = e[kMoonAnomaly];
    a.node = e[kNode];
    a.M = e[kSunAnomaly];
    a.F = a.Lprime - a.node;
    a.D = a.Lprime - e[kSunLongitude];

    // Long-period corrections (degrees).
    const double sinG = sinDeg(51.2 + 20.2 * T);
    const double sinJ = sinDeg(346.56 + 132.87 * T - 0.0091731 * T * T);
    const double sinNode = std::sin(a.node);
    a.Lprime += (0.000233 * sinG + 0.003964 * sinJ + 0.001964 * sinNode) * kRadPerDeg;
    a.Mprime += (0.000817 * sinG + 0.003964 * sinJ + 0.002541 * sinNode) * kRadPerDeg;
    a.M += -0.001778 * sinG * kRadPerDeg;
    a.D += (0.002011 * sinG + 0.003964 * sinJ + 0.001964 * sinNode) * kRadPerDeg;
    a.F += (0.003964 * sinJ - 0.024691 * sinNode) * kRadPerDeg;
    return a;
}

namespace {
double argumentOf(const MoonTerm& term, double Mprime, double F, double D, double M)
{
    return term.multipliers[0] * Mprime + term.multipliers[1] * F + term.multipliers[2] * D +
           term.multipliers[3] * M;
}
}  // namespace

bool CLune::MoonPosition(double T, double& lambda, double& beta)
{
    const Arguments a = ArgumentsAt(T);

    double longitude[kLongitudeTerms];
    for (int j = 0; j < kLongitudeTerms; ++j)
        longitude[j] = longitudeTerms[j].coefficient *
                       std::sin(argumentOf(longitudeTerms[j], a.Mprime, a.F, a.D, a.M));
    const double eccentricityFactor = 1.0 - 0.002495 * T;
    for (int j : kEccentricityTerms)
        longitude[j] *= eccentricityFactor;
    double sum = 0.0;
    for (double t : longitude)
        sum += t;
    lambda = a.Lprime + sum * kRadPerDeg;

    double B = 0.0;
    for (const MoonTerm& term : latitudeTerms)
        B += term.coefficient * std::sin(argumentOf(term, a.Mprime, a.F, a.D, a.M));
    beta = (B - 8.0 * std::sin(a.F + a.node)) * kArcsecond;

    double distance = kMeanDistance;
    for (const MoonTerm& term : distanceTerms)
        distance += term.coefficient * std::cos(argumentOf(term, a.Mprime, a.F, a.D, a.M));
    m_distance = distance;
    m_lambda = lambda;
    m_beta = beta;
    return EclipticToEquatorial(T, lambda, beta, m_alpha, m_delta);
}

bool CLune::GetPosition(double T, double& alpha, double& delta, double& distance)
{
    double lambda, beta;
    const bool ok = MoonPosition(T, lambda, beta);
    alpha = ReduceAngle(m_alpha, 0.0, kTwoPi);
    delta = m_delta;
    distance = m_distance;
    return ok;
}

bool CLune::Compute(const CInstant& instant)
{
    const double T = instant.centuries();
    double sunLongitude = 0.0, sunRadius = 0.0;
    if (m_sun == nullptr || !m_sun->SunLongitudeRadius(T, sunLongitude, sunRadius))
        return false;
    double lambda, beta;
    if (!MoonPosition(T, lambda, beta))
        return false;
    ComputePhase(instant, lambda, beta, sunLongitude);
    Place(0.0, 1.0, 0.0);
    return true;
}

void CLune::ComputePhase(const CInstant& instant, double lambda, double beta, double sunLongitude)
{
    const double T = instant.centuries();
    const double sunAlpha = m_sun->GetAlpha();
    const double sunDelta = m_sun->GetDelta();

    // Position angle of the bright limb: direction of the Sun seen from the Moon.
    m_brightLimbAngle = std::atan2(
        std::cos(sunDelta) * std::sin(sunAlpha - m_alpha),
        std::sin(sunDelta) * std::cos(m_delta) - std::cos(sunDelta) * std::sin(m_delta) * std::cos(sunAlpha - m_alpha));

    // Parallactic angle: between the direction of the pole and the zenith.
    const double H = instant.siderealTime() - m_alpha;
    const double phi = instant.place().latitude();
    m_parallacticAngle = ReduceAngle(
        std::atan2(std::cos(phi) * std::sin(H),
                   std::sin(phi) * std::cos(m_delta) - std::cos(phi) * std::sin(m_delta) * std::cos(H)),
        -kPi, kPi);

    // Phase angle i from the geocentric elongation ψ, with the small
    // correction for the Sun's finite distance.
    const double fromSun = ReduceAngle(lambda, sunLongitude - kPi, sunLongitude + kPi) - sunLongitude;
    const double psi = std::acos(std::cos(beta) * std::cos(fromSun));
    const double Mprime = (meanElements[kMoonAnomaly][0] + meanElements[kMoonAnomaly][1] * T) * kRadPerDeg;
    const double M = (meanElements[kSunAnomaly][0] + meanElements[kSunAnomaly][1] * T) * kRadPerDeg;
    const double s = fromSun < 0 ? -1.0 : 1.0;
    m_phaseAngle = -s * (kPi - psi - 0.0025695 * (1 - 0.0167 * std::cos(M) - 0.0549 * std::cos(Mprime)) * std::sin(psi));
    m_illuminated = (1 + std::cos(m_phaseAngle)) / 2;
    m_terminator = 1 - 2 * m_illuminated;
}

double CLune::Elongation(const CInstant& instant)
{
    const double T = instant.centuries();
    double sunLongitude = 0.0, sunRadius = 0.0;
    if (m_sun != nullptr)
        m_sun->SunLongitudeRadius(T, sunLongitude, sunRadius);
    double lambda, beta;
    MoonPosition(T, lambda, beta);
    return sunLongitude - ReduceAngle(lambda, sunLongitude - kPi, sunLongitude + kPi);
}

double CLune::GetParallax() const { return std::asin(1.0 / m_distance); }

bool CLune::IsUp() const
{
    // Seen from the Earth's centre, the Moon stands higher by its parallax
    // than it does from the observer's place.
    return std::sin(eventAltitudeRadians(kMoon) + GetParallax()) < m_height;
}

}  // namespace zarn
