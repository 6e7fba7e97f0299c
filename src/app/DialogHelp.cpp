// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/DialogHelp.h"

#include "ui/CHelpWindow.h"
#include "app/options/COptionsCarte.h"
#include "shell/WindowArrangement.h"
#include "time/ui/CDateDlg.h"
#include "time/ui/CHeureEteDlg.h"
#include "time/ui/CLieuDlg.h"
#include "time/ui/CObservatoireDlg.h"
#include "tools/ui/CAnimationView.h"
#include "tools/ui/CConjonctionView.h"

#include <QApplication>
#include <QDialog>
#include <QKeyEvent>
#include <QLayout>
#include <QPrintPreviewDialog>
#include <QScreen>
#include <QStyle>
#include <QWindow>

namespace zarn {

int DialogHelp::contextOf(const QWidget* dialog)
{
    // A window that names its own help context (the tool windows and their
    // dialogs), from the focused control outwards.
    for (const QWidget* w = dialog; w; w = w->parentWidget()) {
        // A print preview has the printing page, whatever window it shows.
        if (qobject_cast<const QPrintPreviewDialog*>(w))
            return CHelpWindow::kPrintTopic;
        if (const QVariant context = w->property("helpContext"); context.isValid())
            return context.toInt();
        if (qobject_cast<const CConjonctionView*>(w))
            return 182;
        if (qobject_cast<const CAnimationView*>(w))
            return 453;
    }
    dialog = dialog ? dialog->window() : nullptr;
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

bool DialogHelp::isFixedDialog(const QWidget* window)
{
    if (!qobject_cast<const QDialog*>(window) || !window->isWindow())
        return false;
    if (window->layout() && window->layout()->sizeConstraint() == QLayout::SetFixedSize)
        return true;
    return window->minimumSize() == window->maximumSize();
}

void DialogHelp::trimFrame(QWidget* dialog)
{
    // At Show the native window exists but is not yet mapped: the window
    // manager reads the new hints when it maps it.
    QWindow* window = dialog->windowHandle();
    if (!window)
        return;
    Qt::WindowFlags flags = window->flags();
    flags &= ~(Qt::WindowMinMaxButtonsHint | Qt::WindowContextHelpButtonHint);
    flags |= Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
    if (flags != window->flags())
        window->setFlags(flags);
}

void DialogHelp::keepOnScreen(QWidget* window)
{
    const QScreen* screen = window->screen();
    if (!screen || window->isMaximized() || window->isFullScreen())
        return;
    // The frame, title bar included, stays in reach. Before the window
    // manager has framed the window its size is not known: room is left for
    // a title bar.
    const QRect frame = window->frameGeometry();
    const QRect client = window->geometry();
    QMargins margins(client.left() - frame.left(), client.top() - frame.top(), frame.right() - client.right(),
                     frame.bottom() - client.bottom());
    if (margins.isNull())
        margins.setTop(window->style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, window));
    const QRect area = screen->availableGeometry().marginsRemoved(margins);
    if (!window->testAttribute(Qt::WA_Moved)) {
        // Not placed yet: the window manager places it, once it fits.
        if (const QSize size = window->size().boundedTo(area.size()); size != window->size())
            window->resize(size);
        return;
    }
    if (const QRect inside = keptInside(window->geometry(), area); inside != window->geometry())
        window->setGeometry(inside);
}

bool DialogHelp::eventFilter(QObject* watched, QEvent* event)
{
    const QEvent::Type type = event->type();
    if (type == QEvent::Show) {
        auto* widget = qobject_cast<QWidget*>(watched);
        if (isFixedDialog(widget))
            trimFrame(widget);
        // Every window, however large it asks to be, opens within the screen
        // (a small screen, or one magnified by a scale factor).
        if (widget && (widget->windowType() == Qt::Window || widget->windowType() == Qt::Dialog))
            keepOnScreen(widget);
    }
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
