#include "sky/archive/AtomicFile.h"

#include <cerrno>
#include <cstring>
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

// The new file keeps the permissions of the one it replaces, or gets the
// usual rw-r--r-- when there was none.
void copyMode(int fd, const std::filesystem::path& target)
{
    struct stat st {};
    const mode_t mode = ::stat(target.c_str(), &st) == 0 ? (st.st_mode & 07777) : 0644;
    ::fchmod(fd, mode);
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

SaveResult writeFileAtomically(const std::filesystem::path& path, const std::vector<std::uint8_t>& bytes)
{
    std::string temp = path.string() + ".XXXXXX";
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

}  // namespace zarn
