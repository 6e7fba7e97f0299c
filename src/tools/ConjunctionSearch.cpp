// SPDX-License-Identifier: GPL-3.0-or-later
// Conjunctions between two bodies and oppositions of an outer planet.
#include "tools/ConjunctionSearch.h"

#include "tools/AlmanacTexts.h"
#include "sky/SkyDirectory.h"
#include "tools/BodyAccess.h"

#include <algorithm>
#include <cmath>

namespace zarn {

namespace {
constexpr double kZoomLimit = 0.02617993877991495;  // 1.5°
}

double zoomChartScale(double separationDegrees)
{
    const double x = std::max(separationDegrees, 0.01);
    return 900.0 / std::sqrt(x) - 400.0 * (x - 1.0);
}

ConjunctionSearch::ConjunctionSearch(SolarBodies& bodies, const CInstant& date, const SkyDirectory* sky)
    : m_bodies(bodies), m_sky(sky), m_equatorial(date, SearchFrame::Equatorial), m_ecliptic(date, SearchFrame::Ecliptic)
{
    m_antiSun.CopyElements(bodies.sun);
}

void ConjunctionSearch::SetDate(const CInstant& date)
{
    m_equatorial.SetDate(date);
    m_ecliptic.SetDate(date);
}

std::string ConjunctionSearch::ConstellationAt(int bodyIndex, const CInstant& at)
{
    if (m_sky == nullptr)
        return {};
    // The zodiac constellation of the body's place, by its full name.
    CPlaSol& body = m_bodies.body(bodyIndex);
    body.Compute(at);
    return m_sky->constellationName(m_sky->zodiacConstellation(body.GetAlpha(), body.GetDelta()));
}

namespace {
// The program's dates end with 2099: an event found later is not offered, as
// its date could neither be shown in the other windows nor set.
constexpr int kLastYear = 2099;

bool withinYears(const ConjunctionEvent& found)
{
    return found.event.year() <= kLastYear && found.closest.year() <= kLastYear;
}
}  // namespace

std::optional<ConjunctionResult> ConjunctionSearch::Conjunction(int body1, int body2)
{
    if (body1 == body2 || std::min(body1, body2) < kMercury || std::max(body1, body2) > kMoon)
        return std::nullopt;
    ConjunctionResult result;
    const bool moon = body1 == kMoon || body2 == kMoon;
    result.firstBody = std::min(body1, body2);
    result.secondBody = std::max(body1, body2);
    CPlaSol& a = m_bodies.body(result.firstBody);
    CPlaSol& b = m_bodies.body(result.secondBody);
    const std::optional<ConjunctionEvent> found =
        moon ? m_equatorial.SearchMoon(a, b) : m_equatorial.SearchPlanets(a, result.firstBody, b, result.secondBody);
    if (!found || !withinYears(*found))
        return std::nullopt;
    result.found = *found;
    result.eventText = conjunctionEventText(*found, moon, ConstellationAt(result.firstBody, found->event));
    result.closestText = conjunctionClosestText(*found, moon);
    result.zoomAvailable = found->separation < kZoomLimit;
    result.zoomScale = zoomChartScale(found->separation * kDegPerRad);
    return result;
}

std::optional<ConjunctionResult> ConjunctionSearch::Opposition(int planet)
{
    if (planet < kMars || planet > kSaturn)
        return std::nullopt;
    const std::optional<ConjunctionEvent> found =
        m_ecliptic.SearchPlanets(m_antiSun, 0, m_bodies.body(planet), planet, false);
    if (!found || !withinYears(*found))
        return std::nullopt;
    ConjunctionResult result;
    result.found = *found;
    result.firstBody = 0;
    result.secondBody = planet;
    const PlanetDistances d = planetDistancesAt(m_bodies.body(planet), found->event);
    result.magnitude = oppositionMagnitude(planet, d.fromSun, d.fromEarth, d.ringTilt);
    result.eventText = oppositionText(found->event, ConstellationAt(planet, found->event), result.magnitude);
    return result;
}

std::optional<ConjunctionResult> ConjunctionSearch::NextConjunction(const ConjunctionResult& last)
{
    // Half an hour after the event in universal time: in the autumn hour that
    // the clock shows twice a legal time is read as summer time, and may lie
    // before the event of the second pass; the next hour then comes first.
    const double after = last.found.eventJulianDay + 30.0 / 1440.0;
    CInstant next = last.found.event;
    next.setFromUniversalJulianDay(after);
    if (next.universalJulianDay() < after - 1.0 / 86400.0)
        next.shift(0, 1, 0, 0, true);
    m_equatorial.SetDate(next);
    return Conjunction(last.firstBody, last.secondBody);
}

std::optional<ConjunctionResult> ConjunctionSearch::NextOpposition(const ConjunctionResult& last)
{
    CInstant next = last.found.event;
    next.shift(1, 0, 0, 0, true);
    m_ecliptic.SetDate(next);
    return Opposition(last.secondBody);
}

}  // namespace zarn
