// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/FilePaths.h"

#include "archive/Windows1252.h"

#include <cerrno>
#include <fcntl.h>
#include <system_error>
#include <sys/stat.h>
#include <unistd.h>

namespace zarn {

namespace {
constexpr char16_t kKeptByte = 0xDC00;  // U+DC80 … U+DCFF hold the bytes 0x80 … 0xFF

// Length of the valid UTF-8 sequence at bytes[i] and its code point; 0 when
// the byte does not begin one (stray continuation, overlong form, surrogate,
// beyond U+10FFFF, cut short).
int utf8Sequence(const std::string& bytes, std::size_t i, char32_t& code)
{
    const auto at = [&](std::size_t k) { return static_cast<unsigned char>(bytes[k]); };
    const unsigned char lead = at(i);
    int length = 0;
    char32_t minimum = 0;
    if (lead >= 0xC2 && lead <= 0xDF) { length = 2; code = lead & 0x1F; minimum = 0x80; }
    else if (lead >= 0xE0 && lead <= 0xEF) { length = 3; code = lead & 0x0F; minimum = 0x800; }
    else if (lead >= 0xF0 && lead <= 0xF4) { length = 4; code = lead & 0x07; minimum = 0x10000; }
    else return 0;
    if (i + length > bytes.size())
        return 0;
    for (int k = 1; k < length; ++k) {
        if ((at(i + k) & 0xC0) != 0x80)
            return 0;
        code = (code << 6) | (at(i + k) & 0x3F);
    }
    if (code < minimum || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF))
        return 0;
    return length;
}

void appendUtf8(std::string& out, char32_t c)
{
    if (c < 0x80) {
        out += char(c);
    } else if (c < 0x800) {
        out += char(0xC0 | (c >> 6));
        out += char(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += char(0xE0 | (c >> 12));
        out += char(0x80 | ((c >> 6) & 0x3F));
        out += char(0x80 | (c & 0x3F));
    } else {
        out += char(0xF0 | (c >> 18));
        out += char(0x80 | ((c >> 12) & 0x3F));
        out += char(0x80 | ((c >> 6) & 0x3F));
        out += char(0x80 | (c & 0x3F));
    }
}

bool isKeptByte(char16_t u) { return u >= kKeptByte + 0x80 && u <= kKeptByte + 0xFF; }
}  // namespace

QString pathFromBytes(const std::string& bytes)
{
    QString out;
    out.reserve(int(bytes.size()));
    for (std::size_t i = 0; i < bytes.size();) {
        const auto byte = static_cast<unsigned char>(bytes[i]);
        char32_t code = 0;
        if (byte < 0x80) {
            out += QChar(byte);
            ++i;
        } else if (const int length = utf8Sequence(bytes, i, code)) {
            out += QString::fromUcs4(&code, 1);
            i += std::size_t(length);
        } else {
            out += QChar(char16_t(kKeptByte + byte));
            ++i;
        }
    }
    return out;
}

std::string pathBytes(const QString& path)
{
    std::string out;
    out.reserve(std::size_t(path.size()));
    for (qsizetype i = 0; i < path.size(); ++i) {
        const char16_t u = path[i].unicode();
        if (isKeptByte(u)) {
            out += char(u - kKeptByte);
        } else if (QChar::isHighSurrogate(u) && i + 1 < path.size() && path[i + 1].isLowSurrogate()) {
            appendUtf8(out, QChar::surrogateToUcs4(u, path[i + 1].unicode()));
            ++i;
        } else {
            appendUtf8(out, QChar::isSurrogate(u) ? char32_t(0xFFFD) : char32_t(u));
        }
    }
    return out;
}

QString displayPath(const QString& path)
{
    QString out;
    for (const QChar c : path) {
        if (isKeptByte(c.unicode()))
            out += QString::fromStdString(windows1252ToUtf8(std::string(1, char(c.unicode() - kKeptByte))));
        else
            out += c;
    }
    return out;
}

bool pathExists(const QString& path)
{
    struct stat info {};
    return ::lstat(pathBytes(path).c_str(), &info) == 0;
}

bool isWritableFolder(const QString& path)
{
    const std::string bytes = pathBytes(path);
    struct stat info {};
    return ::stat(bytes.c_str(), &info) == 0 && S_ISDIR(info.st_mode) && ::access(bytes.c_str(), W_OK | X_OK) == 0;
}

bool makeFolders(const QString& path)
{
    std::error_code error;
    std::filesystem::create_directories(fsPath(path), error);
    return std::filesystem::is_directory(fsPath(path), error);
}

QString joinPath(const QString& folder, const char* name)
{
    if (folder.isEmpty())
        return QString::fromUtf8(name);
    return folder.endsWith(QLatin1Char('/')) ? folder + QString::fromUtf8(name)
                                             : folder + QLatin1Char('/') + QString::fromUtf8(name);
}

QString parentFolder(const QString& path)
{
    return pathFromBytes(fsPath(path).parent_path().string());
}

QByteArray readSmallFile(const QString& path, qint64 maxBytes)
{
    const int fd = ::open(pathBytes(path).c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return {};
    QByteArray bytes;
    struct stat info {};
    if (::fstat(fd, &info) == 0 && S_ISREG(info.st_mode) && info.st_size <= maxBytes) {
        bytes.resize(qsizetype(info.st_size));
        qsizetype done = 0;
        while (done < bytes.size()) {
            const ssize_t n = ::read(fd, bytes.data() + done, std::size_t(bytes.size() - done));
            if (n < 0 && errno == EINTR)
                continue;
            if (n <= 0)
                break;
            done += n;
        }
        bytes.resize(done);
    }
    ::close(fd);
    return bytes;
}

}  // namespace zarn
