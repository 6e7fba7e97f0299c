// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The user's own objects as the chart options list them: a position, a name
// and one of the five symbols, with the line shown for each, the checking of
// typed coordinates and the rebuilding of the "Objets" group from the list.
#include <optional>
#include <string>
#include <vector>

namespace zarn {

class CInstant;
class CNouvelObjet;
class SkyModel;

struct UserObjectEntry {
    double alphaDegrees = 0.0;
    double deltaDegrees = 0.0;
    std::string name;  // may be empty
    int symbol = 0;    // 0 comet, 1 cluster, 2 nebula, 3 galaxy, 4 cross
    bool operator==(const UserObjectEntry&) const = default;
};

// A typed right ascension (hours, 0 to 24) or declination (degrees, −90 to
// 90) as packed h.mm, in the normal form "%d.%02d" with its sign; nothing
// when the text is not such a value or lies beyond the range.
std::optional<std::string> normalCoordinate(const std::string& text, int minHours, int maxHours);

// The entry of typed fields already in normal form.
UserObjectEntry entryFromFields(const std::string& rightAscension, const std::string& declination,
                                std::string name, int symbol);
// The entry of an object of the sky.
UserObjectEntry entryOf(const CNouvelObjet& object);
// The entries of every object of "Objets", in their order.
std::vector<UserObjectEntry> userObjectEntries(const SkyModel& sky);
// The list line "%.2f/%.2f/%s": right ascension in h.mm, declination in d.mm
// (both to the nearest minute), then the name.
std::string userObjectLine(const UserObjectEntry& entry);

// Replaces every object of "Objets" by the entries, in their order: each is
// computed for the instant, and a named one enters the sky's name map.
void rebuildUserObjects(SkyModel& sky, const std::vector<UserObjectEntry>& entries, const CInstant& instant);

}  // namespace zarn
