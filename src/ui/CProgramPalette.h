// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The program palette as the windows hold it: the entries of the colour
// table (sky/ColourTable.h), the sky entry set to the user's sky colour.
#include <QColor>

#include <array>

#include "sky/ColourTable.h"

namespace zarn {

class CProgramPalette {
public:
    CProgramPalette();

    QColor color(int index) const;  // black for an index out of range
    void setSkyColour(const QColor& colour) { m_colours[kSkyPaletteEntry] = colour; }
    QColor skyColour() const { return m_colours[kSkyPaletteEntry]; }
    const std::array<QColor, kPaletteSize>& colours() const { return m_colours; }

private:
    std::array<QColor, kPaletteSize> m_colours;
};

}  // namespace zarn
