// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Where the sky window looks: the chart shown (whole sky, zenith or horizon),
// the direction the horizon chart faces, and the planet or object it is
// turned towards. A target high in the sky is shown on the zenith chart,
// lower on the horizon chart turned towards it; one below the horizon is not
// shown, a box says when it rises.
#include <QString>

namespace zarn {

class CAstre;
class CZarnDoc;

class ChartNavigator {
public:
    explicit ChartNavigator(CZarnDoc& doc) : m_doc(doc) {}

    // The whole-sky chart, as after loading.
    void reset();
    // The chart of the kind (0 whole sky, 1 zenith, 2 horizon) under the
    // title; clearTarget: no planet or object is viewed any more.
    void showChart(int kind, const QString& title, bool clearTarget);
    // The chart that shows the body, turned towards it; the hint of that chart.
    unsigned showTarget(CAstre& body, const QString& title);
    unsigned showPlanet(int bodyIndex);
    // After a new instant: the viewed target is shown again where it now
    // stands, or dropped when it has set. The hint of the chart it is on.
    unsigned followTarget();
    // The whole-sky, zenith and horizon commands.
    void onViewCommand(int id);
    // A planet command: the planet's chart, or the box saying when it rises.
    void onPlanetCommand(int id);

    // The object chosen by the search; the sky window turns towards it.
    void viewObject(CAstre* object, const QString& title);
    // The search's choice: above the horizon it becomes the object to find,
    // which the sky window turns towards and marks; below, the not-visible
    // box is shown and nothing changes. False when nothing changed.
    bool findObject(CAstre& object);
    // Escape in the sky window: no object is chosen any more (the views are
    // told with the options hint, which redraws them).
    void clearSelection();
    // The sky window shows a magnified part of its chart.
    void setChartMagnified(bool on);
    // The user scrolled the horizon strip: no direction is faced any more.
    void horizonScrolled();
    // Width of the horizon strip of the sky window, in pixels.
    void setStripWidth(int width) { m_stripWidth = width; }

    // Whether the body is above the horizon at the current instant; its
    // azimuth (radians from the South towards the West) when it is.
    bool isAboveHorizon(CAstre& body, double* azimuth = nullptr, double* sinAltitude = nullptr) const;
    // Text of the box shown when a planet command names a body below the horizon.
    QString notVisibleText(int bodyIndex);

    int chartKind() const { return m_chartKind; }
    int horizonDirection() const { return m_horizonDirection; }
    int viewedPlanet() const { return m_viewedPlanet; }  // body index, -1 when none
    CAstre* viewedObject() const { return m_viewedObject; }
    // The object the sky window marks: the viewed planet or object.
    CAstre* selectedObject();
    bool chartMagnified() const { return m_chartMagnified; }
    const QString& skyTitle() const { return m_skyTitle; }

private:
    CZarnDoc& m_doc;
    int m_chartKind = 0;         // 0 whole sky, 1 zenith, 2 horizon
    int m_horizonDirection = 0;  // 0 S ... 7 SE; -1 turned towards a target; 8 scrolled freely
    int m_viewedPlanet = -1;
    CAstre* m_viewedObject = nullptr;
    bool m_chartMagnified = false;
    QString m_skyTitle = QStringLiteral("Ciel");
    int m_stripWidth = 0;
};

}  // namespace zarn
