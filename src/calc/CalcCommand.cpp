// SPDX-License-Identifier: GPL-3.0-or-later
#include "calc/CalcCommand.h"

#include <cstdio>

namespace zarn {

namespace {
std::vector<const CalcCommand*>& registry()
{
    static std::vector<const CalcCommand*> commands;
    return commands;
}
}  // namespace

CalcCommand::CalcCommand(const char* commandName, const char* commandUsage, CalcFunction function)
    : name(commandName), usage(commandUsage), run(function)
{
    registry().push_back(this);
}

const std::vector<const CalcCommand*>& CalcCommand::all() { return registry(); }

const CalcCommand* CalcCommand::find(const std::string& commandName)
{
    for (const CalcCommand* command : registry())
        if (commandName == command->name)
            return command;
    return nullptr;
}

int invalidInput(const std::string& message)
{
    std::fprintf(stderr, "%s\n", message.c_str());
    return 2;
}

int pastLastYear(const std::string& lastItem, const std::string& remedy)
{
    return invalidInput(lastItem + " tomberait après l'an " + std::to_string(kLastYear) + " : " + remedy + ".");
}

}  // namespace zarn
