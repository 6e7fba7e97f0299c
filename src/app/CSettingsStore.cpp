#include "app/CSettingsStore.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace zarn {

namespace {
const QString kFileName = QStringLiteral("ZARN.INI");

std::filesystem::path fsPath(const QString& path) { return std::filesystem::path(path.toStdString()); }
}  // namespace

QString CSettingsStore::locate(const QString& programDir)
{
    const QString beside = QDir(programDir).filePath(kFileName);
    if (QFileInfo::exists(beside))
        return beside;
    // ~/.config/Zarn/ZARN.INI, whatever name the running program has.
    const QString config = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    return QDir(config).filePath(QStringLiteral("Zarn/") + kFileName);
}

const ProfileFile& CSettingsStore::file()
{
    if (!m_file)
        m_file = readProfileFile(fsPath(m_path));
    return *m_file;
}

const Profile& CSettingsStore::load() { return file().profile; }

bool CSettingsStore::refused() { return file().state == ProfileFileState::Refused; }

bool CSettingsStore::save(const Profile& profile)
{
    QDir().mkpath(QFileInfo(m_path).absolutePath());
    if (!writeProfileFile(fsPath(m_path), profile))
        return false;
    m_file = ProfileFile{profile, ProfileFileState::Whole};
    return true;
}

}  // namespace zarn
