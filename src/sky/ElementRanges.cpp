// SPDX-License-Identifier: GPL-3.0-or-later
#include "sky/ElementRanges.h"

#include <cmath>
#include <cstdlib>

namespace zarn {

namespace {
// Wide bounds around the bodies of the program, so that any sound set of
// mean elements passes: semi-major axes from inside Mercury's orbit to beyond
// Saturn's, mean motions from a slow outer planet to Mercury (degrees per
// century), eccentricities of closed orbits, and no coefficient so large
// that its powers of T swamp the double's precision.
constexpr double kMinAxis = 0.2, kMaxAxis = 40.0;            // AU
constexpr double kMinMotion = 100.0, kMaxMotion = 200000.0;  // °/century
constexpr double kMaxEccentricity = 0.9;
constexpr double kMaxInclination = 90.0;                     // degrees
constexpr double kMaxCoefficient = 1.0e6;
// The dates the program accepts, 1901 to 2099, in centuries from 1900.
constexpr double kCenturies[] = {0.0, 1.0, 2.0};

double poly(const double (&row)[CPlaSol::kCoefficients], double T)
{
    return ((row[3] * T + row[2]) * T + row[1]) * T + row[0];
}

bool within(double v, double lo, double hi) { return v >= lo && v <= hi; }

// Row `r` stays within [lo, hi) over the accepted dates.
bool rowWithin(const double (&row)[CPlaSol::kCoefficients], double lo, double hi)
{
    for (double T : kCenturies) {
        const double v = poly(row, T);
        if (v < lo || v >= hi)
            return false;
    }
    return true;
}

// Sum of the absolute coefficients: how far the series can move the body.
template <std::size_t N>
double amplitude(const std::array<MoonTerm, N>& terms)
{
    double sum = 0.0;
    for (const MoonTerm& term : terms) {
        for (std::int8_t m : term.multipliers)
            if (std::abs(m) > 10)
                return -1.0;  // no argument of the theory goes beyond a few times an angle
        sum += std::abs(term.coefficient);
    }
    return sum;
}
}  // namespace

std::string implausibleOrbit(int index, const double (&a)[CPlaSol::kRows][CPlaSol::kCoefficients])
{
    for (const auto& row : a)
        for (double c : row)
            if (!(std::abs(c) <= kMaxCoefficient))
                return "coefficient hors limites";
    if (!within(a[1][0], kMinAxis, kMaxAxis))
        return "demi-grand axe hors limites";
    if (!within(a[0][1], kMinMotion, kMaxMotion))
        return "moyen mouvement hors limites";
    if (!rowWithin(a[2], 0.0, kMaxEccentricity))
        return "excentricité hors limites";
    // The Sun's row 4 is its mean anomaly, which turns like its longitude;
    // a planet's rows 3 and 4 are its inclination and perihelion.
    if (index == kSun ? !within(a[4][1], kMinMotion, kMaxMotion) : !rowWithin(a[3], 0.0, kMaxInclination))
        return index == kSun ? "anomalie moyenne hors limites" : "inclinaison hors limites";
    return {};
}

std::string implausibleMoon(const std::array<MoonTerm, CLune::kLongitudeTerms>& longitude,
                            const std::array<MoonTerm, CLune::kLatitudeTerms>& latitude,
                            const std::array<MoonTerm, CLune::kDistanceTerms>& distance,
                            const double (&means)[CLune::kMeanElements][2])
{
    // The Moon swings some 6° in longitude (degrees), 5° in latitude
    // (arcseconds) and a few Earth radii in distance about its mean orbit.
    if (!within(amplitude(longitude), 1.0, 20.0) || !within(amplitude(latitude), 3600.0, 72000.0) ||
        !within(amplitude(distance), 1.0, 20.0))
        return "séries de la Lune hors limites";
    // Every mean element turns: the node slowest, about 1934° per century.
    for (const auto& row : means)
        if (!(std::abs(row[0]) <= kMaxCoefficient) || !within(std::abs(row[1]), 1000.0, kMaxCoefficient))
            return "éléments moyens de la Lune hors limites";
    return {};
}

}  // namespace zarn
