// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the status bar of the constellation map says of a star under the
// mouse: its Bayer letter in Greek, its constellation, the magnitudes and
// spectral types of its components (from the catalogue's second text map).
#include <string>
#include <vector>

namespace zarn {

class CAstre;
class SkyModel;

// Name of the Greek letter behind a Bayer letter code ("a" Alpha, "b" Bêta,
// "c" Khi ...); empty for "f" and "v", which stand for no letter, and for any
// text that is not one lower-case Latin letter.
std::string greekLetterName(const std::string& code);

// The components of a star as the second text map of CIEL.ZAR describes them:
// "20/29;A1V;A2Vm" holds the magnitudes in tenths, then each spectral type.
struct StarComponents {
    std::vector<int> magnitudes;  // tenths
    std::vector<std::string> spectralTypes;
};
StarComponents parseStarComponents(const std::string& entry);

struct StarStatusTexts {
    std::string first;   // letter, constellation abbreviation, magnitudes, spectral types
    std::string second;  // full name of the constellation
};

// The two parts of the status bar for an object hit precisely; both are empty
// for anything but a star (deep-sky and user objects, bodies, points).
StarStatusTexts starStatusTexts(const CAstre& object, const SkyModel& sky);

}  // namespace zarn
