// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Legal time from universal time and back: the one place that decides the
// offset of a place's legal time at an instant.
//
// A place without a zone name follows the summer-time rule, written in legal
// time (from 2 h standard time to 3 h summer time, both minutes included);
// read on the standard-time clock, which never jumps, every moment has one
// offset, also in the autumn hour that the legal clock shows twice: there the
// summer reading is taken up to the minute of the change (3 h 00), as the rule
// itself reads a legal 3 h 00 as summer time.
//
// A place with a zone name ("America/Santiago") follows the system's
// time-zone database: offsets with minutes, the changes of the past, southern
// summers and each country's hour of change.
#include "time/CInstant.h"

#include <string>
#include <vector>

namespace zarn {

// Whether summer time is in force at a moment given by the standard-time
// clock of a place that observes the rule: the rule holds for that moment
// read as legal time and for the same moment one hour later (its summer
// reading).
bool summerTimeAtStandard(const CDateHeure& standard);

// The offset of legal time from universal time, in seconds (a few zones kept
// their local mean time into the 1900s), and whether the place is then on
// summer time.
struct LegalReading {
    int offsetSeconds = 0;
    bool summer = false;
    bool operator==(const LegalReading&) const = default;
};

LegalReading readingAtUniversal(double universalJulianDay, const CLieu& place);
int legalOffsetSeconds(double universalJulianDay, const CLieu& place);

// The instants that a legal date and time names: none in the hour that a
// spring change skips, two in the hour that an autumn change repeats (the
// earlier first), else one. With none, `first` is the reading in force just
// before the gap, which carries the time past it.
struct LegalReadings {
    int count = 1;
    LegalReading first;
    LegalReading second;
};
LegalReadings legalReadings(const CDateHeure& legal, const CLieu& place);
bool legalTimeExists(const CDateHeure& legal, const CLieu& place);

// A place whose clock never changes and keeps the place's standard offset
// at that instant: the tools count hours on it through a change of offset.
CLieu fixedClockAt(const CLieu& place, double universalJulianDay);

// An instant for computing positions at that universal time: its fields are
// the standard time of the place and its clock never changes, so that its
// universal time, sidereal time and centuries are exact on the change days.
CInstant standardInstantAtUniversal(double universalJulianDay, const CLieu& place);

// Whether the name is a zone of the system's database.
bool zoneKnown(const std::string& name);

// The place on the zone of that name, its zone and flag set to the nearest
// values of the settings record: the standard offset of the year to the
// nearest hour, and whether the zone changes its clock that year.
CLieu placeOnZone(const CLieu& place, const std::string& zoneName, int year);

// The days of the year on which the zone enters or leaves summer time, in
// the year's order, as the legal dates the clock shows when it is changed.
struct ChangeDay {
    int day = 0;
    int month = 0;
};
std::vector<ChangeDay> summerChanges(const CLieu& place, int year);
// " 5.4 --> 4.10", or "Pas d'heure d'été" for a zone without change that year.
std::string summerChangesText(const CLieu& place, int year);

// Legal minus universal time as "+05:30" (to the nearest minute).
std::string offsetText(int seconds);

// Whether the place changes its clock in that year: the summer-time command
// is offered then.
bool changesClockIn(const CLieu& place, int year);

}  // namespace zarn
