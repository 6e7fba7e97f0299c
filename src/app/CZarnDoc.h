// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The one document: the current instant and place, the observatories, the
// sky and the solar-system bodies, the sky charts and the display options.
// After every change it updates all views with a hint that says what changed.
// The windows know only the document; it hands the reading and writing of
// the files, the chart navigation, the routing of the commands and the
// dialogs to the parts it is made of.
#include "ui/CDocView.h"
#include "ui/DocumentHost.h"
#include "charts/DisplayOptions.h"
#include "app/ChartNavigator.h"
#include "app/CommandRouter.h"
#include "app/DocDialogs.h"
#include "app/DocFiles.h"
#include "app/WindowKinds.h"
#include "app/options/ChartOptionsValues.h"
#include "sky/UserObjectEntry.h"
#include "sky/SkyModel.h"
#include "time/CInstant.h"
#include "time/CLieu.h"

#include <QObject>
#include <QRect>
#include <QString>

#include <memory>
#include <vector>

namespace zarn {

class CMainFrame;
class CRealTime;
class CSystemeSolaireDlg;
class SkyChartSet;
class CSettingsStore;

class CZarnDoc : public QObject, public DocumentHost {
    Q_OBJECT
public:
    // programDir: where the data files are. An installed program (its data in
    // a shared folder such as /usr/share/zarn) writes nothing there.
    CZarnDoc(CMainFrame& frame, WindowKinds kinds, QString programDir, CSettingsStore& settings,
             bool installed = false);
    ~CZarnDoc() override;

    // Reads the settings and the data files, asks for a first observatory when
    // there is none and sets the instant to the computer clock. False when the
    // document cannot be created; the reason has been shown to the user.
    bool load();
    // Writes the settings, then OBJETS.ZAR. False when the user chose to keep
    // the program open after a failed write.
    bool close() { return m_files.close(); }

    // Views and updates.
    void AddView(CDocView* view) override;
    void RemoveView(CDocView* view) override;
    void UpdateAllViews(CDocView* sender, unsigned hint, void* object = nullptr);
    // The view that receives printing and routed commands: the active one,
    // the sky view for the Sun-and-Moon and search windows.
    CDocView* activeView() const;
    // The view of the window that is really active, whatever it routes to;
    // the figure and grid toggles and their states follow it.
    CDocView* focusedView() const;
    // Brings the window of the kind to the front, opening it when there is
    // none. The view is null when the kind has no window in this program.
    struct OpenedWindow {
        CDocView* view = nullptr;
        bool isNew = false;
    };
    OpenedWindow openWindow(ViewKind kind);
    const WindowKinds& kinds() const { return m_kinds; }

    // Commands (menus, buttons) and their enabled and checked states.
    void onCommand(int id) override { m_router.onCommand(id); }
    void updateCommandStates() { m_router.updateCommandStates(); }

    // The date commands: today, a date chosen in the dialog, a day more or less.
    void dateChanged(int commandId);
    // A new instant (a date chosen in a tool window): the viewed target is
    // followed as after a date command, and all views are updated.
    void setInstant(const CInstant& instant);
    // A step of time (the commands of 1 min, 10 min, 1 h, 1 sidereal day).
    void stepTime(int commandId);
    // Real time: the instant that follows the computer's clock.
    CRealTime& realTime() { return *m_realTime; }
    // Real time moved the instant: the time bar follows, the charts when due.
    void clockMoved(bool chartsDue);
    // Red on black on the screen, or back; kept in the settings.
    void toggleNightMode();
    // The figure, altitude scale and grid commands.
    void onToggleCommand(int id);
    // A new observatory list; when its first place changed the instant moves
    // there and all views are updated.
    void setObservatories(std::vector<CLieu> list);
    void setPrintStarNames(bool on);
    // The options the chart options sheet hands back on OK; userObjects is
    // null when the sheet's list was not changed.
    void applyChartOptions(const ChartOptionsValues& values, const std::vector<UserObjectEntry>* userObjects);
    // Shows the instant's five time scales when the time bar is visible.
    void refreshTimeBar();

    // The current chart and target.
    ChartNavigator& navigator() { return m_navigator; }
    int currentChartKind() const { return m_navigator.chartKind(); }
    int viewedPlanet() const { return m_navigator.viewedPlanet(); }  // body index, -1 when none
    CAstre* viewedObject() const override { return m_navigator.viewedObject(); }
    bool findObject(CAstre& object) override { return m_navigator.findObject(object); }
    void horizonScrolled() { m_navigator.horizonScrolled(); }
    void clearSelection() { m_navigator.clearSelection(); }
    void setChartMagnified(bool on) { m_navigator.setChartMagnified(on); }
    const QString& skyTitle() const { return m_navigator.skyTitle(); }
    // The object the sky window marks: the viewed planet or object.
    CAstre* selectedObject() { return m_navigator.selectedObject(); }
    // Width of the horizon strip of the sky window, in pixels.
    void setStripWidth(int width) { m_navigator.setStripWidth(width); }
    void showConstellationMap(const CConstellation& constellation, double ra, double dec) override;

    CInstant& instant() override { return m_instant; }
    std::vector<CLieu>& observatories() { return m_observatories; }
    SolarBodies& bodies() override { return m_sky.bodies(); }
    SkyModel& sky() override { return m_sky; }
    DisplayOptions& options() override { return m_options; }
    CMainFrame& frame() { return m_frame; }
    CWorkspace& workspace() override;
    SkyChartSet* charts() { return m_charts.get(); }
    // Recomputes every object for the instant; the charts place them again.
    void recomputeSky();

    DocFiles& files() { return m_files; }
    QString userObjectsPath() const { return m_files.userObjectsPath(); }
    void setMinimumSplashMs(int ms) { m_files.setMinimumSplashMs(ms); }
    void setStartupPictureArea(const QRect& area) { m_files.setStartupPictureArea(area); }

    DocDialogs& dialogs() { return m_dialogs; }
    // The ephemerides dialog while it is open, else null.
    CSystemeSolaireDlg* ephemeridesDialog() const { return m_dialogs.ephemeridesDialog(); }

signals:
    void skyTitleChanged(const QString& title);

private:
    void toggleFigures();
    void instantChanged();

    CMainFrame& m_frame;
    WindowKinds m_kinds;
    DisplayOptions m_options;
    std::vector<CLieu> m_observatories;
    CInstant m_instant;
    SkyModel m_sky;
    std::unique_ptr<SkyChartSet> m_charts;
    std::vector<CDocView*> m_views;
    CRealTime* m_realTime = nullptr;  // a child of the document

    DocFiles m_files;
    ChartNavigator m_navigator{*this};
    CommandRouter m_router{*this};
    DocDialogs m_dialogs{*this};
};

}  // namespace zarn
