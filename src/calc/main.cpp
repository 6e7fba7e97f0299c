// zarn-calc: the engine's computations from the command line, with the same
// texts as the program's windows.
#include "calc/CalcCommand.h"
#include "calc/CalcOptions.h"
#include "time/Calendar.h"

#include <cstdio>

using namespace zarn;

namespace {
int usage()
{
    std::fprintf(stderr,
                 "usage : zarn-calc COMMANDE [--date J.M.A] [--time H.MM] [--lon 2.20E] "
                 "[--lat 48.51N] [--zone 1] [--dst 1|0] [--name TEXTE]\ncommandes :\n");
    for (const CalcCommand* command : CalcCommand::all())
        std::fprintf(stderr, "  %s %s\n", command->name, command->usage);
    return 2;
}
}  // namespace

int main(int argc, char* argv[])
{
    CalcOptions options;
    if (auto error = splitOptions(argc, argv, options))
        return invalidInput(*error);
    if (options.rest.empty())
        return usage();
    const CalcCommand* command = CalcCommand::find(options.rest.front());
    if (command == nullptr)
        return usage();

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
        if (!parseTime(*options.time, 0, 23))
            return invalidInput("Heure non valable");
        const HourMinuteSecond t = readTime(*options.time);
        context.instant.setHour(t.hours);
        context.instant.setMinute(t.minutes);
        context.instant.setSecond(0);
    }
    context.instant.refreshTexts();
    context.args.assign(options.rest.begin() + 1, options.rest.end());
    context.dataDir = programDirectory();
    return command->run(context);
}
