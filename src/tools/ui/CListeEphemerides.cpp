// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/ui/CListeEphemerides.h"

#include "tools/Ephemerides.h"

#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QPainter>
#include <QScrollBar>
#include <QStyle>
#include <QStyledItemDelegate>

namespace zarn {

namespace {

QString trimmed(const std::string& text) { return QString::fromStdString(text).trimmed(); }

// Draws one row: right-aligned columns in the list's font, or a column with a
// second event left-aligned in the small font.
class RowDelegate : public QStyledItemDelegate {
public:
    explicit RowDelegate(CListeEphemerides* list) : QStyledItemDelegate(list), m_list(list) {}

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex&) const override
    {
        return QSize(m_list->tableWidth(), QFontMetrics(option.font).height());
    }

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        const bool selected = option.state & QStyle::State_Selected;
        const QPalette& pal = option.palette;
        painter->save();
        painter->fillRect(option.rect, selected ? pal.highlight() : pal.base());
        painter->setPen(selected ? pal.highlightedText().color() : pal.text().color());
        painter->setFont(option.font);
        const EphemerisColumns columns = splitEphemerisRow(index.data().toString().toStdString());
        const int left = option.rect.left();
        const int edges[3] = {left + m_list->dateColumn(), left + m_list->dateColumn() + m_list->firstColumn(),
                              left + m_list->dateColumn() + m_list->firstColumn() + m_list->secondColumn()};
        drawColumn(*painter, option, columns.date, edges[0], 0, false);
        drawColumn(*painter, option, columns.first, edges[1], edges[0], columns.smallColumn == 1);
        drawColumn(*painter, option, columns.second, edges[2], edges[1], columns.smallColumn == 2);
        if (option.state & QStyle::State_HasFocus) {
            QStyleOptionFocusRect focus;
            focus.QStyleOption::operator=(option);
            m_list->style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, painter, m_list);
        }
        painter->restore();
    }

private:
    void drawColumn(QPainter& painter, const QStyleOptionViewItem& option, const std::string& text, int right,
                    int left, bool small) const
    {
        const QString s = QString::fromStdString(text);
        const QFontMetrics fm(option.font);
        if (!small) {
            // Measured with its blanks, so that padded texts keep their place.
            painter.drawText(QPoint(right - fm.horizontalAdvance(s), option.rect.top() + 1 + fm.ascent()), s);
            return;
        }
        QFont smallFont = option.font;
        smallFont.setPixelSize(std::max(6, m_list->logicalDpiY() * 12 / 120));
        const QFontMetrics sm(smallFont);
        const int y = option.rect.top() + (option.rect.height() - sm.height()) / 2 + sm.ascent();
        painter.setFont(smallFont);
        painter.drawText(QPoint(left + fm.horizontalAdvance(QStringLiteral("  ")), y), s.trimmed());
        painter.setFont(option.font);
    }

    CListeEphemerides* m_list;
};

}  // namespace

CListeEphemerides::CListeEphemerides(QWidget* parent) : QListWidget(parent)
{
    setItemDelegate(new RowDelegate(this));
    setUniformItemSizes(true);
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    measureColumns();
}

void CListeEphemerides::measureColumns()
{
    const QFontMetrics fm(font());
    m_dateColumn = fm.horizontalAdvance(QStringLiteral("  30.12.2000"));
    m_firstColumn = fm.horizontalAdvance(QStringLiteral("    30.30"));
    m_secondColumn = fm.horizontalAdvance(QStringLiteral("     -30.30"));
}

int CListeEphemerides::tableWidth() const
{
    const int scrollBar = style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, this);
    return m_dateColumn + m_firstColumn + m_secondColumn + QFontMetrics(font()).horizontalAdvance(QStringLiteral("00")) +
           scrollBar * 3 / 2 + 2 * frameWidth();
}

void CListeEphemerides::setRows(const std::vector<std::string>& rows)
{
    setUpdatesEnabled(false);
    clear();
    QStringList texts;
    texts.reserve(static_cast<qsizetype>(rows.size()));
    for (const std::string& row : rows)
        texts << QString::fromStdString(row);
    addItems(texts);
    setUpdatesEnabled(true);
}

QString CListeEphemerides::copyText() const
{
    QList<int> rows;
    for (const QModelIndex& index : selectionModel()->selectedRows())
        rows << index.row();
    std::sort(rows.begin(), rows.end());
    if (rows.isEmpty())
        for (int i = 0; i < count(); ++i)
            rows << i;
    QString out = m_copyHeadings.join(QLatin1Char('\t')) + QLatin1Char('\n');
    for (int row : rows) {
        const EphemerisColumns c = splitEphemerisRow(item(row)->text().toStdString());
        out += trimmed(c.date) + QLatin1Char('\t') + trimmed(c.first) + QLatin1Char('\t') + trimmed(c.second) +
               QLatin1Char('\n');
    }
    return out;
}

void CListeEphemerides::keyPressEvent(QKeyEvent* event)
{
    if (event->matches(QKeySequence::Copy)) {
        QApplication::clipboard()->setText(copyText());
        event->accept();
        return;
    }
    QListWidget::keyPressEvent(event);
}

void CListeEphemerides::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::FontChange)
        measureColumns();
    QListWidget::changeEvent(event);
}

}  // namespace zarn
