// SPDX-License-Identifier: GPL-3.0-or-later
// The instant of every computation: legal date and time at a place, with the
// local sidereal time and the Julian centuries recomputed after every change.
#include "time/CInstant.h"

#include "time/Calendar.h"
#include "time/LegalOffset.h"

#include <cmath>
#include <cstdio>
#include <ctime>

namespace zarn {

namespace {
constexpr double kRadiansPerHour = 0.26179938779914946;
constexpr double kJd1900 = 2415020.0;
constexpr double kDaysPerCentury = 36525.0;

std::string coordinateText(double packed, char positive, char negative, bool isPositive)
{
    char buffer[48];
    std::snprintf(buffer, sizeof buffer, "  %.2f%c", std::fabs(packed),
                  isPositive ? positive : negative);
    return buffer;
}
}  // namespace

CInstant::CInstant(int day, int month, int year, int hour, int minute, int second,
                   const CLieu& place)
    : CDateHeure(day, month, year, hour, minute, second), m_place(place)
{
    m_summerTime = 1;  // a time given in legal hours: the first of a repeated hour
    refreshTexts();
}

CInstant& CInstant::operator=(const CInstant& other)
{
    if (this != &other) {
        CDateHeure::operator=(other);
        m_place = other.m_place;
        m_placeText = other.m_placeText;
        m_dateText = other.m_dateText;
        m_timeText = other.m_timeText;
        m_siderealTime = other.m_siderealTime;
        m_centuries = other.m_centuries;
        m_offsetSeconds = other.m_offsetSeconds;
        recompute();
    }
    return *this;
}

CInstant& CInstant::operator=(const CDateHeure& dateTime)
{
    CDateHeure::operator=(dateTime);
    recompute();
    return *this;
}

void CInstant::assign(const CDateHeure& dateTime, const CLieu& place)
{
    CDateHeure::operator=(dateTime);
    m_place = place;
    recompute();
}

void CInstant::setPlace(const CLieu& place)
{
    m_place = place;
    recompute();
}

void CInstant::setTimeFromHours(double hours)
{
    CDateHeure::setTimeFromHours(hours);
    recompute();
}

void CInstant::recompute()
{
    // Universal time depends on the offset in force: it comes first. In the
    // hour that an autumn change repeats, the reading the instant already
    // holds is kept (an event set from universal time in the second pass of
    // that hour stays there); a typed time takes the first.
    const LegalReadings readings = legalReadings(*this, m_place);
    LegalReading chosen = readings.first;
    if (readings.count == 2) {
        const LegalReading& a = readings.first;
        const LegalReading& b = readings.second;
        const bool flagTellsB = a.summer != b.summer && b.summer == (m_summerTime != 0);
        const bool offsetTellsB = a.summer == b.summer && b.offsetSeconds == m_offsetSeconds;
        if (flagTellsB || offsetTellsB)
            chosen = b;
    }
    m_summerTime = chosen.summer ? 1 : 0;
    m_offsetSeconds = chosen.offsetSeconds;
    m_siderealTime = computeSiderealTime();
    m_centuries = computeCenturies();
}

double CInstant::universalHours() const
{
    return m_hour + m_minute / 60.0 + m_second / 3600.0 - m_offsetSeconds / 3600.0;
}

double CInstant::universalJulianDay() const
{
    return julianDayAt0h() + universalHours() / 24.0;
}

double CInstant::computeCenturies() const
{
    return (universalJulianDay() - kJd1900) / kDaysPerCentury;
}

double CInstant::siderealTimeAt0hUT() const
{
    const double t0 = (julianDayAt0h() - kJd1900) / kDaysPerCentury;
    const double s = -m_place.longitude() / 15.0 + 6.6460656 + 2400.051262 * t0 +
                     0.00002581 * t0 * t0;
    return reduce24(s) * kRadiansPerHour;
}

double CInstant::computeSiderealTime() const
{
    const double t0 = (julianDayAt0h() - kJd1900) / kDaysPerCentury;
    const double s = universalHours() * kSiderealRatio - m_place.longitude() / 15.0 + 6.6460656 +
                     2400.051262 * t0 + 0.00002581 * t0 * t0;
    return reduce24(s) * kRadiansPerHour;
}

double CInstant::meanSolarTime() const
{
    return reduce24(universalHours() - m_place.longitude() / 15.0);
}

double CInstant::trueSolarTime(double sunRightAscension) const
{
    return reduce24((m_siderealTime - sunRightAscension) * kHoursPerRad + 12.0);
}

void CInstant::refreshTexts()
{
    recompute();
    const double lon = m_place.longitude();
    const double lat = m_place.latitude() * kDegPerRad;
    m_placeText = m_place.name() + " " + coordinateText(toPackedMinutes(lon), 'W', 'E', lon > 0) +
                  " " + coordinateText(toPackedMinutes(lat), 'N', 'S', lat >= 0);
    char buffer[96];
    std::snprintf(buffer, sizeof buffer, " %d %s %d", m_day, monthName().c_str(), m_year);
    m_dateText = buffer;
    std::snprintf(buffer, sizeof buffer, " %2d.%.2d", m_hour, m_minute);
    m_timeText = buffer;
}

void CInstant::setNow()
{
    // The clock counts universal time; the present at the observatory is that
    // instant in the observatory's own legal time, whatever the computer's zone.
    const std::time_t now = std::time(nullptr);
    std::tm utc{};
    gmtime_r(&now, &utc);
    const double seconds = utc.tm_hour * 3600.0 + utc.tm_min * 60.0 + (utc.tm_sec > 59 ? 59 : utc.tm_sec);
    const int year = utc.tm_year + 1900;
    setFromUniversalJulianDay(zarn::julianDay(utc.tm_mday, utc.tm_mon + 1, year, seconds / 86400.0));
    refreshTexts();
}

void CInstant::setFromUniversalJulianDay(double jd)
{
    // The offset in force at that universal instant names the legal time,
    // also in the hour that an autumn change shows twice.
    const LegalReading reading = readingAtUniversal(jd, m_place);
    setFromJulianDay(jd + reading.offsetSeconds / 86400.0);
    m_summerTime = reading.summer ? 1 : 0;
    m_offsetSeconds = reading.offsetSeconds;
    recompute();
}

}  // namespace zarn
