// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The seven bodies of the solar system the program follows, by body index:
// the index every body list, chart and window uses, the French name shown to
// the user, the same name in plain ASCII for the command line, the
// astronomical symbol, and the altitude at which the body rises and sets.
//
// Rise and set: the Sun and the Moon rise when their upper limb, lifted by
// refraction, clears the horizon: their centre is then 0.61° below it. A
// planet is a point, its centre on the horizon. For the Moon this is a
// topocentric altitude. Its geocentric altitude at that moment is higher by
// its horizontal parallax (close to a degree), which changes with its
// distance: the rise and set search and the Moon's own "is it up" test add the
// parallax to this value.
//
// The menus list the bodies in another order, the planets outward, then the
// Moon, then the Sun; menuPosition and bodyAtMenuPosition turn one into the
// other.
#include <array>
#include <cstddef>

namespace zarn {

enum BodyIndex { kSun = 0, kMercury = 1, kVenus = 2, kMars = 3, kJupiter = 4, kSaturn = 5, kMoon = 6 };

constexpr int kBodyCount = 7;

struct BodyInfo {
    BodyIndex index;
    const char* name;        // French, UTF-8
    const char* asciiName;   // the same without accents
    const char* symbol;      // UTF-8
    double eventAltitude;    // degrees, of the centre as the observer sees it
};

constexpr std::array<BodyInfo, kBodyCount> kBodyTable = {{
    {kSun, "Soleil", "Soleil", "\u2609", -0.61},
    {kMercury, "Mercure", "Mercure", "\u263F", 0.0},
    {kVenus, "Vénus", "Venus", "\u2640", 0.0},
    {kMars, "Mars", "Mars", "\u2642", 0.0},
    {kJupiter, "Jupiter", "Jupiter", "\u2643", 0.0},
    {kSaturn, "Saturne", "Saturne", "\u2644", 0.0},
    {kMoon, "Lune", "Lune", "\u263E", -0.61},
}};

constexpr bool rowsFollowIndex()
{
    for (int i = 0; i < kBodyCount; ++i)
        if (kBodyTable[static_cast<std::size_t>(i)].index != i)
            return false;
    return true;
}
static_assert(rowsFollowIndex(), "the body table is read by body index");

constexpr bool isBodyIndex(int index) { return index >= 0 && index < kBodyCount; }

// The entry of a valid body index (isBodyIndex).
constexpr const BodyInfo& bodyInfo(int index) { return kBodyTable[static_cast<std::size_t>(index)]; }

// Menu order: Mercure, Vénus, Mars, Jupiter, Saturne, Lune, Soleil.
constexpr int menuPosition(int bodyIndex) { return (bodyIndex + kBodyCount - 1) % kBodyCount; }
constexpr int bodyAtMenuPosition(int position) { return (position + 1) % kBodyCount; }

}  // namespace zarn
