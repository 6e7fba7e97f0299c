// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The lines of the catalogue browser: constellations by name or abbreviation,
// named stars, and named clusters, nebulae and galaxies. Columns are separated
// by "*"; each line carries the constellation or object it stands for.
#include <cstddef>
#include <string>
#include <vector>

namespace zarn {

class CCiel;
class CConstellation;
class CEtoile;

enum class CatalogueKind { ConstellationNames = 0, ConstellationAbbreviations = 1, Stars = 2, DeepSky = 3 };

struct CatalogueLine {
    std::string text;
    const CConstellation* constellation = nullptr;  // kinds 0 and 1
    const CEtoile* object = nullptr;                // kinds 2 and 3
};

// The lines of one list kind, in the order the browser shows them (French
// alphabetical order: accents and case are ignored, as a reader expects).
std::vector<CatalogueLine> catalogueLines(const CCiel& ciel, CatalogueKind kind);

// Counts of the catalogue: real constellations (those with an abbreviation),
// distinct stars, distinct deep-sky objects, names of the name map and
// figure segments.
struct CatalogueStats {
    std::size_t constellations = 0;
    std::size_t stars = 0;
    std::size_t deepSky = 0;
    std::size_t named = 0;
    std::size_t segments = 0;
};
CatalogueStats catalogueStats(const CCiel& ciel);

// The text of a line up to its first column mark.
std::string firstColumn(const std::string& line);

// Compares two texts as a French reader sorts them: letters without their
// accents and case first, numbers by their value ("M 4" before "M 39"), then
// the exact texts to break ties.
bool frenchLess(const std::string& a, const std::string& b);

// Whether a text begins with a typed one, accents and case ignored.
bool frenchStartsWith(const std::string& text, const std::string& prefix);

// Whether a name answers a filter typed to find it: the filter begins the
// name or one of its words ("andro" finds "Galaxie d'Andromède"), accents
// and case ignored, the blanks round it left out. An empty filter matches
// every name.
bool frenchNameMatches(const std::string& name, const std::string& typed);

// The number of a typed Messier designation ("M 31", "m31"), 0 for any other text.
int messierQuery(const std::string& typed);
// The Messier number of a deep-sky object, 0 when it has none (a star, a
// cluster of another list).
int messierNumber(const CEtoile& object);

}  // namespace zarn
