// Universal instants turned into the place's legal time. This is the one
// place where the offset of a moment that is not typed in legal time is
// decided: events in universal time, the computer's clock, times of day
// counted in standard hours.
#include "time/LegalOffset.h"

namespace zarn {

bool summerTimeAtStandard(const CDateHeure& standard)
{
    // Before the spring change the legal time is the standard time, which
    // the rule reads as winter; from the autumn change on, the summer
    // reading (one hour later) lies past the end of summer time.
    if (!standard.isSummerTime())
        return false;
    CDateHeure summer(standard);
    summer.shift(0, 1, 0, 0, true);
    return summer.isSummerTime() != 0;
}

bool summerTimeAtUniversal(double universalJulianDay, const CLieu& place)
{
    return place.observesSummerTime() &&
           summerTimeAtStandard(standardInstantAtUniversal(universalJulianDay, place));
}

int legalOffsetAtUniversal(double universalJulianDay, const CLieu& place)
{
    return place.zone() + (summerTimeAtUniversal(universalJulianDay, place) ? 1 : 0);
}

CInstant standardInstantAtUniversal(double universalJulianDay, const CLieu& place)
{
    CLieu standard = place;
    standard.setObservesSummerTime(0);
    CInstant instant;
    instant.setPlace(standard);
    instant.setFromUniversalJulianDay(universalJulianDay);
    return instant;
}

}  // namespace zarn
