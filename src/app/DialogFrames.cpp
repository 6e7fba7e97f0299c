#include "app/DialogFrames.h"

#include <QDialog>
#include <QEvent>
#include <QLayout>
#include <QWindow>

namespace zarn {

bool DialogFrames::isFixedDialog(const QWidget* window)
{
    if (!qobject_cast<const QDialog*>(window) || !window->isWindow())
        return false;
    if (window->layout() && window->layout()->sizeConstraint() == QLayout::SetFixedSize)
        return true;
    return window->minimumSize() == window->maximumSize();
}

bool DialogFrames::eventFilter(QObject* watched, QEvent* event)
{
    // At Show the native window exists but is not yet mapped: the window
    // manager reads the new hints when it maps it.
    if (event->type() == QEvent::Show) {
        auto* widget = qobject_cast<QWidget*>(watched);
        if (isFixedDialog(widget) && widget->windowHandle()) {
            Qt::WindowFlags flags = widget->windowHandle()->flags();
            flags &= ~(Qt::WindowMinMaxButtonsHint | Qt::WindowContextHelpButtonHint);
            flags |= Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                     Qt::WindowCloseButtonHint;
            if (flags != widget->windowHandle()->flags())
                widget->windowHandle()->setFlags(flags);
        }
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace zarn
