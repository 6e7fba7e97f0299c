// SPDX-License-Identifier: GPL-3.0-or-later
// Drawing of the night plan: the small whole-sky chart and the printed page.
#include "tools/ui/CNuitView.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>

namespace zarn {

namespace {
QFont pageFont(double pointSize, bool bold = false)
{
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPointSizeF(pointSize);
    font.setBold(bold);
    return font;
}

// A disc whose size follows the star's brightness.
double starRadius(double magnitude, double unit)
{
    return unit * std::clamp(2.0 - 0.4 * magnitude, 0.45, 2.6);
}

void drawMark(QPainter& painter, const ChartMark& mark, QPointF at, double unit)
{
    if (mark.body == 6) {  // the Moon: a disc with its outline
        painter.setBrush(Qt::white);
        painter.drawEllipse(at, 4.0 * unit, 4.0 * unit);
        painter.setBrush(Qt::black);
        painter.drawEllipse(at, 1.2 * unit, 1.2 * unit);
    } else if (mark.body >= 1) {  // a planet: a ring around a dot
        painter.setBrush(Qt::white);
        painter.drawEllipse(at, 2.8 * unit, 2.8 * unit);
        painter.setBrush(Qt::black);
        painter.drawEllipse(at, 1.0 * unit, 1.0 * unit);
    } else if (mark.deepSky) {
        painter.setBrush(Qt::NoBrush);
        painter.drawEllipse(at, 2.2 * unit, 2.2 * unit);
    } else {
        painter.setBrush(Qt::black);
        const double r = starRadius(mark.magnitude, unit);
        painter.drawEllipse(at, r, r);
    }
}
}  // namespace

void drawNightChart(QPainter& painter, const QRectF& square, const NightPlan& plan)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    const double side = std::min(square.width(), square.height());
    const double unit = side / 160.0;
    // Labels in device pixels: the same proportion on a screen and on paper.
    QFont labels = pageFont(8.0);
    labels.setPixelSize(std::max(7, static_cast<int>(side / 34.0)));
    QFontMetricsF metrics(labels, painter.device());
    const double margin = metrics.height() * 1.2;
    const QPointF centre = square.center();
    const double radius = side / 2.0 - margin;
    painter.fillRect(square, Qt::white);
    painter.setPen(QPen(Qt::black, std::max(1.0, unit * 0.6)));
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(centre, radius, radius);
    painter.setPen(QPen(Qt::black, std::max(0.5, unit * 0.25), Qt::DotLine));
    painter.drawEllipse(centre, radius * 2.0 / 3.0, radius * 2.0 / 3.0);  // 30° of altitude
    painter.setFont(labels);
    painter.setPen(Qt::black);
    const struct {
        const char* text;
        double x, y;
    } cardinal[4] = {{"N", 0, 1}, {"E", -1, 0}, {"S", 0, -1}, {"O", 1, 0}};
    for (const auto& c : cardinal) {
        const QPointF at(centre.x() + c.x * (radius + margin / 2.0), centre.y() - c.y * (radius + margin / 2.0));
        painter.drawText(QRectF(at.x() - margin, at.y() - margin / 2.0, 2 * margin, margin), Qt::AlignCenter,
                         QString::fromLatin1(c.text));
    }
    painter.setPen(QPen(Qt::black, std::max(0.5, unit * 0.3)));
    for (const ChartMark& mark : plan.chart) {
        const QPointF at(centre.x() + mark.x * radius, centre.y() - mark.y * radius);
        drawMark(painter, mark, at, unit);
        if (mark.label.empty() || (mark.deepSky && mark.body < 1))
            continue;
        // Right of the mark, or left of it where the name would leave the chart.
        const QString label = QString::fromStdString(mark.label);
        const double width = metrics.horizontalAdvance(label);
        const double x = at.x() + 3.5 * unit + width > square.right() ? at.x() - 3.5 * unit - width : at.x() + 3.5 * unit;
        painter.drawText(QPointF(x, at.y() - 1.5 * unit), label);
    }
    painter.restore();
}

namespace {
struct PageText {
    QString title;
    QStringList headings;
    QList<QStringList> lines;
};

// Lays the page out at one font size; returns the height it needs, and draws
// when asked. The chart stands at the top right and the text flows beside it
// and then under it.
double layOut(QPainter& painter, const QRectF& page, const NightPlan& plan, const PageText& text, double size,
              bool draw)
{
    const QFont titleFont = pageFont(size * 1.35, true);
    const QFont headFont = pageFont(size, true);
    const QFont bodyFont = pageFont(size);
    const double chartSide = page.width() * 0.42;
    const QRectF chart(page.right() - chartSide, page.top() + QFontMetricsF(titleFont, painter.device()).height() * 1.6,
                       chartSide, chartSide);
    double y = page.top();
    auto paragraph = [&](const QString& s, const QFont& font, double indent, double after) {
        const double left = page.left() + indent;
        const double right = y < chart.bottom() ? chart.left() - page.width() * 0.02 : page.right();
        const QRectF box(left, y, right - left, page.height());
        painter.setFont(font);
        const QRectF used = painter.boundingRect(box, Qt::TextWordWrap, s);
        if (draw)
            painter.drawText(box, Qt::TextWordWrap, s);
        y += used.height() + after;
    };
    paragraph(text.title, titleFont, 0, size * 0.8);
    if (draw)
        drawNightChart(painter, chart, plan);
    const double indent = QFontMetricsF(bodyFont, painter.device()).height();
    for (qsizetype i = 0; i < text.headings.size(); ++i) {
        paragraph(text.headings[i], headFont, 0, size * 0.2);
        for (const QString& line : text.lines[i])
            paragraph(line, bodyFont, indent, size * 0.1);
        y += size * 0.6;
    }
    return std::max(y, chart.bottom()) - page.top();
}
}  // namespace

void drawNightPage(QPainter& painter, const QRectF& page, const NightPlan& plan)
{
    PageText text;
    text.title = QString::fromStdString(plan.title);
    for (const NightSection& section : plan.sections) {
        text.headings << QString::fromStdString(section.title);
        QStringList lines;
        for (const std::string& line : section.lines)
            lines << QString::fromStdString(line);
        text.lines << lines;
    }
    painter.save();
    painter.setPen(Qt::black);
    // The largest type that keeps the plan on the one page.
    double size = 11.0;
    while (size > 5.0 && layOut(painter, page, plan, text, size, false) > page.height())
        size -= 0.5;
    layOut(painter, page, plan, text, size, true);
    painter.restore();
}

}  // namespace zarn
