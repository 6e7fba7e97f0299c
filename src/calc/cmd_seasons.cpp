// zarn-calc seasons YEAR: the four lines of the seasons dialog.
#include "calc/CalcBodies.h"
#include "calc/CalcCommand.h"
#include "tools/Seasons.h"

#include <cstdio>

namespace zarn {

namespace {
int runSeasons(CalcContext& context)
{
    if (context.args.size() != 1)
        return invalidInput("usage : zarn-calc seasons ANNEE");
    const std::optional<int> year = integerArgument(context.args[0], 1901, 2099);
    if (!year)
        return invalidInput("Tapez un nombre entier compris entre 1901 et 2099.");
    std::optional<SolarBodies> bodies = loadBodies(context.dataDir);
    if (!bodies)
        return 1;
    const SeasonsOfYear seasons = computeSeasons(bodies->sun, context.instant.place(), *year);
    for (const std::string& line : seasons.lines)
        std::printf("%s\n", line.c_str());
    return 0;
}

const CalcCommand seasons("seasons", "ANNEE", runSeasons);
}  // namespace

}  // namespace zarn
