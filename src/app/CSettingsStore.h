#pragma once
// Where ZARN.INI lives and how it is read and written: the file beside the
// program when one stands there, else the per-user file in the application's
// configuration folder. The file is Windows-1252 text in the profile format;
// it is converted to UTF-8 on reading and back on writing, and written
// atomically so that a crash never leaves half a file.
#include "time/Profile.h"

#include <QString>

namespace zarn {

class CSettingsStore {
public:
    explicit CSettingsStore(QString path) : m_path(std::move(path)) {}

    // programDir/ZARN.INI when it exists, else the per-user ZARN.INI.
    static QString locate(const QString& programDir);

    // An absent, unreadable or oversized file gives an empty profile: every
    // setting then takes its default.
    Profile load() const;
    // False when the file could not be written; the former file is then intact.
    bool save(const Profile& profile) const;

    const QString& path() const { return m_path; }

    // Beyond this size a settings file is not one this program wrote.
    static constexpr qint64 kMaxFileSize = 4 * 1024 * 1024;

private:
    QString m_path;
};

}  // namespace zarn
