// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the conjunction and animation windows share: the colours of the
// program palette, the display bits of their ecliptic charts, and their
// frame on the main window.
#include <QSize>
#include <cstdint>

#include "charts/CQtSurface.h"

class QMdiSubWindow;
class QWidget;

namespace zarn {

class CWorkspace;
struct DisplayOptions;

PaletteColours programColours(CWorkspace& frame);

// The document's screen option word (own colours, the figures of the given
// figure flag) with the planets, Sun, Moon, deep-sky objects, ecliptic and
// the Moon's equatorial orientation always on; star names on paper.
std::uint32_t eclipticChartFlags(const DisplayOptions& options, int figureFlag, bool printing);

// A frame on the main window holding the view, placed as the tool windows
// without a place of their own, shown and active.
QMdiSubWindow* openToolFrame(CWorkspace& frame, QWidget* view, QSize size);

}  // namespace zarn
