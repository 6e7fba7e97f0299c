// zarn-calc visibility: the planet visibility chart of the night.
#include "calc/CalcBodies.h"
#include "calc/CalcCommand.h"
#include "tools/PlanetVisibility.h"

#include <cstdio>

namespace zarn {

namespace {
void printRow(const std::string& name, const VisibilityInterval& row)
{
    auto value = [](double v) {
        char buffer[32];
        std::snprintf(buffer, sizeof buffer, v < 0.0 ? "%.0f" : "%.2f", v);
        return std::string(buffer);
    };
    std::printf("%s %s %s\n", name.c_str(), value(row.start).c_str(), value(row.end).c_str());
}

int runVisibility(CalcContext& context)
{
    if (!context.args.empty())
        return invalidInput("usage : zarn-calc visibility");
    std::optional<SolarBodies> bodies = loadBodies(context.dataDir);
    if (!bodies)
        return 1;
    std::array<CAstre*, 5> planets;
    for (int i = 0; i < 5; ++i)
        planets[static_cast<std::size_t>(i)] = &bodies->planet(i + 1);
    const NightVisibility night = computeNightVisibility(bodies->sun, planets, context.instant);
    std::printf("%s\n", night.title.c_str());
    printRow(bodies->sun.GetName(), night.sun);
    for (int i = 0; i < 5; ++i)
        printRow(bodies->planet(i + 1).GetName(), night.planets[static_cast<std::size_t>(i)]);
    return 0;
}

const CalcCommand visibility("visibility", "", runVisibility);
}  // namespace

}  // namespace zarn
