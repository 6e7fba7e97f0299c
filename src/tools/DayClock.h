// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Times of day counted from 0 h of a base day. The rise and set searches work
// in hours from midnight of one day; an estimate of 25 h is 1 h on the next
// day and −2 h is 22 h on the day before. These helpers turn such a count into
// a real instant, and a computed time into the legal time of the place.
#include "time/CInstant.h"

namespace zarn {

// The base day at 0 h moved by the given hours (any sign, any size): the
// calendar day is carried so that the instant's hour lies in [0, 24).
CInstant instantAtHours(const CInstant& baseDay, double hours);

// The base day at 0 h (same place).
CInstant dayStart(const CInstant& date);

// The same day at 0 h moved by whole days.
CInstant addDays(const CInstant& date, int days);

// A copy of the date on a clock that never changes (the place's standard
// time, or for a zone of the database the offset in force at the date): its
// sidereal time and centuries follow that clock, never a change of offset.
CInstant withoutSummerTime(const CInstant& date);

// Turns a time counted in hours of the base day's fixed clock from its 0 h
// into legal hours of the place: the difference between the offset in force
// at that moment and the fixed clock's is added. Negative values (codes) are
// returned unchanged.
double toLegalHours(const CInstant& baseDay, double zoneHours, const CLieu& place);

}  // namespace zarn
