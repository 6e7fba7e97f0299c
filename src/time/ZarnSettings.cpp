// SPDX-License-Identifier: GPL-3.0-or-later
#include "time/ZarnSettings.h"

#include "time/LegalOffset.h"

#include <cstring>
#include <string>

namespace zarn {
namespace {

constexpr const char* kCharts = "Cartes";
constexpr const char* kPrinting = "Impression";
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
    const std::optional<int> sky = p.intValue(kCharts, "Couleur ciel");
    if (sky && *sky >= 0 && *sky <= 0xFFFFFF)
        s.skyColour = static_cast<std::uint32_t>(*sky);
    s.skyColourIndex = intIn(p, kCharts, "Index couleur ciel", 0, kMaxSkyColourIndex, 0);
    s.starColouring = intIn(p, kCharts, "Couleur étoiles", 0, 1, 1);

    const int figures = intIn(p, kCharts, "Contours constellations", 0, 0x00FFFFFF, 0);
    s.figureFlags[0] = flag((figures >> 16) & 0xFF);  // whole sky
    s.figureFlags[1] = flag(figures & 0xFF);          // zenith
    s.figureFlags[2] = flag((figures >> 8) & 0xFF);   // horizon

    const int special = intIn(p, kCharts, "Objets spéciaux", 0, 3, 3);
    s.showEquator = special & 1;
    s.showEcliptic = (special >> 1) & 1;
    s.nightMode = intIn(p, kCharts, "Mode nuit", 0, 1, 0);

    s.screenBodyNames = intIn(p, kCharts, "Noms astres écran", 0, 1, 1);
    s.screenStarNames = intIn(p, kCharts, "Noms étoiles écran", 0, 1, 0);
    s.screenStarLimit = intIn(p, kCharts, "Magnitude noms écran", 15, 40, 25);
    s.screenConstellationNames = intIn(p, kCharts, "Noms constellations écran", 0, 1, 0);
    s.horizontalGrid = intIn(p, kCharts, "Grille horizontale écran", 0, 1, 0);
    s.equatorialGrid = intIn(p, kCharts, "Grille équatoriale écran", 0, 1, 0);

    s.printStarNames = intIn(p, kPrinting, "Nom étoiles", 0, 1, 1);
    s.normalRect = readRect(p);
    s.showState = intIn(p, kPosition, "State", 1, 3, 3);
    s.observatoriesWhole = readObservatories(p, s.observatories);
    return s;
}

void writeSettings(const ZarnSettings& s, Profile& p, bool sixteenColours)
{
    if (!sixteenColours) {
        p.setInt(kCharts, "Couleur ciel", static_cast<int>(s.skyColour & 0xFFFFFF));
        p.setInt(kCharts, "Index couleur ciel", s.skyColourIndex);
        p.setInt(kCharts, "Couleur étoiles", s.starColouring);
    }
    p.setInt(kCharts, "Contours constellations",
             flag(s.figureFlags[1]) + 256 * flag(s.figureFlags[2]) + 65536 * flag(s.figureFlags[0]));
    p.setInt(kCharts, "Objets spéciaux", flag(s.showEquator) + 2 * flag(s.showEcliptic));
    p.setInt(kCharts, "Noms astres écran", flag(s.screenBodyNames));
    p.setInt(kCharts, "Noms étoiles écran", flag(s.screenStarNames));
    p.setInt(kCharts, "Magnitude noms écran", s.screenStarLimit);
    p.setInt(kCharts, "Noms constellations écran", flag(s.screenConstellationNames));
    p.setInt(kCharts, "Grille horizontale écran", flag(s.horizontalGrid));
    p.setInt(kCharts, "Grille équatoriale écran", flag(s.equatorialGrid));
    // A key of this program's own: a file that never had night mode on
    // stays as the older programs wrote it.
    if (s.nightMode || p.value(kCharts, "Mode nuit"))
        p.setInt(kCharts, "Mode nuit", s.nightMode);
    p.setInt(kPrinting, "Nom étoiles", s.printStarNames);
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
