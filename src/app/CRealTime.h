// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Real time: the document's instant kept at the present of a clock that tests
// can replace. Every second the instant takes the clock's time; the time bar
// follows at once, the charts every ten seconds and at each new legal minute,
// so that a tick that changes nothing visible costs next to nothing.
#include <QObject>
#include <QTimer>

#include <cstdint>
#include <functional>

namespace zarn {

class CZarnDoc;

class CRealTime : public QObject {
    Q_OBJECT
public:
    // Seconds since 1 January 1970 at 0 h universal time.
    using Clock = std::function<std::int64_t()>;
    static constexpr int kTickMs = 1000;
    static constexpr int kChartSeconds = 10;

    explicit CRealTime(CZarnDoc& doc);

    void setClock(Clock clock) { m_clock = std::move(clock); }
    bool isOn() const { return m_on; }
    // On: the instant goes to the present and follows the clock. Off: it
    // stays where it is.
    void setOn(bool on);
    // One step of the clock: the instant to its present; the document
    // updates the time bar, and the charts when one is due.
    void tick();

private:
    CZarnDoc& m_doc;
    Clock m_clock;
    QTimer m_timer;
    bool m_on = false;
    std::int64_t m_lastChartUpdate = 0;
};

}  // namespace zarn
