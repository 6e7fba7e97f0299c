// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/CatalogueList.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdio>
#include <set>
#include <string_view>

#include "sky/CCiel.h"
#include "sky/CConstellation.h"
#include "sky/CMessier.h"
#include "sky/CNouvelObjet.h"
#include "time/Calendar.h"

namespace zarn {

namespace {

// The constants the browser uses for its coordinate columns.
constexpr double kHoursPerRadian = 3.819718633706737;
constexpr double kDegreesPerRadian = 57.29577950560105;

// Base letter of the Latin-1 letters U+00C0..U+00FF, lower case ('\0' when not a letter).
constexpr char kLatin1Base[] = "aaaaaaaceeeeiiiidnooooo\0ouuuuyts"   // U+00C0..U+00DF
                               "aaaaaaaceeeeiiiidnooooo\0ouuuuyty";  // U+00E0..U+00FF

std::string foldedKey(const std::string& text)
{
    std::string key;
    key.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto c = static_cast<unsigned char>(text[i]);
        if (c == 0xC3 && i + 1 < text.size()) {  // UTF-8 of U+00C0..U+00FF
            const auto next = static_cast<unsigned char>(text[i + 1]);
            const char base = next >= 0x80 && next <= 0xBF ? kLatin1Base[next - 0x80] : '\0';
            if (base != '\0') {
                key += base;
                if (base == 'a' && (next & 0x1F) == 0x06) key += 'e';  // æ
                ++i;
                continue;
            }
        }
        key += static_cast<char>(std::tolower(c));
    }
    return key;
}

std::string formatted(const char* format, double a, double b)
{
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, format, a, b);
    return buffer;
}

std::string formatted(const char* format, double a, double b, double c)
{
    char buffer[96];
    std::snprintf(buffer, sizeof buffer, format, a, b, c);
    return buffer;
}

double packedHours(const CEtoile& object)
{
    return roundedPackedMinutes(object.GetAlpha() * kHoursPerRadian);
}

double packedDegrees(const CEtoile& object)
{
    return roundedPackedMinutes(object.GetDelta() * kDegreesPerRadian);
}

bool isUpperLetter(const std::string& code)
{
    return !code.empty() && code.front() >= 'A' && code.front() <= 'Z';
}

bool isDeepSkyCode(const std::string& code)
{
    return !code.empty() && (code.front() == 'A' || code.front() == 'G' || code.front() == 'N');
}

const char* const kPleiades = "Pléiades";

void addConstellations(const CCiel& ciel, bool byAbbreviation, std::vector<CatalogueLine>& lines)
{
    for (const CConstellation* c : ciel.constellations()) {
        // Groups of the program ("Objets", "Planètes", the reference lines, the
        // zenith) carry no abbreviation and are not constellations of the sky.
        if (c->name().empty() || c->abbreviation().empty()) continue;
        const std::string& first = byAbbreviation ? c->abbreviation() : c->name();
        const std::string& second = byAbbreviation ? c->name() : c->abbreviation();
        lines.push_back({first + " *" + second + "*" + c->secondName() + "*" + c->thirdName(), c, nullptr});
    }
}

void addObjects(const CCiel& ciel, bool deepSky, std::vector<CatalogueLine>& lines)
{
    for (const auto& [name, object] : ciel.names()) {
        const std::string code = object->codePart();
        const bool pleiades = name == kPleiades;
        if (deepSky && (isDeepSkyCode(code) || pleiades)) {
            lines.push_back({name + "*" + formatted("%5.2f*%6.2f", packedHours(*object), packedDegrees(*object)),
                             nullptr, object});
        } else if (!deepSky && !isUpperLetter(code) && !pleiades) {
            lines.push_back({name + "*" + formatted("% .1f*%5.2f*%6.2f", object->effectiveMagnitude() * 0.1,
                                                    packedHours(*object), packedDegrees(*object)),
                             nullptr, object});
        }
    }
}

}  // namespace

CatalogueStats catalogueStats(const CCiel& ciel)
{
    CatalogueStats stats;
    std::set<const CAstre*> seen;
    for (const CConstellation* c : ciel.constellations()) {
        if (!c->abbreviation().empty()) ++stats.constellations;
        stats.segments += c->figure().size();
        for (const CAstre* object : c->objects()) {
            if (!seen.insert(object).second) continue;
            if (dynamic_cast<const CNouvelObjet*>(object)) continue;
            if (dynamic_cast<const CMessier*>(object)) ++stats.deepSky;
            else if (dynamic_cast<const CEtoile*>(object)) ++stats.stars;
        }
    }
    stats.named = ciel.names().size();
    return stats;
}

std::string firstColumn(const std::string& line) { return line.substr(0, line.find('*')); }

namespace {

bool isDigit(char c) { return c >= '0' && c <= '9'; }

// Compares two folded keys, the runs of digits by their value, so that
// "m 4" comes before "m 39": -1, 0 or 1.
int compareNatural(const std::string& a, const std::string& b)
{
    std::size_t i = 0;
    std::size_t j = 0;
    while (i < a.size() && j < b.size()) {
        if (isDigit(a[i]) && isDigit(b[j])) {
            while (i < a.size() && a[i] == '0') ++i;
            while (j < b.size() && b[j] == '0') ++j;
            std::size_t ei = i;
            std::size_t ej = j;
            while (ei < a.size() && isDigit(a[ei])) ++ei;
            while (ej < b.size() && isDigit(b[ej])) ++ej;
            if (ei - i != ej - j) return ei - i < ej - j ? -1 : 1;
            if (const int c = a.compare(i, ei - i, b, j, ej - j); c != 0) return c < 0 ? -1 : 1;
            i = ei;
            j = ej;
            continue;
        }
        if (a[i] != b[j]) return static_cast<unsigned char>(a[i]) < static_cast<unsigned char>(b[j]) ? -1 : 1;
        ++i;
        ++j;
    }
    return i < a.size() ? 1 : (j < b.size() ? -1 : 0);
}

}  // namespace

bool frenchLess(const std::string& a, const std::string& b)
{
    const int c = compareNatural(foldedKey(a), foldedKey(b));
    return c != 0 ? c < 0 : a < b;
}

bool frenchStartsWith(const std::string& text, const std::string& prefix)
{
    return foldedKey(text).starts_with(foldedKey(prefix));
}

bool frenchNameMatches(const std::string& name, const std::string& typed)
{
    const std::size_t first = typed.find_first_not_of(' ');
    if (first == std::string::npos)
        return true;
    const std::string key = foldedKey(typed.substr(first, typed.find_last_not_of(' ') - first + 1));
    const std::string folded = foldedKey(name);
    // A word begins after a blank, an apostrophe or a hyphen.
    for (std::size_t at = 0; at < folded.size(); ++at)
        if ((at == 0 || std::string_view(" '-").find(folded[at - 1]) != std::string_view::npos) && folded.compare(at, key.size(), key) == 0)
            return true;
    return false;
}

int messierQuery(const std::string& typed)
{
    // "M 31", "m31", " M  31 ": the letter, blanks, the number, blanks.
    std::size_t i = typed.find_first_not_of(' ');
    if (i == std::string::npos || (typed[i] != 'M' && typed[i] != 'm')) return 0;
    i = typed.find_first_not_of(' ', i + 1);
    int number = 0;
    std::size_t digits = 0;
    for (; i < typed.size() && isDigit(typed[i]) && digits < 4; ++i, ++digits) number = number * 10 + (typed[i] - '0');
    const bool rest = i < typed.size() && typed.find_first_not_of(' ', i) != std::string::npos;
    return digits == 0 || rest ? 0 : number;
}

int messierNumber(const CEtoile& object)
{
    // The code part of a deep-sky object is its kind letter, then "M" and the
    // number for the objects of the Messier list ("GM31").
    const std::string code = object.codePart();
    if (code.size() < 3 || !isDeepSkyCode(code) || code[1] != 'M') return 0;
    int number = 0;
    for (std::size_t i = 2; i < code.size(); ++i) {
        if (!isDigit(code[i]) || i > 5) return 0;
        number = number * 10 + (code[i] - '0');
    }
    return number;
}

std::vector<CatalogueLine> catalogueLines(const CCiel& ciel, CatalogueKind kind)
{
    std::vector<CatalogueLine> lines;
    switch (kind) {
    case CatalogueKind::ConstellationNames: addConstellations(ciel, false, lines); break;
    case CatalogueKind::ConstellationAbbreviations: addConstellations(ciel, true, lines); break;
    case CatalogueKind::Stars: addObjects(ciel, false, lines); break;
    case CatalogueKind::DeepSky: addObjects(ciel, true, lines); break;
    }
    // By the first column, so that "Deneb" comes before "Deneb Algedi" (the
    // column mark would otherwise sort after the blank).
    std::stable_sort(lines.begin(), lines.end(), [](const CatalogueLine& a, const CatalogueLine& b) {
        const std::string first = firstColumn(a.text);
        const std::string second = firstColumn(b.text);
        return first != second ? frenchLess(first, second) : frenchLess(a.text, b.text);
    });
    return lines;
}

}  // namespace zarn
