// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/ui/ScrolledForm.h"

namespace zarn {

namespace {

// The page lays out the form whenever the scroll area resizes it.
class FormPage : public QWidget {
public:
    explicit FormPage(const ProportionalForm& form) : m_form(form) {}

protected:
    void resizeEvent(QResizeEvent* event) override
    {
        QWidget::resizeEvent(event);
        m_form.apply(size());
    }

private:
    const ProportionalForm& m_form;
};

}  // namespace

ScrolledForm::ScrolledForm(QSize design, QWidget* parent) : QScrollArea(parent), m_form(design)
{
    setFrameShape(QFrame::NoFrame);
    setFocusPolicy(Qt::NoFocus);  // the tab order stays among the controls
    setWidgetResizable(true);
    setWidget(new FormPage(m_form));
    page()->setMinimumSize(design);
}

QWidget* ScrolledForm::place(QWidget* widget, QRect designRect, bool stretchHeight)
{
    return m_form.place(widget, designRect, stretchHeight);
}

void ScrolledForm::refit()
{
    const QSize least = m_form.minimumSize();
    if (page()->minimumSize() != least)
        page()->setMinimumSize(least);
    m_form.apply(page()->size());
}

}  // namespace zarn
