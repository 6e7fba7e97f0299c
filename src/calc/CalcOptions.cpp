// SPDX-License-Identifier: GPL-3.0-or-later
// Common options of zarn-calc and the place they describe.
#include "calc/CalcOptions.h"

#include "sky/DataFolder.h"
#include "time/Calendar.h"
#include "time/LegalOffset.h"
#include "time/ProfileFile.h"
#include "settings/ZarnSettings.h"

#include <cerrno>
#include <cmath>
#include <cstdlib>
#include <ctime>
#include <sstream>
#include <unistd.h>

namespace zarn {

namespace {
std::optional<std::string>* slotFor(CalcOptions& o, const std::string& flag)
{
    if (flag == "--date") return &o.date;
    if (flag == "--time") return &o.time;
    if (flag == "--lon") return &o.lon;
    if (flag == "--lat") return &o.lat;
    if (flag == "--zone") return &o.zone;
    if (flag == "--dst") return &o.dst;
    if (flag == "--name") return &o.name;
    if (flag == "--tz") return &o.tz;
    return nullptr;
}

// A number typed in a field of the place dialog: the messages are those of
// the dialog's field exchange.
std::optional<double> readNumber(const std::string& text, double lo, double hi, std::string& error)
{
    char* end = nullptr;
    errno = 0;
    const double v = std::strtod(text.c_str(), &end);
    if (text.empty() || end == text.c_str() || *end != '\0' || errno != 0 || !std::isfinite(v)) {
        error = "Tapez un nombre.";
        return std::nullopt;
    }
    if (v < lo || v > hi) {
        std::ostringstream s;
        s << "Tapez un nombre compris entre " << lo << " et " << hi << ".";
        error = s.str();
        return std::nullopt;
    }
    return v;
}

std::optional<int> readInteger(const std::string& text, int lo, int hi, std::string& error)
{
    char* end = nullptr;
    errno = 0;
    const long v = std::strtol(text.c_str(), &end, 10);
    if (text.empty() || end == text.c_str() || *end != '\0' || errno != 0) {
        error = "Tapez un nombre entier.";
        return std::nullopt;
    }
    if (v < lo || v > hi) {
        error = "Tapez un nombre entier compris entre " + std::to_string(lo) + " et " +
                std::to_string(hi) + ".";
        return std::nullopt;
    }
    return static_cast<int>(v);
}

// A zone in hours East, with minutes after a point: "1", "-5", "5.30",
// "-9.30", "5.45". The result is in minutes.
std::optional<int> readZone(const std::string& text, std::string& error)
{
    const auto dot = text.find('.');
    const auto hours = readInteger(text.substr(0, dot), -12, 13, error);
    if (!hours)
        return std::nullopt;
    if (dot == std::string::npos)
        return *hours * 60;
    const std::string minutes = text.substr(dot + 1);
    if (minutes.size() != 2 || !std::isdigit(static_cast<unsigned char>(minutes[0])) ||
        !std::isdigit(static_cast<unsigned char>(minutes[1])) || std::stoi(minutes) > 59) {
        error = "Tapez les minutes du fuseau sur deux chiffres (5.30).";
        return std::nullopt;
    }
    const int m = std::stoi(minutes);
    const bool west = text[0] == '-';
    const int total = *hours * 60 + (west ? -m : m);
    if (total < -12 * 60 || total > 13 * 60) {
        error = "Tapez un nombre entier compris entre -12 et 13.";
        return std::nullopt;
    }
    return total;
}

// "2.20E" -> packed degrees signed positive West; "48.51N" -> positive North.
std::optional<double> readCoordinate(std::string text, char positive, char negative, double max,
                                     std::string& error)
{
    double sign = 1.0;
    if (!text.empty()) {
        const char last = static_cast<char>(std::toupper(static_cast<unsigned char>(text.back())));
        if (last == positive || last == negative) {
            sign = last == positive ? 1.0 : -1.0;
            text.pop_back();
        }
    }
    // The dialog's field takes only digits and "."; the sign is a radio button.
    if (text.find_first_not_of("0123456789.") != std::string::npos) {
        error = "Tapez un nombre.";
        return std::nullopt;
    }
    const auto v = readNumber(text, 0, max, error);
    if (!v)
        return std::nullopt;
    return sign * *v;
}

int currentYear()
{
    const std::time_t now = std::time(nullptr);
    std::tm utc{};
    gmtime_r(&now, &utc);
    return utc.tm_year + 1900;
}

std::size_t utf8Length(const std::string& s)
{
    std::size_t n = 0;
    for (unsigned char c : s)
        if ((c & 0xC0) != 0x80)
            ++n;
    return n;
}

}  // namespace

std::optional<std::string> splitOptions(int argc, char* argv[], CalcOptions& out)
{
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        auto* slot = slotFor(out, arg);
        if (slot != nullptr) {
            if (i + 1 >= argc)
                return "Option " + arg + " : valeur manquante.";
            *slot = argv[++i];
        } else {
            out.rest.push_back(arg);
        }
    }
    return std::nullopt;
}

PlaceOrError placeFromOptions(const CalcOptions& o, const CLieu& defaults)
{
    PlaceOrError result;
    CLieu place = defaults;
    std::string& error = result.error;
    if (o.name) {
        if (utf8Length(*o.name) > 19) {
            error = "Tapez 19 caractères au maximum.";
            return result;
        }
        place.setName(*o.name);
    }
    if (o.lon) {
        const auto packed = readCoordinate(*o.lon, 'W', 'E', 180, error);
        if (!packed)
            return result;
        place.setLongitude(fromPacked(*packed));
    }
    if (o.lat) {
        const auto packed = readCoordinate(*o.lat, 'N', 'S', 90, error);
        if (!packed)
            return result;
        place.setLatitude(fromPacked(*packed) * kRadPerDeg);
    }
    if (o.zone && o.tz) {
        error = "Donnez --zone ou --tz, pas les deux.";
        return result;
    }
    if (o.zone) {
        const auto minutes = readZone(*o.zone, error);
        if (!minutes)
            return result;
        place.setZoneName({});
        place.setZoneMinutes(*minutes);
    }
    if (o.tz) {
        if (!zoneKnown(*o.tz)) {
            error = "Fuseau horaire inconnu : " + *o.tz + " (un nom comme Europe/Paris).";
            return result;
        }
        place = placeOnZone(place, *o.tz, currentYear());
    }
    if (o.dst) {
        const auto flag = readInteger(*o.dst, 0, 1, error);
        if (!flag)
            return result;
        place.setObservesSummerTime(*flag);
        place.setZoneName({});  // the flag asks for the rule, or for none
    }
    result.place = place;
    return result;
}

CLieu defaultPlace()
{
    const std::vector<std::string> candidates{programFolder() + "/ZARN.INI", userConfigFolder() + "/ZARN.INI"};
    for (const std::string& path : candidates) {
        const ProfileFile file = readProfileFile(path);
        if (file.state != ProfileFileState::Whole)
            continue;
        const auto place = observatoryOf(file.profile, 0);
        if (!place)
            break;
        return *place;
    }
    return CLieu("Paris", -fromPacked(2.20), fromPacked(48.51) * kRadPerDeg, 1, 1);
}

}  // namespace zarn
