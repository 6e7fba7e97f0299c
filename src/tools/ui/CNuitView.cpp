// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/ui/CNuitView.h"

#include "ui/Hints.h"
#include "charts/PagePrinting.h"
#include "ui/NightMode.h"
#include "sky/SkyModel.h"

#include <QHBoxLayout>
#include <QImage>
#include <QPainter>
#include <QPrinter>
#include <QScrollBar>
#include <QTextBrowser>

namespace zarn {

namespace {
// The chart of the window: square, as large as the window's height allows.
class NightChartWidget : public QWidget {
public:
    NightChartWidget(const NightPlan& plan, QWidget* parent) : QWidget(parent), m_plan(plan)
    {
        setMinimumSize(160, 160);
        setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Expanding);
        setToolTip(QStringLiteral("Le ciel au milieu de la nuit : le zénith au centre, l'horizon au bord, "
                                  "le cercle pointillé à 30° de hauteur"));
    }
    QSize sizeHint() const override { return {320, 320}; }
    bool hasHeightForWidth() const override { return true; }
    int heightForWidth(int w) const override { return w; }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        const int side = std::min(width(), height());
        const QRectF square((width() - side) / 2.0, 0, side, side);
        if (!night::isOn()) {
            drawNightChart(painter, square, m_plan);
            return;
        }
        // The chart is ink on paper, made for the page: at night on the
        // screen it is drawn light on dark, in red.
        const qreal ratio = devicePixelRatioF();
        QImage picture((QSizeF(size()) * ratio).toSize(), QImage::Format_RGB32);
        picture.setDevicePixelRatio(ratio);
        picture.fill(Qt::white);
        {
            QPainter onPicture(&picture);
            drawNightChart(onPicture, square, m_plan);
        }
        picture.invertPixels();
        night::redden(picture);
        painter.drawImage(QPointF(0, 0), picture);
    }

private:
    const NightPlan& m_plan;
};

QString escaped(const std::string& text) { return QString::fromStdString(text).toHtmlEscaped(); }
}  // namespace

QString nightPlanHtml(const NightPlan& plan)
{
    QString html = QStringLiteral("<h3>%1</h3>").arg(escaped(plan.title));
    for (const NightSection& section : plan.sections) {
        html += QStringLiteral("<p><b>%1</b><br>").arg(escaped(section.title));
        for (std::size_t i = 0; i < section.lines.size(); ++i)
            html += (i ? QStringLiteral("<br>") : QString()) + QStringLiteral("&nbsp;&nbsp;") + escaped(section.lines[i]);
        html += QStringLiteral("</p>");
    }
    return html;
}

CNuitView::CNuitView(SkyModel& sky, const CInstant& document, QWidget* parent)
    : QWidget(parent), m_sky(sky), m_document(document)
{
    setStatusTip(QStringLiteral(" Plan de la nuit : obscurité, Lune, planètes, événements"));
    m_text = new QTextBrowser(this);
    m_text->setOpenLinks(false);
    m_text->setStatusTip(statusTip());
    m_chart = new NightChartWidget(m_plan, this);
    m_chart->setStatusTip(QStringLiteral(" Le ciel au milieu de la nuit"));
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addWidget(m_text, 3);
    layout->addWidget(m_chart, 2);
    setFocusProxy(m_text);
    compute();
}

void CNuitView::compute()
{
    m_plan = computeNightPlan(m_sky.bodies(), m_sky, m_document);
    const int scroll = m_text->verticalScrollBar() ? m_text->verticalScrollBar()->value() : 0;
    m_text->setHtml(nightPlanHtml(m_plan));
    m_text->verticalScrollBar()->setValue(scroll);
    m_chart->update();
}

void CNuitView::OnUpdate(CDocView*, unsigned hint, void*)
{
    if (hint & (hint::Date | hint::Place))
        compute();
}

void CNuitView::printOn(QPrinter& printer) const
{
    QPainter painter(&printer);
    drawNightPage(painter, QRectF(0, 0, printer.width(), printer.height()), m_plan);
}

void CNuitView::printPreview()
{
    previewPage(this, QPageLayout::Portrait, [this](QPrinter& printer) { printOn(printer); });
}

void CNuitView::print()
{
    printPage(this, QPageLayout::Portrait, QStringLiteral("ce-soir.pdf"),
              [this](QPrinter& printer) { printOn(printer); });
}

}  // namespace zarn
