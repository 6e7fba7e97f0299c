// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/Translations.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QTranslator>

namespace zarn {

QString defaultTranslationsFolder() { return QLibraryInfo::path(QLibraryInfo::TranslationsPath); }

bool installFrenchQtTranslations(QCoreApplication& app, const QString& folder, QString* reason)
{
    auto* translator = new QTranslator(&app);
    if (!translator->load(QStringLiteral("qtbase_fr"), folder)) {
        if (reason)
            *reason = QStringLiteral("catalogue qtbase_fr introuvable dans %1").arg(QDir::toNativeSeparators(folder));
        delete translator;
        return false;
    }
    // A catalogue that loads but translates nothing is as good as none.
    if (translator->isEmpty() ||
        translator->translate("QPlatformTheme", "Cancel").isEmpty()) {
        if (reason)
            *reason = QStringLiteral("catalogue qtbase_fr vide dans %1").arg(QDir::toNativeSeparators(folder));
        delete translator;
        return false;
    }
    app.installTranslator(translator);
    return true;
}

}  // namespace zarn
