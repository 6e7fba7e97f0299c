// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/CommandLine.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QtGlobal>

#include <cstdlib>
#include <cstring>

namespace zarn {

namespace {
const char kUsage[] =
    "usage : zarn [--help | --version]\n"
    "Cartes du ciel et outils d'astronomie pour le ciel visible à l'œil nu.\n"
    "Le programme s'ouvre sur le ciel de l'observatoire 0, à l'heure de l'ordinateur.\n\n"
    "  -h, --help     cette aide\n"
    "  --version      la version du programme\n\n"
    "Les calculs en ligne de commande : zarn-calc --help.\n";

bool printed(std::FILE* out, const char* text)
{
    return std::fputs(text, out) >= 0 && std::fflush(out) == 0 && !std::ferror(out);
}

struct HeldMessage {
    QtMsgType type;
    QString text;
};

QtMessageHandler previousHandler = nullptr;
QList<HeldMessage>* heldMessages = nullptr;

void holdPlatformMessage(QtMsgType type, const QMessageLogContext&, const QString& text)
{
    if (type != QtFatalMsg) {
        heldMessages->append({type, text});
        return;
    }
    const QByteArray display = qgetenv("DISPLAY");
    if (!display.isEmpty())
        std::fprintf(stderr, "zarn : impossible d'ouvrir l'écran « %s » ; vérifiez la variable DISPLAY "
                             "et que le serveur graphique est en marche.\n", display.constData());
    else
        std::fprintf(stderr, "zarn : impossible de démarrer l'affichage graphique.\n");
    for (const HeldMessage& held : *heldMessages)
        std::fprintf(stderr, "  %s\n", qPrintable(held.text));
    std::fprintf(stderr, "  %s\n", qPrintable(text));
    std::fflush(stderr);
    std::_Exit(1);
}
}  // namespace

std::optional<int> answerInformationOptions(int argc, char** argv, std::FILE* out)
{
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--help") == 0 || std::strcmp(argv[i], "-h") == 0)
            return printed(out, kUsage) ? 0 : 1;
        if (std::strcmp(argv[i], "--version") == 0)
            return printed(out, "zarn " ZARN_VERSION "\n") ? 0 : 1;
    }
    return std::nullopt;
}

PlatformStartGuard::PlatformStartGuard()
{
    heldMessages = new QList<HeldMessage>;
    previousHandler = qInstallMessageHandler(holdPlatformMessage);
}

PlatformStartGuard::~PlatformStartGuard()
{
    qInstallMessageHandler(previousHandler);
    const QList<HeldMessage> held = *heldMessages;
    delete heldMessages;
    heldMessages = nullptr;
    for (const HeldMessage& message : held) {
        switch (message.type) {
        case QtDebugMsg: qDebug("%s", qPrintable(message.text)); break;
        case QtInfoMsg: qInfo("%s", qPrintable(message.text)); break;
        case QtWarningMsg: qWarning("%s", qPrintable(message.text)); break;
        default: qCritical("%s", qPrintable(message.text)); break;
        }
    }
}

}  // namespace zarn
