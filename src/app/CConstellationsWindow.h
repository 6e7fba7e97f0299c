// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The constellation map window on the document: the frame with the map and
// its status bar. It is the view the document updates (dates, options,
// figure and grid toggles) and the host through which the map reads the
// document's sky, toggles and palette.
#include "ui/CDocView.h"
#include "charts/ConstellationsViewHost.h"

#include <QMdiSubWindow>

namespace zarn {

class CConstellation;
class CConstellationsFrm;
class CConstellationsView;
class CMainFrame;
class CZarnDoc;

class CConstellationsWindow : public QMdiSubWindow, public CDocView, public ConstellationsViewHost {
    Q_OBJECT
public:
    CConstellationsWindow(CZarnDoc& doc, CMainFrame& frame);
    ~CConstellationsWindow() override;

    static QMdiSubWindow* open(CZarnDoc& doc, CMainFrame& frame);
    // Opens the map when none is open, shows the constellation, brings the
    // window to the front and puts the mouse on the position (radians).
    static CConstellationsWindow* showMap(CZarnDoc& doc, const CConstellation& constellation, double ra, double dec);

    CConstellationsFrm& mapFrame() { return *m_mapFrame; }
    CConstellationsView& view();

    // CDocView
    void OnUpdate(CDocView* sender, unsigned hint, void* object) override;
    ViewKind viewKind() const override { return ViewKind::Constellations; }
    bool canPrint() const override { return true; }
    void printPreview() override;
    void print() override;

    // ConstellationsViewHost
    ChartHost& ChartSky() override;
    SkyModel& Sky() override;
    ConstellationDisplay Display() const override;
    void SetPrintStarNames(bool on) override;
    PaletteColours Palette() const override;
    QAction* Action(int id) const override;
    QWidget* ViewButtonBar() const override;
    SFont LabelFont(int dpi) const override;

private:
    CZarnDoc& m_doc;
    CMainFrame& m_frame;
    CConstellationsFrm* m_mapFrame;
};

}  // namespace zarn
