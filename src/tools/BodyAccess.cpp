// Positions of any object of the sky for the almanac's searches.
#include "tools/BodyAccess.h"

#include "sky/CAstre.h"

#include <cmath>

namespace zarn {

BodyPosition positionAt(CAstre& body, const CInstant& instant)
{
    BodyPosition out;
    out.valid = body.Compute(instant);
    out.alpha = body.GetAlpha();
    out.delta = body.GetDelta();
    out.valid = out.valid && std::isfinite(out.alpha) && std::isfinite(out.delta);
    return out;
}

}  // namespace zarn
