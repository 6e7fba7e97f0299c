// SPDX-License-Identifier: GPL-3.0-or-later
// The commands of the observer at the telescope: steps of time shorter than a
// day, the instant that follows the clock, and night mode.
#include "app/CZarnDoc.h"

#include "app/CRealTime.h"
#include "ui/Hints.h"
#include "shell/CMainFrame.h"
#include "settings/DisplayOptionTable.h"
#include "ui/CommandIds.h"
#include "time/TimeSteps.h"

#include <QApplication>

namespace zarn {

namespace {
// Step sizes in hours of universal time, in the order of the command pairs.
constexpr double kStepHours[4] = {1.0 / 60.0, 10.0 / 60.0, 1.0, kSiderealDayHours};

double stepHoursOf(int commandId)
{
    const int k = commandId - cmd::NextMinute;
    return k % 2 == 0 ? kStepHours[k / 2] : -kStepHours[k / 2];
}
}  // namespace

void CZarnDoc::stepTime(int commandId)
{
    m_realTime->setOn(false);
    // The program's dates run from 1901 to 2099: no step past either end.
    if (!stepUniversalHours(m_instant, stepHoursOf(commandId))) {
        QApplication::beep();
        return;
    }
    instantChanged();
}

void CZarnDoc::clockMoved(bool chartsDue)
{
    if (chartsDue)
        instantChanged();
    else
        refreshTimeBar();
}

void CZarnDoc::toggleOption(const DisplayOption& option)
{
    option.inDocument.set(m_options, option.inDocument.get(m_options) ? 0 : 1);
    // Night mode reaches every window; the charts draw again.
    m_frame.setNightMode(m_options.nightMode != 0);
    UpdateAllViews(nullptr, hint::Options);
}

}  // namespace zarn
