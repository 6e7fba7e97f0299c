// SPDX-License-Identifier: GPL-3.0-or-later
#include "sky/UserObjectEntry.h"

#include <cstdio>
#include <cstdlib>

#include "sky/CConstellation.h"
#include "sky/CNouvelObjet.h"
#include "sky/SkyModel.h"
#include "time/Calendar.h"

namespace zarn {

namespace {

// The code part that marks a user object's designation; the user's name
// follows the "*".
constexpr const char* kUserCode = "O*";

}  // namespace

std::optional<std::string> normalCoordinate(const std::string& text, int minHours, int maxHours)
{
    if (!parseTime(text, minHours, maxHours))
        return std::nullopt;
    const HourMinuteSecond read = readTime(text);
    const bool negative = text.front() == '-';
    const int hours = std::abs(read.hours);
    // The limits themselves are the last values: 24.00 but not 24.30, −90.00
    // but not −90.30 (beyond the pole).
    const int limit = negative ? -minHours : maxHours;
    if (hours > limit || (hours == limit && read.minutes > 0))
        return std::nullopt;
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%s%d.%02d", negative ? "-" : "", hours, read.minutes);
    return std::string(buffer);
}

UserObjectEntry entryFromFields(const std::string& rightAscension, const std::string& declination,
                                std::string name, int symbol)
{
    UserObjectEntry entry;
    entry.alphaDegrees = fromPacked(std::strtod(rightAscension.c_str(), nullptr)) * 15.0;
    entry.deltaDegrees = fromPacked(std::strtod(declination.c_str(), nullptr));
    entry.name = std::move(name);
    entry.symbol = symbol;
    return entry;
}

UserObjectEntry entryOf(const CNouvelObjet& object)
{
    UserObjectEntry entry;
    entry.alphaDegrees = object.rightAscension() / 1000.0;
    entry.deltaDegrees = object.declination() / 1000.0;
    // A designation without "*" (written by hand) is all name.
    const std::string& designation = object.designation();
    entry.name = designation.find('*') == std::string::npos ? designation : object.GetName();
    entry.symbol = object.kind();
    return entry;
}

std::string userObjectLine(const UserObjectEntry& entry)
{
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.2f/%.2f/", roundedPackedMinutes(entry.alphaDegrees / 15.0),
                  roundedPackedMinutes(entry.deltaDegrees));
    return buffer + entry.name;
}

std::vector<UserObjectEntry> userObjectEntries(const SkyModel& sky)
{
    std::vector<UserObjectEntry> entries;
    if (const CConstellation* group = sky.userObjects())
        for (const CAstre* object : group->objects())
            if (const auto* user = dynamic_cast<const CNouvelObjet*>(object))
                entries.push_back(entryOf(*user));
    return entries;
}

void rebuildUserObjects(SkyModel& sky, const std::vector<UserObjectEntry>& entries, const CInstant& instant)
{
    CConstellation* group = sky.userObjects();
    if (!group)
        return;
    const std::vector<CAstre*> old = group->objects();
    for (CAstre* object : old)
        if (auto* user = dynamic_cast<CNouvelObjet*>(object))
            sky.removeUserObject(user);
    for (const UserObjectEntry& entry : entries) {
        CNouvelObjet* object = sky.addUserObject(std::make_unique<CNouvelObjet>(
            entry.alphaDegrees, entry.deltaDegrees, kUserCode + entry.name, entry.symbol));
        object->Compute(instant);
        object->Prepare();
        if (!entry.name.empty())
            sky.ciel().registerName(*object);
    }
    sky.setUserObjectsModified(true);
}

}  // namespace zarn
