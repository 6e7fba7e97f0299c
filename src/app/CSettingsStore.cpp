#include "app/CSettingsStore.h"

#include "sky/archive/Windows1252.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>

namespace zarn {

namespace {
const QString kFileName = QStringLiteral("ZARN.INI");
}

QString CSettingsStore::locate(const QString& programDir)
{
    const QString beside = QDir(programDir).filePath(kFileName);
    if (QFileInfo::exists(beside))
        return beside;
    // ~/.config/Zarn/ZARN.INI, whatever name the running program has.
    const QString config = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    return QDir(config).filePath(QStringLiteral("Zarn/") + kFileName);
}

Profile CSettingsStore::load() const
{
    QFile file(m_path);
    if (file.size() > kMaxFileSize || !file.open(QIODevice::ReadOnly))
        return Profile{};
    const QByteArray bytes = file.readAll();
    return Profile::parse(windows1252ToUtf8(std::string_view(bytes.constData(), bytes.size())));
}

bool CSettingsStore::save(const Profile& profile) const
{
    QDir().mkpath(QFileInfo(m_path).absolutePath());
    const std::string bytes = utf8ToWindows1252(profile.serialize());
    QSaveFile file(m_path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    if (file.write(bytes.data(), static_cast<qint64>(bytes.size())) != static_cast<qint64>(bytes.size())) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

}  // namespace zarn
