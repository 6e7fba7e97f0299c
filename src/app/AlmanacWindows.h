// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The almanac windows of the main window: the Sun and the Moon, opened at
// start-up in the column left of the sky window, and the planet visibility
// chart, opened by its command.
#include "ui/FramePlaces.h"

class QMdiSubWindow;

namespace zarn {

class CMainFrame;
class CZarnDoc;

QMdiSubWindow* openSunMoonWindow(CZarnDoc& doc, CMainFrame& frame);
QMdiSubWindow* openVisibilityWindow(CZarnDoc& doc, CMainFrame& frame);
// « Ce soir », the plan of the night.
QMdiSubWindow* openNightWindow(CZarnDoc& doc, CMainFrame& frame);

}  // namespace zarn
