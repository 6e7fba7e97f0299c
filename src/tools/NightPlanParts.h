// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The pieces of the night plan, shared by its files: the clock of the night
// (its hours from 0 h of the first day, universal Julian days and instants
// for positions) and the passes that fill the plan.
#include "sky/SkyMath.h"
#include "tools/NightPlan.h"

namespace zarn {

class CAstre;
class SkyModel;

// The legal clock of one night: hours from 0 h of its first day. Legal time
// comes from the place's own rule (src/time), so a summer-time change during
// the night gives the morning's times in the morning's legal time.
class NightClock {
public:
    explicit NightClock(const CInstant& night);
    double universal(double hours) const;     // universal Julian day
    double hoursAt(double universalJd) const;  // legal hours from 0 h of the first day
    CInstant instant(double universalJd) const;  // for positions at that moment
    const CLieu& place() const { return m_midnight.place(); }
    const CInstant& midnight() const { return m_midnight; }

private:
    CInstant m_midnight;
};

// Altitude and azimuth (radians) of a body at a moment; the Moon's altitude is
// seen from the observer's place (its parallax taken off).
Horizontal horizontalOf(CAstre& body, const CInstant& at);
// Angular distance between two directions, radians.
double angularSeparation(double alpha1, double delta1, double alpha2, double delta2);

// Passes over the plan, in order.
void addPlanets(NightPlan& plan, SolarBodies& bodies, const SkyModel& sky, const NightClock& clock);
void addNightEvents(NightPlan& plan, SolarBodies& bodies, const NightClock& clock);
void addHighSky(NightPlan& plan, SolarBodies& bodies, const SkyModel& sky, const NightClock& clock);
void addSections(NightPlan& plan);

// Brightness of a planet from its distances (AU) to the Sun and the Earth,
// the Earth's from the Sun and Saturn's ring tilt (radians).
double planetMagnitude(int planetIndex, double fromSun, double fromEarth, double earthFromSun, double ringTilt);

}  // namespace zarn
