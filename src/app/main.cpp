// Zarn: a desktop astronomy program for the sky seen with the naked eye.
#include <QApplication>
#include <QGuiApplication>
#include "shell/CMainFrame.h"
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
    zarn::CMainFrame window;
    window.resize(1000, 700);
    window.show();
    return app.exec();
}
