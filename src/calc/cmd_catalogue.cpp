// SPDX-License-Identifier: GPL-3.0-or-later
// zarn-calc catalogue: the lists of the catalogue browser and counts of the
// catalogue.
#include "calc/CalcCommand.h"
#include "sky/SkyModel.h"
#include "tools/CatalogueList.h"

#include <cstdio>

namespace zarn {

namespace {

int printStats(const SkyModel& sky)
{
    const CatalogueStats stats = catalogueStats(sky.ciel());
    std::printf("constellations=%zu stars=%zu deepsky=%zu named=%zu segments=%zu\n", stats.constellations,
                stats.stars, stats.deepSky, stats.named, stats.segments);
    return 0;
}

int printLines(const SkyModel& sky, CatalogueKind kind)
{
    for (const CatalogueLine& line : catalogueLines(sky.ciel(), kind)) std::printf("%s\n", line.text.c_str());
    return 0;
}

int runCatalogue(CalcContext& context)
{
    const char* usage = "usage : zarn-calc catalogue 0|1|2|3|stats";
    if (context.args.size() != 1) return invalidInput(usage);
    const std::string& what = context.args[0];
    const bool stats = what == "stats";
    if (!stats && (what.size() != 1 || what[0] < '0' || what[0] > '3')) return invalidInput(usage);

    SkyModel sky;
    const SkyLoadResult loaded = sky.load(context.dataDir, context.instant);
    if (!loaded.ok()) {
        std::fprintf(stderr, "%s\n", loadErrorText(loaded).c_str());
        return 1;
    }
    return stats ? printStats(sky) : printLines(sky, static_cast<CatalogueKind>(what[0] - '0'));
}

const CalcCommand catalogue("catalogue", "0|1|2|3|stats", runCatalogue);

}  // namespace

}  // namespace zarn
