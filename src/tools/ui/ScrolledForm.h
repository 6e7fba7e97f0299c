// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A proportional form inside a scroll area. The form follows the window's
// size, but never below the size at which every control shows its whole
// text: a smaller window scrolls the form instead of squeezing it.
#include <QScrollArea>

#include "tools/ui/ProportionalForm.h"

namespace zarn {

class ScrolledForm : public QScrollArea {
    Q_OBJECT
public:
    ScrolledForm(QSize design, QWidget* parent);

    // The page that holds the controls: their parent.
    QWidget* page() const { return widget(); }
    QWidget* place(QWidget* widget, QRect designRect, bool stretchHeight = false);
    // Sizes the page again after a control's text changed.
    void refit();

private:
    ProportionalForm m_form;
};

}  // namespace zarn
