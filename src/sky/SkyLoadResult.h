// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What loading the sky or writing the user objects came to, for the program
// to turn into its messages (file not found, damaged file, memory exhausted,
// other error; each with the name of the file).
#include <string>

#include "archive/CSerialisable.h"

namespace zarn {

enum class SkyLoadStatus {
    Loaded,
    FileError       // reading fileName failed with error, or its data give no position
};

struct SkyLoadResult {
    SkyLoadStatus status = SkyLoadStatus::Loaded;
    std::string fileName;
    ArchiveErrorKind error = ArchiveErrorKind::Other;

    bool ok() const { return status == SkyLoadStatus::Loaded; }
    static SkyLoadResult failure(std::string file, ArchiveErrorKind kind)
    {
        return {SkyLoadStatus::FileError, std::move(file), kind};
    }
};

// The program's message for a failed loading, with the file name in it
// (messages 9, 5, 6 and 10); empty when nothing is to be shown.
std::string loadErrorText(const SkyLoadResult& result);

}  // namespace zarn
