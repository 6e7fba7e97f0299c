// SPDX-License-Identifier: GPL-3.0-or-later
// zarn-calc: the engine's computations from the command line, with the same
// texts as the program's windows.
#include "calc/CalcCommand.h"
#include "calc/CalcHelp.h"
#include "calc/CalcOptions.h"
#include "sky/DataFolder.h"
#include "time/Calendar.h"
#include "time/LegalOffset.h"

#include <cstdio>

using namespace zarn;

int main(int argc, char* argv[])
{
    CalcOptions options;
    if (auto error = splitOptions(argc, argv, options))
        return invalidInput(*error);
    if (auto answered = answerHelpOrVersion(options.rest))
        return *answered;
    const bool tsv = takeFlag(options.rest, "--tsv");
    if (options.rest.empty())
        return usageError("");
    const std::string& name = options.rest.front();
    const CalcCommand* command = CalcCommand::find(name);
    if (command == nullptr)
        return usageError((name[0] == '-' ? "Option inconnue : " : "Commande inconnue : ") + name);
    if (tsv && !hasTsvOutput(name))
        return invalidInput("La commande " + name + " n'a pas de sortie --tsv.");

    const PlaceOrError place = placeFromOptions(options, defaultPlace());
    if (!place.place)
        return invalidInput(place.error);

    CalcContext context;
    context.instant.setPlace(*place.place);
    context.instant.setNow();
    if (options.date) {
        const ParsedDate date = parseDate(*options.date);
        if (!date.valid)
            return invalidInput("Date non valable");
        context.instant.setDay(date.day);
        context.instant.setMonth(date.month);
        context.instant.setYear(date.year);
    }
    if (options.time) {
        const std::optional<HourMinuteSecond> t = parseTimeOfDay(*options.time);
        if (!t)
            return invalidInput("Heure non valable");
        context.instant.setHour(t->hours);
        context.instant.setMinute(t->minutes);
        context.instant.setSecond(0);
    }
    if (options.date || options.time) {
        // A typed legal time: the first reading of an hour shown twice, and
        // none for an hour that a spring change skips.
        context.instant.setSummerTime(1);
        if (!legalTimeExists(context.instant, context.instant.place()))
            return invalidInput("Heure non valable");
    }
    context.instant.refreshTexts();
    context.args.assign(options.rest.begin() + 1, options.rest.end());
    context.dataDir = dataFolder(programFolder());
    context.tsv = tsv;
    const int status = command->run(context);
    // A script must learn that its table was not written whole (disk full,
    // closed pipe): the status says so.
    if (std::fflush(stdout) != 0 || std::ferror(stdout)) {
        std::fprintf(stderr, "Écriture de la sortie impossible\n");
        return 1;
    }
    return status;
}
