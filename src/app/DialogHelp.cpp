#include "app/DialogHelp.h"

#include "app/CHelpWindow.h"
#include "time/ui/CDateDlg.h"
#include "time/ui/CHeureEteDlg.h"
#include "time/ui/CLieuDlg.h"
#include "time/ui/CObservatoireDlg.h"
#include "tools/ui/CAnimationView.h"
#include "tools/ui/CConjonctionView.h"

#include <QApplication>
#include <QKeyEvent>

namespace zarn {

int DialogHelp::contextOf(const QWidget* dialog)
{
    if (qobject_cast<const CLieuDlg*>(dialog))
        return 485;
    if (qobject_cast<const CObservatoireDlg*>(dialog))
        return 483;
    if (qobject_cast<const CDateDlg*>(dialog))
        return 101;
    if (qobject_cast<const CHeureEteDlg*>(dialog))
        return 114;
    if (qobject_cast<const CConjonctionView*>(dialog))
        return 182;
    if (qobject_cast<const CAnimationView*>(dialog))
        return 453;
    return 0;
}

namespace {
// The help context of the window, or of the tool window inside the main
// window, that holds the widget.
int contextAround(const QWidget* widget)
{
    for (; widget; widget = widget->parentWidget()) {
        if (const int context = DialogHelp::contextOf(widget))
            return context;
        if (widget->isWindow())
            break;
    }
    return 0;
}
}  // namespace

bool DialogHelp::eventFilter(QObject* watched, QEvent* event)
{
    const bool shortcut = event->type() == QEvent::ShortcutOverride;
    if ((shortcut || event->type() == QEvent::KeyPress) && static_cast<QKeyEvent*>(event)->key() == Qt::Key_F1) {
        const QWidget* widget = qobject_cast<QWidget*>(watched);
        if (const int context = contextAround(widget)) {
            // Inside a tool window F1 is that window's help, not the manual's
            // shortcut: the key comes back as a key press.
            if (shortcut)
                event->accept();
            else
                CHelpWindow::showContext(context);
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace zarn
