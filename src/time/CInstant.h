// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The instant for which everything is computed: a legal date and time bound to
// an observing place, with the local sidereal time and the Julian centuries
// (universal time, from JD 2415020.0) kept in step after every change.
#include "time/CDateHeure.h"
#include "time/CLieu.h"

namespace zarn {

class CInstant : public CDateHeure {
public:
    CInstant() = default;
    CInstant(int day, int month, int year, int hour, int minute, int second, const CLieu& place);
    CInstant(const CInstant&) = default;
    CInstant& operator=(const CInstant& other);
    CInstant& operator=(const CDateHeure& dateTime);   // date and time only
    void assign(const CDateHeure& dateTime, const CLieu& place);

    void setTimeFromHours(double hours) override;  // then recompute
    virtual double computeSiderealTime() const;
    virtual double computeCenturies() const;

    void recompute();
    void refreshTexts();
    void setNow();
    void setFromUniversalJulianDay(double jd);
    void setPlace(const CLieu& place);

    // Legal minus universal time at this instant, in seconds.
    int offsetSeconds() const { return m_offsetSeconds; }
    double universalHours() const;
    // Julian day of the universal date and time.
    double universalJulianDay() const;
    double meanSolarTime() const;
    // The Sun's right ascension (radians) must be computed for this instant.
    double trueSolarTime(double sunRightAscension) const;
    double siderealTimeAt0hUT() const;

    const CLieu& place() const { return m_place; }
    double siderealTime() const { return m_siderealTime; }
    double centuries() const { return m_centuries; }
    const std::string& placeText() const { return m_placeText; }
    const std::string& dateText() const { return m_dateText; }
    const std::string& timeText() const { return m_timeText; }

private:
    std::string m_placeText;
    std::string m_dateText;
    std::string m_timeText;
    CLieu m_place;
    double m_siderealTime = 0.0;
    double m_centuries = 0.0;
    int m_offsetSeconds = 0;
};

}  // namespace zarn
