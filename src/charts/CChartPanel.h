// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The owner-drawn chart of a tool window: a sunken frame with an ecliptic
// chart inside, the name of the object under a resting mouse, a context
// menu request and printing of the chart on one page.
#include <QTimer>
#include <QWidget>
#include <functional>
#include <optional>
#include <string>

#include "charts/CCarte.h"
#include "charts/CQtSurface.h"
#include "sky/draw/CVueNoms.h"

class QPrinter;

namespace zarn {

class CChartPanel : public QWidget {
    Q_OBJECT
public:
    CChartPanel(CCarte& chart, QWidget* parent = nullptr);

    // What the panel needs at each paint.
    std::function<PaletteColours()> colours;
    std::function<std::uint32_t(bool printing)> flags;
    // The label window of printed names and captions (its font is set for the page).
    CVueNoms* printLabel = nullptr;

    CCarte& Chart() { return m_chart; }
    // The chart's rectangle in chart units (origin at the chart's centre).
    SRect ChartRect() const;
    void HideLabel();
    const std::string& LabelText() const { return m_labelText; }
    bool HoverTimerActive() const { return m_hoverTimer.isActive(); }
    // Stops naming objects under the mouse (while an animation runs).
    void SetHoverEnabled(bool on);

    // The print preview of the chart; printing is done from it.
    void PrintPreview();
    void PrintChart(QPrinter& printer, bool preview);
    // Renders the panel as painted, for tests and pictures.
    QImage Render();

signals:
    void contextMenuRequested(QPoint globalPos);
    void leftPressed();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    // Draws the chart on the surface (the animation panel overlays its moving layer).
    virtual void DrawChart(CQtSurface& dc, SRect rect, std::uint32_t flags);
    // After the chart: the window's own marks (the animation's date label).
    virtual void DrawOver(CQtSurface& dc) { (void)dc; }
    SurfaceDevice Device() const;

private:
    void Paint(QPainter& painter);
    void OnHoverTimer();

    CCarte& m_chart;
    CVueNoms m_screenLabel{CVueNoms::Kind::Screen};
    std::optional<PlacedObject> m_hovered;
    std::string m_labelText;
    SPoint m_labelAnchor;
    QTimer m_hoverTimer;
    bool m_hoverEnabled = true;
};

// The sunken frame of owner-drawn charts: its width on each side.
constexpr int kPanelFrame = 2;

}  // namespace zarn
