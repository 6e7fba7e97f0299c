// SPDX-License-Identifier: GPL-3.0-or-later
#include "sky/SkyColourScale.h"

#include <algorithm>

namespace zarn {

namespace {

constexpr int kScale = 255;
constexpr int kSaturation = 130;

// One channel of the colour from its hue on the 0..255 circle, between the
// two magnitudes m1 (darkest) and m2 (brightest); integer arithmetic with
// the rounding of the sixths of the circle (42 units).
int channel(int m1, int m2, int hue)
{
    if (hue < 42)
        return m1 + ((m2 - m1) * hue + 21) / 42;
    if (hue < 127)
        return m2;
    if (hue < 170)
        return m1 + ((m2 - m1) * (170 - hue) + 21) / 42;
    return m1;
}

}  // namespace

Colour skyFromSlider(int position)
{
    const int lightness = 2 * std::clamp(position, 0, kSkySliderMax);
    const int m2 = lightness < 127 ? (lightness * (kScale + kSaturation) + 127) / kScale
                                   : lightness + kSaturation + (-kSaturation * lightness - 127) / kScale;
    const int m1 = 2 * lightness - m2;
    // Hue 150: the red, green and blue channels sit at 150 + 85, 150 and 150 − 85.
    return rgb(static_cast<unsigned>(channel(m1, m2, 235)), static_cast<unsigned>(channel(m1, m2, 150)),
               static_cast<unsigned>(channel(m1, m2, 65)));
}

}  // namespace zarn
