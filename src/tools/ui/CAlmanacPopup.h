// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A small window shown beside the Sun-and-Moon window without taking the
// focus from it; a click into it hides it again. On the main window it lies
// in the work area over the other windows, never over dialogs or other
// programs, and goes away as soon as its window is no longer the active one
// or moves.
#include <QPointer>
#include <QWidget>

class QMdiSubWindow;

namespace zarn {

class CAlmanacPopup : public QWidget {
    Q_OBJECT
public:
    explicit CAlmanacPopup(QWidget* owner);

    // The light 3-D colour behind the popups and the almanac windows.
    static QColor background();
    // Gives a window that background.
    static void fillWithBackground(QWidget& widget);

    // Shows the popup with its top-left corner at a screen point.
    void showAt(QPoint globalTopLeft, QSize size);

signals:
    void hidden();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QMdiSubWindow* ownerFrame() const;
    void followFrame(QMdiSubWindow* frame);

    QPointer<QWidget> m_owner;
    QPointer<QMdiSubWindow> m_frame;
};

}  // namespace zarn
