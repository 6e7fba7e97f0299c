// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A naked-eye planet, Mercure (1) to Saturne (5): heliocentric position from
// its mean elements and Kepler's equation (with the Jupiter–Saturn
// perturbations for those two), reduced to the Earth with the Sun's longitude
// and distance. No light-time or aberration correction.
#include "sky/CPlaSol.h"
#include "sky/SkyMath.h"

#include <optional>

namespace zarn {

// Heliocentric ecliptic position of a planet (radians, AU).
struct Heliocentric {
    double longitude;
    double latitude;
    double radius;
};

class CPlanete : public CPlaSol {
public:
    CPlanete(int index, CSoleil* sun) : CPlaSol(index, sun) {}

    bool GetPosition(double T, double& alpha, double& delta, double& distance) override;
    // Position for the instant's T, then azimuth and altitude at its place and
    // sidereal time; nothing when the position cannot be formed.
    std::optional<Horizontal> ComputeAt(CInstant instant);
    // Heliocentric ecliptic position for T from the elements alone.
    Heliocentric HeliocentricAt(double T) const;
    // Saturn's ring tilt B for T (radians): the Saturnicentric latitude of the
    // Earth referred to the ring plane; 0 for the other planets.
    double RingTilt(double T);

    double GetRadiusVector() const override { return m_radiusVector; }
    Colour GetColor() const override;

    // A disc filled with the planet pattern (sky/draw/).
    bool Draw(CSurface& dc, int x, int y, std::uint32_t flags, CVueNoms* labels) override;
    bool DrawLabel(CSurface& dc, int x, int y, CVueNoms& labels, std::uint32_t flags) override;
    bool HitTest(SPoint point, int x, int y, const CSurface& dc, std::uint32_t flags) const override;

private:
    double m_radiusVector = 0.0;
};

}  // namespace zarn
