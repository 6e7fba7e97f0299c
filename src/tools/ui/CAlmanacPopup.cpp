#include "tools/ui/CAlmanacPopup.h"

#include <QMouseEvent>

namespace zarn {

CAlmanacPopup::CAlmanacPopup(QWidget* owner) : QWidget(owner, Qt::Tool | Qt::FramelessWindowHint)
{
    setAttribute(Qt::WA_ShowWithoutActivating);
    setFocusPolicy(Qt::NoFocus);
    hide();
}

void CAlmanacPopup::showAt(QPoint globalTopLeft, QSize size)
{
    setGeometry(QRect(globalTopLeft, size));
    show();
    raise();
}

void CAlmanacPopup::mousePressEvent(QMouseEvent* event)
{
    event->accept();
    hide();
}

void CAlmanacPopup::hideEvent(QHideEvent* event)
{
    QWidget::hideEvent(event);
    emit hidden();
}

QColor CAlmanacPopup::background() { return QColor(227, 227, 227); }

void CAlmanacPopup::fillWithBackground(QWidget& widget)
{
    widget.setAutoFillBackground(true);
    QPalette pal = widget.palette();
    pal.setColor(QPalette::Window, background());
    widget.setPalette(pal);
}

}  // namespace zarn
