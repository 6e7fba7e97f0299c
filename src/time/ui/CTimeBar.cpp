// SPDX-License-Identifier: GPL-3.0-or-later
#include "time/ui/CTimeBar.h"

#include "charts/QtColour.h"

#include <QFontMetrics>
#include <QLabel>
#include <QPainter>

#include <algorithm>

namespace zarn {
namespace {

// A small clock face: the picture of the bar's first part.
QPixmap clockPicture(qreal dpr)
{
    QPixmap pixmap(qRound(20 * dpr), qRound(16 * dpr));
    pixmap.setDevicePixelRatio(dpr);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(toQColor(kClockRimColour), 1.2));
    p.setBrush(toQColor(kClockFaceColour));
    p.drawEllipse(QPointF(10, 8), 6.5, 6.5);
    p.drawLine(QPointF(10, 8), QPointF(10, 3.5));
    p.drawLine(QPointF(10, 8), QPointF(13, 9.5));
    return pixmap;
}

// The parts go in pairs that never part: the picture with the date, each
// scale's name with its value.
constexpr int kGroups = CTimeBar::kParts / 2;
constexpr int kMargin = 2;

QString labelText(const char* label)
{
    return QStringLiteral("   ") + QString::fromUtf8(label) + QStringLiteral("  ");
}

}  // namespace

CTimeBar::CTimeBar(QWidget* parent) : QFrame(parent)
{
    QSizePolicy policy(QSizePolicy::Preferred, QSizePolicy::Preferred);
    policy.setHeightForWidth(true);
    setSizePolicy(policy);
    const QFontMetrics fm(font());
    const int valueWidth = fm.horizontalAdvance(QStringLiteral("0000.00"));

    m_parts[0] = addPart(QString(), 32, false);
    m_parts[0]->setPixmap(clockPicture(devicePixelRatioF()));
    m_parts[1] = addPart(QString(), fm.horizontalAdvance(QStringLiteral(" 30.09.2009 ")) + 32, false);
    static constexpr const char* kLabels[5] = {"Temps :  Légal", "Universel", "Solaire moyen",
                                               "Solaire vrai", "Sidéral"};
    for (int i = 0; i < 5; ++i) {
        const QString label = labelText(kLabels[i]);
        m_parts[2 + 2 * i] = addPart(label, fm.horizontalAdvance(label), false);
        const int width = valueWidth + (i == 4 ? fm.horizontalAdvance(QStringLiteral("000")) : 0);
        m_parts[3 + 2 * i] = addPart(QString(), width + 6, true);
    }
    hide();
}

QLabel* CTimeBar::addPart(const QString& text, int width, bool sunken)
{
    auto* label = new QLabel(text, this);
    label->setMinimumWidth(width);
    if (sunken)
        label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    return label;
}

int CTimeBar::partWidth(int index) const
{
    const QLabel* label = m_parts[static_cast<std::size_t>(index)];
    return std::max(label->minimumWidth(), label->sizeHint().width());
}

int CTimeBar::groupWidth(int group) const { return partWidth(2 * group) + partWidth(2 * group + 1); }

int CTimeBar::rowHeight() const
{
    int height = 0;
    for (const QLabel* label : m_parts)
        height = std::max(height, label->sizeHint().height());
    return height;
}

int CTimeBar::arrange(int width, bool place) const
{
    const int row = rowHeight();
    int x = kMargin;
    int y = 1;
    for (int group = 0; group < kGroups; ++group) {
        if (x > kMargin && x + groupWidth(group) > width - kMargin) {
            x = kMargin;
            y += row;
        }
        for (int index : {2 * group, 2 * group + 1}) {
            if (place)
                m_parts[static_cast<std::size_t>(index)]->setGeometry(x, y, partWidth(index), row);
            x += partWidth(index);
        }
    }
    return y + row + 1;
}

QSize CTimeBar::sizeHint() const
{
    int width = 2 * kMargin;
    for (int group = 0; group < kGroups; ++group)
        width += groupWidth(group);
    return {width, arrange(width, false)};
}

QSize CTimeBar::minimumSizeHint() const
{
    int width = 0;
    for (int group = 0; group < kGroups; ++group)
        width = std::max(width, groupWidth(group));
    return {width + 2 * kMargin, rowHeight() + 2};
}

int CTimeBar::heightForWidth(int width) const { return arrange(width, false); }

void CTimeBar::resizeEvent(QResizeEvent* event)
{
    QFrame::resizeEvent(event);
    arrange(width(), true);
}

void CTimeBar::refresh(const TimeBarTexts& texts)
{
    m_parts[1]->setText(QString::fromStdString(texts.date));
    for (int i = 0; i < 5; ++i)
        m_parts[3 + 2 * i]->setText(QString::fromStdString(texts.scales[i].value));
    // A longer text may widen a part: the rows are made again.
    arrange(width(), true);
    updateGeometry();
}

QString CTimeBar::partText(int part) const
{
    if (part <= 0 || part >= kParts)
        return QString();
    return m_parts[part]->text();
}

}  // namespace zarn
