// Zarn: a desktop astronomy program for the sky seen with the naked eye.
#include "app/CZarnApp.h"
#include "app/Translations.h"
#include "app/WindowKinds.h"
#include "sky/DataFolder.h"

#include <QApplication>
#include <QGuiApplication>
#include <QIcon>
#include <clocale>
#include <cstdio>
#include <cstdlib>

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
    if (!displayAvailable()) {
        std::fprintf(stderr, "zarn : aucun écran disponible (ni DISPLAY ni WAYLAND_DISPLAY) ; "
                             "Zarn est un programme de bureau.\n");
        return 1;
    }
    QApplication app(argc, argv);
    Q_INIT_RESOURCE(zarn);
    // Numbers are read and written with "." whatever the user's locale.
    std::setlocale(LC_NUMERIC, "C");
    QApplication::setApplicationName(QStringLiteral("Zarn"));
    QApplication::setDesktopFileName(QStringLiteral("zarn"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/zarn-128.png")));
    QString reason;
    if (!zarn::installFrenchQtTranslations(app, zarn::defaultTranslationsFolder(), &reason))
        std::fprintf(stderr, "zarn : %s ; les boutons standard restent en anglais.\n", qPrintable(reason));

    // Beside the program in the build tree, PREFIX/share/zarn once installed.
    const std::string dataDir = zarn::dataFolder(QCoreApplication::applicationDirPath().toStdString());
    zarn::CZarnApp zarnApp(QString::fromStdString(dataDir), zarn::programWindowKinds());
    if (!zarnApp.InitInstance())
        return 1;
    return app.exec();
}
