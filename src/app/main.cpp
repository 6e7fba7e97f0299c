// SPDX-License-Identifier: GPL-3.0-or-later
// Zarn: a desktop astronomy program for the sky seen with the naked eye.
#include "app/CZarnApp.h"
#include "app/CommandLine.h"
#include "app/FilePaths.h"
#include "app/Translations.h"
#include "app/WindowKinds.h"
#include "sky/DataFolder.h"

#include <QApplication>
#include <QGuiApplication>
#include <QIcon>
#include <clocale>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <optional>

namespace {
bool displayAvailable()
{
    const QByteArray platform = qgetenv("QT_QPA_PLATFORM");
    if (!platform.isEmpty())
        return true;
    return qEnvironmentVariableIsSet("DISPLAY") || qEnvironmentVariableIsSet("WAYLAND_DISPLAY");
}
}  // namespace

int main(int argc, char* argv[])
{
    // Under a file-size limit a write past it then fails with an error, like a
    // write on a full disk, and closing reports it in its box; the signal's
    // default action would end the program and lose the user's files.
    std::signal(SIGXFSZ, SIG_IGN);
    if (const auto status = zarn::answerInformationOptions(argc, argv, stdout))
        return *status;
    if (!displayAvailable()) {
        std::fprintf(stderr, "zarn : aucun écran disponible (ni DISPLAY ni WAYLAND_DISPLAY) ; "
                             "Zarn est un programme de bureau.\n");
        return 1;
    }
    std::optional<zarn::PlatformStartGuard> guard(std::in_place);
    QApplication app(argc, argv);
    guard.reset();
    Q_INIT_RESOURCE(zarn);
    // Numbers are read and written with "." whatever the user's locale.
    std::setlocale(LC_NUMERIC, "C");
    QApplication::setApplicationName(QStringLiteral("Zarn"));
    QApplication::setDesktopFileName(QStringLiteral("zarn"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/zarn-128.png")));
    QString reason;
    if (!zarn::installFrenchQtTranslations(app, zarn::defaultTranslationsFolder(), &reason))
        std::fprintf(stderr, "zarn : %s ; les boutons standard restent en anglais.\n", qPrintable(reason));

    // Beside the program in the build tree or a copied folder, PREFIX/share/zarn
    // once installed. The folder names are kept as the bytes the system gave.
    const std::string program = zarn::programFolder();
    const std::string data = zarn::dataFolder(program);
    zarn::CZarnApp zarnApp(zarn::pathFromBytes(data), zarn::programWindowKinds(), data != program);
    if (!zarnApp.InitInstance())
        return 1;
    return app.exec();
}
