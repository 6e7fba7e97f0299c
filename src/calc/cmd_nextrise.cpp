// zarn-calc nextrise BODY: the box that says a body is not visible.
#include "calc/CalcBodies.h"
#include "calc/CalcCommand.h"
#include "tools/AlmanacTexts.h"

#include <cstdio>

namespace zarn {

namespace {
int runNextRise(CalcContext& context)
{
    if (context.args.size() != 1)
        return invalidInput("usage : zarn-calc nextrise ASTRE");
    const std::optional<int> index = bodyIndexOf(context.args[0]);
    if (!index)
        return invalidInput("Astre inconnu : " + context.args[0]);
    std::optional<SolarBodies> bodies = loadBodies(context.dataDir);
    if (!bodies)
        return 1;
    CPlaSol& body = bodies->body(*index);
    std::printf("%s\n", notVisibleText(body, *index, body.GetName(), context.instant).c_str());
    return 0;
}

const CalcCommand nextrise("nextrise", "ASTRE", runNextRise);
}  // namespace

}  // namespace zarn
