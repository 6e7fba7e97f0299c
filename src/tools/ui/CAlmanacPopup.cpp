// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/ui/CAlmanacPopup.h"

#include "charts/QtColour.h"

#include "ui/NightMode.h"

#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMouseEvent>

#include <algorithm>

namespace zarn {

CAlmanacPopup::CAlmanacPopup(QWidget* owner) : QWidget(owner, Qt::Tool | Qt::FramelessWindowHint), m_owner(owner)
{
    setAttribute(Qt::WA_ShowWithoutActivating);
    setFocusPolicy(Qt::NoFocus);
    hide();
}

QMdiSubWindow* CAlmanacPopup::ownerFrame() const
{
    for (QWidget* w = m_owner; w; w = w->parentWidget())
        if (auto* frame = qobject_cast<QMdiSubWindow*>(w))
            return frame->mdiArea() ? frame : nullptr;
    return nullptr;
}

void CAlmanacPopup::followFrame(QMdiSubWindow* frame)
{
    // A child of the work area rather than a window of its own: the main
    // window's dialogs and the other programs' windows come over it.
    m_frame = frame;
    setParent(frame->mdiArea()->viewport());
    frame->installEventFilter(this);
    connect(frame->mdiArea(), &QMdiArea::subWindowActivated, this, [this](QMdiSubWindow* active) {
        if (active != m_frame)
            hide();
    });
    // The popup no longer dies with its window as a child would.
    connect(m_owner, &QObject::destroyed, this, &QObject::deleteLater);
}

void CAlmanacPopup::showAt(QPoint globalTopLeft, QSize size)
{
    QMdiSubWindow* frame = ownerFrame();
    if (frame && frame != m_frame)
        followFrame(frame);
    if (!m_frame) {
        setGeometry(QRect(globalTopLeft, size));
    } else {
        // Wholly inside the work area when it is large enough.
        const QRect area = parentWidget()->rect();
        QRect place(parentWidget()->mapFromGlobal(globalTopLeft), size);
        place.moveLeft(std::max(area.left(), std::min(place.left(), area.right() + 1 - size.width())));
        place.moveTop(std::max(area.top(), std::min(place.top(), area.bottom() + 1 - size.height())));
        setGeometry(place);
    }
    show();
    raise();
}

bool CAlmanacPopup::eventFilter(QObject* watched, QEvent* event)
{
    // Its window moved away, shrank to an icon or closed: the popup would
    // point at nothing.
    if (watched == m_frame) {
        switch (event->type()) {
        case QEvent::Move:
        case QEvent::Resize:
        case QEvent::Hide:
        case QEvent::WindowStateChange: hide(); break;
        default: break;
        }
    }
    return QWidget::eventFilter(watched, event);
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

QColor CAlmanacPopup::background() { return night::paper(toQColor(kAlmanacPaperColour)); }

namespace {
void applyBackground(QWidget& widget)
{
    QPalette pal = widget.palette();
    pal.setColor(QPalette::Window, CAlmanacPopup::background());
    widget.setPalette(pal);
}

// Night mode changes the application's palette: the background follows.
class BackgroundFollower : public QObject {
public:
    using QObject::QObject;
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::ApplicationPaletteChange)
            applyBackground(*static_cast<QWidget*>(watched));
        return false;
    }
};
}  // namespace

void CAlmanacPopup::fillWithBackground(QWidget& widget)
{
    widget.setAutoFillBackground(true);
    applyBackground(widget);
    widget.installEventFilter(new BackgroundFollower(&widget));
}

}  // namespace zarn
