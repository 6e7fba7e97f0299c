// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The sky window on the document: the frame with the view-button bar and the
// sky view, placed right of the tool windows. It is the view the document
// updates, and the host through which the sky view reads the document's
// chart, toggles, instant and palette. It cannot be closed.
#include "ui/CDocView.h"
#include "charts/SkyViewHost.h"

#include <QMdiSubWindow>
#include <QPointer>

namespace zarn {

class CMainFrame;
class CZarnDoc;
class CZarnFrm;

class CSkyWindow : public QMdiSubWindow, public CDocView, public SkyViewHost {
    Q_OBJECT
public:
    CSkyWindow(CZarnDoc& doc, CMainFrame& frame);
    ~CSkyWindow() override;

    static QMdiSubWindow* open(CZarnDoc& doc, CMainFrame& frame);
    // The sky frame's rectangle in a client area of the given size: the part
    // left of it stays free for the tool windows.
    static QRect frameRect(QSize client);
    void placeInClientArea();
    CZarnFrm& skyFrame() { return *m_skyFrame; }

    // CDocView
    void OnUpdate(CDocView* sender, unsigned hint, void* object) override;
    ViewKind viewKind() const override { return ViewKind::Sky; }
    bool canPrint() const override { return true; }
    void printPreview() override;
    void print() override;

    // SkyViewHost
    CCarte& CurrentChart() override;
    CCarteHorizon& HorizonChart() override;
    SkyDisplay Display() const override;
    void SetPrintStarNames(bool on) override;
    const CInstant& Instant() const override;
    PaletteColours Palette() const override;
    CAstre* SelectedObject() const override;
    void RecomputeSky() override;
    void SetStripWidth(int width) override;
    void ShowInstant(const std::string& place, const std::string& date, const std::string& time) override;
    void SkyRecomputed() override;
    void StripScrolled() override;
    void PrintingBegins() override;
    void PrintingEnds() override;
    void StarClicked(const std::string& constellation, double ra, double dec) override;
    std::string ConstellationOf(const CAstre& object) const override;
    QAction* Action(int id) const override;
    ObjectDescription Describe(CAstre& object) override;
    void ClearSelection() override;
    void ZoomChanged(bool whole) override;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    // Whether a click leaves the active window as it is: while a map,
    // conjunction or animation window exists, the sky is clicked to look at
    // it, not to bring it over them. The ephemerides dialog stands outside
    // the main window and covers nothing there: it does not count.
    bool clickKeepsActiveWindow() const;

    CZarnDoc& m_doc;
    QPointer<QMdiSubWindow> m_lastActive;
    CMainFrame& m_frame;
    CZarnFrm* m_skyFrame;
    QString m_captionBeforePrinting;
};

}  // namespace zarn
