// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The system's time-zone database (tzdata), read through the date/tz
// library: the legal offset of a zone at any universal instant, with the
// instants between which it holds. LegalOffset is its one user; the rest of
// the program asks LegalOffset.
#include <cstdint>
#include <string>
#include <vector>

namespace zarn {

// The offset of a zone between two of its changes (universal seconds since
// 1970, begin included).
struct ZoneSpan {
    std::int64_t begin = 0;
    std::int64_t end = 0;
    int offsetSeconds = 0;  // East of Greenwich
    bool summer = false;    // the database marks it as summer (daylight) time
};

bool zoneExists(const std::string& name);

// The span of the zone around the instant; an unknown zone is universal time.
ZoneSpan zoneSpanAt(const std::string& name, std::int64_t utSeconds);

// Every zone name of the database, in alphabetical order.
std::vector<std::string> zoneNames();

// The computer's own zone: TZ when it names a zone, else the file that
// /etc/localtime points to; empty when neither names a known zone.
std::string systemZoneName();

}  // namespace zarn
