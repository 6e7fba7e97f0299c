// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/ChartNavigator.h"

#include "app/CZarnDoc.h"
#include "charts/ui/SkyChartSet.h"
#include "shell/CMainFrame.h"
#include "tools/AlmanacTexts.h"
#include "ui/BodyCommands.h"
#include "ui/CActions.h"
#include "ui/CommandIds.h"
#include "ui/Hints.h"

#include <QMessageBox>

#include <cmath>

namespace zarn {

namespace {
// The horizon chart scrolled by the user faces none of the eight directions.
constexpr int kScrolledFreely = 8;

// The sine of 59°: a target higher than this is shown on the zenith chart.
constexpr double kZenithLimit = 0.857;
}  // namespace

void ChartNavigator::reset()
{
    m_chartKind = 0;
    m_skyTitle = QStringLiteral("Ciel");
}

unsigned ChartNavigator::followTarget()
{
    CAstre* target = selectedObject();
    if (!target)
        return 0;
    target->Compute(m_doc.instant());
    if (isAboveHorizon(*target))
        return m_viewedPlanet >= 0 ? showPlanet(m_viewedPlanet) : showTarget(*target, QString());
    showChart(m_chartKind, QStringLiteral("Ciel"), true);
    return 0;
}

CAstre* ChartNavigator::selectedObject()
{
    return m_viewedPlanet >= 0 ? &m_doc.bodies().body(m_viewedPlanet) : m_viewedObject;
}

bool ChartNavigator::isAboveHorizon(CAstre& body, double* azimuth, double* sinAltitude) const
{
    const CInstant& instant = m_doc.instant();
    const CLieu& place = instant.place();
    double x = 0, y = 0, z = 0;
    body.Direction(instant.siderealTime(), place.sinLatitude(), place.cosLatitude(), x, y, z);
    if (azimuth)
        *azimuth = std::atan2(y, x);
    if (sinAltitude)
        *sinAltitude = z;
    return z > 0.0;
}

void ChartNavigator::showChart(int kind, const QString& title, bool clearTarget)
{
    m_chartKind = kind;
    if (clearTarget) {
        m_viewedPlanet = -1;
        m_viewedObject = nullptr;
        if (SkyChartSet* charts = m_doc.charts())
            charts->SetSelected(nullptr);
    }
    if (!title.isEmpty() || clearTarget) {
        m_skyTitle = title;
        m_doc.frame().SetMainTitle(title);
        emit m_doc.skyTitleChanged(title);
    }
}

unsigned ChartNavigator::showTarget(CAstre& body, const QString& title)
{
    double azimuth = 0.0;
    double sinAltitude = 0.0;
    const bool up = isAboveHorizon(body, &azimuth, &sinAltitude);
    SkyChartSet* charts = m_doc.charts();
    if (up && sinAltitude < kZenithLimit) {
        showChart(2, title, false);
        m_horizonDirection = -1;
        if (charts) {
            // The horizon chart turns towards the marked object.
            charts->SetSelected(&body);
            charts->Horizon().SetDirection(CCarteHorizon::kTowardsSelection);
            charts->ClearPlacements();
        }
        return hint::Horizon;
    }
    showChart(1, title, false);
    if (charts) {
        charts->SetSelected(&body);
        charts->ClearPlacements();
    }
    return hint::Zenith;
}

unsigned ChartNavigator::showPlanet(int bodyIndex)
{
    m_viewedPlanet = bodyIndex;
    m_viewedObject = nullptr;
    const QString name = bodyName(bodyIndex);
    const QString title = bodyIndex == 0 || bodyIndex == 6 ? name : QStringLiteral("Planète ") + name;
    return showTarget(m_doc.bodies().body(bodyIndex), title);
}

void ChartNavigator::viewObject(CAstre* object, const QString& title)
{
    m_viewedPlanet = -1;
    m_viewedObject = object;
    if (object)
        m_doc.UpdateAllViews(nullptr, showTarget(*object, title));
}

void ChartNavigator::setChartMagnified(bool on)
{
    if (m_chartMagnified == on)
        return;
    m_chartMagnified = on;
    m_doc.updateCommandStates();
}

void ChartNavigator::clearSelection()
{
    if (m_viewedPlanet < 0 && !m_viewedObject)
        return;
    m_viewedPlanet = -1;
    m_viewedObject = nullptr;
    if (SkyChartSet* charts = m_doc.charts())
        charts->SetSelected(nullptr);
    m_doc.UpdateAllViews(nullptr, hint::Options);
}

bool ChartNavigator::findObject(CAstre& object)
{
    if (&object == m_viewedObject)
        return false;
    if (!isAboveHorizon(object)) {
        const std::string name = object.GetName();
        QMessageBox box(QMessageBox::Information, QStringLiteral("  Objet"),
                        QString::fromStdString(objectNotVisibleText(object, name, m_doc.instant())), QMessageBox::Ok,
                        &m_doc.frame());
        box.exec();
        return false;
    }
    viewObject(&object, QString::fromStdString(object.GetName()));
    return true;
}

void ChartNavigator::onViewCommand(int id)
{
    if (id == cmd::WholeSky) {
        showChart(0, QStringLiteral("Ciel"), true);
        m_doc.UpdateAllViews(nullptr, hint::WholeSky);
    } else if (id == cmd::Zenith) {
        showChart(1, QStringLiteral("Zénith"), true);
        m_doc.UpdateAllViews(nullptr, hint::Zenith);
    } else {
        const int direction = id - cmd::HorizonSouth;
        showChart(2, QStringLiteral("Horizon ") + CActions::shortName(id), true);
        m_horizonDirection = direction;
        if (SkyChartSet* charts = m_doc.charts()) {
            // The objects already placed are shifted by the change of angle,
            // in eighths of a turn.
            const double change = charts->Horizon().SetDirection(direction);
            charts->Horizon().ShiftPlacements(change * 1.273239544568912, m_stripWidth);
        }
        m_doc.UpdateAllViews(nullptr, hint::Horizon);
    }
}

void ChartNavigator::onPlanetCommand(int id)
{
    const int index = bodyOfCommand(id);
    CAstre& body = m_doc.bodies().body(index);
    body.Compute(m_doc.instant());
    if (isAboveHorizon(body)) {
        m_doc.UpdateAllViews(nullptr, showPlanet(index));
        return;
    }
    QMessageBox box(QMessageBox::Information, QString::fromStdString(notVisibleTitle(index)),
                    notVisibleText(index), QMessageBox::Ok, &m_doc.frame());
    box.exec();
}

QString ChartNavigator::notVisibleText(int bodyIndex)
{
    // The next rise is searched on copies: the document's bodies keep their place.
    SolarBodies copies(m_doc.bodies());
    CPlaSol& body = copies.body(bodyIndex);
    return QString::fromStdString(zarn::notVisibleText(body, bodyIndex, body.GetName(), m_doc.instant()));
}

void ChartNavigator::horizonScrolled()
{
    if (m_chartKind != 2 || m_horizonDirection == kScrolledFreely)
        return;
    m_horizonDirection = kScrolledFreely;
    m_doc.updateCommandStates();
}

}  // namespace zarn
