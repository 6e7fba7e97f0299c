// SPDX-License-Identifier: GPL-3.0-or-later
// zarn-calc ephem BODY [--radec] [--days N]: the rows of the ephemerides
// table, 160 days from ten days before the date as the window shows them, or
// N days from the date itself.
#include "calc/CalcArguments.h"
#include "calc/CalcBodies.h"
#include "calc/CalcCommand.h"
#include "calc/TsvOutput.h"
#include "time/Calendar.h"
#include "tools/DayClock.h"
#include "tools/Ephemerides.h"

#include <cstdio>

namespace zarn {

namespace {
constexpr int kMaxDays = 3660;

std::string eventClock(double hours) { return isTime(hours) ? clockText(hours) : std::string(); }

const char* allDayState(const CJourLeverCoucher& day)
{
    if (day.rise == kAlwaysAbove && day.set == kAlwaysAbove)
        return "visible";
    if (day.rise == kAlwaysBelow && day.set == kAlwaysBelow)
        return "invisible";
    return "";
}

// One row a day. The offset is the one in force at noon: a summer-time change
// happens at night, and the times are the legal ones of the table.
void printRiseSetTsv(CAstre& body, int index, const CInstant& first, int count)
{
    printTsvHeader({"date", "ecart_tu", "lever", "coucher", "lever2", "coucher2", "etat"});
    const std::vector<CJourLeverCoucher> days = riseSetDays(body, index, first, count);
    for (int i = 0; i < count; ++i) {
        const CInstant noon = instantAtHours(addDays(first, i), 12.0);
        const CJourLeverCoucher& day = days[static_cast<std::size_t>(i)];
        printTsvRow({isoDate(noon), offsetText(utOffsetSeconds(noon)), eventClock(day.rise), eventClock(day.set),
                     eventClock(day.secondRise), eventClock(day.secondSet), allDayState(day)});
    }
}

// The window's row with a blank after its date column, which is full for a
// date such as 29.11.2026.
void printRows(const std::vector<std::string>& rows)
{
    for (const std::string& row : rows)
        std::printf("%s %s\n", row.substr(0, 10).c_str(), row.size() > 10 ? row.substr(10).c_str() : "");
}

void printPositionTsv(CAstre& body, const CInstant& first, int count)
{
    printTsvHeader({"date", "heure", "ecart_tu", "ra", "dec"});
    for (const DailyPosition& day : dailyPositions(body, first, count)) {
        const LegalStamp at = stampOf(day.at);
        const BodyPosition& p = day.position;
        printTsvRow({at.date, at.time, at.offset, degreesText(ReduceAngle(p.alpha, 0.0, kTwoPi) * kDegPerRad),
                     degreesText(p.delta * kDegPerRad)});
    }
}

int runEphem(CalcContext& context)
{
    CommandArguments args;
    if (auto error = splitArguments(context.args, {"--days"}, {"--radec"}, args))
        return invalidInput(*error);
    if (args.words.size() != 1)
        return invalidInput("usage : zarn-calc ephem ASTRE [--radec] [--days N]");
    const std::optional<int> index = bodyIndexOf(args.words[0]);
    if (!index)
        return invalidInput("Astre inconnu : " + args.words[0]);
    const BoundedInteger days = boundedOption(args, "--days", 1, kMaxDays, kEphemerisDays);
    if (!days.value)
        return invalidInput(days.error);
    std::optional<SolarBodies> bodies = loadBodies(context.dataDir);
    if (!bodies)
        return 1;
    CAstre& body = bodies->body(*index);
    const bool radec = args.has("--radec");
    const CInstant first = args.has("--days") ? context.instant : ephemerisFirstDay(context.instant);
    if (addDays(first, *days.value - 1).year() > kLastYear)
        return pastLastYear("Le dernier jour", "réduisez le nombre de jours (--days N)");
    if (context.tsv) {
        if (radec)
            printPositionTsv(body, first, *days.value);
        else
            printRiseSetTsv(body, *index, first, *days.value);
        return 0;
    }
    const auto mode = radec ? EphemerisMode::Position : EphemerisMode::RiseSet;
    printRows(ephemerisRows(body, *index, mode, first, *days.value));
    return 0;
}

const CalcCommand ephem("ephem", "ASTRE [--radec] [--days N]", runEphem);
}  // namespace

}  // namespace zarn
