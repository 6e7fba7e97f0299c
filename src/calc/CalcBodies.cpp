// SPDX-License-Identifier: GPL-3.0-or-later
// Bodies and arguments shared by the commands of zarn-calc.
#include "calc/CalcBodies.h"
#include "calc/CalcArguments.h"
#include "calc/CalcOptions.h"
#include "sky/DataFolder.h"
#include "sky/SkyLoadResult.h"

#include <cstdio>

namespace zarn {


std::optional<int> bodyIndexOf(const std::string& name)
{
    for (const BodyInfo& entry : kBodyTable)
        if (name == entry.name || name == entry.asciiName)
            return entry.index;
    return std::nullopt;
}

// The bodies read from ELEMENTS.ZAR beside the program, or the message.
std::optional<SolarBodies> loadBodies(const std::string& dataDir)
{
    SolarBodies bodies;
    if (auto error = bodies.load(std::filesystem::path(dataDir) / "ELEMENTS.ZAR")) {
        std::fprintf(stderr, "%s\n",
                     loadErrorText(SkyLoadResult::failure("ELEMENTS.ZAR", error->kind())).c_str());
        return std::nullopt;
    }
    return bodies;
}

std::optional<int> integerArgument(const std::string& text, int lo, int hi)
{
    return boundedWord(text, lo, hi).value;
}

// The Sun's right ascension for the true solar time of the "times" command.
std::optional<double> calcSunRightAscension(const CInstant& instant)
{
    SolarBodies bodies;
    if (bodies.load(std::filesystem::path(dataFolder(programFolder())) / "ELEMENTS.ZAR") ||
        !bodies.sun.Compute(instant))
        return std::nullopt;
    return bodies.sun.GetAlpha();
}

std::optional<NamedBody> namedBody(const CalcContext& context, const char* usage, int& status)
{
    status = 2;
    if (context.args.size() != 1) {
        invalidInput(usage);
        return std::nullopt;
    }
    const std::optional<int> index = bodyIndexOf(context.args[0]);
    if (!index) {
        invalidInput("Astre inconnu : " + context.args[0]);
        return std::nullopt;
    }
    status = 1;
    std::optional<SolarBodies> bodies = loadBodies(context.dataDir);
    if (!bodies)
        return std::nullopt;
    status = 0;
    return NamedBody{std::move(*bodies), *index};
}

}  // namespace zarn
