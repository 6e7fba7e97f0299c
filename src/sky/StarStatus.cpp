// SPDX-License-Identifier: GPL-3.0-or-later
#include "sky/StarStatus.h"

#include <array>
#include <cstdio>
#include <cstdlib>

#include "sky/CMessier.h"
#include "sky/SkyModel.h"

namespace zarn {

namespace {

// Greek letters by the Latin code of the star catalogue, "a" to "z".
constexpr std::array<const char*, 26> kGreekLetters{
    "Alpha", "Bêta", "Khi",   "Delta",   "Epsilon", "",     "Gamma", "Êta",   "Iota",
    "Phi",   "Kappa", "Lambda", "Mu",    "Nu",      "Omicron", "Pi", "Thêta", "Rho",
    "Sigma", "Tau",  "Upsilon", "",     "Omega",   "Xi",    "Psi",  "Zêta"};

std::vector<std::string> split(const std::string& text, char separator)
{
    std::vector<std::string> parts;
    std::size_t start = 0;
    for (;;) {
        const std::size_t end = text.find(separator, start);
        parts.push_back(text.substr(start, end - start));
        if (end == std::string::npos) return parts;
        start = end + 1;
    }
}

std::string joined(const std::vector<std::string>& parts, const char* separator)
{
    std::string text;
    for (std::size_t i = 0; i < parts.size(); ++i) text += (i ? separator : "") + parts[i];
    return text;
}

std::string magnitudeText(int tenths)
{
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "%3.1f", tenths / 10.0);
    return buffer;
}

}  // namespace

std::string greekLetterName(const std::string& code)
{
    if (code.size() != 1 || code[0] < 'a' || code[0] > 'z') return {};
    return kGreekLetters[static_cast<std::size_t>(code[0] - 'a')];
}

StarComponents parseStarComponents(const std::string& entry)
{
    StarComponents components;
    const std::vector<std::string> fields = split(entry, ';');
    for (const std::string& value : split(fields.front(), '/')) {
        char* end = nullptr;
        const long tenths = std::strtol(value.c_str(), &end, 10);
        if (!value.empty() && *end == '\0' && tenths >= -99 && tenths <= 999)
            components.magnitudes.push_back(static_cast<int>(tenths));
    }
    components.spectralTypes.assign(fields.begin() + 1, fields.end());
    return components;
}

StarStatusTexts starStatusTexts(const CAstre& object, const SkyModel& sky)
{
    const auto* star = dynamic_cast<const CEtoile*>(&object);
    if (!star || dynamic_cast<const CMessier*>(star)) return {};

    const std::string label = star->letterLabel();
    std::string first = "    ";
    const bool lettered = label.size() >= 1 && label[0] >= 'a' && label[0] <= 'z';
    first += lettered ? greekLetterName(label.substr(0, 1)) : "***";
    if (label.size() == 2) first += std::string(" ") + label[1];
    first += "  " + star->GetConstellation() + "  -  m ";

    const auto entry = sky.secondMap().find(std::to_string(star->catalogueNumber()));
    StarComponents components;
    if (entry != sky.secondMap().end()) components = parseStarComponents(entry->second);
    if (components.magnitudes.empty()) components.magnitudes.push_back(star->GetMagnitude());
    std::vector<std::string> magnitudes;
    for (const int tenths : components.magnitudes) magnitudes.push_back(magnitudeText(tenths));
    first += joined(magnitudes, " / ") + "  -  sp " + joined(components.spectralTypes, " / ");

    return {first, "  " + sky.constellationName(star->GetConstellation())};
}

}  // namespace zarn
