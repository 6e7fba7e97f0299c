// SPDX-License-Identifier: GPL-3.0-or-later
// The rise and set series against rises and sets found independently, from
// the altitude of another ephemeris (tests/tools/data/RiseSetReference.txt,
// written by bench/riseset/reference.py, whose header says how): the Sun, the
// Moon and Venus over a year at the equator, in Paris, at 66° N, 70° N and
// 70° S, and the Moon over a year at 80°, 85° and 89° N and S, where it may
// rise and set several times a day or stay up for days, in universal time.
#include "AlmanacFixture.h"

#include "tools/CLeverCoucher.h"
#include "tools/DayClock.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdio>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

using namespace zarn;

namespace {

struct Event {
    char kind;        // r rise, s set; R, S the same grazing (optional); g a near miss
    double minutes;   // universal time from 0 h of the first day
    double tolerance; // minutes
};

struct Series {
    double latitude = 0.0;
    double longitudeEast = 0.0;
    std::string body;
    double altitude = 0.0;
    int day = 0, month = 0, year = 0, days = 0;
    std::vector<Event> events;
};

std::vector<Series> readReference()
{
    std::ifstream file(std::string(ZARN_SOURCE_DIR) + "/tests/tools/data/RiseSetReference.txt");
    std::vector<Series> all;
    std::string line;
    while (std::getline(file, line)) {
        std::istringstream words(line);
        std::string head;
        if (!(words >> head) || head[0] == '#')
            continue;
        if (head == "series") {
            Series s;
            std::string start;
            words >> s.latitude >> s.longitudeEast >> s.body >> s.altitude >> start >> s.days;
            std::sscanf(start.c_str(), "%d.%d.%d", &s.day, &s.month, &s.year);
            all.push_back(s);
        } else if (!all.empty()) {
            Event e{head[0], 0.0, 2.0};
            words >> e.minutes >> e.tolerance;
            all.back().events.push_back(e);
        }
    }
    return all;
}

struct Found {
    char kind;
    double minutes;
};

std::vector<Found> engineEvents(CAstre& body, const Series& s)
{
    const CLieu place("Ref", -s.longitudeEast, s.latitude * kRadPerDeg, 0, 0);
    CLeverCoucher series(&body, s.altitude);
    const auto days = series.ComputeSeries(addDays(CInstant(s.day, s.month, s.year, 0, 0, 0, place), -1), s.days);
    std::vector<Found> found;
    for (std::size_t i = 0; i < days.size(); ++i) {
        const CJourLeverCoucher& d = days[i];
        for (const auto& [kind, hours] : {std::pair{'r', d.rise}, std::pair{'r', d.secondRise},
                                          std::pair{'s', d.set}, std::pair{'s', d.secondSet}})
            if (isTime(hours))
                found.push_back({kind, (static_cast<double>(i) * 24.0 + hours) * 60.0});
    }
    return found;
}

std::string when(const Series& s, double minutes)
{
    const CInstant at = instantAtHours(CInstant(s.day, s.month, s.year, 0, 0, 0, CLieu()), minutes / 60.0);
    char text[64];
    std::snprintf(text, sizeof text, "%s %02d:%02d UT", at.shortDateText().c_str(), at.hour(), at.minute());
    return text;
}

// Every required event of the reference is found within its tolerance,
// every event of the series answers an event (or a near miss) of the
// reference, and none is listed twice. Returns the faults, one line each.
std::vector<std::string> compare(const Series& s, std::vector<Found> ours)
{
    std::vector<std::string> faults;
    const std::string name = s.body + " " + std::to_string(s.latitude).substr(0, 6) + ": ";
    std::sort(ours.begin(), ours.end(), [](const Found& x, const Found& y) {
        return x.kind != y.kind ? x.kind < y.kind : x.minutes < y.minutes;
    });
    for (std::size_t i = 1; i < ours.size(); ++i)
        if (ours[i].kind == ours[i - 1].kind && ours[i].minutes - ours[i - 1].minutes < 30.0)
            faults.push_back(name + (ours[i].kind == 'r' ? "rise" : "set") + " listed twice at " +
                             when(s, ours[i].minutes));
    for (const Event& e : s.events) {
        if (e.kind != 'r' && e.kind != 's')
            continue;
        const bool seen = std::any_of(ours.begin(), ours.end(), [&](const Found& f) {
            return f.kind == e.kind && std::fabs(f.minutes - e.minutes) <= e.tolerance;
        });
        if (!seen)
            faults.push_back(name + (e.kind == 'r' ? "rise" : "set") + " missed at " + when(s, e.minutes));
    }
    const double end = s.days * 1440.0;
    for (const Found& f : ours) {
        if (f.minutes < 30.0 || f.minutes > end - 30.0)
            continue;  // its reference may lie outside the year
        const bool known = std::any_of(s.events.begin(), s.events.end(), [&](const Event& e) {
            const bool sameKind = e.kind == 'g' || std::tolower(e.kind) == f.kind;
            return sameKind && std::fabs(f.minutes - e.minutes) <= e.tolerance;
        });
        if (!known)
            faults.push_back(name + (f.kind == 'r' ? "rise" : "set") + " that does not happen at " +
                             when(s, f.minutes));
    }
    return faults;
}

}  // namespace

TEST_F(Almanac, RiseAndSetSeriesAgreeWithAnIndependentEphemerisFromTheEquatorToThePoles)
{
    const std::vector<Series> reference = readReference();
    ASSERT_EQ(reference.size(), 21u);
    const std::map<std::string, int> index{{"Soleil", 0}, {"Vénus", 2}, {"Lune", 6}};
    std::vector<std::string> faults;
    std::size_t events = 0;
    for (const Series& s : reference) {
        ASSERT_TRUE(index.count(s.body)) << s.body;
        const std::vector<Found> ours = engineEvents(bodies.body(index.at(s.body)), s);
        events += ours.size();
        const std::vector<std::string> more = compare(s, ours);
        faults.insert(faults.end(), more.begin(), more.end());
    }
    EXPECT_GT(events, 8500u);
    std::string list;
    for (std::size_t i = 0; i < faults.size() && i < 20; ++i)
        list += faults[i] + "\n";
    EXPECT_TRUE(faults.empty()) << faults.size() << " faults:\n" << list;
}
