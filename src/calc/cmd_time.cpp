// SPDX-License-Identifier: GPL-3.0-or-later
// zarn-calc dst, jd and times.
#include "calc/CalcBodies.h"
#include "calc/CalcCommand.h"
#include "time/LegalOffset.h"
#include "time/TimeBar.h"

#include <cstdio>
#include <cstdlib>

namespace zarn {

namespace {
int runDst(CalcContext& context)
{
    if (context.args.size() != 1)
        return invalidInput("usage : zarn-calc dst ANNEE");
    char* end = nullptr;
    const long year = std::strtol(context.args[0].c_str(), &end, 10);
    if (end == context.args[0].c_str() || *end != '\0' || year < 1901 || year > 2099)
        return invalidInput("Date non valable");
    // The rule's dates, or for a zone of the database its own changes.
    std::printf("%s\n", summerChangesText(context.instant.place(), static_cast<int>(year)).c_str());
    return 0;
}

int runJd(CalcContext& context)
{
    if (!context.args.empty())
        return invalidInput("usage : zarn-calc jd");
    std::printf("%.6f\n%.6f\n", context.instant.julianDay(), context.instant.universalJulianDay());
    return 0;
}

std::string trimmed(const std::string& s)
{
    const auto first = s.find_first_not_of(' ');
    return first == std::string::npos ? std::string() : s.substr(first);
}
}  // namespace

namespace {
int runTimes(CalcContext& context)
{
    if (!context.args.empty())
        return invalidInput("usage : zarn-calc times");
    const TimeBarTexts texts =
        timeBarTexts(context.instant, calcSunRightAscension(context.instant));
    for (const TimeScale& scale : texts.scales)
        std::printf("%s\t%s\n", scale.label, trimmed(scale.value).c_str());
    return 0;
}

const CalcCommand dst("dst", "ANNEE", runDst);
const CalcCommand jd("jd", "", runJd);
const CalcCommand times("times", "", runTimes);
}  // namespace

}  // namespace zarn
