// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/FileMessages.h"

#include "ui/CHelpWindow.h"
#include "app/FilePaths.h"
#include "archive/AtomicFile.h"

#include <QMessageBox>
#include <QPushButton>

namespace zarn {

QString loadErrorText(ArchiveErrorKind kind, const QString& fileName)
{
    switch (kind) {
    case ArchiveErrorKind::FileNotFound:
        return QStringLiteral("Le fichier %1 n'a pas été trouvé.\nVérifiez que ce fichier se trouve bien\n"
                              "dans le répertoire actif.").arg(fileName);
    case ArchiveErrorKind::Damaged:
        return QStringLiteral("Le fichier %1 est erroné.\nRecopiez la version actuelle de ce fichier\n"
                              "dans le répertoire courant.").arg(fileName);
    case ArchiveErrorKind::OutOfMemory:
        return QStringLiteral("Mémoire saturée");
    case ArchiveErrorKind::Other:
        break;
    }
    return QStringLiteral("Une erreur s'est produite lors de la lecture du fichier %1.\n"
                          "Pressez la touche F1 pour de l'aide.").arg(fileName);
}

int loadErrorHelpContext(ArchiveErrorKind kind)
{
    switch (kind) {
    case ArchiveErrorKind::FileNotFound:
    case ArchiveErrorKind::Damaged:
        return 12;
    case ArchiveErrorKind::OutOfMemory:
        return 0;
    case ArchiveErrorKind::Other:
        break;
    }
    return 10;
}

void showLoadError(QWidget* parent, ArchiveErrorKind kind, const QString& fileName)
{
    QMessageBox box(parent);
    box.setWindowTitle(QStringLiteral("ZARN"));
    box.setText(loadErrorText(kind, fileName));
    const int context = loadErrorHelpContext(kind);
    if (kind == ArchiveErrorKind::FileNotFound || kind == ArchiveErrorKind::Damaged)
        box.setIcon(QMessageBox::Warning);
    box.setStandardButtons(QMessageBox::Ok);
    QPushButton* help = context ? box.addButton(QStringLiteral("&Aide"), QMessageBox::HelpRole) : nullptr;
    box.exec();
    if (help && box.clickedButton() == help)
        CHelpWindow::showContext(context);
}

QString writeErrorText(const QString& fileName)
{
    return QStringLiteral("Ecriture impossible dans le  fichier %1.\nVérifiez que la diquette n'est pas "
                          "verrouillée\net que la disquette n'est pas pleine.").arg(displayPath(fileName));
}

QString changedFileQuestion(const QString& fileName)
{
    return QStringLiteral("Le fichier %1 a été modifié par un autre programme depuis le démarrage\n"
                          "(peut-être un autre ZARN ouvert en même temps).\n\n"
                          "Voulez-vous le remplacer par celui de ce programme ?\n"
                          "Oui : le remplacer ; l'autre version est conservée dans un fichier .bak daté.\n"
                          "Non : garder l'autre version ; les changements de ce programme sont perdus.\n"
                          "Annuler : ne pas quitter.").arg(displayPath(fileName));
}

WriteOutcome writeWithRetry(QWidget* parent, const QString& path, const std::function<bool()>& write)
{
    // The read-only attribute, whoever runs the program (root can write anyway).
    std::error_code error;
    const auto status = std::filesystem::status(fsPath(path), error);
    if (!error && std::filesystem::exists(status) &&
        (status.permissions() & std::filesystem::perms::owner_write) == std::filesystem::perms::none)
        std::filesystem::permissions(fsPath(path), std::filesystem::perms::owner_write,
                                     std::filesystem::perm_options::add, error);
    while (!write()) {
        const auto answer = QMessageBox::warning(parent, QStringLiteral("ZARN"), writeErrorText(path),
                                                 QMessageBox::Abort | QMessageBox::Retry | QMessageBox::Ignore,
                                                 QMessageBox::Retry);
        if (answer == QMessageBox::Abort)
            return WriteOutcome::Aborted;
        if (answer == QMessageBox::Ignore)
            return WriteOutcome::Ignored;
    }
    return WriteOutcome::Written;
}

WriteOutcome writeKeepingOld(QWidget* parent, ClosingWrite& file, const std::function<bool()>& write)
{
    if (file.changedByOther) {
        const auto answer = QMessageBox::question(parent, QStringLiteral("ZARN"), changedFileQuestion(file.path),
                                                  QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel,
                                                  QMessageBox::Cancel);
        if (answer == QMessageBox::No)
            return WriteOutcome::Ignored;
        if (answer != QMessageBox::Yes)
            return WriteOutcome::Aborted;
        file.keepOld = true;
    }
    return writeWithRetry(parent, file.path, [&] {
        if (file.keepOld && file.kept.isEmpty()) {
            const auto backup = keepBackup(fsPath(file.path), file.changedByOther);
            if (!backup)
                return false;
            file.kept = pathFromBytes(backup->string());
        }
        return write();
    });
}

QString keptFilesText(const std::vector<ClosingWrite>& files)
{
    QStringList parts;
    for (const ClosingWrite& file : files) {
        if (file.kept.isEmpty())
            continue;
        const QString why = file.changedByOther
                                ? QStringLiteral("Le fichier %1 avait été modifié par un autre programme.\n"
                                                 "Cette version est conservée dans le fichier %2.")
                                : QStringLiteral("Le fichier %1 n'a pas pu être lu en entier au démarrage.\n"
                                                 "Son ancien contenu est conservé dans le fichier %2.");
        parts << why.arg(displayPath(file.path), displayPath(file.kept));
    }
    return parts.join(QStringLiteral("\n\n"));
}

void showKeptFiles(QWidget* parent, const std::vector<ClosingWrite>& files)
{
    const QString text = keptFilesText(files);
    if (!text.isEmpty())
        QMessageBox::information(parent, QStringLiteral("ZARN"), text);
}

}  // namespace zarn
