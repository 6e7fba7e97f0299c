#pragma once
// Replaces a file in one step: the bytes go to a temporary file beside the
// target, are flushed to the disk, and the temporary file is then renamed over
// the target. A full disk, a crash or a write-protected directory leaves either
// the old file or the new one, never a truncated mixture.
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace zarn {

struct SaveResult {
    bool ok = false;
    std::string reason;  // the system's explanation when !ok
    explicit operator bool() const { return ok; }
};

SaveResult writeFileAtomically(const std::filesystem::path& path, const std::vector<std::uint8_t>& bytes);

}  // namespace zarn
