// zarn-calc ephem BODY [--radec]: the 160 rows of the ephemerides table.
#include "calc/CalcBodies.h"
#include "calc/CalcCommand.h"
#include "tools/Ephemerides.h"

#include <cstdio>

namespace zarn {

namespace {
int runEphem(CalcContext& context)
{
    const auto& args = context.args;
    const bool radec = args.size() == 2 && args[1] == "--radec";
    if (args.empty() || args.size() > 2 || (args.size() == 2 && !radec))
        return invalidInput("usage : zarn-calc ephem ASTRE [--radec]");
    const std::optional<int> index = bodyIndexOf(args[0]);
    if (!index)
        return invalidInput("Astre inconnu : " + args[0]);
    std::optional<SolarBodies> bodies = loadBodies(context.dataDir);
    if (!bodies)
        return 1;
    const auto rows = ephemerisTable(bodies->body(*index), *index,
                                     radec ? EphemerisMode::Position : EphemerisMode::RiseSet, context.instant);
    for (const std::string& row : rows)
        std::printf("%s\n", row.c_str());
    return 0;
}

const CalcCommand ephem("ephem", "ASTRE [--radec]", runEphem);
}  // namespace

}  // namespace zarn
