// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The twilight of the day as a timeline: one row per change, with its time,
// and the band the day enters (civil, nautical or astronomical twilight) in
// the band's colour.
#include "tools/Twilight.h"
#include "tools/ui/CAlmanacPopup.h"

namespace zarn {

class CTwilightPopup : public CAlmanacPopup {
    Q_OBJECT
public:
    using CAlmanacPopup::CAlmanacPopup;

    void setRecord(const TwilightRecord& record);
    const TwilightRecord& record() const { return m_record; }

    // One row of the timeline: its time ("%5.2f", empty for the band in
    // force at midnight) and its band (3 when neither day nor night is a
    // twilight band).
    struct Row {
        QString time;
        int band = kNoTwilight;
    };
    std::vector<Row> rows() const;
    // Rows the popup makes room for: at least one, for a day without twilight.
    int shownRows() const;

    static QSize sizeFor(QSize viewClient, int rows);
    static QColor bandColour(int band);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    TwilightRecord m_record;
};

}  // namespace zarn
