// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The Sun: Kepler's equation on the Earth's mean orbit and a few short
// periodic terms give its true geocentric longitude λ☉ and the radius vector R.
#include "sky/CPlaSol.h"

namespace zarn {

class CSoleil : public CPlaSol {
public:
    CSoleil() : CPlaSol(kSun) {}

    // Sun theory for T: stores λ☉, R, α and δ; false when the equatorial
    // conversion fails.
    virtual bool ComputeAt(double T);
    bool GetPosition(double T, double& alpha, double& delta, double& distance) override;

    // λ☉ (radians, not reduced) and R (AU) for T.
    bool SunLongitudeRadius(double T, double& longitude, double& radius);
    // Longitude corrected for nutation and aberration, radians.
    bool ApparentLongitude(double T, double& longitude);

    double GetLongitude() const { return m_lambda; }
    double GetRadius() const { return m_radius; }
    Colour GetColor() const override { return kBodyChartColours[kSun]; }

    // A disc with eight rays (sky/draw/).
    bool Draw(CSurface& dc, int x, int y, std::uint32_t flags, CVueNoms* labels) override;
    bool HitTest(SPoint point, int x, int y, const CSurface& dc, std::uint32_t flags) const override;
    int ScreenRadius(const CSurface& dc) const override;

protected:
    // The Sun theory itself; leaves λ☉ and R in the object.
    void ComputeLongitudeRadius(double T);

    double m_radius = 0.0;
};

// True solar time (hours) of the instant; the Sun must have been computed for it.
double trueSolarTime(const CInstant& instant, const CSoleil& sun);

}  // namespace zarn
