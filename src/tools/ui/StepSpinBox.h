// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The step field of the animation: a spin through the steps offered (1 to
// 15 days, not every number), which stops at both ends of the list.
#include <QSpinBox>

namespace zarn {

class StepSpinBox : public QSpinBox {
    Q_OBJECT
public:
    explicit StepSpinBox(QWidget* parent = nullptr);

    int days() const;
    void setDays(int days);

protected:
    QString textFromValue(int index) const override;
    int valueFromText(const QString& text) const override;
    QValidator::State validate(QString& text, int& pos) const override;
};

}  // namespace zarn
