// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The solar-system bodies for the commands of zarn-calc: names typed on the
// command line and the bodies read from ELEMENTS.ZAR.
#include "calc/CalcCommand.h"
#include "sky/SolarBodies.h"

#include <optional>
#include <string>

namespace zarn {

// Soleil, Mercure, Vénus (or Venus), Mars, Jupiter, Saturne, Lune → 0..6.
std::optional<int> bodyIndexOf(const std::string& name);

// The bodies read from ELEMENTS.ZAR in dataDir; the French message of the
// failure is printed on stderr when they cannot be read.
std::optional<SolarBodies> loadBodies(const std::string& dataDir);

// A whole number argument within [lo, hi].
std::optional<int> integerArgument(const std::string& text, int lo, int hi);

// The Sun's right ascension (radians) at the instant, for the true solar
// time; nothing when ELEMENTS.ZAR cannot be read.
std::optional<double> calcSunRightAscension(const CInstant& instant);

// For the commands that take one body name: the bodies read from ELEMENTS.ZAR
// and the index of the named one. On failure the message is printed and
// status holds the exit status (2 for a wrong argument, 1 for the file).
struct NamedBody {
    SolarBodies bodies;
    int index = 0;
    CPlaSol& body() { return bodies.body(index); }
};
std::optional<NamedBody> namedBody(const CalcContext& context, const char* usage, int& status);

}  // namespace zarn
