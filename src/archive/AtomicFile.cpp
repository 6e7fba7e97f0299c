// SPDX-License-Identifier: GPL-3.0-or-later
#include "archive/AtomicFile.h"

#include <cerrno>
#include <cstring>
#include <ctime>
#include <system_error>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace zarn {

namespace {

SaveResult failure(const std::string& what, int error)
{
    return {false, what + " : " + std::strerror(error)};
}

bool writeAll(int fd, const std::vector<std::uint8_t>& bytes, int& error)
{
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0) {
            if (errno == EINTR) continue;
            error = errno;
            return false;
        }
        done += static_cast<std::size_t>(n);
    }
    return true;
}

constexpr const char* kTemporaryMark = ".tmp";
constexpr std::size_t kTemporaryLetters = 6;  // the XXXXXX of mkstemp

// The new file keeps the permissions of the one it replaces, or gets the
// usual rw-r--r-- when there was none. The owner can always read and write
// it: a file written at mode 000 would be lost at the next start.
void copyMode(int fd, const std::filesystem::path& target)
{
    struct stat st {};
    const mode_t mode = ::stat(target.c_str(), &st) == 0 ? (st.st_mode & 07777) : 0644;
    ::fchmod(fd, mode | S_IRUSR | S_IWUSR);
}

// The file a link names when it is a regular file; else the path itself,
// which the new file replaces.
std::filesystem::path writtenPath(const std::filesystem::path& path)
{
    std::error_code error;
    if (!std::filesystem::is_symlink(path, error) || !std::filesystem::is_regular_file(path, error))
        return path;
    const std::filesystem::path target = std::filesystem::canonical(path, error);
    return error ? path : target;
}

bool isTemporaryOf(const std::string& name, const std::string& target)
{
    const std::string stem = target + kTemporaryMark;
    if (name.size() != stem.size() + kTemporaryLetters || name.compare(0, stem.size(), stem) != 0)
        return false;
    for (std::size_t i = stem.size(); i < name.size(); ++i) {
        const char c = name[i];
        if (!((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9')))
            return false;
    }
    return true;
}

bool entryExists(const std::filesystem::path& path)
{
    struct stat st {};
    return ::lstat(path.c_str(), &st) == 0;
}

std::filesystem::path withSuffix(const std::filesystem::path& path, const std::string& suffix)
{
    return std::filesystem::path(path.string() + suffix);
}

std::optional<std::filesystem::path> freeBackupName(const std::filesystem::path& path, bool dated)
{
    const std::filesystem::path plain = withSuffix(path, ".bak");
    if (!dated && !entryExists(plain))
        return plain;
    char stamp[32];
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    ::localtime_r(&now, &local);
    std::strftime(stamp, sizeof stamp, "-%Y%m%d-%H%M%S", &local);
    for (int n = 0; n < 100; ++n) {
        const std::string counter = n == 0 ? std::string() : "-" + std::to_string(n);
        const std::filesystem::path dated = withSuffix(path, stamp + counter + ".bak");
        if (!entryExists(dated))
            return dated;
    }
    return std::nullopt;
}

// Makes the rename itself durable.
void syncDirectory(const std::filesystem::path& directory)
{
    const int fd = ::open(directory.empty() ? "." : directory.c_str(), O_RDONLY | O_DIRECTORY);
    if (fd < 0) return;
    ::fsync(fd);
    ::close(fd);
}

}  // namespace

SaveResult writeFileAtomically(const std::filesystem::path& requested, const std::vector<std::uint8_t>& bytes)
{
    const std::filesystem::path path = writtenPath(requested);
    std::string temp = path.string() + kTemporaryMark + "XXXXXX";
    const int fd = ::mkstemp(temp.data());
    if (fd < 0) return failure("création de " + temp, errno);
    copyMode(fd, path);

    int error = 0;
    bool ok = writeAll(fd, bytes, error);
    if (ok && ::fsync(fd) != 0) { ok = false; error = errno; }
    if (::close(fd) != 0 && ok) { ok = false; error = errno; }
    if (ok && ::rename(temp.c_str(), path.c_str()) != 0) { ok = false; error = errno; }
    if (!ok) {
        ::unlink(temp.c_str());
        return failure("écriture de " + path.string(), error);
    }
    syncDirectory(path.parent_path());
    return {true, {}};
}

std::optional<std::filesystem::path> keepBackup(const std::filesystem::path& requested, bool dated)
{
    const std::filesystem::path path = writtenPath(requested);
    if (!entryExists(path))
        return std::nullopt;
    const auto backup = freeBackupName(path, dated);
    if (!backup)
        return std::nullopt;
    // A second link leaves the file where it is, whatever its permissions;
    // where links are refused the file is moved, and the new one takes its place.
    if (::link(path.c_str(), backup->c_str()) == 0 || ::rename(path.c_str(), backup->c_str()) == 0)
        return backup;
    return std::nullopt;
}

std::optional<FileStamp> fileStamp(const std::filesystem::path& path)
{
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0 || !S_ISREG(st.st_mode))
        return std::nullopt;
    return FileStamp{std::uint64_t(st.st_dev), std::uint64_t(st.st_ino), std::int64_t(st.st_size),
                     std::int64_t(st.st_mtim.tv_sec), std::int64_t(st.st_mtim.tv_nsec)};
}

void removeLeftoverTemporaries(const std::filesystem::path& path)
{
    const std::filesystem::path target = writtenPath(path);
    const std::string name = target.filename().string();
    std::error_code error;
    const std::filesystem::path folder = target.has_parent_path() ? target.parent_path() : ".";
    for (std::filesystem::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
        const std::string entry = it->path().filename().string();
        std::error_code ignored;
        if (isTemporaryOf(entry, name) && it->is_regular_file(ignored))
            std::filesystem::remove(it->path(), ignored);
    }
}

}  // namespace zarn
