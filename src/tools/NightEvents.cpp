// SPDX-License-Identifier: GPL-3.0-or-later
// The events of one night: two bodies within 5° of each other (and their
// conjunction when it falls in the night), an opposition, a principal phase
// of the Moon, a change of legal time and the beginning of a season.
#include "sky/SkyModel.h"
#include "time/Calendar.h"
#include "time/LegalOffset.h"
#include "tools/AlmanacTexts.h"
#include "tools/BodyAccess.h"
#include "tools/ConjunctionSearch.h"
#include "tools/DayClock.h"
#include "tools/MoonPhases.h"
#include "tools/NightPlanParts.h"
#include "tools/Seasons.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace zarn {

namespace {
constexpr double kPi = 3.141592653589793;
constexpr double kDegree = kPi / 180.0;
constexpr double kCloseApproach = 5.0 * kDegree;

struct NightSpan {
    double start;  // universal Julian days of 12 h and of 12 h the next day
    double end;
    bool contains(double jd) const { return jd >= start && jd < end; }
};

// "la Lune et Mars", "Jupiter et Saturne".
std::string pairText(SolarBodies& bodies, int a, int b)
{
    auto named = [&](int i) { return i == kMoon ? std::string("la Lune") : bodies.body(i).GetName(); };
    return named(a) + " et " + named(b);
}

// "18 h": the hour nearest to a time of the night.
std::string nearestHourText(double hours) { return std::to_string(std::lround(hours) % 24) + " h"; }

std::string withSeparation(const std::string& text, double radians)
{
    std::string angle = separationText(radians);
    angle.erase(angle.find_last_not_of(' ') + 1);
    return text + " (" + angle + ")";
}

double rightAscensionGap(SolarBodies& bodies, int a, int b, const CInstant& at)
{
    return ReduceAngle(positionAt(bodies.body(a), at).alpha - positionAt(bodies.body(b), at).alpha, -kPi, kPi);
}

void addPairs(NightPlan& plan, SolarBodies& bodies, const NightClock& clock, const NightSpan& span)
{
    const CInstant middle = clock.instant(clock.universal(plan.middle));
    const CInstant first = clock.instant(span.start);
    const CInstant last = clock.instant(span.end);
    for (int a = 1; a <= 6; ++a)
        for (int b = a + 1; b <= 6; ++b) {
            const BodyPosition pa = positionAt(bodies.body(a), middle);
            const BodyPosition pb = positionAt(bodies.body(b), middle);
            const double gap = angularSeparation(pa.alpha, pa.delta, pb.alpha, pb.delta);
            if (!(gap < kCloseApproach))
                continue;
            const bool crosses = rightAscensionGap(bodies, a, b, first) * rightAscensionGap(bodies, a, b, last) < 0.0;
            if (crosses) {
                SolarBodies searched(bodies);
                ConjunctionSearch search(searched, instantAtHours(clock.midnight(), 12.0));
                const auto found = search.Conjunction(a, b);
                if (found && span.contains(found->found.eventJulianDay)) {
                    const double hours = clock.hoursAt(found->found.eventJulianDay);
                    // The search gives a planet pair to the hour, the Moon to the minute.
                    const std::string when = b == kMoon ? "à " + nightTimeText(hours) : "vers " + nearestHourText(hours);
                    plan.events.push_back({hours, "conjonction",
                                           withSeparation("Conjonction de " + pairText(bodies, a, b) + " " + when,
                                                          found->found.separation)});
                    continue;
                }
            }
            plan.events.push_back({plan.middle, "rapprochement",
                                   withSeparation(pairText(bodies, a, b) + " à moins de 5°", gap)});
        }
}

void addOppositions(NightPlan& plan, SolarBodies& bodies, const NightClock& clock, const NightSpan& span)
{
    auto fromAntiSun = [&](int planet, double jd) {
        const CInstant at = clock.instant(jd);
        return ReduceAngle(eclipticAt(bodies.body(planet), at).lambda - apparentSunLongitude(bodies.sun, at) - kPi,
                           -kPi, kPi);
    };
    for (int planet = 3; planet <= 5; ++planet) {
        const double before = fromAntiSun(planet, span.start);
        const double after = fromAntiSun(planet, span.end);
        if (!(before * after < 0.0) || std::fabs(before - after) > 1.0)
            continue;
        SolarBodies searched(bodies);
        ConjunctionSearch search(searched, instantAtHours(clock.midnight(), 12.0));
        const auto found = search.Opposition(planet);
        if (!found || !span.contains(found->found.eventJulianDay))
            continue;
        const double hours = clock.hoursAt(found->found.eventJulianDay);
        plan.events.push_back({hours, "opposition",
                               "Opposition de " + bodies.body(planet).GetName() + " à " + nightTimeText(hours)});
    }
}

void addPhase(NightPlan& plan, SolarBodies& bodies, const NightClock& clock, const NightSpan& span)
{
    static const char* const kNames[5] = {"", "Nouvelle Lune", "Premier quartier", "Pleine Lune", "Dernier quartier"};
    const auto phases = principalPhases(bodies.moon, clock.midnight(), 2);
    if (!phases)
        return;
    for (const PhaseEvent& phase : *phases)
        if (span.contains(phase.universalJulianDay) && phase.code >= 1 && phase.code <= 4) {
            const double hours = clock.hoursAt(phase.universalJulianDay);
            plan.events.push_back({hours, "phase", std::string(kNames[phase.code]) + " à " + nightTimeText(hours)});
        }
}

// The minute at which the legal offset changes, found by halving the night.
void addLegalTimeChange(NightPlan& plan, const NightClock& clock, const NightSpan& span)
{
    const int before = legalOffsetSeconds(span.start, clock.place());
    const int after = legalOffsetSeconds(span.end, clock.place());
    if (before == after)
        return;
    double lo = span.start;
    double hi = span.end;
    for (int i = 0; i < 40 && hi - lo > 0.5 / 1440.0; ++i) {
        const double mid = (lo + hi) / 2.0;
        (legalOffsetSeconds(mid, clock.place()) == before ? lo : hi) = mid;
    }
    // Legal time changes on the hour or the half hour: the rule's own minute
    // of change (3 h 00 still read as summer time) is not the hour people say.
    const double change = std::round(hi * 48.0) / 48.0;
    auto clockAt = [change](int offset) {
        const double legal = change + offset / 86400.0 + 0.5;  // Julian days begin at noon
        return (legal - std::floor(legal)) * 24.0;
    };
    const char* what = after > before ? "Passage à l'heure d'été" : "Retour à l'heure d'hiver";
    plan.events.push_back({clock.hoursAt(change), "heure",
                           std::string(what) + " : à " + nightTimeText(clockAt(before)) + " il est " + nightTimeText(clockAt(after))});
}

void addSeason(NightPlan& plan, SolarBodies& bodies, const NightClock& clock, const NightSpan& span)
{
    auto quadrant = [&](double jd) {
        const double lambda = ReduceAngle(apparentSunLongitude(bodies.sun, clock.instant(jd)), 0.0, 2.0 * kPi);
        return static_cast<int>(std::floor(lambda / (kPi / 2.0)));
    };
    if (quadrant(span.start) == quadrant(span.end))
        return;
    static const char* const kSeasons[4] = {"Début du printemps", "Début de l'été", "Début de l'automne",
                                            "Début de l'hiver"};
    for (int year : {plan.night.year(), plan.night.year() + 1}) {
        const SeasonsOfYear seasons = computeSeasons(bodies.sun, clock.place(), year);
        for (int k = 0; k < 4; ++k)
            if (span.contains(seasons.universalJulianDays[k])) {
                const double hours = clock.hoursAt(seasons.universalJulianDays[k]);
                plan.events.push_back({hours, "saison", std::string(kSeasons[k]) + " à " + nightTimeText(hours)});
            }
    }
}
}  // namespace

void addNightEvents(NightPlan& plan, SolarBodies& bodies, const NightClock& clock)
{
    const NightSpan span{clock.universal(12.0), clock.universal(36.0)};
    addPairs(plan, bodies, clock, span);
    addOppositions(plan, bodies, clock, span);
    addPhase(plan, bodies, clock, span);
    addLegalTimeChange(plan, clock, span);
    addSeason(plan, bodies, clock, span);
    std::stable_sort(plan.events.begin(), plan.events.end(),
                     [](const NightEvent& a, const NightEvent& b) { return a.hours < b.hours; });
}

}  // namespace zarn
