// SPDX-License-Identifier: GPL-3.0-or-later
// The planets of the night plan: when each one stands above 10° in a sky
// darker than civil twilight, its best hour, and its brightness.
#include "sky/EventAltitude.h"
#include "sky/SkyModel.h"
#include "time/Calendar.h"
#include "tools/BodyAccess.h"
#include "tools/NightPlanParts.h"

#include <algorithm>
#include <cmath>

namespace zarn {

namespace {
constexpr double kPi = 3.141592653589793;
constexpr double kDegree = kPi / 180.0;
constexpr double kSiderealRatio = 1.002737908;
constexpr double kPlanetAltitude = 10.0;  // degrees above the horizon
constexpr double kSunDepth = -6.0;        // the Sun below the end of civil twilight
constexpr double kNearSun = 15.0;         // degrees of elongation: lost in the Sun's light

// The upper transit that follows a moment, as a universal Julian day: the
// hour angle brought to 0, following the planet's own motion.
double nextTransit(CAstre& planet, const NightClock& clock, double fromJd)
{
    double jd = fromJd;
    for (int i = 0; i < 3; ++i) {
        const CInstant at = clock.instant(jd);
        const BodyPosition p = positionAt(planet, at);
        const double hourAngle = ReduceAngle(at.siderealTime() - p.alpha, -kPi, kPi);
        double step = -hourAngle / (2.0 * kPi * kSiderealRatio);
        if (i == 0 && step < 0.0)
            step += 1.0 / kSiderealRatio;
        jd += step;
    }
    return jd;
}

// The highest moment of the interval: its transit when it falls inside,
// otherwise the higher of its two ends.
double bestMoment(CAstre& planet, const NightClock& clock, const VisibilityInterval& interval)
{
    const double startJd = clock.universal(interval.start);
    const double endJd = clock.universal(interval.end);
    double best = startJd;
    double bestAltitude = horizontalOf(planet, clock.instant(startJd)).altitude;
    const double transit = nextTransit(planet, clock, startJd);
    for (double jd : {endJd, transit}) {
        if (jd > endJd + 1e-9)
            continue;
        const double altitude = horizontalOf(planet, clock.instant(jd)).altitude;
        if (altitude > bestAltitude) {
            bestAltitude = altitude;
            best = jd;
        }
    }
    return best;
}

std::string invisibleReason(CAstre& planet, int index, const Darkness& dark, const CInstant& night, double elongation)
{
    if (!dark.any)
        return "le ciel ne devient pas assez sombre";
    if (elongation < kNearSun)
        return "trop près du Soleil";
    if (planetInterval(planet, dark, night, eventAltitudeDegrees(index)).start >= 0.0)
        return "trop bas sur l'horizon";
    return "sous l'horizon pendant la nuit";
}
}  // namespace

double planetMagnitude(int planetIndex, double r, double delta, double earthFromSun, double ringTilt)
{
    // Phase angle i, degrees: the angle Sun–planet–Earth.
    const double c = (r * r + delta * delta - earthFromSun * earthFromSun) / (2.0 * r * delta);
    const double i = std::acos(std::clamp(c, -1.0, 1.0)) / kDegree;
    const double distance = 5.0 * std::log10(r * delta);
    switch (planetIndex) {
    case 1: return -0.42 + distance + 0.0380 * i - 0.000273 * i * i + 0.000002 * i * i * i;
    case 2: return -4.40 + distance + 0.0009 * i + 0.000239 * i * i - 0.00000065 * i * i * i;
    case 3: return -1.52 + distance + 0.016 * i;
    case 4: return -9.40 + distance + 0.005 * i;
    default: {
        const double s = std::sin(std::fabs(ringTilt));
        return -8.88 + distance - 2.60 * s + 1.25 * s * s;
    }
    }
}

void addPlanets(NightPlan& plan, SolarBodies& bodies, const SkyModel& sky, const NightClock& clock)
{
    const Darkness dark = darkness(bodies.sun, kSunDepth, plan.night);
    const double middleJd = clock.universal(plan.middle);
    for (int k = 0; k < 5; ++k) {
        PlanetPlan& p = plan.planets[k];
        CPlanete& planet = bodies.planet(k + 1);
        p.index = k + 1;
        p.name = planet.GetName();
        p.interval = planetInterval(planet, dark, plan.night, kPlanetAltitude);
        p.observable = p.interval.start >= 0.0;
        const double atJd = p.observable ? bestMoment(planet, clock, p.interval) : middleJd;
        const CInstant at = clock.instant(atJd);
        const BodyPosition sun = positionAt(bodies.sun, at);
        const BodyPosition where = positionAt(planet, at);
        p.elongation = angularSeparation(where.alpha, where.delta, sun.alpha, sun.delta) / kDegree;
        const PlanetDistances d = planetDistancesAt(planet, at);
        p.magnitude = planetMagnitude(p.index, d.fromSun, d.fromEarth, sun.distance, d.ringTilt);
        p.constellation = sky.constellationName(sky.zodiacConstellation(where.alpha, where.delta));
        if (!p.observable) {
            p.reason = invisibleReason(planet, p.index, dark, plan.night, p.elongation);
            continue;
        }
        p.bestHour = clock.hoursAt(atJd);
        const Horizontal h = horizontalOf(planet, at);
        p.altitude = h.altitude / kDegree;
        p.direction = compassPoint(h.azimuth);
    }
}

}  // namespace zarn
