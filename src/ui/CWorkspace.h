// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The main window as the document's windows see it: the work area they open
// in, the program's actions and palette, and the rule that the Sun-and-Moon and
// search windows hand their commands to the sky window. The main window of the
// shell is the one implementation.
#include "ui/CProgramPalette.h"

#include <QMainWindow>

class QMdiArea;
class QMdiSubWindow;

namespace zarn {

class CActions;

class CWorkspace : public QMainWindow {
    Q_OBJECT
public:
    using QMainWindow::QMainWindow;

    // Plain accessors, not virtual: the document still asks for the actions
    // while the main window is being destroyed.
    CActions& actions() { return *m_actions; }
    CProgramPalette& programPalette() { return m_palette; }
    QMdiArea* mdiArea() const { return m_mdi; }

    // Opens a tool window that has no place of its own, wholly in the work area.
    virtual void placeNewToolWindow(QMdiSubWindow* window, QSize size) = 0;
    // The part of the main window's client area that the windows share.
    virtual QRect workArea() const = 0;

    // Menu commands and printing from this window go to the sky window.
    static void markRedirectsToSky(QMdiSubWindow* frame);
    static bool redirectsToSky(const QMdiSubWindow* frame);

protected:
    CActions* m_actions = nullptr;
    CProgramPalette m_palette;
    QMdiArea* m_mdi = nullptr;

signals:
    // The main window was resized while the sky window exists.
    void resizedWithSkyFrame();
};

}  // namespace zarn
