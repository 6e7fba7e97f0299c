// SPDX-License-Identifier: GPL-3.0-or-later
// zarn-calc nuit: the plan of the night, as the window « Ce soir » shows it.
#include "calc/CalcCommand.h"
#include "calc/TsvOutput.h"
#include "sky/SkyModel.h"
#include "time/LegalOffset.h"
#include "tools/NightPlan.h"
#include "tools/NightPlanParts.h"

#include <cstdio>

namespace zarn {

namespace {

// Date, time and offset of a time of the plan, each at the offset then in force.
LegalStamp stampOfHours(const NightClock& clock, double hours)
{
    if (hours < 0.0)
        return {};
    const double jd = clock.universal(hours);
    return stampAt(jd, legalOffsetSeconds(jd, clock.place()));
}

void printSpan(const NightClock& clock, const std::string& section, const std::string& what, double start, double end,
               const std::string& text)
{
    const LegalStamp a = stampOfHours(clock, start);
    const LegalStamp b = stampOfHours(clock, end);
    printTsvRow({section, what, a.date, a.time, a.offset, b.date, b.time, b.offset, text});
}

void printTsv(const NightPlan& plan)
{
    const NightClock clock(plan.night);
    printTsvHeader({"rubrique", "objet", "debut_date", "debut_heure", "debut_ecart_tu", "fin_date", "fin_heure",
                    "fin_ecart_tu", "texte"});
    static const char* const kLevels[4] = {"soleil", "civil", "nautique", "astronomique"};
    for (int i = 0; i < 4; ++i) {
        const Darkness& d = plan.twilight[i].dark;
        printSpan(clock, "obscurite", kLevels[i], d.any ? d.start : -1.0, d.any ? d.end : -1.0,
                  plan.sections[0].lines[i]);
    }
    for (const VisibilityInterval& up : plan.moon.inDark)
        printSpan(clock, "lune", "gene", up.start, up.end, plan.sections[1].lines.back());
    for (const PlanetPlan& p : plan.planets) {
        const std::string line = plan.sections[2].lines[p.index - 1];
        printSpan(clock, "planete", p.name, p.interval.start, p.interval.end, line);
    }
    for (const NightEvent& e : plan.events)
        printSpan(clock, "evenement", e.kind, e.hours, -1.0, e.text);
    // The lines of the last section list the stars, then the objects.
    std::size_t line = 0;
    for (const auto* list : {&plan.stars, &plan.deepSky})
        for (const HighObject& o : *list)
            printSpan(clock, o.deepSky ? "messier" : "etoile", o.name, plan.middle, -1.0,
                      plan.sections[4].lines[line++]);
}

int runNight(CalcContext& context)
{
    if (!context.args.empty())
        return invalidInput("usage : zarn-calc nuit");
    SkyModel sky;
    const SkyLoadResult loaded = sky.load(context.dataDir, context.instant);
    if (!loaded.ok()) {
        std::fprintf(stderr, "%s\n", loadErrorText(loaded).c_str());
        return 1;
    }
    const NightPlan plan = computeNightPlan(sky.bodies(), sky, context.instant);
    if (context.tsv)
        printTsv(plan);
    else
        std::fputs(nightPlanText(plan).c_str(), stdout);
    return 0;
}

const CalcCommand night("nuit", "", runNight);

}  // namespace

}  // namespace zarn
