// SPDX-License-Identifier: GPL-3.0-or-later
// zarn-calc conjunction BODY1 BODY2 [--next N] and opposition PLANET [--next N].
#include "calc/CalcArguments.h"
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
constexpr int kMaxNext = 1000;

// The body names and the N of "--next N" (0 without it), or the refusal.
std::optional<std::string> splitNext(const std::vector<std::string>& args, std::size_t bodies, const char* usage,
                                     std::vector<std::string>& names, int& next)
{
    CommandArguments parsed;
    if (auto error = splitArguments(args, {"--next"}, {}, parsed))
        return error;
    if (parsed.words.size() != bodies)
        return std::string(usage);
    const BoundedInteger n = boundedOption(parsed, "--next", 0, kMaxNext, 0);
    if (!n.value)
        return n.error;
    names = parsed.words;
    next = *n.value;
    return std::nullopt;
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
    if (auto error = splitNext(context.args, 2, "usage : zarn-calc conjunction ASTRE1 ASTRE2 [--next N]", names, next))
        return invalidInput(*error);
    const std::optional<int> b1 = bodyIndexOf(names[0]);
    const std::optional<int> b2 = bodyIndexOf(names[1]);
    if (!b1 || !b2 || *b1 == kSun || *b2 == kSun || *b1 == *b2)
        return invalidInput("Choisissez deux astres parmi Mercure, Vénus, Mars, Jupiter, Saturne et Lune");
    SkyModel sky;
    if (!loadSky(sky, context))
        return 1;
    ConjunctionSearch search(sky.bodies(), context.instant, &sky);
    std::optional<ConjunctionResult> result = search.Conjunction(*b1, *b2);
    if (!result)
        return notFound();
    for (int i = 0; i < next; ++i)
        if (!(result = search.NextConjunction(*result)))
            return pastLastYear("La dernière conjonction demandée");
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
    if (auto error = splitNext(context.args, 1, "usage : zarn-calc opposition PLANETE [--next N]", names, next))
        return invalidInput(*error);
    const std::optional<int> planet = bodyIndexOf(names[0]);
    if (!planet || *planet < kMars || *planet > kSaturn)
        return invalidInput("Choisissez Mars, Jupiter ou Saturne");
    SkyModel sky;
    if (!loadSky(sky, context))
        return 1;
    ConjunctionSearch search(sky.bodies(), context.instant, &sky);
    std::optional<ConjunctionResult> result = search.Opposition(*planet);
    if (!result)
        return notFound();
    for (int i = 0; i < next; ++i)
        if (!(result = search.NextOpposition(*result)))
            return pastLastYear("La dernière opposition demandée");
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
