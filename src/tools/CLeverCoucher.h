// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Rise and set times of one body at one event altitude over a run of days.
//
// The search starts from the body's upper transit: the set is the first time
// after it at which the hour angle reaches H0, the rise the first time at
// which it reaches −H0, with cos H0 = (sin h0 − sin φ sin δ) / (cos φ cos δ)
// iterated on the moving body. Each transit gives one rise and one set; they
// are filed under the day they fall on. A body that stays above (below) the
// altitude all day gets the code −101 (−102) instead of a time.
//
// Near the poles the Moon's daily ripple in altitude (twice the colatitude,
// peak to peak) is no larger than the change of its declination in a day: it
// may rise and set several times between two transits, or rise once and stay
// up for days. There the series follows the altitude itself from one transit
// to the next and files every crossing of the event altitude it finds.
#include "time/CInstant.h"
#include "tools/CJourLeverCoucher.h"

#include <vector>

namespace zarn {

class CAstre;
struct BodyPosition;

class CLeverCoucher {
public:
    CLeverCoucher() = default;
    CLeverCoucher(CAstre* body, double altitudeDegrees) { Initialise(body, altitudeDegrees); }

    // The event altitude is that of the body's centre seen from the place
    // (sky/EventAltitude.h gives each body's own).
    void Initialise(CAstre* body, double altitudeDegrees);

    // Fills every record of days: record 0 is the day AFTER the given date
    // (its time of day is ignored), record i the i-th day after that.
    void ComputeSeries(const CInstant& date, std::vector<CJourLeverCoucher>& days);
    std::vector<CJourLeverCoucher> ComputeSeries(const CInstant& date, int count);

    // Next upper transit at or after t0, in hours from 0 h of the base day.
    double TransitTime(const CInstant& baseDay, double t0);
    // One rise (direction −1) or set (+1) at or after t0, in legal hours from
    // 0 h of the base day, or −101/−102. A forced search averages the values
    // met instead of giving up on a code.
    double EventTime(const CInstant& baseDay, double t0, int direction, bool forced);

    // First rise (set) after the date's time of day, in hours from 0 h of the
    // date's day (24 and more: the next day), or a code.
    static double NextRise(CAstre* body, double altitudeDegrees, const CInstant& date);
    static double NextSet(CAstre* body, double altitudeDegrees, const CInstant& date);

private:
    struct TransitEvents {
        double rise;
        double set;
        bool extraRise = false;
        double extraRiseTime = kNoEvent;
        int extraRiseDay = 0;  // day index the extra rise is counted from
    };
    TransitEvents EventsOfTransit(const CInstant& baseDay, double transit, double previousRise);
    double HourAngleCosine(const CInstant& at, double& alpha, double& theta);
    double SinEventAltitude(const BodyPosition& p) const;
    double AltitudeMargin(const CInstant& at);
    bool FollowsAltitude(const CInstant& baseDay);
    void StoreFollowedEvents(std::vector<CJourLeverCoucher>& days, int index, const CInstant& baseDay,
                             double transit, double nextTransit);
    bool ReachesAltitude(const CInstant& baseDay, double transit);
    static double NextEvent(CAstre* body, double altitudeDegrees, const CInstant& date, bool rise);

    double m_spare[2] = {-1.0, -1.0};
    CAstre* m_body = nullptr;
    short m_direction = -1;
    double m_sinAltitude = 0.0;
    double m_altitude = 0.0;  // radians; the Moon's is lifted by its parallax
    CLieu m_place;  // the legal clock the events are shown on
};

}  // namespace zarn
