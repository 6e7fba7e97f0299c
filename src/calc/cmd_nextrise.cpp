// SPDX-License-Identifier: GPL-3.0-or-later
// zarn-calc nextrise BODY: the box that says a body is not visible.
#include "calc/CalcBodies.h"
#include "calc/CalcCommand.h"
#include "tools/AlmanacTexts.h"

#include <cstdio>

namespace zarn {

namespace {
int runNextRise(CalcContext& context)
{
    int status = 0;
    std::optional<NamedBody> named = namedBody(context, "usage : zarn-calc nextrise ASTRE", status);
    if (!named)
        return status;
    CPlaSol& body = named->body();
    const int index = named->index;
    std::printf("%s\n", notVisibleText(body, index, body.GetName(), context.instant).c_str());
    return 0;
}

const CalcCommand nextrise("nextrise", "ASTRE", runNextRise);
}  // namespace

}  // namespace zarn
