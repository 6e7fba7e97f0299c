// SPDX-License-Identifier: GPL-3.0-or-later
// Result texts of the conjunction, opposition and not-visible boxes.
#include "tools/AlmanacTexts.h"

#include "sky/EventAltitude.h"
#include "time/Calendar.h"
#include "tools/CLeverCoucher.h"
#include "tools/CRechercheConjonction.h"
#include "tools/Ephemerides.h"

#include <cctype>
#include <cmath>
#include <cstdio>

namespace zarn {

namespace {
std::string upper(const std::string& s)
{
    std::string out = s;
    for (char& c : out)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    // The accented letter of a planet's name, in UTF-8.
    const std::string lowerE = "é", upperE = "É";
    for (std::size_t at = out.find(lowerE); at != std::string::npos; at = out.find(lowerE, at))
        out.replace(at, lowerE.size(), upperE);
    return out;
}
}  // namespace

std::string eventDateText(const CInstant& event, bool toTheMinute)
{
    CInstant shown = event;
    if (!toTheMinute)
        shown.shift(0, 0, 30, 0, true);  // the hour shown is the nearest one
    char buffer[128];
    if (toTheMinute)
        std::snprintf(buffer, sizeof buffer, " %d %s %d  à  %dh%02d", shown.day(), shown.monthName().c_str(),
                      shown.year(), shown.hour(), shown.minute());
    else
        std::snprintf(buffer, sizeof buffer, " %d %s %d  à  %dh", shown.day(), shown.monthName().c_str(),
                      shown.year(), shown.hour());
    return buffer;
}

std::string separationText(double radians)
{
    const double packed = toPackedMinutes(radians * kDegPerRad);
    const int degrees = static_cast<int>(packed);
    const int minutes = static_cast<int>(std::lround((packed - degrees) * 100.0));
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%d° %02d'     ", degrees, minutes);
    return buffer;
}

std::string conjunctionEventText(const ConjunctionEvent& found, bool moon, const std::string& constellation)
{
    return eventDateText(found.event, moon) + "    " + separationText(found.separation) + constellation;
}

std::string conjunctionClosestText(const ConjunctionEvent& found, bool moon)
{
    return eventDateText(found.closest, moon) + "    " + separationText(found.smallest);
}

double oppositionMagnitude(int planetIndex, double fromSun, double fromEarth, double ringTilt)
{
    static const double base[6] = {0.0, 0.0, 0.0, -1.44, -8.99, -8.68};
    double m = 5.0 * std::log10(fromSun * fromEarth) + (planetIndex >= 3 && planetIndex <= 5 ? base[planetIndex] : 0.0);
    if (planetIndex == 5)
        m += -2.6 * std::fabs(std::sin(ringTilt)) + 1.25 * ringTilt * ringTilt;
    return m;
}

std::string oppositionText(const CInstant& event, const std::string& constellation, double magnitude)
{
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%.1f", magnitude);
    return eventDateText(event, false) + "    " + constellation + "    mag  " + buffer;
}

std::string notVisibleTitle(int bodyIndex)
{
    return bodyIndex == kSun || bodyIndex == kMoon ? std::string("  ") + bodyInfo(bodyIndex).name : "  Planète";
}

namespace {

// "date  à time" and a blank line, as the not-visible boxes begin.
std::string instantLine(const CInstant& instant)
{
    const std::string& time = instant.timeText();
    return instant.dateText() + "  à" + (time.size() > 1 && time[1] != ' ' ? " " : "") + time + "\n\n";
}

// The next rise after the instant, in legal hours and minutes, or "-".
std::string nextRiseLine(CAstre& body, double altitudeDegrees, const CInstant& instant)
{
    const double r = CLeverCoucher::NextRise(&body, altitudeDegrees, instant);
    const double p = toPackedMinutes(r);
    std::string text = "   Prochain lever:  ";
    if (p < 0.0 || r < 0.0) {
        text += "  -   ";
    } else {
        char buffer[32];
        std::snprintf(buffer, sizeof buffer, "%5.2f", reduce24(p));
        text += buffer;
    }
    return text;
}

}  // namespace

std::string notVisibleText(CAstre& body, int bodyIndex, const std::string& name, const CInstant& instant)
{
    std::string text = instantLine(instant);
    if (bodyIndex == 6)
        text += "     La LUNE n'est pas visible.\n\n";
    else if (bodyIndex == 0)
        text += "     Le SOLEIL n'est pas visible.\n\n";
    else
        text += "     La planète " + upper(name) + "\n     n'est pas visible.\n\n";
    return text + nextRiseLine(body, eventAltitudeDegrees(bodyIndex), instant);
}

std::string objectNotVisibleText(CAstre& object, const std::string& name, const CInstant& instant)
{
    return instantLine(instant) + "     " + name + "\n     n'est pas visible.\n\n" + nextRiseLine(object, 0.0, instant);
}

}  // namespace zarn
