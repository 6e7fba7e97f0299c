// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The display bits a view computes at every paint and the charts hand on to
// every object's own drawing.
#include <cstdint>

namespace zarn::draw {

constexpr std::uint32_t kOwnColours = 0x1;        // objects in their own colours (screen only)
constexpr std::uint32_t kPlanets = 0x2;
constexpr std::uint32_t kSun = 0x4;
constexpr std::uint32_t kMoon = 0x8;
constexpr std::uint32_t kDeepSky = 0x10;          // deep-sky and user objects
constexpr std::uint32_t kEcliptic = 0x20;
constexpr std::uint32_t kEquator = 0x40;
constexpr std::uint32_t kFigures = 0x80;
constexpr std::uint32_t kAltitudeScale = 0x100;
constexpr std::uint32_t kStarNames = 0x200;       // printed charts
constexpr std::uint32_t kGrid = 0x400;
constexpr std::uint32_t kEquatorialMoon = 0x800;  // Moon phase in equatorial orientation
constexpr std::uint32_t kZenithChart = 0x1000;
constexpr std::uint32_t kConstellationStyle = 0x2000;
// Set by the round charts for their objects: the zenith is towards the
// chart's centre rather than up (the Moon turns its phase accordingly).
constexpr std::uint32_t kRoundChart = 0x8000;
// The coordinate grids of the sky window's charts, when the user asks.
constexpr std::uint32_t kHorizontalGrid = 0x10000;
constexpr std::uint32_t kEquatorialGrid = 0x20000;

}  // namespace zarn::draw
