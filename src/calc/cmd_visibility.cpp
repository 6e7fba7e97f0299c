// SPDX-License-Identifier: GPL-3.0-or-later
// zarn-calc visibility: the planet visibility chart of the night.
#include "calc/CalcBodies.h"
#include "calc/CalcCommand.h"
#include "calc/TsvOutput.h"
#include "tools/DayClock.h"
#include "tools/PlanetVisibility.h"

#include <cstdio>

namespace zarn {

namespace {
void printRow(const std::string& name, const VisibilityInterval& row)
{
    auto value = [](double v) {
        char buffer[32];
        std::snprintf(buffer, sizeof buffer, v < 0.0 ? "%.0f" : "%.2f", v);
        return std::string(buffer);
    };
    std::printf("%s %s %s\n", name.c_str(), value(row.start).c_str(), value(row.end).c_str());
}

// A row of the night: the times of the interval are given at the offset in
// force at the start of the night, so that a summer-time change during the
// night leaves the interval's length right.
void printIntervalTsv(const std::string& name, const VisibilityInterval& row, const CInstant& night)
{
    const int offset = utOffsetSeconds(night);
    const CInstant midnight = dayStart(night);
    auto stampOfHours = [&](double hours) {
        return hours < 0.0 ? LegalStamp{} : stampAt(instantAtHours(midnight, hours).universalJulianDay(), offset);
    };
    const LegalStamp start = stampOfHours(row.start);
    const LegalStamp end = stampOfHours(row.end);
    printTsvRow({name, start.date, start.time, end.date, end.time, offsetText(offset)});
}

int runVisibility(CalcContext& context)
{
    if (!context.args.empty())
        return invalidInput("usage : zarn-calc visibility");
    std::optional<SolarBodies> bodies = loadBodies(context.dataDir);
    if (!bodies)
        return 1;
    std::array<CAstre*, 5> planets;
    for (int i = 0; i < 5; ++i)
        planets[static_cast<std::size_t>(i)] = &bodies->planet(i + 1);
    const NightVisibility night = computeNightVisibility(bodies->sun, planets, context.instant);
    if (context.tsv) {
        printTsvHeader({"astre", "debut_date", "debut_heure", "fin_date", "fin_heure", "ecart_tu"});
        printIntervalTsv(bodies->sun.GetName(), night.sun, night.night);
        for (int i = 0; i < 5; ++i)
            printIntervalTsv(bodies->planet(i + 1).GetName(), night.planets[static_cast<std::size_t>(i)], night.night);
        return 0;
    }
    std::printf("%s\n", night.title.c_str());
    printRow(bodies->sun.GetName(), night.sun);
    for (int i = 0; i < 5; ++i)
        printRow(bodies->planet(i + 1).GetName(), night.planets[static_cast<std::size_t>(i)]);
    return 0;
}

const CalcCommand visibility("visibility", "", runVisibility);
}  // namespace

}  // namespace zarn
