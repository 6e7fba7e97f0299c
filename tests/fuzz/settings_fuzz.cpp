// SPDX-License-Identifier: GPL-3.0-or-later
// Feeds arbitrary text to the settings parser. Every input must parse without
// a crash, a sanitizer report or a slow pass, and three properties hold:
//   - the text written from a parsed file parses to the same text again (the
//     store keeps what it does not understand, and keeps it stable);
//   - the settings read from any file, written into it and read back, are
//     the settings that were written;
//   - a list of observatories written back is never longer than the limit.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "time/Profile.h"
#include "settings/ZarnSettings.h"

using namespace zarn;

namespace {
void check(bool condition)
{
    if (!condition)
        std::abort();
}

bool sameSettings(const ZarnSettings& a, const ZarnSettings& b)
{
    return a.observatories == b.observatories && a.skyColour == b.skyColour &&
           a.skyColourIndex == b.skyColourIndex && a.starColouring == b.starColouring &&
           a.figureFlags == b.figureFlags && a.showEquator == b.showEquator &&
           a.showEcliptic == b.showEcliptic && a.printStarNames == b.printStarNames &&
           a.normalRect == b.normalRect && a.showState == b.showState;
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string text(reinterpret_cast<const char*>(data), size);
    Profile profile = Profile::parse(text);
    const std::string once = profile.serialize();
    check(Profile::parse(once).serialize() == once);

    const ZarnSettings read = readSettings(profile);
    check(read.observatories.size() <= static_cast<std::size_t>(kMaxObservatories));
    writeSettings(read, profile, false);
    const ZarnSettings back = readSettings(Profile::parse(profile.serialize()));
    check(sameSettings(read, back));
    return 0;
}
