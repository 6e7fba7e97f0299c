// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Runs zarn-calc with arguments and collects its standard output and status.
#include <array>
#include <cstdio>
#include <string>
#include <sys/wait.h>

struct CalcResult {
    int status = -1;
    std::string out;
};

// stderr joins stdout, unless keepStderrApart: then only stdout is collected.
inline CalcResult runCalc(const std::string& arguments, bool keepStderrApart = false)
{
    CalcResult result;
    const std::string command =
        std::string(ZARN_CALC) + " " + arguments + (keepStderrApart ? " 2>/dev/null" : " 2>&1");
    FILE* pipe = popen(command.c_str(), "r");
    if (pipe == nullptr)
        return result;
    std::array<char, 4096> buffer;
    std::size_t n;
    while ((n = fread(buffer.data(), 1, buffer.size(), pipe)) > 0)
        result.out.append(buffer.data(), n);
    const int raw = pclose(pipe);
    result.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    return result;
}
