#pragma once
// Legal time from universal time. The summer-time rule is written in legal
// time (from 2 h standard time to 3 h summer time, both minutes included);
// read on the standard-time clock, which never jumps, every moment has one
// offset, also in the autumn hour that the legal clock shows twice: there the
// summer reading is taken up to the minute of the change (3 h 00), as the rule
// itself reads a legal 3 h 00 as summer time.
#include "time/CInstant.h"

namespace zarn {

// Whether summer time is in force at a moment given by the standard-time
// clock of a place that observes it: the rule holds for that moment read as
// legal time and for the same moment one hour later (its summer reading).
bool summerTimeAtStandard(const CDateHeure& standard);

// Whether summer time is in force at the place at the universal Julian day.
bool summerTimeAtUniversal(double universalJulianDay, const CLieu& place);

// Legal time minus universal time at that instant, in hours.
int legalOffsetAtUniversal(double universalJulianDay, const CLieu& place);

// An instant for computing positions at that universal time: its fields are
// the place's standard time and its place keeps no summer time, so that its
// universal time, sidereal time and centuries are exact on both change days.
CInstant standardInstantAtUniversal(double universalJulianDay, const CLieu& place);

}  // namespace zarn
