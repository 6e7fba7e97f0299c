// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Planet visibility: for one night, from 12 h to 12 h the next day, a bar for
// the Sun (day and night) and one for each planet (when it is up while the
// sky is dark enough to see it), under an hour scale and a slider whose red
// line marks an instant of the night. The night follows the document's date
// and time; before 12 h it is the night that began the evening before.
#include "ui/CDocView.h"
#include "sky/SolarBodies.h"
#include "time/CInstant.h"
#include "tools/PlanetVisibility.h"

#include <QWidget>

class QPrinter;
class QSlider;

namespace zarn {

class CEphemeridesView : public QWidget, public CDocView {
    Q_OBJECT
public:
    static constexpr int kRows = 6;  // the Sun, then Mercure to Saturne

    // bodies: copied, so that the searches never move the document's bodies;
    // document: the document's instant.
    CEphemeridesView(const SolarBodies& bodies, const CInstant& document, QWidget* parent = nullptr);

    // CDocView: a date or place change computes the night again.
    void OnUpdate(CDocView* sender, unsigned hint, void* object) override;
    ViewKind viewKind() const override { return ViewKind::Ephemerides; }
    bool canPrint() const override { return true; }
    void printPreview() override;
    void print() override;

    const NightVisibility& night() const { return m_night; }
    QSlider* slider() const { return m_slider; }
    // The slider's instant in h.mm ("%5.2f" of the packed time).
    QString timeLabel() const;
    QString title() const { return QString::fromStdString(m_night.title); }
    // "%2dh" labels of the hour scale, from the left.
    static QStringList hourLabels();
    // x of the red line in the window.
    int redLineX() const;
    // The bar of a row in the window, and the colour of its visible part.
    QRect barRect(int row) const;
    QColor barColour(int row) const;

    // Draws the chart on a page of the given size (no slider on paper).
    void drawPage(QPainter& painter, QSize page) const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    struct Geometry {
        QSize size;
        double axisLeft = 0;
        double axisRight = 0;
        double rowTop = 0;
        double rowStep = 0;
        double rowHeight = 0;
        double hoursToX(double hoursFromNoon) const;
    };
    Geometry geometry(QSize size) const;
    // samePlace: the place is unchanged since the last computation. False
    // when nothing shown changed.
    bool compute(bool samePlace = false);
    void layoutSlider();
    void sliderMoved(int position);
    void draw(QPainter& painter, const Geometry& g, bool withSlider) const;
    void drawHourScale(QPainter& painter, const Geometry& g) const;
    void drawRow(QPainter& painter, const Geometry& g, int row) const;
    static QRectF bar(const Geometry& g, int row);
    QRect redLineStrip(int position) const;
    QRect timeLabelRect(QSize size) const;
    void printOn(QPrinter& printer) const;

    SolarBodies m_bodies;
    const CInstant& m_document;
    NightVisibility m_night;
    QFont m_font;
    QSlider* m_slider = nullptr;
    int m_lineX = 0;
};

}  // namespace zarn
