// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// « Ce soir »: the plan of the night for the document's place and date, with
// a small whole-sky chart of the middle of the night. It follows the
// document's date and place, and prints on one A4 page.
#include "ui/CDocView.h"
#include "time/CInstant.h"
#include "tools/NightPlan.h"

#include <QWidget>

class QPainter;
class QPrinter;
class QTextBrowser;

namespace zarn {

class SkyModel;

// The small whole-sky chart, black on white so that it prints in black and
// white: horizon circle, cardinal points, stars by brightness, the planets
// and the Moon named, the Messier objects of the list as open circles.
void drawNightChart(QPainter& painter, const QRectF& square, const NightPlan& plan);

// The whole page: title, the sections and the chart, fitted to one page.
void drawNightPage(QPainter& painter, const QRectF& page, const NightPlan& plan);

// The plan as HTML for the window.
QString nightPlanHtml(const NightPlan& plan);

class CNuitView : public QWidget, public CDocView {
    Q_OBJECT
public:
    CNuitView(SkyModel& sky, const CInstant& document, QWidget* parent = nullptr);

    void OnUpdate(CDocView* sender, unsigned hint, void* object) override;
    ViewKind viewKind() const override { return ViewKind::Nuit; }
    bool canPrint() const override { return true; }
    void printPreview() override;
    void print() override;

    const NightPlan& plan() const { return m_plan; }

private:
    void compute();
    void printOn(QPrinter& printer) const;

    SkyModel& m_sky;
    const CInstant& m_document;
    NightPlan m_plan;
    QTextBrowser* m_text = nullptr;
    QWidget* m_chart = nullptr;
};

}  // namespace zarn
