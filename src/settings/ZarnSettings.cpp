// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/ZarnSettings.h"

#include "settings/DisplayOptionTable.h"
#include "time/LegalOffset.h"

#include <algorithm>
#include <cstring>
#include <string>

namespace zarn {
namespace {

constexpr const char* kPosition = "Position";
constexpr const char* kPlaces = "Observatoires";

int intIn(const Profile& p, const char* section, const char* key, int lo, int hi, int fallback)
{
    const std::optional<int> v = p.intValue(section, key);
    return v && *v >= lo && *v <= hi ? *v : fallback;
}

std::string numbered(const char* stem, int n) { return stem + std::to_string(n); }

std::optional<std::array<std::int32_t, 4>> readRect(const Profile& p)
{
    const auto bytes = p.binaryValue(kPosition, "rcNormal");
    if (!bytes || bytes->size() != 16)
        return std::nullopt;
    std::array<std::int32_t, 4> r{};
    for (int i = 0; i < 4; ++i) {
        std::uint32_t v = 0;
        for (int b = 3; b >= 0; --b)
            v = (v << 8) | (*bytes)[4 * i + b];
        r[i] = static_cast<std::int32_t>(v);
    }
    // An empty or inverted rectangle would give an invisible window.
    if (r[2] <= r[0] || r[3] <= r[1])
        return std::nullopt;
    return r;
}

std::vector<std::uint8_t> rectBytes(const std::array<std::int32_t, 4>& r)
{
    std::vector<std::uint8_t> bytes(16);
    for (int i = 0; i < 4; ++i) {
        const auto v = static_cast<std::uint32_t>(r[i]);
        for (int b = 0; b < 4; ++b)
            bytes[4 * i + b] = static_cast<std::uint8_t>(v >> (8 * b));
    }
    return bytes;
}

// False when a record was skipped or the list goes on past the limit.
bool readObservatories(const Profile& p, std::vector<CLieu>& out)
{
    // The numbers run from 0 without gaps: the first missing record ends the list.
    bool whole = true;
    for (int n = 0; n < kMaxObservatories; ++n) {
        if (!p.value(kPlaces, numbered("no", n)))
            return whole;
        std::optional<CLieu> place = observatoryOf(p, n);
        if (!place) {
            whole = false;  // a damaged record is skipped, the list goes on
            continue;
        }
        out.push_back(*place);
    }
    return whole && !p.value(kPlaces, numbered("no", kMaxObservatories));
}

int flag(int v) { return v ? 1 : 0; }

bool sameKey(const StoredKey& a, const StoredKey& b)
{
    return std::strcmp(a.section, b.section) == 0 && std::strcmp(a.key, b.key) == 0;
}

bool isStored(const DisplayOption& o) { return o.stored.section && o.inSettings; }

void readOptions(const Profile& p, ZarnSettings& s)
{
    for (const DisplayOption& o : displayOptions()) {
        if (!isStored(o))
            continue;
        const StoredKey& k = o.stored;
        const int value = intIn(p, k.section, k.key, k.lo, k.hi, k.fallback);
        o.inSettings.set(s, o.mask ? flag((value >> o.shift) & o.mask) : value);
    }
}

// The value of a key from the options it holds: the whole value of one, or
// the bit fields of those that share it.
int keyValue(const ZarnSettings& s, const DisplayOption& first)
{
    if (!first.mask) {
        const int v = first.inSettings.get(s);
        return first.stored.lo == 0 && first.stored.hi == 1 ? flag(v) : v;
    }
    int value = 0;
    for (const DisplayOption& o : displayOptions())
        if (isStored(o) && o.mask && sameKey(o.stored, first.stored))
            value += flag(o.inSettings.get(s)) << o.shift;
    return value;
}

void writeOptions(const ZarnSettings& s, Profile& p, bool sixteenColours)
{
    const auto options = displayOptions();
    for (auto it = options.begin(); it != options.end(); ++it) {
        const StoredKey& k = it->stored;
        if (!isStored(*it) || (k.rule == StoredKey::FullColour && sixteenColours))
            continue;
        // A shared key is written once, where the first of its options stands.
        if (std::any_of(options.begin(), it, [&](const DisplayOption& o) { return isStored(o) && sameKey(o.stored, k); }))
            continue;
        const int value = keyValue(s, *it);
        // A key of this program's own: a file that never had the option on
        // stays as the older programs wrote it.
        if (k.rule == StoredKey::OnceUsed && !value && !p.value(k.section, k.key))
            continue;
        p.setInt(k.section, k.key, value);
    }
}

}  // namespace

std::optional<CLieu> observatoryOf(const Profile& p, int n)
{
    const std::optional<std::string> text = p.value(kPlaces, numbered("no", n));
    const auto bytes = text ? decodeBinary(*text) : std::nullopt;
    std::optional<CLieu> place = bytes ? CLieu::fromBytes(bytes->data(), bytes->size()) : std::nullopt;
    if (!place)
        return std::nullopt;
    place->setName(p.value(kPlaces, numbered("lieu", n)).value_or(""));
    if (const auto zone = p.value(kPlaces, numbered("tz", n)); zone && zoneKnown(*zone))
        place->setZoneName(*zone);
    return place;
}

ZarnSettings readSettings(const Profile& p)
{
    ZarnSettings s;
    readOptions(p, s);
    s.normalRect = readRect(p);
    s.showState = intIn(p, kPosition, "State", 1, 3, 3);
    s.observatoriesWhole = readObservatories(p, s.observatories);
    return s;
}

void writeSettings(const ZarnSettings& s, Profile& p, bool sixteenColours)
{
    writeOptions(s, p, sixteenColours);
    if (s.normalRect)
        p.setBinary(kPosition, "rcNormal", rectBytes(*s.normalRect));
    p.setInt(kPosition, "State", s.showState);

    p.removeSection(kPlaces);
    for (std::size_t i = 0; i < s.observatories.size(); ++i) {
        const CLieu::Record record = s.observatories[i].toRecord();
        const int n = static_cast<int>(i);
        p.setBinary(kPlaces, numbered("no", n), {record.begin(), record.end()});
        p.setValue(kPlaces, numbered("lieu", n), s.observatories[i].name());
        // Beside the record, which keeps the nearest whole-hour zone and flag
        // for a reader that knows no zone names.
        if (!s.observatories[i].zoneName().empty())
            p.setValue(kPlaces, numbered("tz", n), s.observatories[i].zoneName());
    }
}

}  // namespace zarn
