#include "app/DialogHelp.h"

#include "app/CHelpWindow.h"
#include "time/ui/CDateDlg.h"
#include "time/ui/CHeureEteDlg.h"
#include "time/ui/CLieuDlg.h"
#include "time/ui/CObservatoireDlg.h"

#include <QApplication>
#include <QKeyEvent>

namespace zarn {

int DialogHelp::contextOf(const QWidget* dialog)
{
    // A window that names its own help context (the tool windows and their
    // dialogs), from the focused control outwards.
    for (const QWidget* w = dialog; w; w = w->parentWidget())
        if (const QVariant context = w->property("helpContext"); context.isValid())
            return context.toInt();
    dialog = dialog ? dialog->window() : nullptr;
    if (qobject_cast<const CLieuDlg*>(dialog))
        return 485;
    if (qobject_cast<const CObservatoireDlg*>(dialog))
        return 483;
    if (qobject_cast<const CDateDlg*>(dialog))
        return 101;
    if (qobject_cast<const CHeureEteDlg*>(dialog))
        return 114;
    return 0;
}

bool DialogHelp::eventFilter(QObject* watched, QEvent* event)
{
    const QEvent::Type type = event->type();
    if ((type == QEvent::KeyPress || type == QEvent::ShortcutOverride) &&
        static_cast<QKeyEvent*>(event)->key() == Qt::Key_F1) {
        const QWidget* widget = qobject_cast<QWidget*>(watched);
        if (const int context = widget ? contextOf(widget) : 0) {
            // In a window with its own page, F1 is that page's key, not the
            // main window's shortcut to the manual.
            if (type == QEvent::ShortcutOverride)
                event->accept();
            else
                CHelpWindow::showContext(context);
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace zarn
