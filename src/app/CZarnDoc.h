// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The one document: the current instant and place, the observatories, the
// sky and the solar-system bodies, the sky charts and the display options. It
// carries out the date, chart, planet and window commands, and after every
// change updates all views with a hint that says what changed.
#include "ui/CDocView.h"
#include "ui/DocumentHost.h"
#include "settings/DisplayOptions.h"
#include "app/WindowKinds.h"
#include "app/options/ChartOptionsValues.h"
#include "sky/UserObjectEntry.h"
#include "sky/SkyModel.h"
#include "archive/AtomicFile.h"
#include "time/CInstant.h"
#include "time/CLieu.h"

#include <QElapsedTimer>
#include <QObject>
#include <QPointer>
#include <QRect>
#include <QString>

#include <memory>
#include <optional>
#include <vector>

namespace zarn {

class CMainFrame;
class CRealTime;
class CSystemeSolaireDlg;
class SkyChartSet;
class CSettingsStore;
struct ZarnSettings;
struct ClosingWrite;

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
    bool close();

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

    // Commands (menus, buttons) and their enabled and checked states.
    void onCommand(int id) override;
    void updateCommandStates();

    // The current chart and target.
    void showChart(int kind, const QString& title, bool clearTarget);
    unsigned showTarget(CAstre& body, const QString& title);
    unsigned showPlanet(int bodyIndex);
    void dateChanged(int commandId);
    int currentChartKind() const { return m_chartKind; }
    int horizonDirection() const { return m_horizonDirection; }
    int viewedPlanet() const { return m_viewedPlanet; }  // body index, -1 when none
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
    // A new observatory list; when its first place changed the instant moves
    // there and all views are updated.
    void setObservatories(std::vector<CLieu> list);
    void setPrintStarNames(bool on);
    // The user scrolled the horizon strip: no direction is faced any more.
    void horizonScrolled();
    // The object chosen by the search; the sky window turns towards it.
    void viewObject(CAstre* object, const QString& title);
    CAstre* viewedObject() const override { return m_viewedObject; }
    // The search's choice: above the horizon it becomes the object to find,
    // which the sky window turns towards and marks; below, the not-visible
    // box is shown and nothing changes. False when nothing changed.
    bool findObject(CAstre& object) override;
    void showConstellationMap(const CConstellation& constellation, double ra, double dec) override;
    // Escape in the sky window: no object is chosen any more (the views are
    // told with the options hint, which redraws them).
    void clearSelection();
    // The sky window shows a magnified part of its chart.
    void setChartMagnified(bool on);
    const QString& skyTitle() const { return m_skyTitle; }

    CInstant& instant() override { return m_instant; }
    std::vector<CLieu>& observatories() { return m_observatories; }
    SolarBodies& bodies() override { return m_sky.bodies(); }
    SkyModel& sky() override { return m_sky; }
    DisplayOptions& options() override { return m_options; }
    CMainFrame& frame() { return m_frame; }
    CWorkspace& workspace() override;
    SkyChartSet* charts() { return m_charts.get(); }
    // The object the sky window marks: the viewed planet or object.
    CAstre* selectedObject();
    // Recomputes every object for the instant; the charts place them again.
    void recomputeSky();
    // Width of the horizon strip of the sky window, in pixels.
    void setStripWidth(int width) { m_stripWidth = width; }
    // Where OBJETS.ZAR is written: beside the program when that folder is
    // writable and is the program's own (a build tree, a copied folder), else
    // in the per-user data folder.
    QString userObjectsPath() const;
    const QString& programDir() const { return m_programDir; }

    // Whether the body is above the horizon at the current instant; its
    // azimuth (radians from the South towards the West) when it is.
    bool isAboveHorizon(CAstre& body, double* azimuth = nullptr, double* sinAltitude = nullptr) const;
    // Text of the box shown when a planet command names a body below the horizon.
    QString notVisibleText(int bodyIndex);

    // The ephemerides dialog while it is open, else null.
    CSystemeSolaireDlg* ephemeridesDialog() const;

    // How long the start-up picture stays at least, from the start of loading.
    void setMinimumSplashMs(int ms) { m_splashMs = ms; }
    // Where the start-up picture stands: the first-place dialog keeps clear of it.
    void setStartupPictureArea(const QRect& area) { m_pictureArea = area; }

signals:
    void skyTitleChanged(const QString& title);

private:
    void applySettings(const ZarnSettings& settings);
    ZarnSettings collectSettings() const;
    bool loadDataFiles();
    void askFirstObservatory();
    void waitForSplash();
    bool writeUserObjects(ClosingWrite& file);

    void onDateCommand(int id);
    void onViewCommand(int id);
    void onPlanetCommand(int id);
    void onToggleCommand(int id);
    void onWindowCommand(int id);
    void runObservatoryList();
    void runChartOptions();
    void openEphemerides();
    void runSeasons();
    void centreOverWindows(QWidget& dialog) const;
public:
    // The options the chart options sheet hands back on OK; userObjects is
    // null when the sheet's list was not changed.
    void applyChartOptions(const ChartOptionsValues& values, const std::vector<UserObjectEntry>* userObjects);

private:
    void toggleFigures();
    void instantChanged();
    bool isWindowOpen(ViewKind kind) const;

public:
    // Shows the instant's five time scales when the time bar is visible.
    void refreshTimeBar();

private:
    CMainFrame& m_frame;
    WindowKinds m_kinds;
    QString m_programDir;
    CSettingsStore& m_settings;
    bool m_installed = false;
    QElapsedTimer m_loadingClock;
    // Whether the user files were read whole at start-up, and where
    // OBJETS.ZAR was read from: a file that was not is kept before closing
    // writes over it.
    bool m_settingsReadWhole = true;
    QString m_objectsReadFrom;
    // OBJETS.ZAR where it is written, as it stood at start-up (or after this
    // program wrote it): another program's write since then is noticed.
    QString m_objectsStampPath;
    std::optional<FileStamp> m_objectsStamp;
    std::vector<UserObjectEntry> m_objectsAsRead;  // what a closing may leave as it is

    DisplayOptions m_options;
    std::vector<CLieu> m_observatories;
    CInstant m_instant;
    SkyModel m_sky;
    std::unique_ptr<SkyChartSet> m_charts;
    std::vector<CDocView*> m_views;

    int m_chartKind = 0;         // 0 whole sky, 1 zenith, 2 horizon
    int m_horizonDirection = 0;  // 0 S ... 7 SE; -1 turned towards a target; 8 scrolled freely
    int m_viewedPlanet = -1;
    CAstre* m_viewedObject = nullptr;
    bool m_chartMagnified = false;
    QString m_skyTitle = QStringLiteral("Ciel");
    int m_stripWidth = 0;
    int m_splashMs = 3000;
    QPointer<QObject> m_ephemerides;
    QRect m_pictureArea;
    CRealTime* m_realTime = nullptr;  // a child of the document
};

}  // namespace zarn
