#pragma once
// Where the data files (CIEL.ZAR, ELEMENTS.ZAR, the start-up picture) are
// found for a program that runs from a given folder.
#include <string>

namespace zarn {

// The program's own folder when ELEMENTS.ZAR stands there (the build tree, a
// folder copied as is); for a program installed as PREFIX/bin/NAME, the
// folder PREFIX/share/zarn when it exists. Otherwise the program's folder, so
// that a missing file is reported where it was first looked for.
std::string dataFolder(const std::string& programDir);

}  // namespace zarn
