// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The arguments of one zarn-calc command: its words (a body, a year) and the
// options it knows, with the bounded ranges that scripts ask for.
#include <initializer_list>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

namespace zarn {

struct CommandArguments {
    std::vector<std::string> words;
    std::map<std::string, std::string, std::less<>> values;  // "--count" → "12"
    std::set<std::string, std::less<>> flags;                // "--radec"

    bool has(std::string_view option) const { return flags.count(option) != 0 || values.count(option) != 0; }
};

// Options named in valued take the next argument, those in flags stand
// alone; any other word beginning with "--" is refused. The French message
// of the refusal, or nothing.
std::optional<std::string> splitArguments(const std::vector<std::string>& args,
                                          std::initializer_list<std::string_view> valued,
                                          std::initializer_list<std::string_view> flags,
                                          CommandArguments& out);

// A whole number within [lo, hi]: the value of the option, or fallback when
// the option is absent. The refusal names the option and its limits.
struct BoundedInteger {
    std::optional<int> value;
    std::string error;
};
BoundedInteger boundedOption(const CommandArguments& args, std::string_view option, int lo, int hi, int fallback);
BoundedInteger boundedWord(const std::string& text, int lo, int hi);

// A step typed as hours and minutes H.MM ("1.00", "0.30", "24.00"), at least
// one minute: the hours, or nothing.
std::optional<double> readStepHours(const std::string& text);

}  // namespace zarn
