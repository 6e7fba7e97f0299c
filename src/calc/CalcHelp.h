// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The usage texts of zarn-calc, its version, and the options that every
// command understands before its own: --help (-h), --version and --tsv.
#include <optional>
#include <string>
#include <vector>

namespace zarn {

// When the arguments ask for the help or the version, prints it on stdout and
// gives the status 0; the help of a command when a command is named first.
std::optional<int> answerHelpOrVersion(const std::vector<std::string>& words);

// The refusal of an unknown command or option on stderr, or the whole usage
// when the message is empty (no command); the status 2.
int usageError(const std::string& message);

// Whether the command prints tab-separated columns with --tsv.
bool hasTsvOutput(const std::string& command);

// Removes every occurrence of the flag; true when there was one.
bool takeFlag(std::vector<std::string>& words, const char* flag);

}  // namespace zarn
