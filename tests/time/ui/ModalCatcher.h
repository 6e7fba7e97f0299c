// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Answers the modal message boxes that a window opens during a test: every
// box is recorded with its text and closed with the chosen button.
#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTimer>

#include <functional>

namespace zarn::test {

class ModalCatcher {
public:
    explicit ModalCatcher(QMessageBox::StandardButton answer = QMessageBox::Ok) : m_answer(answer)
    {
        m_timer.setInterval(10);
        QObject::connect(&m_timer, &QTimer::timeout, [this] { poll(); });
        m_timer.start();
    }

    // A custom action for a modal dialog other than a message box.
    void onDialog(std::function<void(QWidget*)> handler) { m_dialogHandler = std::move(handler); }

    QStringList texts;
    QStringList titles;

private:
    void poll()
    {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal)
            return;
        if (auto* box = qobject_cast<QMessageBox*>(modal)) {
            texts << box->text();
            titles << box->windowTitle();
            QAbstractButton* button = box->button(m_answer);
            if (button)
                button->click();
            else
                box->reject();
        } else if (m_dialogHandler) {
            m_dialogHandler(modal);
        }
    }

    QMessageBox::StandardButton m_answer;
    QTimer m_timer;
    std::function<void(QWidget*)> m_dialogHandler;
};

}  // namespace zarn::test
