// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/CProgramPalette.h"

#include "charts/QtColour.h"

namespace zarn {

CProgramPalette::CProgramPalette()
{
    for (int i = 0; i < kPaletteSize; ++i)
        m_colours[static_cast<std::size_t>(i)] = toQColor(kProgramPalette[static_cast<std::size_t>(i)]);
}

QColor CProgramPalette::color(int index) const
{
    if (index < 0 || index >= kPaletteSize)
        return toQColor(kBlack);
    return m_colours[static_cast<std::size_t>(index)];
}

}  // namespace zarn
