#pragma once
// The almanac windows of the main window: the Sun and the Moon, opened at
// start-up in the column left of the sky window, and the planet visibility
// chart, opened by its command.
class QMdiSubWindow;
class QRect;
class QSize;

namespace zarn {

class CMainFrame;
class CZarnDoc;

QMdiSubWindow* openSunMoonWindow(CZarnDoc& doc, CMainFrame& frame);
QMdiSubWindow* openVisibilityWindow(CZarnDoc& doc, CMainFrame& frame);
// « Ce soir », the plan of the night.
QMdiSubWindow* openNightWindow(CZarnDoc& doc, CMainFrame& frame);

// The column left of the sky window holds the tool windows: the Sun and the
// Moon at its top, the search window under it.
QRect sunMoonFrameRect(QSize client);
QRect searchFrameRect(QSize client);

}  // namespace zarn
