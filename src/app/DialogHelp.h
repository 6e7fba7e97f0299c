// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Rules every dialog of the program follows: F1 opens the help page of the
// dialog, a dialog of fixed size gets a frame with a title and a close
// button but no minimise or maximise button, and every window opens within
// the screen.
#include <QObject>

namespace zarn {

class DialogHelp : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;
    // The help context of the window a widget belongs to; 0 when it has no page.
    static int contextOf(const QWidget* dialog);
    // Whether the window is a dialog whose size cannot change.
    static bool isFixedDialog(const QWidget* window);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    static void trimFrame(QWidget* dialog);
    static void keepOnScreen(QWidget* window);
};

}  // namespace zarn
