// zarn-calc sunmoon, phases and twilight: the Sun-and-Moon window's values.
#include "calc/CalcBodies.h"
#include "calc/CalcCommand.h"
#include "time/Calendar.h"
#include "tools/MoonPhases.h"
#include "tools/SunMoonDay.h"
#include "tools/Twilight.h"

#include <algorithm>
#include <cstdio>

namespace zarn {

namespace {
void printBody(const char* name, const std::string& single, const std::string& first, const std::string& second)
{
    if (!single.empty())
        std::printf("%s\t%s\n", name, single.c_str());
    else
        std::printf("%s\t%s\t%s\n", name, first.c_str(), second.c_str());
}

int runSunMoon(CalcContext& context)
{
    if (!context.args.empty())
        return invalidInput("usage : zarn-calc sunmoon");
    std::optional<SolarBodies> bodies = loadBodies(context.dataDir);
    if (!bodies)
        return 1;
    const SunMoonDay day = computeSunMoonDay(bodies->sun, bodies->moon, context.instant);
    printBody("Soleil", day.sunText, day.sunRiseText, day.sunSetText);
    printBody("Lune", day.moonText, day.moonRiseText, day.moonSetText);
    std::string phase = day.phaseText;
    std::replace(phase.begin(), phase.end(), '\n', ' ');
    std::printf("Phase\t%s\n", phase.c_str());
    return 0;
}

int runPhases(CalcContext& context)
{
    if (!context.args.empty())
        return invalidInput("usage : zarn-calc phases");
    std::optional<SolarBodies> bodies = loadBodies(context.dataDir);
    if (!bodies)
        return 1;
    const auto phases = nextPhases(bodies->moon, context.instant);
    if (!phases) {
        std::fprintf(stderr, "Phases introuvables\n");
        return 1;
    }
    for (const PhaseEvent& p : *phases)
        std::printf("%d %d.%d.%d %.2f\n", p.code, p.day.day(), p.day.month(), p.day.year(),
                    toPackedMinutes(p.hours));
    return 0;
}

int runTwilight(CalcContext& context)
{
    if (!context.args.empty())
        return invalidInput("usage : zarn-calc twilight");
    std::optional<SolarBodies> bodies = loadBodies(context.dataDir);
    if (!bodies)
        return 1;
    const TwilightRecord record = computeTwilight(bodies->sun, context.instant);
    if (record.startBand < kNoTwilight)
        std::printf("début: %s\n", twilightBandName(record.startBand));
    for (int i = 0; i < record.count; ++i) {
        const TwilightEntry& e = record.entries[static_cast<std::size_t>(i)];
        std::printf("%.2f %s\n", toPackedMinutes(e.time), twilightBandName(e.bandAfter));
    }
    return 0;
}

const CalcCommand sunmoon("sunmoon", "", runSunMoon);
const CalcCommand phases("phases", "", runPhases);
const CalcCommand twilight("twilight", "", runTwilight);
}  // namespace

}  // namespace zarn
