// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Colours of the sky objects: a 32-bit value that is either a plain RGB colour
// (red in the low byte, then green, then blue) or a reference to an entry of
// the program palette (marked by the high byte 0x01), as the drawing layer
// understands them.
#include <cstdint>

namespace zarn {

using Colour = std::uint32_t;

constexpr Colour kBlack = 0;

constexpr Colour rgb(unsigned red, unsigned green, unsigned blue)
{
    return (red & 0xFFu) | ((green & 0xFFu) << 8) | ((blue & 0xFFu) << 16);
}

constexpr Colour paletteIndex(unsigned index) { return 0x01000000u | (index & 0xFFFFu); }

constexpr bool isPaletteIndex(Colour c) { return (c & 0xFF000000u) == 0x01000000u; }
constexpr unsigned paletteIndexOf(Colour c) { return c & 0xFFFFu; }
constexpr unsigned redOf(Colour c) { return c & 0xFFu; }
constexpr unsigned greenOf(Colour c) { return (c >> 8) & 0xFFu; }
constexpr unsigned blueOf(Colour c) { return (c >> 16) & 0xFFu; }

}  // namespace zarn
