// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The constellation map window's view: draws one constellation with its
// chart and the sky window's screen names, names the object under the mouse and describes a star under it
// (Greek letter, magnitudes, spectral types) in the frame's status bar, can
// put the mouse on a position of the sky, and prints the map.
#include <QWidget>
#include <string>

#include "charts/CCarteConstellation.h"
#include "charts/ConstellationsViewHost.h"
#include "charts/ScreenNames.h"
#include "sky/draw/CVueNoms.h"

class QPrinter;

namespace zarn {

class CConstellationsView : public QWidget {
    Q_OBJECT
public:
    explicit CConstellationsView(ConstellationsViewHost& host, QWidget* parent = nullptr);
    ~CConstellationsView() override;

    // Shows the constellation: the chart is centred on it and places its
    // objects again; the caption follows.
    void SetConstellation(const CConstellation* constellation);
    const CConstellation* Constellation() const { return m_chart.Constellation(); }
    // "  name  -  second name  -  third name".
    static QString Caption(const CConstellation& constellation);
    // Puts the mouse cursor on a position of the sky (radians); after the
    // next paint the name of the object under it is shown.
    void CentreOn(double ra, double dec);
    // The sky was recomputed or the options changed: place again and repaint.
    void Refresh();

    CCarteConstellation& Chart() { return m_chart; }
    const std::string& LabelText() const { return m_labelText; }
    std::uint32_t LastDrawFlags() const { return m_drawFlags; }
    // The names written on the map at the last paint.
    const CScreenNames& Names() const { return m_names; }
    // The window point of a chart point, with the last paint's origin.
    QPoint ToWindow(SPoint chartPoint) const;

    void PrintMap(QPrinter& printer, bool preview);
    void PrintPreview();
    void Print();

signals:
    void captionChanged(const QString& caption);
    // The two parts of the frame's status bar.
    void statusChanged(const QString& first, const QString& second);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    void Hover(QPoint windowPoint);
    void DrawNames(CSurface& dc);
    bool HasScreenName(const CAstre* object) const;
    void ShowLabel(CSurface& dc, const std::string& text, SPoint at);
    void HideLabel();
    void UpdateGeometry(QSize client);
    SurfaceDevice ScreenDevice() const;

    ConstellationsViewHost& m_host;
    CCarteConstellation m_chart;
    CVueNoms m_screenLabel{CVueNoms::Kind::Screen};
    CVueNoms m_printLabel{CVueNoms::Kind::Print};
    SRect m_paintRect;
    SPoint m_origin;
    std::uint32_t m_drawFlags = 0;
    QPoint m_cursorPoint;
    bool m_cursorPending = false;
    std::string m_labelText;
    const CAstre* m_labelObject = nullptr;  // the object the label names
    SPoint m_labelAnchor;
    CScreenNames m_names;
};

}  // namespace zarn
