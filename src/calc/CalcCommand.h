// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The commands of zarn-calc. Each command lives in its own file and registers
// itself with a static CalcCommand object:
//     static CalcCommand position("position", "BODY", runPosition);
// A command gets the instant built from the common options (legal date and
// time at the chosen place) and its own remaining arguments; it prints its
// result on stdout and returns the exit status (2 for invalid input, with the
// French message on stderr).
#include "time/CInstant.h"

#include <string>
#include <vector>

namespace zarn {

struct CalcContext {
    CInstant instant;
    std::vector<std::string> args;  // the command's own arguments, options removed
    std::string dataDir;            // folder of CIEL.ZAR, ELEMENTS.ZAR, OBJETS.ZAR
    bool tsv = false;               // tab-separated columns instead of the windows' texts
};

using CalcFunction = int (*)(CalcContext&);

class CalcCommand {
public:
    CalcCommand(const char* name, const char* usage, CalcFunction run);
    const char* name;
    const char* usage;
    CalcFunction run;

    static const std::vector<const CalcCommand*>& all();
    static const CalcCommand* find(const std::string& name);
};

// Prints the message on stderr and returns the status of invalid input (2).
int invalidInput(const std::string& message);

// The program's dates run to the end of this year.
constexpr int kLastYear = 2099;

// Refuses a count whose last item ("La dernière phase") would fall after the
// last year, as invalid input.
int pastLastYear(const std::string& lastItem, const std::string& remedy = "réduisez le nombre");

}  // namespace zarn
