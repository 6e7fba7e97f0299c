#pragma once
// The main window as the document's windows see it: the work area they open
// in, the program's actions and palette, and the rule that the Sun-and-Moon and
// search windows hand their commands to the sky window. The main window of the
// shell is the one implementation.
#include <QMainWindow>

class QMdiArea;
class QMdiSubWindow;

namespace zarn {

class CActions;
class CProgramPalette;

class CWorkspace : public QMainWindow {
    Q_OBJECT
public:
    using QMainWindow::QMainWindow;

    virtual CActions& actions() = 0;
    virtual CProgramPalette& programPalette() = 0;
    virtual QMdiArea* mdiArea() const = 0;
    // Opens a tool window that has no place of its own, wholly in the work area.
    virtual void placeNewToolWindow(QMdiSubWindow* window, QSize size) = 0;
    // The part of the main window's client area that the windows share.
    virtual QRect workArea() const = 0;

    // Menu commands and printing from this window go to the sky window.
    static void markRedirectsToSky(QMdiSubWindow* frame);
    static bool redirectsToSky(const QMdiSubWindow* frame);

signals:
    // The main window was resized while the sky window exists.
    void resizedWithSkyFrame();
};

}  // namespace zarn
