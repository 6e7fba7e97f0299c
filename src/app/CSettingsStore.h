// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Where ZARN.INI lives and how it is read and written: the file beside the
// program when one stands there, else the per-user file in the application's
// configuration folder. The file is read once per run; it is Windows-1252
// text in the profile format, converted to UTF-8 on reading and back on
// writing, and written atomically so that a crash or a full disk never leaves
// half a file.
#include "archive/AtomicFile.h"
#include "time/ProfileFile.h"

#include <QString>

#include <optional>

namespace zarn {

class CSettingsStore {
public:
    explicit CSettingsStore(QString path) : m_path(std::move(path)) {}

    // programDir/ZARN.INI when it exists, else the per-user ZARN.INI. An
    // installed program keeps no settings in its shared data folder.
    static QString locate(const QString& programDir, bool installed = false);

    // The settings of the file, read at the first call; later calls give the
    // same profile as last saved. An absent, unreadable or oversized file, or
    // one that is not a regular file, gives an empty profile: every setting
    // then takes its default.
    const Profile& load();
    // True when a file stands there but could not be read whole: writing
    // over it would lose what it holds.
    bool refused();
    // False when the file could not be written; the former file is then intact.
    bool save(const Profile& profile);
    // True when the file is no longer the one read (or last saved) here:
    // another program, a second Zarn, wrote, replaced, created or changed it.
    bool changedSinceRead();

    const QString& path() const { return m_path; }

    static constexpr qint64 kMaxFileSize = qint64(kMaxProfileFileSize);

private:
    const ProfileFile& file();

    QString m_path;
    std::optional<ProfileFile> m_file;
    std::optional<FileStamp> m_stamp;
};

}  // namespace zarn
