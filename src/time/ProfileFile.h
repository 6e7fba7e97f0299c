// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// ZARN.INI on the disk: read once, bounded, and written atomically with every
// write checked. A settings file is a regular file of at most 4 MiB; anything
// else (a named pipe, a device, a larger file) is not read at all, so that the
// program neither waits nor runs out of memory on it.
#include "archive/AtomicFile.h"
#include "time/Profile.h"

#include <filesystem>

namespace zarn {

// Beyond this size a settings file is not one this program wrote.
inline constexpr std::size_t kMaxProfileFileSize = 4 * 1024 * 1024;

enum class ProfileFileState {
    Absent,   // no file: every setting takes its default
    Whole,    // read from end to end
    Refused   // there, but not read or not read whole
};

struct ProfileFile {
    Profile profile;  // empty unless the file was read whole
    ProfileFileState state = ProfileFileState::Absent;
};

ProfileFile readProfileFile(const std::filesystem::path& path);
// The profile in Windows-1252, replacing the file in one step.
SaveResult writeProfileFile(const std::filesystem::path& path, const Profile& profile);

}  // namespace zarn
