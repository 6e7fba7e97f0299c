// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Alt + letter inside a window of the main window: the window's own control
// with that mnemonic answers before the menu bar, whose titles share letters
// with some controls ("&Conjonction" and "&Carte", "&Opposition" and
// "&Observatoire"). Elsewhere the menu bar keeps its letters. Ctrl+F4 closes
// the window, as its close button does; a window without one (the sky
// window) stays.
#include <QObject>
#include <QPointer>

class QKeyEvent;
class QMdiArea;
class QWidget;

namespace zarn {

class WindowMnemonics : public QObject {
public:
    // Watches the keyboard of the whole program for the windows of the area.
    explicit WindowMnemonics(QMdiArea* area);

    // The shown and enabled control of the window whose mnemonic is the key
    // (a button, a group box or a label with a buddy), or null.
    static QWidget* controlFor(QWidget* window, int key);
    // What Alt + the control's letter does: a button is clicked, a group box
    // or a label gives the focus to its first control.
    static void trigger(QWidget* control);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* focusedWindow() const;
    // The focused window when Ctrl+F4 may close it, else null.
    QWidget* closableWindow(const QKeyEvent& key) const;

    QMdiArea* m_area;
    QPointer<QWidget> m_pending;
    int m_pendingKey = 0;
};

}  // namespace zarn
