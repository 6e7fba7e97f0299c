// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/ui/StepSpinBox.h"

#include "tools/AnimationPlan.h"

#include <algorithm>

namespace zarn {

StepSpinBox::StepSpinBox(QWidget* parent) : QSpinBox(parent)
{
    setRange(0, static_cast<int>(animation::kSteps.size()) - 1);
    setWrapping(false);
}

int StepSpinBox::days() const { return animation::kSteps[static_cast<std::size_t>(value())]; }

void StepSpinBox::setDays(int days) { setValue(animation::stepIndex(days)); }

QString StepSpinBox::textFromValue(int index) const
{
    return QString::number(animation::kSteps[static_cast<std::size_t>(std::clamp(index, minimum(), maximum()))]);
}

int StepSpinBox::valueFromText(const QString& text) const { return animation::stepIndex(text.toInt()); }

QValidator::State StepSpinBox::validate(QString& text, int&) const
{
    if (text.isEmpty())
        return QValidator::Intermediate;
    bool ok = false;
    const int days = text.toInt(&ok);
    if (!ok || days < 0 || days > animation::kSteps.back())
        return QValidator::Invalid;
    for (const int step : animation::kSteps)
        if (step == days)
            return QValidator::Acceptable;
    return QValidator::Intermediate;
}

}  // namespace zarn
