// SPDX-License-Identifier: GPL-3.0-or-later
// What stands high in the dark at the middle of the night: the bright stars
// and the Messier objects above 30°, the constellations near the meridian,
// and the marks of the small whole-sky chart.
#include "sky/CConstellation.h"
#include "sky/CMessier.h"
#include "sky/CNouvelObjet.h"
#include "sky/SkyModel.h"
#include "time/Calendar.h"
#include "tools/CatalogueList.h"
#include "tools/NightPlanParts.h"

#include <algorithm>
#include <cmath>
#include <set>

namespace zarn {

namespace {
constexpr double kPi = 3.141592653589793;
constexpr double kDegree = kPi / 180.0;
constexpr double kHighAltitude = 30.0 * kDegree;
constexpr int kBrightStarTenths = 20;    // magnitude 2.0 and brighter
constexpr int kChartStarTenths = 40;     // the chart shows stars to magnitude 4
constexpr int kLabelledStarTenths = 12;  // and names the brightest
constexpr std::size_t kStarsListed = 12;
constexpr std::size_t kObjectsListed = 10;
constexpr std::size_t kConstellationsListed = 8;
constexpr double kMeridianBand = 15.0 * kDegree;  // one hour of hour angle

// (x, y) in the unit disc, north up and east on the left: the sky overhead,
// the zenith at the centre, the horizon at radius 1, distances from the
// zenith kept in proportion.
ChartMark markAt(const Horizontal& h)
{
    const double r = (kPi / 2.0 - h.altitude) / (kPi / 2.0);
    const double bearing = h.azimuth + kPi;  // from the North towards the East
    ChartMark mark;
    mark.x = -r * std::sin(bearing);
    mark.y = r * std::cos(bearing);
    return mark;
}

void sortAndCut(std::vector<HighObject>& objects, std::size_t count)
{
    std::stable_sort(objects.begin(), objects.end(),
                     [](const HighObject& a, const HighObject& b) { return a.magnitude < b.magnitude; });
    if (objects.size() > count)
        objects.resize(count);
}

void addCatalogue(NightPlan& plan, const SkyModel& sky, const CInstant& at)
{
    std::set<const CAstre*> seen;
    std::vector<std::pair<std::string, ChartMark>> objectMarks;
    for (const auto& [name, object] : sky.ciel().names()) {
        if (!seen.insert(object).second || dynamic_cast<const CNouvelObjet*>(object))
            continue;
        const bool messier = messierNumber(*object) > 0;
        const bool star = !dynamic_cast<const CMessier*>(object);
        if (!messier && !star)
            continue;
        const Horizontal h =
            EquatorialToHorizontal(at.siderealTime(), at.place().latitude(), object->GetAlpha(), object->GetDelta());
        const int tenths = object->effectiveMagnitude();
        if (h.altitude > kHighAltitude && (messier || tenths <= kBrightStarTenths)) {
            HighObject high{name, object->GetConstellationName(sky), compassPoint(h.azimuth), tenths * 0.1,
                            h.altitude / kDegree, messier};
            (messier ? plan.deepSky : plan.stars).push_back(high);
        }
        if (messier && h.altitude > kHighAltitude) {
            ChartMark mark = markAt(h);
            mark.magnitude = tenths * 0.1;
            mark.deepSky = true;
            mark.label = name;
            objectMarks.emplace_back(name, mark);
        }
    }
    sortAndCut(plan.stars, kStarsListed);
    sortAndCut(plan.deepSky, kObjectsListed);
    // The chart marks the objects of the list only.
    for (const auto& entry : objectMarks) {
        const auto& name = entry.first;
        if (std::any_of(plan.deepSky.begin(), plan.deepSky.end(), [&](const HighObject& o) { return o.name == name; }))
            plan.chart.push_back(entry.second);
    }
}

void addChartStars(NightPlan& plan, const SkyModel& sky, const CInstant& at)
{
    std::set<const CAstre*> seen;
    for (const CConstellation* constellation : sky.ciel().constellations()) {
        if (constellation->abbreviation().empty())
            continue;
        for (const CAstre* object : constellation->objects()) {
            const auto* star = dynamic_cast<const CEtoile*>(object);
            if (!star || dynamic_cast<const CMessier*>(object) || !seen.insert(object).second)
                continue;
            const int tenths = star->effectiveMagnitude();
            if (tenths > kChartStarTenths)
                continue;
            const Horizontal h =
                EquatorialToHorizontal(at.siderealTime(), at.place().latitude(), star->GetAlpha(), star->GetDelta());
            if (h.altitude <= 0.0)
                continue;
            ChartMark mark = markAt(h);
            mark.magnitude = tenths * 0.1;
            if (tenths <= kLabelledStarTenths)
                mark.label = star->GetName();
            plan.chart.push_back(mark);
        }
    }
}

void addChartBodies(NightPlan& plan, SolarBodies& bodies, const CInstant& at)
{
    for (int i = 1; i <= 6; ++i) {
        const Horizontal h = horizontalOf(bodies.body(i), at);
        if (h.altitude <= 0.0)
            continue;
        ChartMark mark = markAt(h);
        mark.body = i;
        mark.magnitude = i == kMoon ? -12.0 : -3.0;
        mark.label = bodies.body(i).GetName();
        plan.chart.push_back(mark);
    }
}

void addMeridian(NightPlan& plan, const SkyModel& sky, const CInstant& at)
{
    struct Near {
        double altitude;
        std::string name;
    };
    std::vector<Near> near;
    for (const CConstellation* c : sky.ciel().constellations()) {
        if (c->abbreviation().empty() || c->name().empty())
            continue;
        const double alpha = c->centreAlpha() * kDegree;
        const double delta = c->centreDelta() * kDegree;
        const double hourAngle = ReduceAngle(at.siderealTime() - alpha, -kPi, kPi);
        const Horizontal h = EquatorialToHorizontal(at.siderealTime(), at.place().latitude(), alpha, delta);
        if (std::fabs(hourAngle) < kMeridianBand && h.altitude > 10.0 * kDegree)
            near.push_back({h.altitude, c->name()});
    }
    std::stable_sort(near.begin(), near.end(), [](const Near& a, const Near& b) { return a.altitude > b.altitude; });
    for (std::size_t i = 0; i < near.size() && i < kConstellationsListed; ++i)
        plan.meridianConstellations.push_back(near[i].name);
}
}  // namespace

void addHighSky(NightPlan& plan, SolarBodies& bodies, const SkyModel& sky, const NightClock& clock)
{
    const CInstant at = clock.instant(clock.universal(plan.middle));
    addChartStars(plan, sky, at);
    if (plan.darkLevel >= 0)  // in a light sky nothing is listed
        addCatalogue(plan, sky, at);
    addChartBodies(plan, bodies, at);
    addMeridian(plan, sky, at);
}

}  // namespace zarn
