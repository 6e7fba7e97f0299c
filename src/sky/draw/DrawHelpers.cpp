// SPDX-License-Identifier: GPL-3.0-or-later
#include "sky/draw/DrawHelpers.h"

#include "sky/CAstre.h"
#include "sky/DrawFlags.h"
#include "sky/draw/CVueNoms.h"

namespace zarn {

Colour inkFor(const CSurface& dc, std::uint32_t flags, Colour own)
{
    if (dc.IsPrinter())
        return kBlack;
    return (flags & draw::kOwnColours) ? own : kWhite;
}

bool drawBodyLabel(const CAstre& body, CSurface& dc, int x, int y, CVueNoms& labels, int offset)
{
    const std::string name = body.GetName();
    if (name.empty())
        return false;
    const int code = labels.CodeFor(name).value_or(CVueNoms::kLeft);
    const int limit = 6 * dc.Millimetre().cx;
    labels.Set(name, {x, y}, code, offset);
    while (!labels.Place(dc) && offset < limit) {
        offset += 2;
        labels.Set(name, {x, y}, code, offset);
    }
    labels.Commit(dc);
    return true;
}

}  // namespace zarn
