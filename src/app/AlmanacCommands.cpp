// SPDX-License-Identifier: GPL-3.0-or-later
// The document's almanac dialogs: the solar-system ephemerides, which stay
// open beside the windows and follow the document, and the seasons.
#include "app/CZarnDoc.h"

#include "shell/CMainFrame.h"
#include "tools/ui/CSaisonsDlg.h"
#include "tools/ui/CSystemeSolaireDlg.h"

#include <QMdiArea>
#include <QMdiSubWindow>

namespace zarn {

CSystemeSolaireDlg* CZarnDoc::ephemeridesDialog() const
{
    return static_cast<CSystemeSolaireDlg*>(m_ephemerides.data());
}

void CZarnDoc::openEphemerides()
{
    // The active window may name a body and a date (a conjunction found, an
    // animation); otherwise the viewed planet on the document's date.
    int body = m_viewedPlanet >= 0 ? m_viewedPlanet : 0;
    CDateHeure date = m_instant;
    const CDocView* view = activeView();
    const bool asked = view && view->ephemeridesRequest(&body, &date);

    CSystemeSolaireDlg* dialog = ephemeridesDialog();
    const bool isNew = dialog == nullptr;
    if (isNew) {
        dialog = new CSystemeSolaireDlg(bodies(), m_instant, &m_frame);
        m_ephemerides = dialog;
        CDocView* asView = dialog;
        AddView(asView);
        connect(dialog, &QObject::destroyed, this, [this, asView] {
            RemoveView(asView);
            // The command is enabled again once the dialog is gone.
            QMetaObject::invokeMethod(this, &CZarnDoc::updateCommandStates, Qt::QueuedConnection);
        });
    }
    if (isNew || asked)
        dialog->showBodyAndDate(body, date);
    if (isNew) {
        dialog->adjustSize();
        centreOverWindows(*dialog);
    }
    dialog->show();
    dialog->raise();
    dialog->activateWindow();
    updateCommandStates();
}

void CZarnDoc::runSeasons()
{
    CSaisonsDlg dialog(bodies().sun, m_instant.place(), m_instant.year(), &m_frame);
    dialog.adjustSize();
    centreOverWindows(dialog);
    dialog.exec();
}

void CZarnDoc::centreOverWindows(QWidget& dialog) const
{
    // Over the animation window when one is open, else over the sky window.
    QWidget* over = m_frame.skyFrame();
    for (QMdiSubWindow* w : m_frame.mdiArea()->subWindowList())
        if (const CDocView* v = viewOfFrame(w); v && v->viewKind() == ViewKind::Animation)
            over = w;
    if (!over)
        return;
    const QPoint centre = over->mapToGlobal(over->rect().center());
    dialog.move(centre - QPoint(dialog.width() / 2, dialog.height() / 2));
}

}  // namespace zarn
