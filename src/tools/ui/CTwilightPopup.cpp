// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/ui/CTwilightPopup.h"

#include "charts/QtColour.h"

#include "ui/NightMode.h"

#include "time/Calendar.h"

#include <QPainter>

#include <algorithm>

namespace zarn {

void CTwilightPopup::setRecord(const TwilightRecord& record)
{
    m_record = record;
    update();
}

std::vector<CTwilightPopup::Row> CTwilightPopup::rows() const
{
    std::vector<Row> out;
    // The day begins in twilight: that band first, without a time.
    if (m_record.startBand < kNoTwilight)
        out.push_back({QString(), m_record.startBand});
    for (int i = 0; i < m_record.count; ++i) {
        const TwilightEntry& e = m_record.entries[static_cast<std::size_t>(i)];
        out.push_back({QString::asprintf("%5.2f", toPackedMinutes(e.time)), e.bandAfter});
    }
    return out;
}

QSize CTwilightPopup::sizeFor(QSize viewClient, int rows)
{
    const int w = viewClient.width();
    return QSize((w - 2 * (w / 10)) * 18 / 17, viewClient.height() * (5 * rows + 15) / 65);
}

int CTwilightPopup::shownRows() const
{
    // A day without twilight keeps one row for the line that says so.
    return std::max(m_record.rows, 1);
}

QColor CTwilightPopup::bandColour(int band)
{
    switch (band) {
    case kAstronomical: return toQColor(kAstronomicalTwilightColour);
    case kNautical: return toQColor(kNauticalTwilightColour);
    case kCivil: return toQColor(kCivilTwilightColour);
    default: return background();
    }
}

void CTwilightPopup::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const int W = width();
    const int H = height();
    painter.fillRect(rect(), background());
    const QFontMetrics fm(font());
    const int tw = fm.horizontalAdvance(QStringLiteral("  20.00    "));
    const double slot = static_cast<double>(H) / (shownRows() + 3);
    auto slotTop = [slot](int k) { return static_cast<int>(k * slot); };

    QFont bold = font();
    bold.setBold(true);
    painter.setFont(bold);
    painter.setPen(night::ink());
    painter.drawText(QRect(0, 0, W, slotTop(2)), Qt::AlignCenter, QStringLiteral("CRÉPUSCULES"));
    painter.setFont(font());

    if (const QString none = QString::fromStdString(noTwilightText(m_record)); !none.isEmpty())
        painter.drawText(QRect(0, slotTop(2), W, slotTop(3) - slotTop(2)).adjusted(4, 0, -4, 0),
                         Qt::AlignCenter | Qt::TextWordWrap, none);
    int k = 2;
    for (const Row& row : rows()) {
        const int top = slotTop(k);
        if (!row.time.isEmpty()) {
            painter.setPen(night::ink());
            painter.drawLine(tw - 3, top, W, top);
            painter.drawText(QPoint(8 * tw / 10 - fm.horizontalAdvance(row.time), top + fm.ascent() / 2), row.time);
        }
        if (row.band < kNoTwilight) {
            const QRect band(QPoint(tw, top), QPoint(W - 1, slotTop(k + 1) - 1));
            painter.fillRect(band, bandColour(row.band));
            painter.setPen(Qt::white);
            painter.drawText(band.adjusted(0, 0, -10, 0), Qt::AlignRight | Qt::AlignVCenter,
                             QString::fromUtf8(twilightBandName(row.band)));
        }
        ++k;
    }
}

}  // namespace zarn
