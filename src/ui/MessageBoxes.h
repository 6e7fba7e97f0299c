// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The program's short message boxes: the caption is the program's name and
// the text is one of the French messages of the dialogs.
#include <QString>

class QWidget;

namespace zarn {

void showExclamation(QWidget* parent, const QString& text);

}  // namespace zarn

class QLineEdit;

namespace zarn {

// Lets the field accept only digits and "." (control keys still work).
void acceptOnlyDigitsAndPoint(QLineEdit* field, bool allowMinus = false);
// A time-of-day field: digits and the separators ".", ":" and "h".
void acceptOnlyTimeOfDay(QLineEdit* field);
// A number written with "." whatever the user's locale; nothing when the
// whole text is not a number.
bool readNumber(const QString& text, double& value);
bool readInteger(const QString& text, int& value);
}  // namespace zarn
