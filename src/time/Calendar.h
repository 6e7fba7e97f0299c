// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Julian days, the Gregorian calendar, packed sexagesimal numbers (H.MMSS) and
// the parsing of typed dates and times.
#include <optional>
#include <string>

namespace zarn {

constexpr double kPi = 3.141592654;            // as the engine writes it
constexpr double kTwoPi = 6.283185308;
constexpr double kDegPerRad = 57.29577951308231;
constexpr double kRadPerDeg = 0.0174532925199433;
constexpr double kHoursPerRad = 3.819718634205487;
constexpr double kSiderealRatio = 1.002737908;

struct CalendarDate {
    int day = 0;
    int month = 0;
    int year = 0;
    double hours = 0.0;
};

struct ParsedDate {
    bool valid = false;
    int day = 0;
    int month = 0;
    int year = 0;
};

struct HourMinuteSecond {
    int hours = 0;
    int minutes = 0;
    int seconds = 0;
};

double julianDay(int day, int month, int year, double dayFraction);
CalendarDate calendarDate(double jd);
int dayOfWeek(int day, int month, int year);  // 0 = Sunday
int daysInMonth(int month, int year);
const char* monthNameOf(int month);           // "" for 0 or out of range

ParsedDate parseDate(const std::string& text);
bool parseTime(const std::string& text, int minHours, int maxHours);
// The hour and minute of a text accepted by parseTime ("%d.%d").
HourMinuteSecond readTime(const std::string& text);
// A time of day as people type it: "21.30", "21:30" or "21h30" (exactly two
// digits of minutes after the one separator), or the hours alone ("21").
// Seconds are 0; nothing for any other text.
std::optional<HourMinuteSecond> parseTimeOfDay(const std::string& text);

HourMinuteSecond splitHours(double hours);
double toPacked(double x);
double fromPacked(double x);
double toPackedMinutes(double x);
// Hours or degrees in the h.mm form to the nearest minute on both sides of
// zero (a count of 60 minutes carries), so that a southern declination is
// not shown a minute short.
double roundedPackedMinutes(double x);
double reduce24(double x);
// x reduced into (lo, hi]; a result equal to lo becomes hi.
double ReduceAngle(double x, double lo, double hi);

}  // namespace zarn
