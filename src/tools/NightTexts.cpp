// SPDX-License-Identifier: GPL-3.0-or-later
// The French texts of the night plan, in the sections the window, the page
// and zarn-calc show.
#include "tools/NightPlanParts.h"

#include "tools/CJourLeverCoucher.h"
#include "sky/BodyTable.h"
#include "tools/DayClock.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace zarn {

namespace {

std::string format(const char* pattern, double value)
{
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, pattern, value);
    return buffer;
}

// "11 h 35" for a duration in hours.
std::string durationText(double hours)
{
    const long minutes = std::lround(std::max(hours, 0.0) * 60.0);
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%ld h %02ld", minutes / 60, minutes % 60);
    return buffer;
}

std::string title(const NightPlan& plan)
{
    const CInstant next = addDays(plan.night, 1);
    char buffer[200];
    if (plan.night.month() == next.month())
        std::snprintf(buffer, sizeof buffer, "Ce soir : nuit du %d au %d %s %d", plan.night.day(), next.day(),
                      next.monthName().c_str(), next.year());
    else
        std::snprintf(buffer, sizeof buffer, "Ce soir : nuit du %d %s au %d %s %d", plan.night.day(),
                      plan.night.monthName().c_str(), next.day(), next.monthName().c_str(), next.year());
    std::string text = buffer;
    if (!plan.night.place().name().empty())
        text += " - " + plan.night.place().name();
    return text;
}

// One line per altitude: the Sun's crossing in the evening and in the morning.
std::string twilightLine(const TwilightLimits& limits, int level, const char* name)
{
    const std::string label = name;
    if (!limits.dark.any)
        return label + (level == 0 ? " : le Soleil ne se couche pas (Soleil de minuit)"
                                   : " : le Soleil ne descend pas sous " + format("%.0f", limits.altitude) + "°");
    if (limits.dark.start <= 12.0 && limits.dark.end >= 36.0)
        return label + (level == 0 ? " : le Soleil ne se lève pas (nuit polaire)"
                                   : " : le Soleil reste sous " + format("%.0f", limits.altitude) + "° toute la nuit");
    return label + " : " + nightTimeText(limits.dark.start) + " le soir, " + nightTimeText(limits.dark.end) +
           " le matin";
}

NightSection darkSection(const NightPlan& plan)
{
    NightSection s{"Obscurité", {}};
    static const char* const kNames[4] = {"Coucher et lever du Soleil", "Fin et début du crépuscule civil",
                                          "Fin et début du crépuscule nautique",
                                          "Fin et début du crépuscule astronomique"};
    for (int i = 0; i < 4; ++i)
        s.lines.push_back(twilightLine(plan.twilight[i], i, kNames[i]));
    static const char* const kWindows[4] = {"", "Ciel le plus sombre (Soleil sous -6°)",
                                            "Ciel le plus sombre (Soleil sous -12°)", "Nuit noire"};
    if (plan.darkLevel < 0)
        s.lines.push_back("Pas de nuit : le Soleil ne descend pas sous -6°");
    else
        s.lines.push_back(std::string(kWindows[plan.darkLevel]) + " de " + nightTimeText(plan.darkWindow.start) +
                          " à " + nightTimeText(plan.darkWindow.end) + " (" +
                          durationText(plan.darkHours) + ")");
    s.lines.push_back("Milieu de la nuit : " + nightTimeText(plan.middle));
    return s;
}

NightSection moonSection(const NightPlan& plan)
{
    const MoonPlan& m = plan.moon;
    NightSection s{bodyInfo(kMoon).name, {}};
    s.lines.push_back(std::string(m.waxing ? "Croissante" : "Décroissante") + ", éclairée à " +
                      format("%.0f", std::round(m.fraction * 100.0)) + " %");
    if (m.riseCode == kAlwaysAbove)
        s.lines.push_back("Levée toute la nuit");
    else if (m.riseCode == kAlwaysBelow)
        s.lines.push_back("Sous l'horizon toute la nuit");
    else  // an event after 12 h the next day belongs to the next night
        s.lines.push_back("Lever " + (m.rise >= 0.0 && m.rise < 36.0 ? nightTimeText(m.rise) : "-") + ", coucher " +
                          (m.set >= 0.0 && m.set < 36.0 ? nightTimeText(m.set) : "-"));
    if (plan.darkLevel < 0)
        return s;
    if (m.inDark.empty()) {
        s.lines.push_back("Ne gêne pas la nuit la plus sombre");
        return s;
    }
    std::string line = "Gêne la nuit la plus sombre";
    for (std::size_t i = 0; i < m.inDark.size(); ++i)
        line += std::string(i ? " et" : "") + " de " + nightTimeText(m.inDark[i].start) + " à " +
                nightTimeText(m.inDark[i].end);
    s.lines.push_back(line + " (" + durationText(m.spoiledHours) + " sur " + durationText(m.darkHours) + ")");
    return s;
}

NightSection planetSection(const NightPlan& plan)
{
    NightSection s{"Planètes (plus de 10° de hauteur, Soleil sous -6°)", {}};
    for (const PlanetPlan& p : plan.planets) {
        if (!p.observable) {
            s.lines.push_back(p.name + " : Inobservable (" + p.reason + ")");
            continue;
        }
        s.lines.push_back(p.name + " : de " + nightTimeText(p.interval.start) + " à " +
                          nightTimeText(p.interval.end) + " ; au mieux à " + nightTimeText(p.bestHour) + ", " +
                          p.direction + ", hauteur " + format("%.0f", p.altitude) + "° ; mag " +
                          format("%.1f", p.magnitude) + (p.constellation.empty() ? "" : " ; " + p.constellation));
    }
    return s;
}

NightSection eventSection(const NightPlan& plan)
{
    NightSection s{"Événements de la nuit", {}};
    for (const NightEvent& e : plan.events)
        s.lines.push_back(e.text);
    if (s.lines.empty())
        s.lines.push_back("Aucun");
    return s;
}

std::string objectLine(const HighObject& o)
{
    return o.name + (o.constellation.empty() ? "" : " (" + o.constellation + ")") + ", mag " +
           format("%.1f", o.magnitude) + ", " + o.direction + ", hauteur " + format("%.0f", o.altitude) + "°";
}

NightSection highSection(const NightPlan& plan)
{
    NightSection s{"Haut dans le ciel à " + nightTimeText(plan.middle) + " (plus de 30°)", {}};
    for (const HighObject& o : plan.stars)
        s.lines.push_back(objectLine(o));
    for (const HighObject& o : plan.deepSky)
        s.lines.push_back(objectLine(o));
    if (plan.darkLevel < 0)
        s.lines.push_back("Ciel trop clair : le Soleil reste au-dessus de -6°");
    else if (s.lines.empty())
        s.lines.push_back("Aucune étoile brillante");
    std::string meridian = "Près du méridien :";
    for (std::size_t i = 0; i < plan.meridianConstellations.size(); ++i)
        meridian += (i ? ", " : " ") + plan.meridianConstellations[i];
    if (!plan.meridianConstellations.empty())
        s.lines.push_back(meridian);
    return s;
}
}  // namespace

void addSections(NightPlan& plan)
{
    plan.title = title(plan);
    plan.sections = {darkSection(plan), moonSection(plan), planetSection(plan), eventSection(plan),
                     highSection(plan)};
}

}  // namespace zarn
