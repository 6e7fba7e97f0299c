// True solar time from the Sun object, kept apart so that the time library's
// core needs nothing of the sky model.
#include "time/CInstant.h"

#include "sky/CSoleil.h"

namespace zarn {

// The Sun must have been computed for this instant (its Compute).
double CInstant::trueSolarTime(const CSoleil& sun) const
{
    return trueSolarTime(sun.GetAlpha());
}

}  // namespace zarn
