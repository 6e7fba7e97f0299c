// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Replaces a file in one step: the bytes go to a temporary file beside the
// target, are flushed to the disk, and the temporary file is then renamed over
// the target. A full disk, a crash or a write-protected directory leaves either
// the old file or the new one, never a truncated mixture.
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace zarn {

struct SaveResult {
    bool ok = false;
    std::string reason;  // the system's explanation when !ok
    explicit operator bool() const { return ok; }
};

// A link to a regular file is followed: the file it names is replaced and the
// link stays. The temporary file is named after the target with ".tmp" and
// six letters or digits.
SaveResult writeFileAtomically(const std::filesystem::path& path, const std::vector<std::uint8_t>& bytes);

// Keeps the present file under a new name before it is written over: NAME.bak,
// or NAME-YYYYMMDD-HHMMSS.bak when NAME.bak already exists or `dated` asks for
// the time in the name. The file itself stays in place (a second link when the
// file system allows it). The name kept; nothing when there was no file or it
// could not be kept.
std::optional<std::filesystem::path> keepBackup(const std::filesystem::path& path, bool dated = false);

// What tells that a file was replaced or written since it was looked at: the
// file it is (device, inode: a file renamed over it is another one), its size
// and its modification time to the nanosecond. A link is followed.
struct FileStamp {
    std::uint64_t device = 0, inode = 0;
    std::int64_t size = 0, seconds = 0, nanoseconds = 0;
    bool operator==(const FileStamp&) const = default;
};
// Nothing when no regular file stands there (a folder in its place is no
// one's version of the file).
std::optional<FileStamp> fileStamp(const std::filesystem::path& path);

// Removes the temporary files that an interrupted write of `path` left beside it.
void removeLeftoverTemporaries(const std::filesystem::path& path);

}  // namespace zarn
