// SPDX-License-Identifier: GPL-3.0-or-later
#include "time/ProfileFile.h"

#include "archive/Windows1252.h"

#include <cerrno>
#include <fcntl.h>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace zarn {

namespace {
class Descriptor {
public:
    explicit Descriptor(int fd) : m_fd(fd) {}
    ~Descriptor()
    {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int get() const { return m_fd; }

private:
    int m_fd;
};

// The whole file, or nothing when it is not a regular file of at most the
// limit or a read fails.
std::optional<std::string> readBounded(int fd)
{
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode) || st.st_size > off_t(kMaxProfileFileSize))
        return std::nullopt;
    std::string text;
    char buffer[65536];
    for (;;) {
        const ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return std::nullopt;
        if (n == 0)
            return text;
        text.append(buffer, static_cast<std::size_t>(n));
        if (text.size() > kMaxProfileFileSize)  // grew while being read
            return std::nullopt;
    }
}
}  // namespace

ProfileFile readProfileFile(const std::filesystem::path& path)
{
    ProfileFile file;
    // Without O_NONBLOCK, opening a named pipe would wait for a writer.
    const Descriptor fd(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
    if (fd.get() < 0) {
        file.state = errno == ENOENT || errno == ENOTDIR ? ProfileFileState::Absent : ProfileFileState::Refused;
        return file;
    }
    const std::optional<std::string> bytes = readBounded(fd.get());
    if (!bytes) {
        file.state = ProfileFileState::Refused;
        return file;
    }
    file.profile = Profile::parse(windows1252ToUtf8(*bytes));
    file.state = ProfileFileState::Whole;
    return file;
}

SaveResult writeProfileFile(const std::filesystem::path& path, const Profile& profile)
{
    const std::string bytes = utf8ToWindows1252(profile.serialize());
    return writeFileAtomically(path, std::vector<std::uint8_t>(bytes.begin(), bytes.end()));
}

}  // namespace zarn
