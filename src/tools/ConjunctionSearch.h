// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The conjunction and opposition searches as the conjunction window runs
// them: which body is followed against which, the texts of the results and
// "suivante".
#include "sky/CTerre.h"
#include "sky/SolarBodies.h"
#include "tools/CRechercheConjonction.h"

#include <optional>
#include <string>

namespace zarn {

struct ConjunctionResult {
    ConjunctionEvent found;
    int firstBody = 0;   // the planet (the anti-Sun point 0 for an opposition)
    int secondBody = 0;  // the other planet, the Moon, or the opposed planet
    std::string eventText;    // result 272 (or 267 for an opposition)
    std::string closestText;  // result 274
    double magnitude = 0.0;   // at opposition
    // The zoom chart is offered below 1.5° of separation at the event, at the
    // scale 900 / √x − 400 (x − 1), x that separation in degrees.
    bool zoomAvailable = false;
    double zoomScale = 0.0;
};

// The zoom scale for a separation in degrees; a separation below 0.01° is
// taken as 0.01°, so that a grazing or exact conjunction keeps a finite scale.
double zoomChartScale(double separationDegrees);

class ConjunctionSearch {
public:
    // sky names the constellation of a result; without it the name is left out.
    ConjunctionSearch(SolarBodies& bodies, const CInstant& date, const SkyDirectory* sky = nullptr);

    // Two bodies among Mercure (1) … Saturne (5) and the Moon (6), in any order.
    std::optional<ConjunctionResult> Conjunction(int body1, int body2);
    // Mars, Jupiter or Saturne against the point opposite the Sun.
    std::optional<ConjunctionResult> Opposition(int planet);

    // "Conjonction suivante" / "Opposition suivante": the search resumes 30
    // minutes (one day) after the event found.
    std::optional<ConjunctionResult> NextConjunction(const ConjunctionResult& last);
    std::optional<ConjunctionResult> NextOpposition(const ConjunctionResult& last);

    void SetDate(const CInstant& date);

private:
    std::string ConstellationAt(int bodyIndex, const CInstant& at);

    SolarBodies& m_bodies;
    const SkyDirectory* m_sky;
    CTerre m_antiSun;
    CRechercheConjonction m_equatorial;
    CRechercheConjonction m_ecliptic;
};

}  // namespace zarn
