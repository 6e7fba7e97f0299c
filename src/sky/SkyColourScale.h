// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The sky colours of the chart options' slider: from black at position 0 to a
// dark evening blue at the last position, all of one hue.
#include "sky/Colour.h"

namespace zarn {

constexpr int kSkySliderMax = 35;

// The colour of one slider position (0 to kSkySliderMax) by the hue,
// lightness and saturation rule on a scale of 255: hue 150, saturation 130,
// lightness twice the position. Positions outside the range are taken to the
// nearest end.
Colour skyFromSlider(int position);

// The settings keep the sky colour as 0x00RRGGBB.
constexpr std::uint32_t toSettingsRgb(Colour c) { return (redOf(c) << 16) | (greenOf(c) << 8) | blueOf(c); }
constexpr Colour fromSettingsRgb(std::uint32_t v) { return rgb((v >> 16) & 0xFF, (v >> 8) & 0xFF, v & 0xFF); }

}  // namespace zarn
