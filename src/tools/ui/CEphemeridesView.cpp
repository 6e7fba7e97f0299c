// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/ui/CEphemeridesView.h"

#include "ui/Hints.h"
#include "ui/PlanetPictures.h"
#include "charts/QtColour.h"
#include "time/Calendar.h"
#include "tools/ui/CAlmanacPopup.h"
#include "charts/PagePrinting.h"

#include <QPainter>
#include <QPrinter>
#include <QSlider>
#include <QStyle>

#include <cmath>

namespace zarn {

namespace {
constexpr int kSliderMax = 1440;  // minutes after 12 h

// Night of the Sun row: from its set to its next rise, in hours from 0 h of
// the night's first day; nothing when the Sun stays up.
bool sunNight(const VisibilityInterval& sun, double& from, double& to)
{
    if (sun.start == -102.0 || sun.end == -102.0) {
        from = 12.0;
        to = 36.0;
        return true;
    }
    if (sun.start < 0.0)
        return false;
    from = sun.start;
    to = sun.end >= 0.0 ? sun.end : 36.0;
    return true;
}
}  // namespace

CEphemeridesView::CEphemeridesView(const SolarBodies& bodies, const CInstant& document, QWidget* parent)
    : QWidget(parent), m_bodies(bodies), m_document(document)
{
    setStatusTip(QStringLiteral(" Période de visibilité des planètes"));
    CAlmanacPopup::fillWithBackground(*this);
    m_font = QFont(QStringLiteral("Liberation Serif"));
    m_font.setPointSizeF(10.0);
    m_slider = new QSlider(Qt::Horizontal, this);
    m_slider->setRange(0, kSliderMax);
    m_slider->setPageStep(120);
    m_slider->setTickInterval(60);
    m_slider->setTickPosition(QSlider::TicksBelow);
    m_slider->setStatusTip(QStringLiteral(" Heure de la nuit marquée par la ligne rouge"));
    connect(m_slider, &QSlider::valueChanged, this, &CEphemeridesView::sliderMoved);
    setMinimumSize(420, 300);
    compute();
}

void CEphemeridesView::OnUpdate(CDocView*, unsigned hint, void*)
{
    layoutSlider();
    if (!(hint & (hint::Date | hint::Place)))
        return;
    if (compute(!(hint & hint::Place)))
        repaint();
}

bool CEphemeridesView::compute(bool samePlace)
{
    // The clock moving through the night only moves the red line and its
    // time, once a minute.
    const int shownPosition = m_night.sliderPosition;
    const bool anew = !samePlace || !followWithinNight(m_night, m_document);
    if (anew) {
        std::array<CAstre*, 5> planets;
        for (int i = 0; i < 5; ++i)
            planets[static_cast<std::size_t>(i)] = &m_bodies.planet(i + 1);
        m_night = computeNightVisibility(m_bodies.sun, planets, m_document);
    } else if (m_night.sliderPosition == shownPosition && m_slider->value() == shownPosition) {
        return false;
    }
    const QSignalBlocker quiet(m_slider);
    m_slider->setValue(m_night.sliderPosition);
    m_lineX = redLineX();
    update();
    return true;
}

double CEphemeridesView::Geometry::hoursToX(double hoursFromNoon) const
{
    return axisLeft + hoursFromNoon * (axisRight - axisLeft) / 24.0;
}

CEphemeridesView::Geometry CEphemeridesView::geometry(QSize size) const
{
    Geometry g;
    g.size = size;
    const int w = size.width();
    const int H = size.height();
    const int margin = std::max(6, w * 3 / 100);
    const int handle = style()->pixelMetric(QStyle::PM_SliderLength, nullptr, m_slider);
    // The axis is the slider's travel: the handle's centre at 0 and at 1440.
    g.axisLeft = margin + handle / 2.0;
    g.axisRight = w - margin - kPlanetPictureWidth - 8 - handle / 2.0;
    g.rowStep = 5.0 * H / 46.0;
    g.rowTop = 27.0 * H / 92.0;
    g.rowHeight = g.rowStep * 0.8;
    return g;
}

void CEphemeridesView::layoutSlider()
{
    const int w = width();
    const int H = height();
    const int margin = std::max(6, w * 3 / 100);
    const int sliderHeight = m_slider->sizeHint().height();
    // Under the time label, above the hour scale.
    const int top = std::max(24 * H / 184, 41 * H / 184 - sliderHeight);
    m_slider->setGeometry(margin, top, w - 2 * margin - kPlanetPictureWidth - 8, sliderHeight);
    m_lineX = redLineX();
}

void CEphemeridesView::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    layoutSlider();
}

QString CEphemeridesView::timeLabel() const
{
    const double hours = ReduceAngle(m_slider->value() / 60.0 + 12.0, 0.0, 24.0);
    return QString::asprintf("%5.2f", toPacked(hours));
}

QStringList CEphemeridesView::hourLabels()
{
    QStringList labels;
    // A tick every 239 minutes, so that the last one stays inside the scale.
    for (int m = 0; m < kSliderMax + 1; m += 239)
        labels << QString::asprintf("%2dh", static_cast<int>(std::lround(ReduceAngle(m / 60.0 + 12.0, 0.0, 24.0))));
    return labels;
}

int CEphemeridesView::redLineX() const
{
    return static_cast<int>(std::lround(geometry(size()).hoursToX(m_slider->value() / 60.0)));
}

QRect CEphemeridesView::timeLabelRect(QSize size) const
{
    const Geometry g = geometry(size);
    const int H = size.height();
    return QRect(QPoint(static_cast<int>(g.axisLeft), 15 * H / 184),
                 QPoint(static_cast<int>(g.axisRight), 24 * H / 184));
}

QRect CEphemeridesView::redLineStrip(int x) const
{
    const Geometry g = geometry(size());
    return QRect(x - 2, static_cast<int>(g.rowTop) - 1, 5, static_cast<int>(g.rowStep * kRows) + 2);
}

void CEphemeridesView::sliderMoved(int)
{
    // Only the old and the new red line and the time label are drawn again.
    const int old = m_lineX;
    m_lineX = redLineX();
    QRegion dirty(redLineStrip(old));
    dirty += redLineStrip(m_lineX);
    dirty += timeLabelRect(size()).adjusted(-4, -4, 4, 4);
    repaint(dirty);
}

void CEphemeridesView::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setFont(m_font);
    draw(painter, geometry(size()), true);
}

void CEphemeridesView::draw(QPainter& painter, const Geometry& g, bool) const
{
    const int w = g.size.width();
    const int H = g.size.height();
    painter.fillRect(QRect(QPoint(0, 0), g.size), CAlmanacPopup::background());
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawText(QRect(0, 0, w, 15 * H / 184), Qt::AlignCenter | Qt::TextDontClip, title());
    painter.drawText(timeLabelRect(g.size), Qt::AlignCenter | Qt::TextDontClip, timeLabel());
    drawHourScale(painter, g);
    for (int row = 0; row < kRows; ++row)
        drawRow(painter, g, row);
}

void CEphemeridesView::drawHourScale(QPainter& painter, const Geometry& g) const
{
    const int H = g.size.height();
    const QFontMetrics fm(painter.font());
    const QStringList labels = hourLabels();
    for (int i = 0; i < labels.size(); ++i) {
        const int x = static_cast<int>(std::lround(g.hoursToX(i * 239 / 60.0)));
        painter.setPen(palette().color(QPalette::WindowText));
        painter.drawText(QPoint(x - fm.horizontalAdvance(labels[i]) / 2, 21 * H / 92 + fm.ascent()), labels[i]);
        if (labels[i] == QStringLiteral("24h")) {
            // Midnight: a light and a dark line across the bars.
            painter.setPen(toQColor(kMidnightLightColour));
            painter.drawLine(x - 1, 25 * H / 92, x - 1, 90 * H / 92);
            painter.setPen(toQColor(kMidnightDarkColour));
            painter.drawLine(x + 2, 25 * H / 92, x + 2, 90 * H / 92);
        }
    }
}

QRectF CEphemeridesView::bar(const Geometry& g, int row)
{
    return QRectF(QPointF(g.axisLeft, g.rowTop + row * g.rowStep),
                  QPointF(g.axisRight, g.rowTop + row * g.rowStep + g.rowHeight));
}

QRect CEphemeridesView::barRect(int row) const { return bar(geometry(size()), row).toAlignedRect(); }

QColor CEphemeridesView::barColour(int row) const
{
    return toQColor(row == 0 ? m_bodies.sun.GetColor() : m_bodies.body(row).GetColor());
}

void CEphemeridesView::drawRow(QPainter& painter, const Geometry& g, int row) const
{
    const QRectF bar = CEphemeridesView::bar(g, row);
    auto span = [&](double from, double to, const QColor& colour) {
        const double x0 = g.hoursToX(std::clamp(from, 12.0, 36.0) - 12.0);
        const double x1 = g.hoursToX(std::clamp(to, 12.0, 36.0) - 12.0);
        painter.fillRect(QRectF(QPointF(x0, bar.top()), QPointF(x1, bar.bottom())), colour);
    };
    double nightFrom = 0.0;
    double nightTo = 0.0;
    const bool night = sunNight(m_night.sun, nightFrom, nightTo);
    // The Sun's row shows day and night; a planet's row the day in grey, the
    // night in black and the planet's own colour while it can be seen.
    span(12.0, 36.0, row == 0 ? barColour(0) : toQColor(kDayBarColour));
    if (night)
        span(nightFrom, nightTo, Qt::black);
    if (row > 0) {
        const VisibilityInterval& seen = m_night.planets[static_cast<std::size_t>(row - 1)];
        if (seen.start >= 0.0 && seen.end > seen.start)
            span(seen.start, seen.end, barColour(row));
    }

    const QPixmap picture = bodyPicture(row, painter.device()->devicePixelRatioF());
    painter.drawPixmap(QPointF(g.axisRight + 6, bar.center().y() - kPlanetPictureHeight / 2.0), picture);

    const bool dark = night && nightFrom <= 12.0;
    painter.setPen(row == 0 && !dark ? Qt::black : Qt::white);
    const QString name = QStringLiteral(" ") + QString::fromStdString(m_bodies.body(row).GetName()).toUpper() +
                         QStringLiteral(" ");
    painter.drawText(bar.adjusted(3, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter, name);

    painter.setPen(QPen(toQColor(kTimeCursorColour), 1));
    const double x = g.hoursToX(m_slider->value() / 60.0);
    painter.drawLine(QPointF(x, bar.top()), QPointF(x, bar.bottom()));
}

void CEphemeridesView::drawPage(QPainter& painter, QSize page) const
{
    // The chart is drawn on a page 1000 units wide, in proportion to the window.
    const double scale = page.width() / 1000.0;
    painter.save();
    painter.scale(scale, scale);
    const int height = std::min(static_cast<int>(page.height() / scale), 640);
    QFont font = m_font;
    font.setPixelSize(18);
    painter.setFont(font);
    draw(painter, geometry(QSize(1000, height)), false);
    painter.restore();
}

void CEphemeridesView::printOn(QPrinter& printer) const
{
    QPainter painter(&printer);
    drawPage(painter, QSize(printer.width(), printer.height()));
}

void CEphemeridesView::printPreview()
{
    previewPage(this, QPageLayout::Landscape, [this](QPrinter& printer) { printOn(printer); });
}

void CEphemeridesView::print()
{
    printPage(this, QPageLayout::Landscape, QStringLiteral("visibilite.pdf"),
              [this](QPrinter& printer) { printOn(printer); });
}

}  // namespace zarn
