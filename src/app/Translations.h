// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Qt's own texts (standard buttons, file and print dialogs) in French.
#include <QString>

class QCoreApplication;

namespace zarn {

// Installs Qt's French catalogue from the given folder. False, with the reason,
// when the catalogue is missing or holds no translation: the dialogs would
// then show English buttons.
bool installFrenchQtTranslations(QCoreApplication& app, const QString& folder, QString* reason);
QString defaultTranslationsFolder();

}  // namespace zarn
