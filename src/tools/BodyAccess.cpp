// SPDX-License-Identifier: GPL-3.0-or-later
// Positions of any object of the sky for the almanac's searches.
#include "tools/BodyAccess.h"

#include "sky/CLune.h"
#include "sky/CPlanete.h"
#include "sky/CSoleil.h"

#include <cmath>

namespace zarn {

BodyPosition positionAt(CAstre& body, const CInstant& instant)
{
    BodyPosition out;
    if (auto* distant = dynamic_cast<CAstreDistant*>(&body)) {
        out.valid = distant->GetPosition(instant.centuries(), out.alpha, out.delta, out.distance);
        if (auto* solar = dynamic_cast<CPlaSol*>(&body))
            out.parallax = solar->GetParallax();
    } else {
        out.valid = body.Compute(instant);
        out.alpha = body.GetAlpha();
        out.delta = body.GetDelta();
    }
    out.valid = out.valid && std::isfinite(out.alpha) && std::isfinite(out.delta);
    return out;
}

double moonElongation(CAstre& moon, const CInstant& instant)
{
    if (auto* lune = dynamic_cast<CLune*>(&moon))
        return lune->Elongation(instant);
    return std::nan("");
}

MoonPhase moonPhaseAt(CAstre& moon, const CInstant& instant)
{
    MoonPhase out;
    if (auto* lune = dynamic_cast<CLune*>(&moon)) {
        lune->Compute(instant);
        out.fraction = lune->GetIlluminatedFraction();
        out.phaseAngle = lune->GetPhaseAngle();
    }
    return out;
}

double apparentSunLongitude(CAstre& sun, const CInstant& instant)
{
    double longitude = std::nan("");
    if (auto* soleil = dynamic_cast<CSoleil*>(&sun))
        soleil->ApparentLongitude(instant.centuries(), longitude);
    return longitude;
}

EclipticPosition eclipticAt(CAstre& body, const CInstant& instant)
{
    EclipticPosition out;
    const double T = instant.centuries();
    if (auto* soleil = dynamic_cast<CSoleil*>(&body)) {
        // The Sun, or the point opposite to it: on the ecliptic.
        out.valid = soleil->ComputeAt(T);
        out.lambda = soleil->GetLongitude();
        return out;
    }
    if (auto* solar = dynamic_cast<CPlaSol*>(&body)) {
        double alpha, delta, distance;
        out.valid = solar->GetPosition(T, alpha, delta, distance);
        out.lambda = solar->GetEclipticLongitude();
        out.beta = solar->GetEclipticLatitude();
    }
    return out;
}

PlanetDistances planetDistancesAt(CAstre& planet, const CInstant& instant)
{
    PlanetDistances out;
    if (auto* p = dynamic_cast<CPlanete*>(&planet)) {
        double alpha, delta;
        p->GetPosition(instant.centuries(), alpha, delta, out.fromEarth);
        out.fromSun = p->GetRadiusVector();
        out.ringTilt = p->RingTilt(instant.centuries());
    }
    return out;
}

}  // namespace zarn
