// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/WindowMnemonics.h"

#include <QAbstractButton>
#include <QApplication>
#include <QGroupBox>
#include <QKeyEvent>
#include <QKeySequence>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>

namespace zarn {

namespace {

// The key of the letter after "&" in a text, 0 when there is none.
int mnemonicKey(const QString& text)
{
    const QKeySequence sequence = QKeySequence::mnemonic(text);
    return sequence.isEmpty() ? 0 : sequence[0].key();
}

QString mnemonicText(const QWidget* w)
{
    if (auto* button = qobject_cast<const QAbstractButton*>(w))
        return button->text();
    if (auto* box = qobject_cast<const QGroupBox*>(w))
        return box->title();
    if (auto* label = qobject_cast<const QLabel*>(w); label && label->buddy())
        return label->text();
    return {};
}

// The first control after the widget in the tab order that lies inside it.
void focusFirstInside(QWidget* container)
{
    for (QWidget* w = container->nextInFocusChain(); w && w != container; w = w->nextInFocusChain()) {
        if (!container->isAncestorOf(w))
            continue;
        if (w->isVisible() && w->isEnabled() && (w->focusPolicy() & Qt::TabFocus)) {
            w->setFocus(Qt::ShortcutFocusReason);
            return;
        }
    }
}

}  // namespace

WindowMnemonics::WindowMnemonics(QMdiArea* area) : QObject(area), m_area(area)
{
    qApp->installEventFilter(this);
}

QWidget* WindowMnemonics::controlFor(QWidget* window, int key)
{
    if (!window || key == 0)
        return nullptr;
    for (QWidget* w : window->findChildren<QWidget*>())
        if (w->isVisible() && w->isEnabled() && mnemonicKey(mnemonicText(w)) == key)
            return w;
    return nullptr;
}

void WindowMnemonics::trigger(QWidget* control)
{
    if (auto* button = qobject_cast<QAbstractButton*>(control)) {
        button->setFocus(Qt::ShortcutFocusReason);
        button->animateClick();
    } else if (auto* box = qobject_cast<QGroupBox*>(control)) {
        if (box->isCheckable())
            box->setChecked(!box->isChecked());
        focusFirstInside(box);
    } else if (auto* label = qobject_cast<QLabel*>(control); label && label->buddy()) {
        label->buddy()->setFocus(Qt::ShortcutFocusReason);
    }
}

QWidget* WindowMnemonics::focusedWindow() const
{
    for (QWidget* w = QApplication::focusWidget(); w; w = w->parentWidget())
        if (auto* window = qobject_cast<QMdiSubWindow*>(w))
            return window->mdiArea() == m_area ? window : nullptr;
    return nullptr;
}

QWidget* WindowMnemonics::closableWindow(const QKeyEvent& key) const
{
    if (key.key() != Qt::Key_F4 || (key.modifiers() & ~Qt::KeypadModifier) != Qt::ControlModifier)
        return nullptr;
    QWidget* window = focusedWindow();
    const Qt::WindowFlags flags = window ? window->windowFlags() : Qt::WindowFlags();
    return window && (!(flags & Qt::CustomizeWindowHint) || (flags & Qt::WindowCloseButtonHint)) ? window : nullptr;
}

bool WindowMnemonics::eventFilter(QObject* watched, QEvent* event)
{
    const QEvent::Type type = event->type();
    if (type != QEvent::ShortcutOverride && type != QEvent::KeyPress)
        return QObject::eventFilter(watched, event);
    auto* key = static_cast<QKeyEvent*>(event);
    if (QWidget* window = closableWindow(*key)) {
        // The override is taken so that the press comes here.
        if (type == QEvent::KeyPress)
            window->close();
        key->accept();
        return true;
    }
    const Qt::KeyboardModifiers mods = key->modifiers() & ~(Qt::ShiftModifier | Qt::KeypadModifier);
    if (type == QEvent::KeyPress) {
        // The press whose shortcut was kept from the menu bar.
        if (m_pending && key->key() == m_pendingKey && mods == Qt::AltModifier) {
            QWidget* control = m_pending;
            m_pending = nullptr;
            trigger(control);
            return true;
        }
        return QObject::eventFilter(watched, event);
    }
    if (mods != Qt::AltModifier)
        return QObject::eventFilter(watched, event);
    if (QWidget* control = controlFor(focusedWindow(), key->key())) {
        // Accepting the override turns the shortcut into a key press, which
        // comes back here and reaches the control.
        m_pending = control;
        m_pendingKey = key->key();
        key->accept();
        return true;
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace zarn
