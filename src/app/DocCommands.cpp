// SPDX-License-Identifier: GPL-3.0-or-later
// The document's instant and place: the date commands, a date chosen in a
// tool window, a new observatory list, and the time bar that shows them.
#include "app/CZarnDoc.h"

#include "ui/Hints.h"
#include "charts/ui/SkyChartSet.h"
#include "app/CRealTime.h"
#include "shell/CMainFrame.h"
#include "ui/CommandIds.h"
#include "time/Calendar.h"
#include "time/TimeBar.h"
#include "time/ui/CDateDlg.h"
#include "time/ui/CTimeBar.h"
#include "tools/DayClock.h"

#include <QApplication>

namespace zarn {

void CZarnDoc::dateChanged(int commandId)
{
    switch (commandId) {
    case cmd::CurrentDate:
        m_instant.setNow();
        break;
    case cmd::NewDate: {
        CDateHeure edited = m_instant;
        CDateDlg dialog(edited, m_instant.place(), &m_frame);
        if (dialog.run() != QDialog::Accepted)
            return;
        m_realTime->setOn(false);
        m_instant = edited;
        m_instant.recompute();
        m_instant.refreshTexts();
        break;
    }
    default:
        // The program's dates run from 1901 to 2099: no step past either end.
        if (const int year = addDays(m_instant, commandId == cmd::NextDay ? 1 : -1).year(); year < 1901 || year > 2099) {
            QApplication::beep();
            return;
        }
        m_realTime->setOn(false);
        m_instant.shiftByDays(commandId == cmd::NextDay ? 1.0 : -1.0);
        m_instant.recompute();
        m_instant.refreshTexts();
        break;
    }
    instantChanged();
}

void CZarnDoc::setInstant(const CInstant& instant)
{
    m_realTime->setOn(false);
    m_instant = instant;
    m_instant.recompute();
    m_instant.refreshTexts();
    instantChanged();
}

void CZarnDoc::instantChanged()
{
    if (m_charts)
        m_charts->Chart(m_navigator.chartKind()).RefreshSiderealTime();
    UpdateAllViews(nullptr, m_navigator.followTarget() | hint::Date);
}

void CZarnDoc::setObservatories(std::vector<CLieu> list)
{
    if (list.empty())
        return;  // the document always has a current place
    m_observatories = std::move(list);
    if (m_observatories.front() == m_instant.place())
        return;
    m_instant.setPlace(m_observatories.front());
    m_instant.refreshTexts();
    UpdateAllViews(nullptr, hint::Place);
}

void CZarnDoc::refreshTimeBar()
{
    if (!m_frame.isTimeBarVisible())
        return;
    CInstant copy = m_instant;
    copy.setSecond(0);
    CSoleil& sun = bodies().sun;
    sun.Compute(copy);
    m_frame.timeBar()->refresh(timeBarTexts(copy, sun.GetAlpha()));
}

}  // namespace zarn
