// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/DocFiles.h"

#include "app/CSettingsStore.h"
#include "app/CStartupPicture.h"
#include "app/CZarnDoc.h"
#include "app/FileMessages.h"
#include "app/FilePaths.h"
#include "sky/DataFolder.h"
#include "shell/CMainFrame.h"
#include "time/ZarnSettings.h"
#include "time/ui/CLieuDlg.h"

#include <QApplication>
#include <QScreen>
#include <QThread>

namespace zarn {

DocFiles::DocFiles(CZarnDoc& doc, QString programDir, CSettingsStore& settings, bool installed)
    : m_doc(doc), m_programDir(std::move(programDir)), m_settings(settings), m_installed(installed)
{
}

bool DocFiles::load()
{
    m_loadingClock.start();
    QApplication::setOverrideCursor(Qt::WaitCursor);
    removeLeftoverTemporaries(fsPath(m_settings.path()));
    const ZarnSettings settings = readSettings(m_settings.load());
    m_settingsReadWhole = !m_settings.refused() && settings.observatoriesWhole;
    applySettings(settings);
    const bool loaded = loadDataFiles();
    QApplication::restoreOverrideCursor();
    if (!loaded)
        return false;

    if (m_doc.observatories().empty())
        askFirstObservatory();
    return true;
}

bool DocFiles::loadDataFiles()
{
    QString objects = userObjectsPath();
    m_objectsStampPath = objects;
    m_objectsStamp = fileStamp(fsPath(objects));
    removeLeftoverTemporaries(fsPath(objects));
    // The per-user file, else one left beside a program of its own folder.
    if (!m_installed) {
        const QString beside = joinPath(m_programDir, "OBJETS.ZAR");
        removeLeftoverTemporaries(fsPath(beside));
        if (!pathExists(objects))
            objects = beside;
    }
    m_objectsReadFrom = objects;
    SkyModel& sky = m_doc.sky();
    const SkyLoadResult result = sky.readFiles(pathBytes(m_programDir), pathBytes(objects));
    m_objectsAsRead = userObjectEntries(sky);
    if (result.status == SkyLoadStatus::FileError) {
        showLoadError(&m_doc.frame(), result.error, QString::fromStdString(result.fileName));
        return false;
    }
    return result.ok();
}

QString DocFiles::userObjectsPath() const
{
    if (!m_installed && isWritableFolder(m_programDir))
        return joinPath(m_programDir, "OBJETS.ZAR");
    return joinPath(pathFromBytes(userDataFolder()), "OBJETS.ZAR");
}

void DocFiles::askFirstObservatory()
{
    // The result is the first observatory even when the user cancels: the
    // defaults of a new place then stand.
    CMainFrame& frame = m_doc.frame();
    CLieuDlg dialog(newPlaceFields(), &frame);
    if (m_pictureArea.isValid()) {
        dialog.adjustSize();
        const QScreen* screen = frame.screen();
        const QRect available = screen ? screen->availableGeometry() : m_pictureArea.adjusted(-800, -600, 800, 600);
        dialog.move(CStartupPicture::placeClearOf(m_pictureArea, dialog.frameGeometry().size(), available));
    }
    dialog.run();
    m_doc.observatories().push_back(dialog.fields().toPlace());
}

void DocFiles::waitForSplash()
{
    // The start-up picture stays at least three seconds from the start of loading.
    while (m_loadingClock.elapsed() < m_splashMs) {
        QApplication::processEvents(QEventLoop::ExcludeUserInputEvents, 50);
        QThread::msleep(20);
    }
}

bool DocFiles::close()
{
    CMainFrame& frame = m_doc.frame();
    Profile profile = m_settings.load();
    writeSettings(collectSettings(), profile, false);
    std::vector<ClosingWrite> files{{m_settings.path(), !m_settingsReadWhole, {}, m_settings.changedSinceRead()}};
    const WriteOutcome settings =
        writeKeepingOld(&frame, files[0], [&] { return m_settings.save(profile); });
    if (!files[0].kept.isEmpty())
        m_settingsReadWhole = true;  // kept once; later writes go over our own file
    if (settings == WriteOutcome::Aborted) {
        showKeptFiles(&frame, files);
        return false;
    }
    files.push_back({userObjectsPath(), false, {}, false});
    const bool closing = writeUserObjects(files[1]);
    showKeptFiles(&frame, files);
    return closing;
}

bool DocFiles::writeUserObjects(ClosingWrite& file)
{
    SkyModel& sky = m_doc.sky();
    makeFolders(parentFolder(file.path));
    file.keepOld = !sky.userObjectsReadWhole() && file.path == m_objectsReadFrom;
    // A file where none was looked at counts as written by someone else.
    const std::optional<FileStamp> now = fileStamp(fsPath(file.path));
    file.changedByOther = file.path == m_objectsStampPath ? now != m_objectsStamp : now.has_value();
    // Objects unchanged here: the other program's file is the newer one.
    if (file.changedByOther && userObjectEntries(sky) == m_objectsAsRead)
        return true;
    const WriteOutcome outcome =
        writeKeepingOld(&m_doc.frame(), file, [&] { return bool(sky.saveUserObjects(pathBytes(file.path))); });
    if (!file.kept.isEmpty())
        m_objectsReadFrom.clear();
    if (outcome == WriteOutcome::Written) {
        m_objectsStampPath = file.path;
        m_objectsStamp = fileStamp(fsPath(file.path));
        m_objectsAsRead = userObjectEntries(sky);
    }
    return outcome != WriteOutcome::Aborted;
}

}  // namespace zarn
