// Universal instants turned into the place's legal time.
#include "time/LegalOffset.h"

#include "time/Calendar.h"

namespace zarn {

namespace {
// The Julian day of a legal date and time (its fields) once moved to UT.
double universalOf(const CDateHeure& legal, int offsetHours)
{
    return legal.julianDay() - offsetHours / 24.0;
}
}  // namespace

bool summerTimeAtUniversal(double universalJulianDay, const CLieu& place)
{
    if (!place.observesSummerTime())
        return false;
    const CalendarDate standard = calendarDate(universalJulianDay + place.zone() / 24.0);
    if (standard.year <= 1980)  // the rule starts in 1981
        return false;
    const CDateHeure january(1, 1, standard.year, 0, 0, 0);
    const double start = universalOf(january.summerTimeStart(), place.zone());
    const double end = universalOf(january.summerTimeEnd(), place.zone() + 1);
    return universalJulianDay >= start && universalJulianDay < end;
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
