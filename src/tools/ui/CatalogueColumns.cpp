// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/ui/CatalogueColumns.h"

#include <QApplication>
#include <QFontMetrics>
#include <QPainter>

namespace zarn {

namespace {

int widthOf(const QFontMetrics& metrics, const char* sample)
{
    return metrics.horizontalAdvance(QString::fromUtf8(sample));
}

}  // namespace

CatalogueColumns CatalogueColumns::forKind(int kind, const QFontMetrics& m)
{
    const int name = widthOf(m, " Chevelure de Bérénice   ");
    const int abbreviation = widthOf(m, "AND        ");
    const int latin = widthOf(m, "Triangulum Australis  ");
    const int number = widthOf(m, "     -22.22");
    const int magnitude = 3 * widthOf(m, "0.0");
    std::vector<int> widths;
    CatalogueColumns c;
    switch (kind) {
    case 0: widths = {name, abbreviation, latin, latin}; c.shown = 2; break;
    case 1: widths = {abbreviation, name, latin, latin}; c.shown = 2; break;
    case 2: widths = {widthOf(m, " Kaus Australis  "), magnitude, number, number}; c.shown = 2; c.numericFrom = 1; break;
    default: widths = {widthOf(m, " Grand Nuage de Magellan      "), number, number}; c.shown = 1; c.numericFrom = 1; break;
    }
    int x = widthOf(m, " ");
    for (const int w : widths) {
        c.lefts.push_back(x);
        x += w;
    }
    c.width = x;
    return c;
}

void CatalogueLineDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    QStyleOptionViewItem item = option;
    initStyleOption(&item, index);
    const QStringList pieces = item.text.split(QLatin1Char('*'));
    item.text.clear();
    const QStyle* style = item.widget ? item.widget->style() : QApplication::style();
    style->drawControl(QStyle::CE_ItemViewItem, &item, painter, item.widget);

    painter->save();
    const bool selected = option.state & QStyle::State_Selected;
    painter->setPen(option.palette.color(selected ? QPalette::HighlightedText : QPalette::Text));
    const int count = std::min<int>(static_cast<int>(pieces.size()), m_columns.shown);
    for (int i = 0; i < count; ++i) {
        const std::size_t n = static_cast<std::size_t>(i);
        const int left = option.rect.left() + m_columns.lefts[n];
        const int right = option.rect.left() + (n + 1 < m_columns.lefts.size() ? m_columns.lefts[n + 1] : m_columns.width);
        const QRect cell(left, option.rect.top(), right - left - 4, option.rect.height());
        const Qt::Alignment align = (i >= m_columns.numericFrom ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter;
        painter->drawText(cell, align | Qt::TextSingleLine, pieces[i].trimmed());
    }
    painter->restore();
}

}  // namespace zarn
