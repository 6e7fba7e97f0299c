#pragma once
// Legal time from universal time. The summer-time rule is written in legal
// time (from 2 h standard time to 3 h summer time); seen from universal time
// both changes are single instants, so a universal instant always has one
// offset, also in the autumn hour that the clock shows twice.
#include "time/CInstant.h"

namespace zarn {

// Whether summer time is in force at the place at the universal Julian day.
bool summerTimeAtUniversal(double universalJulianDay, const CLieu& place);

// Legal time minus universal time at that instant, in hours.
int legalOffsetAtUniversal(double universalJulianDay, const CLieu& place);

// An instant for computing positions at that universal time: its fields are
// the place's standard time and its place keeps no summer time, so that its
// universal time, sidereal time and centuries are exact on both change days.
CInstant standardInstantAtUniversal(double universalJulianDay, const CLieu& place);

}  // namespace zarn
