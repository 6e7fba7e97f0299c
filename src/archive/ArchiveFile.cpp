// SPDX-License-Identifier: GPL-3.0-or-later
#include "archive/ArchiveFile.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <new>
#include <sys/stat.h>
#include <unistd.h>

namespace zarn {

namespace {

ArchiveError systemError(const std::filesystem::path& path, int error)
{
    const ArchiveErrorKind kind =
        (error == ENOENT || error == ENOTDIR) ? ArchiveErrorKind::FileNotFound : ArchiveErrorKind::Other;
    return ArchiveError(kind, path.string() + " : " + std::strerror(error));
}

class FileDescriptor {
public:
    explicit FileDescriptor(int fd) : m_fd(fd) {}
    ~FileDescriptor()
    {
        if (m_fd >= 0) ::close(m_fd);
    }
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;
    int get() const { return m_fd; }

private:
    int m_fd;
};

// Reads until the end of the file, never more than maxSize + 1 bytes, so a
// file that grows while it is read is still caught by the size limit.
std::vector<std::uint8_t> readAll(int fd, const std::filesystem::path& path, std::size_t expected,
                                  std::size_t maxSize)
{
    std::vector<std::uint8_t> bytes(std::min(expected, maxSize) + 1);
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::read(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) throw systemError(path, errno);
        if (n == 0) break;
        done += static_cast<std::size_t>(n);
        if (done == bytes.size() && done <= maxSize) bytes.resize(std::min(bytes.size() * 2, maxSize + 1));
    }
    if (done > maxSize) throw ArchiveError(ArchiveErrorKind::Damaged, path.string() + " : fichier trop grand");
    bytes.resize(done);
    return bytes;
}

}  // namespace

std::vector<std::uint8_t> readArchiveFile(const std::filesystem::path& path, std::size_t maxSize)
{
    // O_NONBLOCK: a named pipe in place of the file must not hang the program;
    // it changes nothing for a regular file.
    FileDescriptor file(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK));
    if (file.get() < 0) throw systemError(path, errno);
    struct stat st {};
    if (::fstat(file.get(), &st) != 0) throw systemError(path, errno);
    if (S_ISDIR(st.st_mode)) throw systemError(path, EISDIR);
    if (!S_ISREG(st.st_mode)) throw ArchiveError(ArchiveErrorKind::Other, path.string() + " : pas un fichier");
    const auto size = static_cast<std::size_t>(st.st_size);
    if (size > maxSize)
        throw ArchiveError(ArchiveErrorKind::Damaged, path.string() + " : fichier trop grand");
    return readAll(file.get(), path, size, maxSize);
}

ArchiveLoad loadArchive(std::vector<std::uint8_t> bytes, const std::function<void(CArchiveReader&)>& read,
                        const CClassRegistry& registry)
{
    ArchiveLoad result;
    CArchiveReader reader(std::move(bytes), registry);
    try {
        read(reader);
    } catch (const ArchiveError& e) {
        result.error = e;
    } catch (const std::bad_alloc&) {
        result.error = ArchiveError(ArchiveErrorKind::OutOfMemory, "mémoire saturée");
    } catch (const std::exception& e) {
        result.error = ArchiveError(ArchiveErrorKind::Other, e.what());
    }
    result.objects = reader.takeObjects();
    return result;
}

ArchiveLoad loadArchiveFile(const std::filesystem::path& path, const std::function<void(CArchiveReader&)>& read,
                            const CClassRegistry& registry)
{
    std::vector<std::uint8_t> bytes;
    try {
        bytes = readArchiveFile(path);
    } catch (const ArchiveError& e) {
        return {e, {}};
    } catch (const std::bad_alloc&) {
        return {ArchiveError(ArchiveErrorKind::OutOfMemory, "mémoire saturée"), {}};
    }
    return loadArchive(std::move(bytes), read, registry);
}

}  // namespace zarn
