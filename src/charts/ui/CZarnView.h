// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The sky window: shows the document's current chart, names the object under
// a resting mouse, records the constellation of a clicked star, scrolls the
// horizon panorama, offers the context menu and prints the chart.
#include <QAbstractScrollArea>
#include <QTimer>
#include <optional>
#include <string>

#include "charts/CCarte.h"
#include "charts/ChartZoom.h"
#include "charts/ScreenNames.h"
#include "charts/StripZoom.h"
#include "charts/SkyViewHost.h"
#include "tools/ObjectDescription.h"
#include "sky/draw/CVueNoms.h"

class QPrinter;

namespace zarn {

class CZarnView : public QAbstractScrollArea {
    Q_OBJECT
public:
    explicit CZarnView(SkyViewHost& host, QWidget* parent = nullptr);
    ~CZarnView() override;

    // The document's update hints (see the document's hint bits); fromSelf
    // when this view sent them.
    void OnHint(unsigned hint, bool fromSelf);

    // The label windows the charts draw names with.
    CVueNoms& ScreenLabel() { return m_screenLabel; }
    CVueNoms& PrintLabel() { return m_printLabel; }
    // Shows a name next to a point of the chart (the selection after a paint,
    // the hovered object after the pause).
    void ShowLabel(CSurface& dc, const std::string& text, SPoint at);
    void HideLabel();
    const std::string& LabelText() const { return m_labelText; }

    double ScrollFraction() const { return m_scrollFraction; }
    int StripWidth() const { return m_stripWidth; }
    std::uint32_t LastDrawFlags() const { return m_drawFlags; }
    const std::optional<PlacedObject>& Hovered() const { return m_hovered; }
    // The names written on the chart at the last paint.
    const CScreenNames& Names() const { return m_names; }
    // What the panel says of the chosen object at the last paint (empty name
    // when nothing is chosen).
    const ObjectDescription& Description() const { return m_description; }
    bool HoverTimerActive() const { return m_hoverTimer.isActive(); }

    // Draws the current chart on a printer page (or its preview).
    void PrintChart(QPrinter& printer, bool preview);
    // Print preview with the "Marquer noms étoiles" button; printing from it.
    void PrintPreview();
    // Prints with the print dialog, or into a PDF file when no printer exists.
    void Print();
    // Renders the chart as the window would paint it, into an image.
    void RenderTo(QImage& image);

    // Zoom and pan of the charts: magnify by a ratio keeping the sky under a
    // window point in place, move by a drag, or show the whole chart again.
    void ZoomBy(double ratio, QPoint at);
    void PanBy(QPoint delta);
    void ShowWholeChart();
    // The round charts' magnification, and the horizon strip's.
    const ChartZoom& Zoom() const { return m_zoom; }
    const StripZoom& Strip() const { return m_strip; }

    // The chart point under a point of the window, and the surface facts.
    SPoint ToChart(QPoint windowPoint) const;
    // The window's rectangle in chart units, at the last paint.
    SRect WindowInChart() const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void Paint(QPainter& painter, QSize client);
    ChartHit HitAt(QPoint windowPoint, bool* insideChart);
    // A click on a star opens its constellation's map.
    void ClickAt(QPoint windowPoint);
    bool Zoomable() const;
    bool OnHorizon() const;
    // The current chart is shown magnified.
    bool Magnified() const;
    // The horizon strip magnified around a window point, its scroll bar
    // following; the user moved the strip.
    void ZoomStrip(double ratio, QPoint at);
    void StripMovedByUser();
    // An arrow key moves a magnified chart; false when the key is left to
    // the scroll bar or is no arrow.
    bool PanByKey(int key);
    int StripWidthNow() const;
    void SetStripRange();
    // The chart's scale (units per radius) laid out at a magnification.
    double ScaleAt(double factor);
    void ShowLabelOf(CSurface& dc, const CAstre* object, const std::string& text, SPoint at);
    void OnHoverTimer();
    // The chart's objects are placed anew: no name stays at an old place.
    void ForgetPlacements();
    void OnScrolled(int value);
    // Scroll range and position of the horizon strip for the window's size.
    void UpdateStrip();
    void SetScroll(int value);
    SurfaceDevice ScreenDevice() const;
    // Writes the chosen names on the chart, placing them again when the
    // chart's placements, the choice of names or the zoom changed.
    void DrawNames(CSurface& dc, CCarte& chart);
    // The chosen object: a reticle round it and its description in a panel
    // at the top right of the window.
    void DrawChosen(CSurface& dc, CCarte& chart, QSize client);

    SkyViewHost& m_host;
    CVueNoms m_screenLabel{CVueNoms::Kind::Screen};
    CVueNoms m_printLabel{CVueNoms::Kind::Print};
    std::optional<PlacedObject> m_hovered;
    std::uint32_t m_drawFlags = 0;
    SRect m_paintRect;       // the chart's rectangle in chart units, last paint
    SPoint m_origin;         // device point of the chart's origin, last paint
    double m_scrollFraction = 0.0;
    int m_stripWidth = 0;
    bool m_settingScroll = false;
    bool m_facing = true;    // the strip faces a direction or target, not scrolled since

    QTimer m_hoverTimer;
    std::string m_labelText;
    const CAstre* m_labelObject = nullptr;  // the object the label names
    SPoint m_labelAnchor;
    bool m_labelDrawn = false;
    CScreenNames m_names;
    ChartZoom m_zoom;
    StripZoom m_strip;
    double m_scale = 0.0;        // chart units per radius, last paint
    ObjectDescription m_description;  // of the chosen object, for m_describedFor
    std::string m_describedFor;
    bool m_pressed = false;      // left button down on a magnified chart
    bool m_dragging = false;
    QPoint m_dragFrom;
};

}  // namespace zarn
