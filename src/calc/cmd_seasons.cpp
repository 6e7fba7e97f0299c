// SPDX-License-Identifier: GPL-3.0-or-later
// zarn-calc seasons YEAR [LAST]: the four lines of the seasons dialog for one
// year or for every year of a range.
#include "calc/CalcArguments.h"
#include "calc/CalcBodies.h"
#include "calc/CalcCommand.h"
#include "calc/TsvOutput.h"
#include "time/LegalOffset.h"
#include "tools/Seasons.h"

#include <cstdio>

namespace zarn {

namespace {
constexpr const char* kSeasonNames[4] = {"printemps", "ete", "automne", "hiver"};

void printSeasons(const SeasonsOfYear& seasons, const CLieu& place, bool tsv)
{
    for (int k = 0; k < 4; ++k) {
        if (!tsv) {
            std::printf("%s\n", seasons.lines[k].c_str());
            continue;
        }
        const double jd = seasons.universalJulianDays[k];
        const LegalStamp at = stampAt(jd, legalOffsetSeconds(jd, place));
        printTsvRow({kSeasonNames[k], at.date, at.time, at.offset});
    }
}

int runSeasons(CalcContext& context)
{
    const auto& args = context.args;
    if (args.empty() || args.size() > 2)
        return invalidInput("usage : zarn-calc seasons ANNEE [ANNEE_FIN]");
    const BoundedInteger first = boundedWord(args[0], 1901, 2099);
    const BoundedInteger last = args.size() == 2 ? boundedWord(args[1], 1901, 2099) : first;
    if (!first.value || !last.value)
        return invalidInput(first.value ? last.error : first.error);
    if (*last.value < *first.value)
        return invalidInput("L'année de fin précède l'année de début.");
    std::optional<SolarBodies> bodies = loadBodies(context.dataDir);
    if (!bodies)
        return 1;
    if (context.tsv)
        printTsvHeader({"saison", "date", "heure", "ecart_tu"});
    // Over several years each year's lines come under the dialog's title.
    const bool titled = !context.tsv && *last.value > *first.value;
    for (int year = *first.value; year <= *last.value; ++year) {
        if (titled)
            std::printf("%s\n", seasonsTitle(year).c_str());
        printSeasons(computeSeasons(bodies->sun, context.instant.place(), year), context.instant.place(), context.tsv);
    }
    return 0;
}

const CalcCommand seasons("seasons", "ANNEE [ANNEE_FIN]", runSeasons);
}  // namespace

}  // namespace zarn
