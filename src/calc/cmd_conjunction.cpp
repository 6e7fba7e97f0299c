// zarn-calc conjunction BODY1 BODY2 [--next N] and opposition PLANET [--next N].
#include "calc/CalcBodies.h"
#include "calc/CalcCommand.h"
#include "calc/TsvOutput.h"
#include "time/Calendar.h"
#include "time/LegalOffset.h"
#include "sky/SkyModel.h"
#include "tools/ConjunctionSearch.h"

#include <cstdio>

namespace zarn {

namespace {
// The arguments before "--next N", and N (0 without the option).
bool splitNext(std::vector<std::string> args, std::size_t bodies, std::vector<std::string>& names, int& next)
{
    next = 0;
    if (args.size() == bodies + 2 && args[bodies] == "--next") {
        const std::optional<int> n = integerArgument(args[bodies + 1], 0, 1000);
        if (!n)
            return false;
        next = *n;
        args.resize(bodies);
    }
    names = args;
    return names.size() == bodies;
}

// The sky names the constellation of the event; the bodies come with it.
bool loadSky(SkyModel& sky, const CalcContext& context)
{
    const SkyLoadResult loaded = sky.load(context.dataDir, context.instant);
    if (!loaded.ok())
        std::fprintf(stderr, "%s\n", loadErrorText(loaded).c_str());
    return loaded.ok();
}

void printEventTsv(const char* what, double universalJulianDay, const CLieu& place, double separation)
{
    const LegalStamp stamp = stampAt(universalJulianDay, legalOffsetSeconds(universalJulianDay, place));
    printTsvRow({what, stamp.date, stamp.time, stamp.offset, degreesText(separation * kDegPerRad)});
}

void printTsvHeader() { zarn::printTsvHeader({"evenement", "date", "heure", "ecart_tu", "separation"}); }

int notFound()
{
    std::fprintf(stderr, "Aucun événement trouvé avant 2100\n");
    return 1;
}

int runConjunction(CalcContext& context)
{
    std::vector<std::string> names;
    int next = 0;
    if (!splitNext(context.args, 2, names, next))
        return invalidInput("usage : zarn-calc conjunction ASTRE1 ASTRE2 [--next N]");
    const std::optional<int> b1 = bodyIndexOf(names[0]);
    const std::optional<int> b2 = bodyIndexOf(names[1]);
    if (!b1 || !b2 || *b1 == kSun || *b2 == kSun || *b1 == *b2)
        return invalidInput("Choisissez deux astres parmi Mercure, Vénus, Mars, Jupiter, Saturne et Lune");
    SkyModel sky;
    if (!loadSky(sky, context))
        return 1;
    ConjunctionSearch search(sky.bodies(), context.instant, &sky);
    std::optional<ConjunctionResult> result = search.Conjunction(*b1, *b2);
    for (int i = 0; i < next && result; ++i)
        result = search.NextConjunction(*result);
    if (!result)
        return notFound();
    if (context.tsv) {
        printTsvHeader();
        const ConjunctionEvent& found = result->found;
        printEventTsv("conjonction", found.eventJulianDay, context.instant.place(), found.separation);
        printEventTsv("plus_proche", found.closestJulianDay, context.instant.place(), found.smallest);
        return 0;
    }
    std::printf("%s\n%s\n", result->eventText.c_str(), result->closestText.c_str());
    return 0;
}

int runOpposition(CalcContext& context)
{
    std::vector<std::string> names;
    int next = 0;
    if (!splitNext(context.args, 1, names, next))
        return invalidInput("usage : zarn-calc opposition PLANETE [--next N]");
    const std::optional<int> planet = bodyIndexOf(names[0]);
    if (!planet || *planet < kMars || *planet > kSaturn)
        return invalidInput("Choisissez Mars, Jupiter ou Saturne");
    SkyModel sky;
    if (!loadSky(sky, context))
        return 1;
    ConjunctionSearch search(sky.bodies(), context.instant, &sky);
    std::optional<ConjunctionResult> result = search.Opposition(*planet);
    for (int i = 0; i < next && result; ++i)
        result = search.NextOpposition(*result);
    if (!result)
        return notFound();
    if (context.tsv) {
        printTsvHeader();
        const ConjunctionEvent& found = result->found;
        printEventTsv("opposition", found.eventJulianDay, context.instant.place(), found.separation);
        return 0;
    }
    std::printf("%s\n", result->eventText.c_str());
    return 0;
}

const CalcCommand conjunction("conjunction", "ASTRE1 ASTRE2 [--next N]", runConjunction);
const CalcCommand opposition("opposition", "PLANETE [--next N]", runOpposition);
}  // namespace

}  // namespace zarn
