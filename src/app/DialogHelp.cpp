#include "app/DialogHelp.h"

#include "app/CHelpWindow.h"
#include "app/options/COptionsCarte.h"
#include "time/ui/CDateDlg.h"
#include "time/ui/CHeureEteDlg.h"
#include "time/ui/CLieuDlg.h"
#include "time/ui/CObservatoireDlg.h"

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
    if (qobject_cast<const COptionsCarte*>(dialog))
        return CHelpWindow::kChartOptions;
    return 0;
}

bool DialogHelp::eventFilter(QObject* watched, QEvent* event)
{
    const bool press = event->type() == QEvent::KeyPress;
    const bool override = event->type() == QEvent::ShortcutOverride;
    if ((press || override) && static_cast<QKeyEvent*>(event)->key() == Qt::Key_F1) {
        const QWidget* widget = qobject_cast<QWidget*>(watched);
        int context = widget ? contextOf(widget->window()) : 0;
        // A window inside the main window names its page by a property; F1
        // then stays with it instead of opening the manual.
        for (const QWidget* w = widget; w && !context; w = w->parentWidget())
            context = w->property("helpContext").toInt();
        if (context) {
            if (override)
                event->accept();
            else
                CHelpWindow::showContext(context);
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace zarn
