// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A plain colour of the colour table (sky/ColourTable.h) as Qt paints it.
// Palette references are the surfaces' business (CQtSurface resolves them
// against the palette it was given); here they read as their entry of the
// program palette as it is built, the sky still black.
#include <QColor>

#include "sky/ColourTable.h"

namespace zarn {

constexpr QRgb toQRgb(Colour c)
{
    if (isPaletteIndex(c))
        c = paletteIndexOf(c) < kProgramPalette.size() ? kProgramPalette[paletteIndexOf(c)] : kBlack;
    return qRgb(static_cast<int>(redOf(c)), static_cast<int>(greenOf(c)), static_cast<int>(blueOf(c)));
}

inline QColor toQColor(Colour c) { return QColor(toQRgb(c)); }

}  // namespace zarn
