// SPDX-License-Identifier: GPL-3.0-or-later
// zarn-calc position BODY [--every H.MM --count N]: where a body of the solar
// system stands for the instant and place of the options, or at N instants a
// step apart.
#include "calc/CalcArguments.h"
#include "calc/CalcBodies.h"
#include "calc/CalcCommand.h"
#include "calc/TsvOutput.h"
#include "sky/SkyMath.h"
#include "time/Calendar.h"
#include "time/LegalOffset.h"

#include <cstdio>
#include <optional>
#include <string>
#include <vector>

namespace zarn {

namespace {
constexpr int kMaxPositions = 100000;
constexpr double kLastJulianDay = 2488069.5;  // 1 January 2100, 0 h

struct Field {
    const char* key;
    double value;
};

double degrees(double radians) { return radians * kDegPerRad; }

// The values of the body at the instant, in the order printed; nothing when
// the theory cannot form a position.
std::optional<std::vector<Field>> positionFields(NamedBody& named, const CInstant& instant)
{
    CPlaSol& body = named.body();
    if (!body.Compute(instant))
        return std::nullopt;
    const Horizontal h = EquatorialToHorizontal(instant.siderealTime(), instant.place().latitude(),
                                                body.GetAlpha(), body.GetDelta());
    std::vector<Field> fields{{"ra", degrees(ReduceAngle(body.GetAlpha(), 0.0, kTwoPi))},
                              {"dec", degrees(body.GetDelta())},
                              {"dist", body.GetDistance()},
                              {"alt", degrees(h.altitude)},
                              {"az", degrees(h.azimuth)},
                              {"lon", ReduceAngle(degrees(body.GetEclipticLongitude()), 0.0, 360.0)},
                              {"lat", degrees(body.GetEclipticLatitude())}};
    if (named.index == kMoon) {
        const CLune& moon = named.bodies.moon;
        fields.insert(fields.end(), {{"k", moon.GetIlluminatedFraction()},
                                     {"i", degrees(moon.GetPhaseAngle())},
                                     {"chi", degrees(moon.GetBrightLimbAngle())},
                                     {"q", degrees(moon.GetParallacticAngle())}});
    }
    if (named.index == kSaturn)
        fields.push_back({"B", degrees(named.bodies.planet(kSaturn).RingTilt(instant.centuries()))});
    return fields;
}

void printPairs(const std::vector<Field>& fields, const char* prefix)
{
    std::string line = prefix;
    char buffer[64];
    for (const Field& field : fields) {
        std::snprintf(buffer, sizeof buffer, "%s%s=%.6f", &field == &fields.front() ? "" : " ", field.key,
                      field.value);
        line.append(buffer);
    }
    std::printf("%s\n", line.c_str());
}

// "date=23.9.1998 time=22.30 " before the values of one step.
std::string stepPrefix(double universalJulianDay, int offsetSeconds)
{
    const LegalClock clock = legalClockAt(universalJulianDay, offsetSeconds);
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "date=%d.%d.%d time=%ld.%02ld ", clock.day, clock.month, clock.year,
                  clock.seconds / 3600, clock.seconds / 60 % 60);
    return buffer;
}

void printTsv(const std::vector<Field>& fields, const LegalStamp& at, bool header)
{
    if (header) {
        std::vector<std::string> names{"date", "heure", "ecart_tu"};
        for (const Field& field : fields)
            names.emplace_back(field.key);
        printTsvRow(names);
    }
    std::vector<std::string> row{at.date, at.time, at.offset};
    for (const Field& field : fields)
        row.push_back(degreesText(field.value));
    printTsvRow(row);
}

// The step and count of --every and --count: one instant without them.
struct Steps {
    double hours = 0.0;
    int count = 1;
    std::string error;
};

Steps readSteps(const CommandArguments& args, const CInstant& start)
{
    Steps steps;
    if (args.has("--every") != args.has("--count")) {
        steps.error = "Donnez ensemble --every H.MM et --count N.";
        return steps;
    }
    if (!args.has("--every"))
        return steps;
    const std::optional<double> hours = readStepHours(args.values.find("--every")->second);
    if (!hours) {
        steps.error = "--every : tapez un pas en heures et minutes H.MM, par exemple 1.00 ou 0.30.";
        return steps;
    }
    const BoundedInteger count = boundedOption(args, "--count", 1, kMaxPositions, 1);
    if (!count.value) {
        steps.error = count.error;
        return steps;
    }
    steps.hours = *hours;
    steps.count = *count.value;
    // The last position is printed with its legal date: that date must not
    // be in 2100, even when universal time is still in 2099.
    const double last = start.universalJulianDay() + (steps.count - 1) * steps.hours / 24.0;
    if (last + legalOffsetSeconds(last, start.place()) / 86400.0 >= kLastJulianDay)
        steps.error = "La dernière position tomberait après l'an 2099 : réduisez le pas ou le nombre.";
    return steps;
}

int runPosition(CalcContext& context)
{
    CommandArguments args;
    if (auto error = splitArguments(context.args, {"--every", "--count"}, {}, args))
        return invalidInput(*error);
    const Steps steps = readSteps(args, context.instant);
    if (!steps.error.empty())
        return invalidInput(steps.error);
    context.args = args.words;
    int status = 0;
    std::optional<NamedBody> named = namedBody(context, "usage : zarn-calc position ASTRE [--every H.MM --count N]", status);
    if (!named)
        return status;
    const bool series = args.has("--every");
    const CLieu& place = context.instant.place();
    const double firstDay = context.instant.universalJulianDay();
    for (int i = 0; i < steps.count; ++i) {
        // Steps run in universal time; a summer-time change moves only the
        // legal time printed beside them.
        const double jd = firstDay + i * steps.hours / 24.0;
        const auto fields = positionFields(*named, i == 0 ? context.instant : standardInstantAtUniversal(jd, place));
        if (!fields) {
            std::fprintf(stderr, "Position impossible à calculer\n");
            return 1;
        }
        const int offset = legalOffsetSeconds(jd, place);
        if (context.tsv)
            printTsv(*fields, stampAt(jd, offset), i == 0);
        else
            printPairs(*fields, series ? stepPrefix(jd, offset).c_str() : "");
    }
    return 0;
}

const CalcCommand position("position", "ASTRE [--every H.MM --count N]", runPosition);

}  // namespace

}  // namespace zarn
