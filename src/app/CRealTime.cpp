// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/CRealTime.h"

#include "app/CZarnDoc.h"
#include "time/TimeSteps.h"

#include <ctime>

namespace zarn {

CRealTime::CRealTime(CZarnDoc& doc) : QObject(&doc), m_doc(doc), m_clock([] { return std::int64_t(std::time(nullptr)); })
{
    m_timer.setInterval(kTickMs);
    connect(&m_timer, &QTimer::timeout, this, &CRealTime::tick);
}

void CRealTime::setOn(bool on)
{
    if (on == m_on)
        return;
    m_on = on;
    if (on) {
        m_lastChartUpdate = m_clock();
        setToClock(m_doc.instant(), m_lastChartUpdate);
        m_doc.clockMoved(true);
        m_timer.start();
    } else {
        m_timer.stop();
    }
}

void CRealTime::tick()
{
    if (!m_on)
        return;
    const std::int64_t now = m_clock();
    CInstant& instant = m_doc.instant();
    const int shownMinute = instant.hour() * 60 + instant.minute();
    setToClock(instant, now);
    // The status bar and the charts name the time to the minute: they follow
    // a new minute at once, and the slow turn of the sky every ten seconds.
    const bool chartsDue = now - m_lastChartUpdate >= kChartSeconds || now < m_lastChartUpdate ||
                           instant.hour() * 60 + instant.minute() != shownMinute;
    if (chartsDue)
        m_lastChartUpdate = now;
    m_doc.clockMoved(chartsDue);
}

}  // namespace zarn
