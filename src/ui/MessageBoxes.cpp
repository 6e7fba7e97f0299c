// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/MessageBoxes.h"

#include <QLineEdit>
#include <QLocale>
#include <QMessageBox>
#include <QRegularExpressionValidator>

namespace zarn {

void showExclamation(QWidget* parent, const QString& text)
{
    QMessageBox::warning(parent, QStringLiteral("ZARN"), text);
}

void acceptOnlyDigitsAndPoint(QLineEdit* field, bool allowMinus)
{
    const QString pattern = allowMinus ? QStringLiteral("[-0-9.]*") : QStringLiteral("[0-9.]*");
    field->setValidator(new QRegularExpressionValidator(QRegularExpression(pattern), field));
}

void acceptOnlyTimeOfDay(QLineEdit* field)
{
    field->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9.:h]*")), field));
}

bool readNumber(const QString& text, double& value)
{
    bool ok = false;
    const double v = QLocale::c().toDouble(text.trimmed(), &ok);
    if (ok)
        value = v;
    return ok;
}

bool readInteger(const QString& text, int& value)
{
    bool ok = false;
    const int v = QLocale::c().toInt(text.trimmed(), &ok);
    if (ok)
        value = v;
    return ok;
}

}  // namespace zarn
