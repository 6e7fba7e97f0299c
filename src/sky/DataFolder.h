// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Where the data files (CIEL.ZAR, ELEMENTS.ZAR, the start-up picture) are
// found for a program that runs from a given folder, and where the user's own
// files go. Every path here is the bytes the system gave (the kernel, the
// environment), which need not be UTF-8: a folder named in Latin-1 is found.
#include <string>

namespace zarn {

// The program's own folder when ELEMENTS.ZAR stands there (the build tree, a
// folder copied as is); for a program installed as PREFIX/bin/NAME, the
// folder PREFIX/share/zarn when it exists. Otherwise the program's folder, so
// that a missing file is reported where it was first looked for.
std::string dataFolder(const std::string& programDir);

// The folder of the running program (from /proc/self/exe), "." when unknown.
std::string programFolder();

// The per-user folders of Zarn: $XDG_CONFIG_HOME/Zarn (else ~/.config/Zarn)
// for ZARN.INI and $XDG_DATA_HOME/Zarn (else ~/.local/share/Zarn) for the
// user's OBJETS.ZAR when the program's folder is not theirs. The home is
// $HOME, else the account's home of the password database.
std::string userConfigFolder();
std::string userDataFolder();

}  // namespace zarn
