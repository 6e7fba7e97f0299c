// SPDX-License-Identifier: GPL-3.0-or-later
// zarn-calc sunmoon, phases and twilight: the Sun-and-Moon window's values.
#include "calc/CalcArguments.h"
#include "calc/CalcBodies.h"
#include "calc/CalcCommand.h"
#include "calc/TsvOutput.h"
#include "sky/BodyTable.h"
#include "time/Calendar.h"
#include "time/LegalOffset.h"
#include "tools/DayClock.h"
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
    printBody(bodyInfo(kSun).name, day.sunText, day.sunRiseText, day.sunSetText);
    printBody(bodyInfo(kMoon).name, day.moonText, day.moonRiseText, day.moonSetText);
    std::string phase = day.phaseText;
    std::replace(phase.begin(), phase.end(), '\n', ' ');
    std::printf("Phase\t%s\n", phase.c_str());
    return 0;
}

constexpr int kMaxPhases = 10000;
constexpr const char* kPhaseAbbreviations[5] = {"", "NL", "PQ", "PL", "DQ"};

int runPhases(CalcContext& context)
{
    CommandArguments args;
    if (auto error = splitArguments(context.args, {"--count"}, {}, args))
        return invalidInput(*error);
    if (!args.words.empty())
        return invalidInput("usage : zarn-calc phases [--count N]");
    const BoundedInteger count = boundedOption(args, "--count", 1, kMaxPhases, 4);
    if (!count.value)
        return invalidInput(count.error);
    std::optional<SolarBodies> bodies = loadBodies(context.dataDir);
    if (!bodies)
        return 1;
    const auto phases = principalPhases(bodies->moon, context.instant, *count.value);
    if (!phases) {
        std::fprintf(stderr, "Phases introuvables\n");
        return 1;
    }
    if (!phases->empty() && phases->back().day.year() > kLastYear)
        return pastLastYear("La dernière phase");
    if (context.tsv)
        printTsvHeader({"phase", "date", "heure", "ecart_tu"});
    for (const PhaseEvent& p : *phases) {
        if (context.tsv) {
            const double jd = p.universalJulianDay;
            const LegalStamp at = stampAt(jd, legalOffsetSeconds(jd, p.day.place()));
            printTsvRow({kPhaseAbbreviations[p.code], at.date, at.time, at.offset});
        } else {
            std::printf("%d %d.%d.%d %.2f\n", p.code, p.day.day(), p.day.month(), p.day.year(),
                        toPackedMinutes(p.hours));
        }
    }
    return 0;
}

const char* tsvBandName(int band)
{
    static constexpr const char* kNames[4] = {"astronomique", "nautique", "civil", "aucun"};
    return band >= 0 && band < 4 ? kNames[band] : kNames[kNoTwilight];
}

void printTwilightTsv(const TwilightRecord& record, const CInstant& date)
{
    printTsvHeader({"date", "heure", "ecart_tu", "avant", "apres"});
    int before = record.startBand;  // each change leaves the band the previous one entered
    for (int i = 0; i < record.count; ++i) {
        const TwilightEntry& e = record.entries[static_cast<std::size_t>(i)];
        const LegalStamp at = stampOf(instantAtHours(dayStart(date), e.time));
        printTsvRow({at.date, at.time, at.offset, tsvBandName(before), tsvBandName(e.bandAfter)});
        before = e.bandAfter;
    }
}

int runTwilight(CalcContext& context)
{
    if (!context.args.empty())
        return invalidInput("usage : zarn-calc twilight");
    std::optional<SolarBodies> bodies = loadBodies(context.dataDir);
    if (!bodies)
        return 1;
    const TwilightRecord record = computeTwilight(bodies->sun, context.instant);
    if (context.tsv) {
        printTwilightTsv(record, context.instant);
        return 0;
    }
    if (const std::string none = noTwilightText(record); !none.empty())
        std::printf("%s\n", none.c_str());
    if (record.startBand < kNoTwilight)
        std::printf("début: %s\n", twilightBandName(record.startBand));
    for (int i = 0; i < record.count; ++i) {
        const TwilightEntry& e = record.entries[static_cast<std::size_t>(i)];
        std::printf("%.2f %s\n", toPackedMinutes(e.time), twilightBandName(e.bandAfter));
    }
    return 0;
}

const CalcCommand sunmoon("sunmoon", "", runSunMoon);
const CalcCommand phases("phases", "[--count N]", runPhases);
const CalcCommand twilight("twilight", "", runTwilight);
}  // namespace

}  // namespace zarn
