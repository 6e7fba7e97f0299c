// SPDX-License-Identifier: GPL-3.0-or-later
// Zones of the system's database through the date/tz library. The files
// list the changes up to 2037; later years follow the rule of the file's last
// line (PosixZoneRule).
#include "time/ZoneDatabase.h"

#include "time/PosixZoneRule.h"

#include <date/tz.h>

#include <climits>
#include <cstdlib>
#include <fstream>
#include <map>
#include <memory>
#include <optional>
#include <sstream>
#include <unistd.h>

namespace zarn {

namespace {
namespace ch = std::chrono;
constexpr const char* kZoneFolder = "/usr/share/zoneinfo/";
// A span that the database leaves open at its end lies past its last change.
constexpr std::int64_t kOpenEnd = INT64_C(4102444800);  // 2100-01-01

struct Zone {
    const date::time_zone* zone = nullptr;
    std::optional<PosixZoneRule> rule;  // for the years after the listed changes
    ZoneSpan last{1, 0, 0, false};      // the span found last (empty at first)
};

// The last line of a zone file: the POSIX rule of its later years.
std::optional<PosixZoneRule> ruleOfFile(const std::string& name)
{
    std::ifstream in(kZoneFolder + name, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    const std::string text = bytes.str();
    if (text.size() < 2 || text.back() != '\n')
        return std::nullopt;
    const auto previous = text.rfind('\n', text.size() - 2);
    if (previous == std::string::npos)
        return std::nullopt;
    return PosixZoneRule::parse(text.substr(previous + 1, text.size() - previous - 2));
}

Zone* findZone(const std::string& name)
{
    // One search of the database per name; the searches of the tools then
    // ask the same zone thousands of times.
    thread_local std::map<std::string, std::unique_ptr<Zone>> zones;
    thread_local std::string lastName;
    thread_local Zone* lastZone = nullptr;
    if (lastZone != nullptr && name == lastName)
        return lastZone;
    auto found = zones.find(name);
    if (found == zones.end()) {
        std::unique_ptr<Zone> z;
        try {
            if (name.empty() || name.find("..") != std::string::npos)
                throw std::runtime_error("no zone");
            z = std::make_unique<Zone>();
            z->zone = date::locate_zone(name);
            z->rule = ruleOfFile(name);
        } catch (const std::exception&) {
            z.reset();
        }
        found = zones.emplace(name, std::move(z)).first;
    }
    lastName = name;
    lastZone = found->second.get();
    return lastZone;
}

ZoneSpan spanOf(Zone& z, std::int64_t utSeconds)
{
    const date::sys_info info = z.zone->get_info(date::sys_seconds{ch::seconds{utSeconds}});
    ZoneSpan span;
    span.begin = info.begin.time_since_epoch().count();
    span.end = info.end.time_since_epoch().count();
    span.offsetSeconds = static_cast<int>(info.offset.count());
    span.summer = info.save != ch::minutes{0};
    if (span.end < kOpenEnd || !z.rule || !z.rule->hasSummer)
        return span;
    const PosixZoneRule::State later = z.rule->stateAt(utSeconds);
    span.begin = std::max(span.begin, later.begin);
    span.end = later.end;
    span.offsetSeconds = later.offsetSeconds;
    span.summer = later.summer;
    return span;
}
}  // namespace

bool zoneExists(const std::string& name) { return findZone(name) != nullptr; }

ZoneSpan zoneSpanAt(const std::string& name, std::int64_t utSeconds)
{
    Zone* z = findZone(name);
    if (z == nullptr)
        return {INT64_MIN, INT64_MAX, 0, false};
    if (utSeconds < z->last.begin || utSeconds >= z->last.end)
        z->last = spanOf(*z, utSeconds);
    return z->last;
}

std::vector<std::string> zoneNames()
{
    std::vector<std::string> names;
    try {
        for (const date::time_zone& zone : date::get_tzdb().zones)
            names.emplace_back(zone.name());
    } catch (const std::exception&) {
        return {};
    }
    // The old names kept for compatibility ("US/Eastern") and the files that
    // are not places ("posixrules") are left out of the list offered.
    std::erase_if(names, [](const std::string& n) {
        return n.find('/') == std::string::npos || n.rfind("Etc/", 0) == 0 || n.rfind("US/", 0) == 0 ||
               n.rfind("SystemV/", 0) == 0 || n.rfind("posix", 0) == 0 || n.rfind("right/", 0) == 0;
    });
    return names;
}

std::string systemZoneName()
{
    if (const char* tz = std::getenv("TZ"); tz && *tz) {
        std::string name = tz[0] == ':' ? tz + 1 : tz;
        if (name.rfind(kZoneFolder, 0) == 0)
            name = name.substr(std::string(kZoneFolder).size());
        return zoneExists(name) ? name : std::string();
    }
    char buffer[4096];
    const ssize_t n = readlink("/etc/localtime", buffer, sizeof buffer - 1);
    if (n <= 0)
        return {};
    const std::string target(buffer, static_cast<std::size_t>(n));
    const auto at = target.find("zoneinfo/");
    if (at == std::string::npos)
        return {};
    const std::string name = target.substr(at + 9);
    return zoneExists(name) ? name : std::string();
}

}  // namespace zarn
