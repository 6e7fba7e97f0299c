// SPDX-License-Identifier: GPL-3.0-or-later
// The almanac dialogs: the solar-system ephemerides, which stay open beside
// the windows and follow the document, and the seasons.
#include "app/DocDialogs.h"

#include "app/CZarnDoc.h"
#include "shell/CMainFrame.h"
#include "tools/ui/CSaisonsDlg.h"
#include "tools/ui/CSystemeSolaireDlg.h"

#include <QMdiArea>
#include <QMdiSubWindow>

namespace zarn {

CSystemeSolaireDlg* DocDialogs::ephemeridesDialog() const
{
    return static_cast<CSystemeSolaireDlg*>(m_ephemerides.data());
}

void DocDialogs::openEphemerides()
{
    // The active window may name a body and a date (a conjunction found, an
    // animation); otherwise the viewed planet on the document's date.
    int body = m_doc.viewedPlanet() >= 0 ? m_doc.viewedPlanet() : 0;
    CDateHeure date = m_doc.instant();
    const CDocView* view = m_doc.activeView();
    const bool asked = view && view->ephemeridesRequest(&body, &date);

    CSystemeSolaireDlg* dialog = ephemeridesDialog();
    const bool isNew = dialog == nullptr;
    if (isNew) {
        dialog = new CSystemeSolaireDlg(m_doc.bodies(), m_doc.instant(), &m_doc.frame());
        m_ephemerides = dialog;
        CDocView* asView = dialog;
        m_doc.AddView(asView);
        QObject::connect(dialog, &QObject::destroyed, &m_doc, [this, asView] {
            m_doc.RemoveView(asView);
            // The command is enabled again once the dialog is gone.
            QMetaObject::invokeMethod(&m_doc, &CZarnDoc::updateCommandStates, Qt::QueuedConnection);
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
    m_doc.updateCommandStates();
}

void DocDialogs::runSeasons()
{
    const CInstant& instant = m_doc.instant();
    CSaisonsDlg dialog(m_doc.bodies().sun, instant.place(), instant.year(), &m_doc.frame());
    dialog.adjustSize();
    centreOverWindows(dialog);
    dialog.exec();
}

void DocDialogs::centreOverWindows(QWidget& dialog) const
{
    // Over the animation window when one is open, else over the sky window.
    CMainFrame& frame = m_doc.frame();
    QWidget* over = frame.skyFrame();
    for (QMdiSubWindow* w : frame.mdiArea()->subWindowList())
        if (const CDocView* v = viewOfFrame(w); v && v->viewKind() == ViewKind::Animation)
            over = w;
    if (!over)
        return;
    const QPoint centre = over->mapToGlobal(over->rect().center());
    dialog.move(centre - QPoint(dialog.width() / 2, dialog.height() / 2));
}

}  // namespace zarn
