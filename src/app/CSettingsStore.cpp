// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/CSettingsStore.h"

#include "app/FilePaths.h"
#include "sky/DataFolder.h"

namespace zarn {

QString CSettingsStore::locate(const QString& programDir, bool installed)
{
    const QString beside = joinPath(programDir, "ZARN.INI");
    std::error_code error;
    if (!installed && std::filesystem::exists(fsPath(beside), error))
        return beside;
    // ~/.config/Zarn/ZARN.INI, whatever name the running program has.
    return joinPath(pathFromBytes(userConfigFolder()), "ZARN.INI");
}

const ProfileFile& CSettingsStore::file()
{
    if (!m_file) {
        // Looked at before reading: a change in between counts as a change.
        m_stamp = fileStamp(fsPath(m_path));
        m_file = readProfileFile(fsPath(m_path));
    }
    return *m_file;
}

const Profile& CSettingsStore::load() { return file().profile; }

bool CSettingsStore::refused() { return file().state == ProfileFileState::Refused; }

bool CSettingsStore::save(const Profile& profile)
{
    makeFolders(parentFolder(m_path));
    if (!writeProfileFile(fsPath(m_path), profile))
        return false;
    m_file = ProfileFile{profile, ProfileFileState::Whole};
    m_stamp = fileStamp(fsPath(m_path));
    return true;
}

bool CSettingsStore::changedSinceRead()
{
    file();
    return fileStamp(fsPath(m_path)) != m_stamp;
}

}  // namespace zarn
