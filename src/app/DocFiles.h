// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The document's files: the settings and the data files read at start-up,
// the settings and OBJETS.ZAR written back at closing. A user file that was
// not read whole, or that another program wrote since start-up, is kept
// before the closing write goes over it, after asking the user.
#include "sky/UserObjectEntry.h"
#include "archive/AtomicFile.h"

#include <QElapsedTimer>
#include <QRect>
#include <QString>

#include <optional>
#include <vector>

namespace zarn {

class CZarnDoc;
class CSettingsStore;
struct ZarnSettings;
struct ClosingWrite;

class DocFiles {
public:
    // programDir: where the data files are. An installed program (its data in
    // a shared folder such as /usr/share/zarn) writes nothing there.
    DocFiles(CZarnDoc& doc, QString programDir, CSettingsStore& settings, bool installed);

    // Reads the settings and the data files and asks for a first observatory
    // when there is none. False when a data file cannot be read; the reason
    // has been shown to the user.
    bool load();
    // Writes the settings, then OBJETS.ZAR. False when the user chose to keep
    // the program open after a failed write.
    bool close();
    // Holds the start-up picture until its minimum time from the start of loading.
    void waitForSplash();

    // Where OBJETS.ZAR is written: beside the program when that folder is
    // writable and is the program's own (a build tree, a copied folder), else
    // in the per-user data folder.
    QString userObjectsPath() const;
    const QString& programDir() const { return m_programDir; }
    // How long the start-up picture stays at least, from the start of loading.
    void setMinimumSplashMs(int ms) { m_splashMs = ms; }
    // Where the start-up picture stands: the first-place dialog keeps clear of it.
    void setStartupPictureArea(const QRect& area) { m_pictureArea = area; }

private:
    void applySettings(const ZarnSettings& settings);
    ZarnSettings collectSettings() const;
    bool loadDataFiles();
    void askFirstObservatory();
    bool writeUserObjects(ClosingWrite& file);

    CZarnDoc& m_doc;
    QString m_programDir;
    CSettingsStore& m_settings;
    bool m_installed = false;
    QElapsedTimer m_loadingClock;
    // Whether the user files were read whole at start-up, and where
    // OBJETS.ZAR was read from: a file that was not is kept before closing
    // writes over it.
    bool m_settingsReadWhole = true;
    QString m_objectsReadFrom;
    // OBJETS.ZAR where it is written, as it stood at start-up (or after this
    // program wrote it): another program's write since then is noticed.
    QString m_objectsStampPath;
    std::optional<FileStamp> m_objectsStamp;
    std::vector<UserObjectEntry> m_objectsAsRead;  // what a closing may leave as it is
    int m_splashMs = 3000;
    QRect m_pictureArea;
};

}  // namespace zarn
