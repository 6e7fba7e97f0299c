// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The search for conjunctions (equal right ascensions of two bodies) and
// oppositions (a planet's ecliptic longitude equal to that of the point
// opposite the Sun). The search runs in universal Julian days from the
// searcher's date and hands back legal instants at the date's place.
#include "time/CInstant.h"

#include <optional>

namespace zarn {

class CAstre;

enum class SearchFrame { Equatorial, Ecliptic };

// Where the planet search found the sign change of the difference; tests use
// it to check that each branch of the search is reached.
enum class BracketSource { None, FirstLookAhead, SecondLookAhead, Parabola, LongMove, MoonStep };

struct ConjunctionEvent {
    CInstant event;           // the instant of the conjunction or opposition
    CInstant closest;         // the instant of smallest separation (conjunctions)
    // Universal Julian days of both: a legal time in the autumn hour that the
    // clock shows twice does not say which of the two it is.
    double eventJulianDay = 0.0;
    double closestJulianDay = 0.0;
    double separation = 0.0;  // at the event, radians
    double smallest = 0.0;    // smallest separation, radians
    BracketSource source = BracketSource::None;
    int evaluations = 0;      // differences computed by the search
};

struct Difference {
    double delta;       // (A − B) of the longitude-like coordinate, (−π, π]
    double separation;  // angular distance, radians
    // The least angular distance the bodies could have with this difference
    // of longitude-like coordinate, whatever their latitudes.
    double leastSeparation;
};

class CRechercheConjonction {
public:
    CRechercheConjonction(const CInstant& date, SearchFrame frame) : m_date(date), m_frame(frame) {}

    void SetDate(const CInstant& date) { m_date = date; }
    const CInstant& Date() const { return m_date; }
    SearchFrame Frame() const { return m_frame; }

    // Difference and separation of A and B at a universal Julian day.
    Difference Compare(CAstre& a, CAstre& b, double jd);

    // Moon conjunction: the Moon against a planet. Planet search: A and B by
    // body index (the anti-Sun point counts as 0 and is A). Both stop and
    // report nothing when no event is found within their bounds.
    std::optional<ConjunctionEvent> SearchMoon(CAstre& planet, CAstre& moon);
    std::optional<ConjunctionEvent> SearchPlanets(CAstre& a, int indexA, CAstre& b, int indexB,
                                                  bool withClosest = true);

private:
    double Delta(CAstre& a, CAstre& b, double jd) { return Compare(a, b, jd).delta; }
    CInstant LegalInstant(double jd) const;
    std::optional<double> Refine5(CAstre& a, CAstre& b, double t1, double t2, double fine);
    double Closest(CAstre& a, CAstre& b, double event, double step, double& smallest);

    CInstant m_date;
    SearchFrame m_frame;
    double m_step = 0.0;  // days
    double m_samples[5] = {};
    int m_evaluations = 0;
};

}  // namespace zarn
