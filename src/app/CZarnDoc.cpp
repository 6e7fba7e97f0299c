// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/CZarnDoc.h"

#include "app/CConstellationsWindow.h"
#include "app/CRealTime.h"
#include "app/CSettingsStore.h"
#include "app/CStartupPicture.h"
#include "app/FileMessages.h"
#include "app/FilePaths.h"
#include "sky/DataFolder.h"
#include "ui/Hints.h"
#include "charts/ui/SkyChartSet.h"
#include "shell/CMainFrame.h"
#include "settings/ZarnSettings.h"
#include "time/ui/CLieuDlg.h"

#include <QApplication>
#include <QMdiArea>
#include <QScreen>
#include <QMdiSubWindow>
#include <QThread>

#include <algorithm>

namespace zarn {

CZarnDoc::CZarnDoc(CMainFrame& frame, WindowKinds kinds, QString programDir, CSettingsStore& settings,
                   bool installed)
    : QObject(&frame), m_frame(frame), m_kinds(std::move(kinds)), m_programDir(std::move(programDir)),
      m_settings(settings), m_installed(installed), m_realTime(new CRealTime(*this))
{
}

CZarnDoc::~CZarnDoc() = default;

bool CZarnDoc::load()
{
    m_loadingClock.start();
    QApplication::setOverrideCursor(Qt::WaitCursor);
    removeLeftoverTemporaries(fsPath(m_settings.path()));
    const ZarnSettings settings = readSettings(m_settings.load());
    m_settingsReadWhole = !m_settings.refused() && settings.observatoriesWhole;
    applySettings(settings);
    const bool loaded = loadDataFiles();
    QApplication::restoreOverrideCursor();
    if (!loaded)
        return false;

    if (m_observatories.empty())
        askFirstObservatory();
    m_instant.setPlace(m_observatories.front());
    m_instant.setNow();
    // An object that cannot be computed ends the loading: its file is damaged.
    if (const SkyLoadResult completed = m_sky.complete(m_instant); !completed.ok()) {
        showLoadError(&m_frame, completed.error, QString::fromStdString(completed.fileName));
        return false;
    }
    m_charts = std::make_unique<SkyChartSet>(m_sky, m_instant);
    m_chartKind = 0;
    m_skyTitle = QStringLiteral("Ciel");
    waitForSplash();
    return true;
}

bool CZarnDoc::loadDataFiles()
{
    QString objects = userObjectsPath();
    m_objectsStampPath = objects;
    m_objectsStamp = fileStamp(fsPath(objects));
    removeLeftoverTemporaries(fsPath(objects));
    // The per-user file, else one left beside a program of its own folder.
    if (!m_installed) {
        const QString beside = joinPath(m_programDir, "OBJETS.ZAR");
        removeLeftoverTemporaries(fsPath(beside));
        if (!pathExists(objects))
            objects = beside;
    }
    m_objectsReadFrom = objects;
    const SkyLoadResult result = m_sky.readFiles(pathBytes(m_programDir), pathBytes(objects));
    m_objectsAsRead = userObjectEntries(m_sky);
    if (result.status == SkyLoadStatus::FileError) {
        showLoadError(&m_frame, result.error, QString::fromStdString(result.fileName));
        return false;
    }
    return result.ok();
}

QString CZarnDoc::userObjectsPath() const
{
    if (!m_installed && isWritableFolder(m_programDir))
        return joinPath(m_programDir, "OBJETS.ZAR");
    return joinPath(pathFromBytes(userDataFolder()), "OBJETS.ZAR");
}

CAstre* CZarnDoc::selectedObject()
{
    return m_viewedPlanet >= 0 ? &m_sky.bodies().body(m_viewedPlanet) : m_viewedObject;
}

void CZarnDoc::recomputeSky()
{
    m_sky.recomputeAll(m_instant);
    if (m_charts)
        m_charts->ClearPlacements();
}

void CZarnDoc::askFirstObservatory()
{
    // The result is the first observatory even when the user cancels: the
    // defaults of a new place then stand.
    CLieuDlg dialog(newPlaceFields(), &m_frame);
    if (m_pictureArea.isValid()) {
        dialog.adjustSize();
        const QScreen* screen = m_frame.screen();
        const QRect available = screen ? screen->availableGeometry() : m_pictureArea.adjusted(-800, -600, 800, 600);
        dialog.move(CStartupPicture::placeClearOf(m_pictureArea, dialog.frameGeometry().size(), available));
    }
    dialog.run();
    m_observatories.push_back(dialog.fields().toPlace());
}

void CZarnDoc::waitForSplash()
{
    // The start-up picture stays at least three seconds from the start of loading.
    while (m_loadingClock.elapsed() < m_splashMs) {
        QApplication::processEvents(QEventLoop::ExcludeUserInputEvents, 50);
        QThread::msleep(20);
    }
}

void CZarnDoc::applySettings(const ZarnSettings& s)
{
    m_options.skyColour = s.skyColour;
    m_options.skyColourIndex = s.skyColourIndex;
    m_options.starColouring = s.starColouring;
    std::copy(s.figureFlags.begin(), s.figureFlags.end(), m_options.figureFlags.begin());
    m_options.figureFlags[3] = 1;
    m_options.figureFlags[4] = 1;
    m_options.figureFlags[5] = 0;
    m_options.showEcliptic = s.showEcliptic;
    m_options.showEquator = s.showEquator;
    m_options.showSun = m_options.showMoon = m_options.showPlanets = 1;
    m_options.printStarNames = s.printStarNames;
    m_options.names = {s.screenBodyNames, s.screenStarNames, s.screenStarLimit, s.screenConstellationNames};
    m_options.grid = {s.horizontalGrid, s.equatorialGrid};
    m_options.nightMode = s.nightMode;
    m_frame.setNightMode(s.nightMode != 0);
    m_observatories = s.observatories;
    m_frame.programPalette().setSkyColour(QColor::fromRgb(s.skyColour & 0xFFFFFF));
}

ZarnSettings CZarnDoc::collectSettings() const
{
    ZarnSettings s;
    s.skyColour = m_options.skyColour;
    s.skyColourIndex = m_options.skyColourIndex;
    s.starColouring = m_options.starColouring;
    std::copy_n(m_options.figureFlags.begin(), 3, s.figureFlags.begin());
    s.showEcliptic = m_options.showEcliptic;
    s.showEquator = m_options.showEquator;
    s.printStarNames = m_options.printStarNames;
    s.screenBodyNames = m_options.names.bodies;
    s.screenStarNames = m_options.names.stars;
    s.screenStarLimit = m_options.names.starLimit;
    s.screenConstellationNames = m_options.names.constellations;
    s.horizontalGrid = m_options.grid.horizontal;
    s.equatorialGrid = m_options.grid.equatorial;
    s.nightMode = m_options.nightMode;
    const QRect r = m_frame.normalGeometry();
    s.normalRect = std::array<std::int32_t, 4>{r.left(), r.top(), r.right() + 1, r.bottom() + 1};
    s.showState = m_frame.isMaximized() ? 3 : (m_frame.isMinimized() ? 2 : 1);
    s.observatories = m_observatories;
    return s;
}

bool CZarnDoc::close()
{
    Profile profile = m_settings.load();
    writeSettings(collectSettings(), profile, false);
    std::vector<ClosingWrite> files{{m_settings.path(), !m_settingsReadWhole, {}, m_settings.changedSinceRead()}};
    const WriteOutcome settings =
        writeKeepingOld(&m_frame, files[0], [&] { return m_settings.save(profile); });
    if (!files[0].kept.isEmpty())
        m_settingsReadWhole = true;  // kept once; later writes go over our own file
    if (settings == WriteOutcome::Aborted) {
        showKeptFiles(&m_frame, files);
        return false;
    }
    files.push_back({userObjectsPath(), false, {}, false});
    const bool closing = writeUserObjects(files[1]);
    showKeptFiles(&m_frame, files);
    return closing;
}

bool CZarnDoc::writeUserObjects(ClosingWrite& file)
{
    makeFolders(parentFolder(file.path));
    file.keepOld = !m_sky.userObjectsReadWhole() && file.path == m_objectsReadFrom;
    // A file where none was looked at counts as written by someone else.
    const std::optional<FileStamp> now = fileStamp(fsPath(file.path));
    file.changedByOther = file.path == m_objectsStampPath ? now != m_objectsStamp : now.has_value();
    // Objects unchanged here: the other program's file is the newer one.
    if (file.changedByOther && userObjectEntries(m_sky) == m_objectsAsRead)
        return true;
    const WriteOutcome outcome =
        writeKeepingOld(&m_frame, file, [&] { return bool(m_sky.saveUserObjects(pathBytes(file.path))); });
    if (!file.kept.isEmpty())
        m_objectsReadFrom.clear();
    if (outcome == WriteOutcome::Written) {
        m_objectsStampPath = file.path;
        m_objectsStamp = fileStamp(fsPath(file.path));
        m_objectsAsRead = userObjectEntries(m_sky);
    }
    return outcome != WriteOutcome::Aborted;
}

CWorkspace& CZarnDoc::workspace() { return m_frame; }

void CZarnDoc::showConstellationMap(const CConstellation& constellation, double ra, double dec)
{
    CConstellationsWindow::showMap(*this, constellation, ra, dec);
}

void CZarnDoc::AddView(CDocView* view)
{
    if (std::find(m_views.begin(), m_views.end(), view) == m_views.end())
        m_views.push_back(view);
}

void CZarnDoc::RemoveView(CDocView* view)
{
    std::erase(m_views, view);
    // Once the window is gone, "&Ciel" may open the start-up windows again.
    QMetaObject::invokeMethod(this, &CZarnDoc::updateCommandStates, Qt::QueuedConnection);
}

void CZarnDoc::UpdateAllViews(CDocView* sender, unsigned hint, void* object)
{
    // A view may open or close others while it updates: walk a copy.
    const std::vector<CDocView*> views = m_views;
    for (CDocView* view : views)
        if (view != sender && std::find(m_views.begin(), m_views.end(), view) != m_views.end())
            view->OnUpdate(sender, hint, object);
    updateCommandStates();
}

CDocView* viewOfFrame(QMdiSubWindow* frame)
{
    if (!frame)
        return nullptr;
    if (auto* view = dynamic_cast<CDocView*>(frame))
        return view;
    return dynamic_cast<CDocView*>(frame->widget());
}

CDocView* CZarnDoc::activeView() const
{
    QMdiSubWindow* frame = m_frame.commandFrame();
    return viewOfFrame(frame);
}

CDocView* CZarnDoc::focusedView() const
{
    // The current window even while the main window is not active.
    QMdiSubWindow* frame = m_frame.mdiArea()->currentSubWindow();
    return viewOfFrame(frame ? frame : m_frame.skyFrame());
}

CZarnDoc::OpenedWindow CZarnDoc::openWindow(ViewKind kind)
{
    for (QMdiSubWindow* w : m_frame.mdiArea()->subWindowList()) {
        auto* view = viewOfFrame(w);
        if (view && view->viewKind() == kind) {
            m_frame.mdiArea()->setActiveSubWindow(w);
            return {view, false};
        }
    }
    const WindowKinds::Opener& open = m_kinds[kind];
    if (!open)
        return {};
    QMdiSubWindow* frame = open(*this, m_frame);
    CDocView* view = viewOfFrame(frame);
    return {view, view != nullptr};
}

}  // namespace zarn
