// SPDX-License-Identifier: GPL-3.0-or-later
// Splitting a command's arguments and reading its bounded numbers.
#include "calc/CalcArguments.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstdlib>

namespace zarn {

namespace {
bool contains(std::initializer_list<std::string_view> names, std::string_view word)
{
    return std::find(names.begin(), names.end(), word) != names.end();
}

bool allDigits(std::string_view text)
{
    return !text.empty() && std::all_of(text.begin(), text.end(),
                                        [](unsigned char c) { return std::isdigit(c) != 0; });
}

std::string rangeText(int lo, int hi)
{
    return "tapez un nombre entier compris entre " + std::to_string(lo) + " et " + std::to_string(hi) + ".";
}
}  // namespace

std::optional<std::string> splitArguments(const std::vector<std::string>& args,
                                          std::initializer_list<std::string_view> valued,
                                          std::initializer_list<std::string_view> flags,
                                          CommandArguments& out)
{
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& word = args[i];
        if (word.rfind("--", 0) != 0) {
            out.words.push_back(word);
        } else if (contains(flags, word)) {
            out.flags.insert(word);
        } else if (!contains(valued, word)) {
            return "Option inconnue : " + word;
        } else if (i + 1 >= args.size()) {
            return "Option " + word + " : valeur manquante.";
        } else {
            out.values[word] = args[++i];
        }
    }
    return std::nullopt;
}

BoundedInteger boundedWord(const std::string& text, int lo, int hi)
{
    BoundedInteger result;
    char* end = nullptr;
    errno = 0;
    const long v = std::strtol(text.c_str(), &end, 10);
    const bool number = !text.empty() && end != text.c_str() && *end == '\0' && errno == 0;
    if (number && v >= lo && v <= hi)
        result.value = static_cast<int>(v);
    else
        result.error = "Tapez un nombre entier compris entre " + std::to_string(lo) + " et " + std::to_string(hi) + ".";
    return result;
}

BoundedInteger boundedOption(const CommandArguments& args, std::string_view option, int lo, int hi, int fallback)
{
    const auto found = args.values.find(option);
    if (found == args.values.end())
        return {fallback, {}};
    BoundedInteger result = boundedWord(found->second, lo, hi);
    if (!result.value)
        result.error = std::string(option) + " : " + rangeText(lo, hi);
    return result;
}

std::optional<double> readStepHours(const std::string& text)
{
    const auto dot = text.find('.');
    const std::string_view hours = std::string_view(text).substr(0, dot);
    const std::string_view minutes = dot == std::string::npos ? std::string_view("00")
                                                              : std::string_view(text).substr(dot + 1);
    // At most five digits of hours: a step of more than eleven years is no step.
    if (!allDigits(hours) || hours.size() > 5 || !allDigits(minutes) || minutes.size() != 2)
        return std::nullopt;
    const int h = std::atoi(std::string(hours).c_str());
    const int m = std::atoi(std::string(minutes).c_str());
    if (m >= 60 || (h == 0 && m == 0))
        return std::nullopt;
    return h + m / 60.0;
}

}  // namespace zarn
