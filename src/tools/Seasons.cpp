// SPDX-License-Identifier: GPL-3.0-or-later
// Equinoxes and solstices by correcting a first guess with the Sun's
// apparent longitude: c = 58 sin(L − λ) days until the change is tiny.
#include "tools/Seasons.h"

#include "sky/CSoleil.h"
#include "time/LegalOffset.h"
#include "tools/BodyAccess.h"

#include <cmath>
#include <cstdio>

namespace zarn {

namespace {
constexpr const char* kLabels[4] = {"Printemps:", "Eté:", "Automne:", "Hiver:"};
constexpr int kMaxCorrections = 50;

// The universal Julian day at which the Sun's apparent longitude is k × 90°.
double seasonJulianDay(CAstre& sun, const CLieu& place, int year, int k)
{
    double jd = (year + k * 0.25) * 365.2422 + 1721141.3;
    const double target = k * 1.570796327;
    for (int i = 0; i < kMaxCorrections; ++i) {
        const CInstant date = standardInstantAtUniversal(jd, place);
        const double c = 58.0 * std::sin(target - apparentSunLongitude(sun, date));
        jd += c;
        if (!(std::fabs(c) > 0.0001))
            break;
    }
    return jd;
}

CInstant seasonStart(const CLieu& place, int year, double jd)
{
    CInstant date(1, 1, year, 0, 0, 0, place);
    // Half a minute more, so that the minute shown is the nearest one; added
    // in universal time, so that it cannot carry the time into the hour that
    // the spring change skips.
    date.setFromUniversalJulianDay(jd + 30.0 / 86400.0);
    return date;
}
}  // namespace

SeasonsOfYear computeSeasons(const CSoleil& documentSun, const CLieu& place, int year)
{
    CSoleil sun(documentSun);
    SeasonsOfYear out;
    out.text.push_back('\n');
    for (int k = 0; k < 4; ++k) {
        out.universalJulianDays[k] = seasonJulianDay(sun, place, year, k);
        out.starts[k] = seasonStart(place, year, out.universalJulianDays[k]);
        const CInstant& d = out.starts[k];
        char buffer[128];
        std::snprintf(buffer, sizeof buffer, " %d %s  à  %d h %02d", d.day(), d.monthName().c_str(),
                      d.hour(), d.minute());
        out.lines[k].assign(kLabels[k]).append("  le").append(buffer);
        out.text.append(out.lines[k]).append("\n\n");
    }
    return out;
}

std::string seasonsTitle(int year) { return std::string(" Saisons ").append(std::to_string(year)); }

}  // namespace zarn
