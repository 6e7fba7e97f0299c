// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the program does before its window: the answers to --help and
// --version, which need no screen, and a French message in place of the
// platform's abort when the display named by DISPLAY cannot be opened.
#include <cstdio>
#include <optional>

namespace zarn {

// The exit status when the arguments ask for the usage (-h, --help) or the
// version (--version), printed on out; nothing when the window is to start.
// A failed print (a full disk, a file-size limit) gives status 1.
std::optional<int> answerInformationOptions(int argc, char** argv, std::FILE* out);

// While it lives, a fatal error of the windowing platform (no display server
// at DISPLAY, no usable platform plugin) prints a French message and ends the
// program with status 1 instead of aborting. The platform's messages of that
// time are kept back and shown after the message, or passed on unchanged
// when the start succeeds.
class PlatformStartGuard {
public:
    PlatformStartGuard();
    ~PlatformStartGuard();
    PlatformStartGuard(const PlatformStartGuard&) = delete;
    PlatformStartGuard& operator=(const PlatformStartGuard&) = delete;
};

}  // namespace zarn
