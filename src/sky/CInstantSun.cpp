// SPDX-License-Identifier: GPL-3.0-or-later
// True solar time from the Sun object: it lives with the Sun, above the time
// library, which needs nothing of the sky model.
#include "sky/CSoleil.h"

#include "time/CInstant.h"

namespace zarn {

// The Sun must have been computed for this instant (its Compute).
double trueSolarTime(const CInstant& instant, const CSoleil& sun)
{
    return instant.trueSolarTime(sun.GetAlpha());
}

}  // namespace zarn
