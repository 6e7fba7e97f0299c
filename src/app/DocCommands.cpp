// SPDX-License-Identifier: GPL-3.0-or-later
// The document's commands: dates, charts, planets, toggles and windows.
#include "app/CZarnDoc.h"

#include "ui/CHelpWindow.h"
#include "ui/Hints.h"
#include "charts/ui/SkyChartSet.h"
#include "ui/CActions.h"
#include "app/CRealTime.h"
#include "shell/CMainFrame.h"
#include "ui/CommandIds.h"
#include "time/Calendar.h"
#include "time/TimeBar.h"
#include "tools/ui/CConjonctionView.h"
#include "time/ui/CDateDlg.h"
#include "time/ui/CHeureEteDlg.h"
#include "time/ui/CObservatoireDlg.h"
#include "time/ui/CTimeBar.h"
#include "tools/AlmanacTexts.h"
#include "tools/DayClock.h"

#include <QApplication>
#include <QMdiSubWindow>
#include <QMessageBox>

#include <cmath>

namespace zarn {

namespace {
// Planet commands in menu order: Mercure, Vénus, Mars, Jupiter, Saturne, Lune, Soleil.
int bodyIndexOfCommand(int id) { return (id - cmd::Mercure + 1) % 7; }

const char* const kBodyNames[7] = {"Soleil", "Mercure", "Vénus", "Mars", "Jupiter", "Saturne", "Lune"};

// The horizon chart scrolled by the user faces none of the eight directions.
constexpr int kScrolledFreely = 8;

// The sine of 59°: a target higher than this is shown on the zenith chart.
constexpr double kZenithLimit = 0.857;
}  // namespace

void CZarnDoc::onCommand(int id)
{
    using namespace cmd;
    if (id == CurrentDate || id == NewDate || id == NextDay || id == PreviousDay)
        dateChanged(id);
    else if (isTimeStep(id))
        stepTime(id);
    else if (id == RealTime)
        m_realTime->setOn(!m_realTime->isOn());
    else if (id == NightMode)
        toggleNightMode();
    else if (id == WholeSky || id == Zenith || isHorizon(id))
        onViewCommand(id);
    else if (isPlanet(id))
        onPlanetCommand(id);
    else if (id == Figures || id == AltitudeScale || id == Grid)
        onToggleCommand(id);
    else
        onWindowCommand(id);
    // A checkable action flips itself when triggered; the rules decide again,
    // also after a command that changed nothing (a body below the horizon).
    updateCommandStates();
}

void CZarnDoc::dateChanged(int commandId)
{
    switch (commandId) {
    case cmd::CurrentDate:
        m_instant.setNow();
        break;
    case cmd::NewDate: {
        CDateHeure edited = m_instant;
        CDateDlg dialog(edited, m_instant.place(), &m_frame);
        if (dialog.run() != QDialog::Accepted)
            return;
        m_realTime->setOn(false);
        m_instant = edited;
        m_instant.recompute();
        m_instant.refreshTexts();
        break;
    }
    default:
        // The program's dates run from 1901 to 2099: no step past either end.
        if (const int year = addDays(m_instant, commandId == cmd::NextDay ? 1 : -1).year(); year < 1901 || year > 2099) {
            QApplication::beep();
            return;
        }
        m_realTime->setOn(false);
        m_instant.shiftByDays(commandId == cmd::NextDay ? 1.0 : -1.0);
        m_instant.recompute();
        m_instant.refreshTexts();
        break;
    }
    instantChanged();
}

void CZarnDoc::setInstant(const CInstant& instant)
{
    m_realTime->setOn(false);
    m_instant = instant;
    m_instant.recompute();
    m_instant.refreshTexts();
    instantChanged();
}

void CZarnDoc::instantChanged()
{
    if (m_charts)
        m_charts->Chart(m_chartKind).RefreshSiderealTime();

    unsigned kept = 0;
    CAstre* target = selectedObject();
    if (target) {
        target->Compute(m_instant);
        if (isAboveHorizon(*target))
            kept = m_viewedPlanet >= 0 ? showPlanet(m_viewedPlanet) : showTarget(*target, QString());
        else
            showChart(m_chartKind, QStringLiteral("Ciel"), true);
    }
    UpdateAllViews(nullptr, kept | hint::Date);
}

bool CZarnDoc::isAboveHorizon(CAstre& body, double* azimuth, double* sinAltitude) const
{
    const CLieu& place = m_instant.place();
    double x = 0, y = 0, z = 0;
    body.Direction(m_instant.siderealTime(), place.sinLatitude(), place.cosLatitude(), x, y, z);
    if (azimuth)
        *azimuth = std::atan2(y, x);
    if (sinAltitude)
        *sinAltitude = z;
    return z > 0.0;
}

void CZarnDoc::showChart(int kind, const QString& title, bool clearTarget)
{
    m_chartKind = kind;
    if (clearTarget) {
        m_viewedPlanet = -1;
        m_viewedObject = nullptr;
        if (m_charts)
            m_charts->SetSelected(nullptr);
    }
    if (!title.isEmpty() || clearTarget) {
        m_skyTitle = title;
        m_frame.SetMainTitle(title);
        emit skyTitleChanged(title);
    }
}

unsigned CZarnDoc::showTarget(CAstre& body, const QString& title)
{
    double azimuth = 0.0;
    double sinAltitude = 0.0;
    const bool up = isAboveHorizon(body, &azimuth, &sinAltitude);
    if (up && sinAltitude < kZenithLimit) {
        showChart(2, title, false);
        m_horizonDirection = -1;
        if (m_charts) {
            // The horizon chart turns towards the marked object.
            m_charts->SetSelected(&body);
            m_charts->Horizon().SetDirection(CCarteHorizon::kTowardsSelection);
            m_charts->ClearPlacements();
        }
        return hint::Horizon;
    }
    showChart(1, title, false);
    if (m_charts) {
        m_charts->SetSelected(&body);
        m_charts->ClearPlacements();
    }
    return hint::Zenith;
}

unsigned CZarnDoc::showPlanet(int bodyIndex)
{
    m_viewedPlanet = bodyIndex;
    m_viewedObject = nullptr;
    const QString name = QString::fromUtf8(kBodyNames[bodyIndex]);
    const QString title = bodyIndex == 0 || bodyIndex == 6 ? name : QStringLiteral("Planète ") + name;
    return showTarget(bodies().body(bodyIndex), title);
}

void CZarnDoc::viewObject(CAstre* object, const QString& title)
{
    m_viewedPlanet = -1;
    m_viewedObject = object;
    if (object)
        UpdateAllViews(nullptr, showTarget(*object, title));
}

void CZarnDoc::setChartMagnified(bool on)
{
    if (m_chartMagnified == on)
        return;
    m_chartMagnified = on;
    updateCommandStates();
}

void CZarnDoc::clearSelection()
{
    if (m_viewedPlanet < 0 && !m_viewedObject)
        return;
    m_viewedPlanet = -1;
    m_viewedObject = nullptr;
    if (m_charts)
        m_charts->SetSelected(nullptr);
    UpdateAllViews(nullptr, hint::Options);
}

bool CZarnDoc::findObject(CAstre& object)
{
    if (&object == m_viewedObject)
        return false;
    if (!isAboveHorizon(object)) {
        const std::string name = object.GetName();
        QMessageBox box(QMessageBox::Information, QStringLiteral("  Objet"),
                        QString::fromStdString(objectNotVisibleText(object, name, m_instant)), QMessageBox::Ok, &m_frame);
        box.exec();
        return false;
    }
    viewObject(&object, QString::fromStdString(object.GetName()));
    return true;
}

void CZarnDoc::onViewCommand(int id)
{
    if (id == cmd::WholeSky) {
        showChart(0, QStringLiteral("Ciel"), true);
        UpdateAllViews(nullptr, hint::WholeSky);
    } else if (id == cmd::Zenith) {
        showChart(1, QStringLiteral("Zénith"), true);
        UpdateAllViews(nullptr, hint::Zenith);
    } else {
        const int direction = id - cmd::HorizonSouth;
        showChart(2, QStringLiteral("Horizon ") + CActions::shortName(id), true);
        m_horizonDirection = direction;
        if (m_charts) {
            // The objects already placed are shifted by the change of angle,
            // in eighths of a turn.
            const double change = m_charts->Horizon().SetDirection(direction);
            m_charts->Horizon().ShiftPlacements(change * 1.273239544568912, m_stripWidth);
        }
        UpdateAllViews(nullptr, hint::Horizon);
    }
}

void CZarnDoc::onPlanetCommand(int id)
{
    const int index = bodyIndexOfCommand(id);
    CAstre& body = bodies().body(index);
    body.Compute(m_instant);
    if (isAboveHorizon(body)) {
        UpdateAllViews(nullptr, showPlanet(index));
        return;
    }
    QMessageBox box(QMessageBox::Information, QString::fromStdString(notVisibleTitle(index)),
                    notVisibleText(index), QMessageBox::Ok, &m_frame);
    box.exec();
}

void CZarnDoc::toggleFigures()
{
    CDocView* view = focusedView();
    int flag = -1;
    if (view) {
        switch (view->viewKind()) {
        case ViewKind::Sky: flag = m_chartKind; break;
        case ViewKind::Constellations: flag = 3; break;
        case ViewKind::Animation: flag = 4; break;
        case ViewKind::Conjonction: flag = 5; break;
        default: break;
        }
    }
    if (flag >= 0)
        m_options.figureFlags[flag] = !m_options.figureFlags[flag];
    UpdateAllViews(nullptr, hint::Figures, view);
}

void CZarnDoc::onToggleCommand(int id)
{
    if (id == cmd::Figures) {
        toggleFigures();
    } else if (id == cmd::AltitudeScale) {
        m_options.altitudeScale = !m_options.altitudeScale;
        if (m_charts)
            m_charts->Horizon().ClearPlacements();
        UpdateAllViews(nullptr, hint::AltitudeScale);
    } else {
        m_options.coordinateGrid = !m_options.coordinateGrid;
        UpdateAllViews(nullptr, hint::Grid, focusedView());
    }
}

void CZarnDoc::runObservatoryList()
{
    std::vector<CLieu> edited = m_observatories;
    CObservatoireDlg dialog(edited, &m_frame);
    if (dialog.run() == QDialog::Accepted && dialog.changed())
        setObservatories(std::move(edited));
}

void CZarnDoc::setObservatories(std::vector<CLieu> list)
{
    if (list.empty())
        return;  // the document always has a current place
    m_observatories = std::move(list);
    if (m_observatories.front() == m_instant.place())
        return;
    m_instant.setPlace(m_observatories.front());
    m_instant.refreshTexts();
    UpdateAllViews(nullptr, hint::Place);
}

void CZarnDoc::setPrintStarNames(bool on) { m_options.printStarNames = on ? 1 : 0; }

void CZarnDoc::horizonScrolled()
{
    if (m_chartKind != 2 || m_horizonDirection == kScrolledFreely)
        return;
    m_horizonDirection = kScrolledFreely;
    updateCommandStates();
}

void CZarnDoc::onWindowCommand(int id)
{
    switch (id) {
    case cmd::Observatory: runObservatoryList(); break;
    case cmd::ChartOptions: runChartOptions(); break;
    case cmd::SummerTime: {
        CHeureEteDlg dialog(m_instant.year(), m_instant.place(), &m_frame);
        dialog.setWindowIcon(QApplication::windowIcon());
        centreOverWindows(dialog);
        dialog.run();
        break;
    }
    case cmd::TimeBar:
        m_frame.showTimeBar(!m_frame.isTimeBarVisible());
        refreshTimeBar();
        updateCommandStates();
        break;
    case cmd::Catalogue:
        if (openWindow(ViewKind::Catalogue).isNew)
            UpdateAllViews(nullptr, hint::Catalogue);
        break;
    case cmd::Conjunction:
    case cmd::Opposition: {
        // One window for both searches: opened, or switched to the other one.
        const OpenedWindow opened = openWindow(ViewKind::Conjonction);
        const int mode = id == cmd::Opposition ? CConjonctionView::OppositionMode : CConjonctionView::ConjunctionMode;
        auto* view = dynamic_cast<CConjonctionView*>(opened.view);
        if (view && (opened.isNew || view->mode() != mode))
            view->SetMode(mode);
        break;
    }
    case cmd::Animation:
        if (openWindow(ViewKind::Animation).isNew)
            UpdateAllViews(nullptr, hint::Animation);
        break;
    case cmd::Visibility: openWindow(ViewKind::Ephemerides); break;
    case cmd::Tonight: openWindow(ViewKind::Nuit); break;
    case cmd::SolarSystem: openEphemerides(); break;
    case cmd::Seasons: runSeasons(); break;
    case cmd::AstroEvents: CHelpWindow::showContext(CHelpWindow::kAstroEvents); break;
    case cmd::PrintPreview:
    case cmd::Print:
        // The Sun-and-Moon and search windows print the sky chart.
        if (CDocView* view = activeView(); view && view->canPrint())
            id == cmd::Print ? view->print() : view->printPreview();
        break;
    default: break;
    }
}

void CZarnDoc::refreshTimeBar()
{
    if (!m_frame.isTimeBarVisible())
        return;
    CInstant copy = m_instant;
    copy.setSecond(0);
    CSoleil& sun = bodies().sun;
    sun.Compute(copy);
    m_frame.timeBar()->refresh(timeBarTexts(copy, sun.GetAlpha()));
}

}  // namespace zarn
