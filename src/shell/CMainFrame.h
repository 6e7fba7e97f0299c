// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The multi-document main window: the menus built from the command table, the
// status bar with its message pane and the three panes of the instant (place,
// date, time), the time bar, the program palette, the title rule and the
// sizing rules that hold while the sky window exists.
#include "ui/CProgramPalette.h"
#include "ui/CWorkspace.h"

#include <QMainWindow>
#include <QMdiSubWindow>
#include <QPointer>

#include <array>
#include <functional>

class QLabel;
class QMdiArea;
class QMdiSubWindow;

namespace zarn {

class CActions;
class CPlanetMenu;
class CTimeBar;

class CMainFrame : public CWorkspace {
    Q_OBJECT
public:
    explicit CMainFrame(QWidget* parent = nullptr);

    CTimeBar* timeBar() const { return m_timeBar; }
    CPlanetMenu* planetMenu() const { return m_planetMenu; }

    // Caption " ZARN", or " ZARN - " + text.
    void SetMainTitle(const QString& text);
    QString mainTitle() const { return m_titleText; }

    // Panes 1 to 3 of the status bar: place, date and time of the instant.
    void setInstantTexts(const QString& place, const QString& date, const QString& time);
    QLabel* statusPane(int index) const;  // 1..3

    void showTimeBar(bool show);
    // Night mode for every window: the application's palette and style
    // sheet, and the work area drawn through the red filter.
    void setNightMode(bool on);
    bool isTimeBarVisible() const;

    // The sky window: while it exists the minimum size and the resize hint apply.
    void setSkyFrame(QMdiSubWindow* frame);
    QMdiSubWindow* skyFrame() const { return m_skyFrame; }
    // The window that receives menu commands and printing: the active one,
    // except the Sun-and-Moon and search windows, which send them to the sky window.
    QMdiSubWindow* commandFrame() const;

    // Asked before the window closes; false keeps the program open.
    void setCloseHandler(std::function<bool()> handler) { m_closeHandler = std::move(handler); }

    QSize minimumTrackingSize() const;

    // "&Cascade" and "&Mosaïque": the windows other than the sky window are
    // arranged left of it; the sky window keeps its place.
    void cascadeToolWindows();
    void tileToolWindows();
    // Opens a tool window that has no place of its own (openingPlace), wholly
    // in the work area.
    void placeNewToolWindow(QMdiSubWindow* window, QSize size) override;
    // The work area: the part of the main window's client area that the
    // windows share.
    QRect workArea() const override;

signals:
    // The work area changed size (main window resized, time bar shown or hidden).
    void workAreaResized();
    void activeFrameChanged();

protected:
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QList<QMdiSubWindow*> toolWindows() const;
    QRect toolArea() const;
    void keepToolWindowsInside();
    int cascadeStep() const;
    void buildMenus();
    void buildStatusBar();
    void addCommands(class QMenu* menu, std::initializer_list<int> ids);
    void applyMinimumSize();

    CTimeBar* m_timeBar = nullptr;
    CPlanetMenu* m_planetMenu = nullptr;
    std::array<QLabel*, 3> m_panes{};
    QPointer<QMdiSubWindow> m_skyFrame;
    QString m_titleText;
    std::function<bool()> m_closeHandler;
};

}  // namespace zarn
