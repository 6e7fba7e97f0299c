// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The dialogs the document's commands open: the observatory list, the chart
// options, summer time, the seasons, and the solar-system ephemerides, which
// stay open beside the windows and follow the document. They open over the
// animation window when one is open, else over the sky window.
#include <QObject>
#include <QPointer>

class QWidget;

namespace zarn {

class CSystemeSolaireDlg;
class CZarnDoc;

class DocDialogs {
public:
    explicit DocDialogs(CZarnDoc& doc) : m_doc(doc) {}

    void runObservatoryList();
    void runChartOptions();
    void runSummerTime();
    void openEphemerides();
    void runSeasons();
    // The ephemerides dialog while it is open, else null.
    CSystemeSolaireDlg* ephemeridesDialog() const;

private:
    void centreOverWindows(QWidget& dialog) const;

    CZarnDoc& m_doc;
    QPointer<QObject> m_ephemerides;
};

}  // namespace zarn
