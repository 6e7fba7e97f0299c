// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/ObjectDescription.h"

#include <cmath>
#include <cstdio>

#include "sky/CAstre.h"
#include "sky/CEtoile.h"
#include "sky/CMessier.h"
#include "sky/CNouvelObjet.h"
#include "sky/CPlaSol.h"
#include "sky/CSoleil.h"
#include "sky/EventAltitude.h"
#include "sky/SkyMath.h"
#include "time/Calendar.h"
#include "tools/BodyAccess.h"
#include "tools/CLeverCoucher.h"
#include "tools/Ephemerides.h"

namespace zarn {

namespace {

// Equatorial diameters seen from 1 AU (arc seconds), Mercure … Saturne.
constexpr double kDiameterAt1Au[6] = {1919.26, 6.74, 16.92, 9.36, 196.74, 165.6};
constexpr double kMoonRadiusInEarthRadii = 0.2725;
constexpr double kArcSecondsPerRadian = 206264.806;

std::string printf1(const char* pattern, double v)
{
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, pattern, v);
    return buffer;
}

std::string kindOf(const CAstre& object, int bodyIndex)
{
    if (bodyIndex == 0)
        return "Étoile (le Soleil)";
    if (bodyIndex == 6)
        return "Satellite de la Terre";
    if (bodyIndex > 0)
        return "Planète";
    if (dynamic_cast<const CNouvelObjet*>(&object))
        return "Objet de l'utilisateur";
    if (const auto* deep = dynamic_cast<const CMessier*>(&object)) {
        (void)deep;
        return "Objet du ciel profond";
    }
    if (dynamic_cast<const CEtoile*>(&object))
        return "Étoile";
    return "Objet";
}

// "5 h 35 min 17 s"
std::string hoursText(double hours)
{
    const double total = std::round(hours * 3600.0);
    const int h = static_cast<int>(total / 3600.0) % 24;
    const int m = static_cast<int>(std::fmod(total, 3600.0) / 60.0);
    const int s = static_cast<int>(std::fmod(total, 60.0));
    char buffer[48];
    std::snprintf(buffer, sizeof buffer, "%d h %02d min %02d s", h, m, s);
    return buffer;
}

// "+22° 00′ 57″"
std::string degreesText(double degrees, bool sign)
{
    const double total = std::round(std::fabs(degrees) * 3600.0);
    const int d = static_cast<int>(total / 3600.0);
    const int m = static_cast<int>(std::fmod(total, 3600.0) / 60.0);
    const int s = static_cast<int>(std::fmod(total, 60.0));
    char buffer[48];
    std::snprintf(buffer, sizeof buffer, "%s%d° %02d′ %02d″", sign ? (degrees < 0 ? "−" : "+") : "", d, m, s);
    return buffer;
}

// One event of the day as the ephemerides table writes it, or the code's words.
std::string eventText(double hours)
{
    if (hours == kAlwaysAbove)
        return "toujours levé";
    if (hours == kAlwaysBelow)
        return "jamais levé";
    if (!isTime(hours))
        return "-";
    std::string text = eventTimeText(hours);
    while (!text.empty() && text.front() == ' ')
        text.erase(text.begin());
    return text;
}

std::string decimalComma(std::string text)
{
    for (char& c : text)
        if (c == '.')
            c = ',';
    return text;
}

void addRiseTransitSet(CAstre& object, int bodyIndex, const CInstant& instant, std::vector<std::string>& lines)
{
    const std::vector<CJourLeverCoucher> days = riseSetDays(object, bodyIndex, instant, 1);
    const CJourLeverCoucher day = days.empty() ? CJourLeverCoucher{} : days.front();
    if (isCode(day.rise) || isCode(day.set)) {
        lines.push_back(isCode(day.rise) ? eventText(day.rise) : eventText(day.set));
        return;
    }
    CLeverCoucher series(&object, eventAltitudeDegrees(bodyIndex));
    const double transit = series.TransitTime(instant, 0.0);
    lines.push_back("lever " + eventText(day.rise) + "   passage " + eventText(transit < 24.0 ? transit : -1.0)
                    + "   coucher " + eventText(day.set));
}

void addSolarSystemFacts(CAstre& body, int bodyIndex, const CInstant& instant, std::vector<std::string>& lines)
{
    const BodyPosition position = positionAt(body, instant);
    if (bodyIndex == 6) {
        const MoonPhase phase = moonPhaseAt(body, instant);
        lines.push_back("partie éclairée " + printf1("%.0f", 100.0 * phase.fraction) + " %");
        const double km = position.distance * 6378.14;
        lines.push_back("distance " + printf1("%.0f", km) + " km");
        const double diameter = 2.0 * std::asin(kMoonRadiusInEarthRadii / position.distance);
        lines.push_back("diamètre apparent " + decimalComma(printf1("%.1f", diameter * kDegPerRad * 60.0)) + "′");
        return;
    }
    const double distance = bodyIndex == 0 ? position.distance : planetDistancesAt(body, instant).fromEarth;
    if (distance <= 0.0)
        return;
    if (bodyIndex > 0) {
        // The lit fraction from the triangle Sun, Earth, planet.
        const PlanetDistances d = planetDistancesAt(body, instant);
        CAstre* sun = static_cast<CPlaSol&>(body).GetSun();
        const double earthSun = sun ? positionAt(*sun, instant).distance : 1.0;
        const double cosPhase = (d.fromSun * d.fromSun + d.fromEarth * d.fromEarth - earthSun * earthSun)
                                / (2.0 * d.fromSun * d.fromEarth);
        lines.push_back("partie éclairée " + printf1("%.0f", 50.0 * (1.0 + cosPhase)) + " %");
    }
    lines.push_back("distance " + decimalComma(printf1("%.3f", distance)) + " UA");
    const double arcSeconds = kDiameterAt1Au[bodyIndex] / distance;
    lines.push_back("diamètre apparent " + decimalComma(arcSeconds >= 120.0 ? printf1("%.1f", arcSeconds / 60.0) + "′"
                                                                             : printf1("%.1f", arcSeconds) + "″"));
}

}  // namespace

void altitudeAzimuth(double alpha, double delta, const CInstant& instant, double& altitude, double& azimuth)
{
    const double hourAngle = instant.siderealTime() - alpha;
    const double phi = instant.place().latitude();
    const double sinAlt = std::sin(phi) * std::sin(delta) + std::cos(phi) * std::cos(delta) * std::cos(hourAngle);
    altitude = std::asin(std::fmax(-1.0, std::fmin(1.0, sinAlt)));
    // From the north towards the east.
    const double y = -std::cos(delta) * std::sin(hourAngle);
    const double x = std::sin(delta) * std::cos(phi) - std::cos(delta) * std::sin(phi) * std::cos(hourAngle);
    azimuth = ReduceAngle(std::atan2(y, x), 0.0, kTwoPi);
    if (azimuth >= kTwoPi)
        azimuth -= kTwoPi;
}

ObjectDescription describeObject(CAstre& object, int bodyIndex, const CInstant& instant, const SkyDirectory& sky)
{
    ObjectDescription out;
    out.name = object.GetName();
    std::vector<std::string>& lines = out.lines;
    std::string kind = kindOf(object, bodyIndex);
    const int magnitude = object.GetMagnitude();
    if (bodyIndex < 0 && magnitude < 99)
        kind += ", magnitude " + decimalComma(printf1("%.1f", magnitude / 10.0));
    lines.push_back(kind);
    const std::string constellation = object.GetConstellationName(sky);
    if (!constellation.empty())
        lines.push_back(constellation);

    // The searches move a body through the day: the position of the instant
    // is taken last, and stays in the object.
    std::vector<std::string> events;
    addRiseTransitSet(object, bodyIndex, instant, events);
    const BodyPosition position = positionAt(object, instant);
    double altitude = 0.0;
    double azimuth = 0.0;
    altitudeAzimuth(position.alpha, position.delta, instant, altitude, azimuth);
    lines.push_back("hauteur " + degreesText(altitude * kDegPerRad, true) + "   azimut "
                    + degreesText(azimuth * kDegPerRad, false));
    lines.push_back("A.D. " + hoursText(ReduceAngle(position.alpha, 0.0, kTwoPi) * kHoursPerRad) + "   D. "
                    + degreesText(position.delta * kDegPerRad, true));
    lines.insert(lines.end(), events.begin(), events.end());
    if (bodyIndex >= 0)
        addSolarSystemFacts(object, bodyIndex, instant, lines);
    // Back to the state the sky computed for the instant.
    object.Compute(instant);
    return out;
}

}  // namespace zarn
