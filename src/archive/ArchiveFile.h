// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Reading a whole archive file and running a reading function over it, with
// every failure turned into one of the four error kinds of ArchiveError.
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "archive/CArchiveReader.h"

namespace zarn {

// No data file of the program comes near this; a larger one is not ours.
inline constexpr std::size_t kMaxArchiveFileSize = 64 * 1024 * 1024;

// The bytes of a file. Throws ArchiveError: FileNotFound when it does not
// exist, Damaged when it is larger than `maxSize`, Other for any other failure
// (no permission, a directory, a read error).
std::vector<std::uint8_t> readArchiveFile(const std::filesystem::path& path,
                                          std::size_t maxSize = kMaxArchiveFileSize);

struct ArchiveLoad {
    std::optional<ArchiveError> error;  // empty when everything was read
    // Every object the reader created, also those read before an error: the
    // new owner of the objects (see CArchiveReader.h).
    std::vector<std::unique_ptr<CSerialisable>> objects;
    bool ok() const { return !error.has_value(); }
};

// Runs `read` over the bytes. Whatever `read` throws becomes the error:
// ArchiveError as it is, memory exhaustion as OutOfMemory, anything else as
// Other. Objects are handed over in every case.
ArchiveLoad loadArchive(std::vector<std::uint8_t> bytes, const std::function<void(CArchiveReader&)>& read,
                        const CClassRegistry& registry = CClassRegistry::global());
// The same over a file read by readArchiveFile.
ArchiveLoad loadArchiveFile(const std::filesystem::path& path,
                            const std::function<void(CArchiveReader&)>& read,
                            const CClassRegistry& registry = CClassRegistry::global());

}  // namespace zarn
