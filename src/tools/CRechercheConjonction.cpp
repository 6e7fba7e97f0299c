// SPDX-License-Identifier: GPL-3.0-or-later
// Conjunction and opposition searches. The difference Δ = A − B of the
// longitude-like coordinates is followed forward in time until it changes
// sign (not through the jump at ±π); the zero is then taken from a five-point
// interpolation and the smallest separation is searched around it.
#include "tools/CRechercheConjonction.h"

#include "sky/SkyMath.h"
#include "time/Calendar.h"
#include "time/LegalOffset.h"
#include "tools/BodyAccess.h"
#include "tools/ZeroCrossings.h"

#include <algorithm>
#include <cmath>

namespace zarn {

namespace {
constexpr int kMaxMoonSteps = 200;     // 5-day steps: about 37 lunations
constexpr int kMaxRefineSteps = 200;
constexpr int kMaxPlanetSteps = 4000;
constexpr double kWideWindow = 1.0471975513;    // 60°, Venus with Mars
constexpr double kNarrowWindow = 0.7853981635;  // 45°
constexpr double kMoonClosestStep = 0.04;       // days
constexpr int kMaxClosestSteps = 4000;
constexpr double kClosestPrecision = 1e-5;      // days, about a second

// A change of sign across zero, not the jump of Δ from +π to −π.
bool crosses(double x, double y) { return x * y < 0.0 && std::fabs(x - y) < kPi; }

double lookAheadDays(int indexA)
{
    static const double days[5] = {1.0, 10.0, 20.0, 30.0, 45.0};
    return days[std::clamp(indexA, 0, 4)];
}

// Days per radian of Δ: roughly twice the pair's mean rate, so that a long
// move covers about half of the way still to go.
double rateFactor(int a, int b)
{
    const bool inner = a == 1 || a == 2;
    if (inner && b == 3)
        return 47.746482921334206;
    if (a == 3 && (b == 4 || b == 5))
        return 63.66197722844561;
    if (a == 4 && b == 5)
        return 572.9577950560104682;
    return 31.830988614222804;
}

// Fastest geocentric motion of each body in right ascension or longitude
// (radians per day): the anti-Sun point, Mercury … Saturn. A long move is cut
// so that Δ cannot change by more than the window within one piece.
double fastestRate(int index)
{
    static const double degreesPerDay[6] = {1.02, 2.2, 1.3, 0.8, 0.25, 0.13};
    return degreesPerDay[std::clamp(index, 0, 5)] * kRadPerDeg;
}
}  // namespace

Difference CRechercheConjonction::Compare(CAstre& a, CAstre& b, double jd)
{
    ++m_evaluations;
    // Positions on the standard clock: exact on the change days as well.
    const CInstant at = standardInstantAtUniversal(jd, m_date.place());
    double lonA, latA, lonB, latB;
    bool valid;
    if (m_frame == SearchFrame::Equatorial) {
        const BodyPosition pa = positionAt(a, at);
        const BodyPosition pb = positionAt(b, at);
        lonA = pa.alpha, latA = pa.delta, lonB = pb.alpha, latB = pb.delta;
        valid = pa.valid && pb.valid;
    } else {
        const EclipticPosition ea = eclipticAt(a, at);
        const EclipticPosition eb = eclipticAt(b, at);
        lonA = ea.lambda, latA = ea.beta, lonB = eb.lambda, latB = eb.beta;
        valid = ea.valid && eb.valid;
    }
    // A position that cannot be formed compares with nothing: no sign change
    // is ever seen, and the searches end at their bounds.
    if (!valid)
        return {std::nan(""), std::nan(""), std::nan("")};
    if (lonA + kPi < lonB)
        lonB -= kTwoPi;
    const double delta = ReduceAngle(lonA - lonB, -kPi, kPi);
    const double c = std::cos(delta) * std::cos(latA) * std::cos(latB) + std::sin(latA) * std::sin(latB);
    // sin²(s/2) = sin²((δA − δB)/2) + cos δA cos δB sin²(Δ/2): the second term
    // alone bounds the separation from below.
    const double least =
        2.0 * std::asin(std::min(1.0, std::sqrt(std::cos(latA) * std::cos(latB)) * std::fabs(std::sin(delta / 2.0))));
    return {delta, std::acos(std::clamp(c, -1.0, 1.0)), least};
}

CInstant CRechercheConjonction::LegalInstant(double jd) const
{
    CInstant at(m_date);
    at.setFromUniversalJulianDay(jd);
    at.refreshTexts();
    return at;
}

std::optional<ConjunctionEvent> CRechercheConjonction::SearchMoon(CAstre& planet, CAstre& moon)
{
    m_evaluations = 0;
    double jd = m_date.universalJulianDay();
    m_step = 5.0;
    double d = Delta(moon, planet, jd);
    bool found = false;
    for (int k = 0; k < kMaxMoonSteps && !found; ++k) {
        jd += m_step;
        const double next = Delta(moon, planet, jd);
        found = next * d < 0.0 && next > 0.0;
        d = next;
    }
    if (!found)
        return std::nullopt;
    double direction = 1.0;
    for (int r = 0; r < 6; ++r) {
        m_step *= 0.2;
        direction = -direction;
        for (int k = 0; k < kMaxRefineSteps; ++k) {
            jd += direction * m_step;
            const double next = Delta(moon, planet, jd);
            const bool changed = next * d < 0.0;
            d = next;
            if (changed)
                break;
        }
    }
    jd -= direction * m_step;
    ConjunctionEvent out;
    out.separation = Compare(moon, planet, jd).separation;
    out.event = LegalInstant(jd);
    out.eventJulianDay = jd;
    out.source = BracketSource::MoonStep;

    const double t = Closest(moon, planet, jd, kMoonClosestStep, out.smallest);
    out.closest = LegalInstant(t);
    out.closestJulianDay = t;
    out.evaluations = m_evaluations;
    return out;
}

std::optional<double> CRechercheConjonction::Refine5(CAstre& a, CAstre& b, double t1, double t2, double fine)
{
    double d1 = Delta(a, b, t1);
    // Halves the bracket down to the given width, keeping its first sign change.
    const auto narrow = [&](double width) {
        for (int k = 0; k < 60 && t2 - t1 > width; ++k) {
            const double tm = 0.5 * (t1 + t2);
            const double dm = Delta(a, b, tm);
            if (crosses(d1, dm)) {
                t2 = tm;
            } else {
                t1 = tm;
                d1 = dm;
            }
        }
    };
    narrow(fine);
    const double centre = 0.5 * (t1 + t2);
    for (int j = 0; j < 5; ++j)
        m_samples[j] = Delta(a, b, centre + (j - 2) * fine);
    const double n = Interpolate5(InterpolationMode::Zero, m_samples);
    if (std::isfinite(n) && std::fabs(n) <= 1.0)
        return centre + n * fine;
    // The polynomial did not fit: halve the bracket down to a minute.
    narrow(0.0005);
    return 0.5 * (t1 + t2);
}

// The smallest separation around the event. The bodies can be closer than
// the best separation found so far only while their difference of right
// ascension (longitude) alone allows it: the separation is sampled both ways
// from the event until that bound exceeds the best, and the smallest sample
// is refined. A pair that changes its declinations fast (Mercury turning
// back) may pass closest days away from the equal right ascensions.
double CRechercheConjonction::Closest(CAstre& a, CAstre& b, double event, double step, double& smallest)
{
    auto separation = [&](double t) { return Compare(a, b, t).separation; };
    double bestT = event;
    smallest = separation(event);
    for (const double direction : {-1.0, 1.0}) {
        for (int k = 1; k <= kMaxClosestSteps; ++k) {
            const double t = event + direction * k * step;
            const Difference d = Compare(a, b, t);
            if (!(d.leastSeparation <= smallest))
                break;  // too far apart in right ascension, or no position
            if (d.separation < smallest)
                smallest = d.separation, bestT = t;
        }
    }
    if (!std::isfinite(smallest))
        return event;
    const double t = extremumOf(separation, bestT - step, bestT + step, -1.0, kClosestPrecision);
    const double s = separation(t);
    if (s < smallest) {
        smallest = s;
        return t;
    }
    return bestT;
}

std::optional<ConjunctionEvent> CRechercheConjonction::SearchPlanets(CAstre& a, int indexA, CAstre& b,
                                                                    int indexB, bool withClosest)
{
    m_evaluations = 0;
    const double window = (indexA == 2 && indexB == 3) ? kWideWindow : kNarrowWindow;
    const double lookAhead = lookAheadDays(indexA);
    const double k = rateFactor(indexA, indexB);
    const double longest = window / (fastestRate(indexA) + fastestRate(indexB));
    const bool mercuryVenus = indexA == 1 && indexB == 2;
    m_step = lookAhead;

    double jd = m_date.universalJulianDay();
    double d = Delta(a, b, jd);
    double t1 = 0.0, t2 = 0.0;
    BracketSource source = BracketSource::None;
    for (int iter = 0; iter < kMaxPlanetSteps && source == BracketSource::None; ++iter) {
        if (d >= window || d <= -window) {
            // Far apart: move on by the pair's rate, in pieces short enough
            // that no passage through zero goes unseen.
            double move = d <= -window ? -d * k : (mercuryVenus ? d * k : (kTwoPi - d) * k);
            move = std::clamp(move, std::min(lookAhead, longest), longest);
            const double next = Delta(a, b, jd + move);
            if (crosses(d, next)) {
                t1 = jd, t2 = jd + move, source = BracketSource::LongMove;
                break;
            }
            jd += move;
            d = next;
            continue;
        }
        const double d1 = Delta(a, b, jd + lookAhead);
        const double d2 = Delta(a, b, jd + 2.0 * lookAhead);
        if (crosses(d, d1)) {
            t1 = jd, t2 = jd + lookAhead, source = BracketSource::FirstLookAhead;
        } else if (crosses(d1, d2)) {
            t1 = jd + lookAhead, t2 = jd + 2.0 * lookAhead, source = BracketSource::SecondLookAhead;
        } else {
            // The bodies may approach and part again within the two steps:
            // look at the extremum of the parabola through the three values.
            const double curvature = (d2 - 2.0 * d1 + d) / 2.0;
            const double slope = d1 - d - curvature;
            const bool towardZero = (d > 0.0 && curvature > 0.0) || (d < 0.0 && curvature < 0.0);
            if (towardZero) {
                const double u = -slope / (2.0 * curvature);
                if (u > 0.0 && u < 2.0 && crosses(d, Delta(a, b, jd + u * lookAhead)))
                    t1 = jd, t2 = jd + u * lookAhead, source = BracketSource::Parabola;
            }
            jd += lookAhead;
            d = d1;
        }
    }
    if (source == BracketSource::None)
        return std::nullopt;
    const double fine = lookAhead / 4.0;
    const std::optional<double> zero = Refine5(a, b, t1, t2, fine);
    if (!zero)
        return std::nullopt;
    ConjunctionEvent out;
    out.source = source;
    out.separation = Compare(a, b, *zero).separation;
    out.event = LegalInstant(*zero);
    out.eventJulianDay = *zero;
    if (withClosest) {
        // A tenth of the fine step follows the separation of the fastest
        // pair (Mercury) to a few hours.
        const double t = Closest(a, b, *zero, fine / 10.0, out.smallest);
        out.closest = LegalInstant(t);
        out.closestJulianDay = t;
    } else {
        out.smallest = out.separation;
        out.closest = out.event;
        out.closestJulianDay = *zero;
    }
    out.evaluations = m_evaluations;
    return out;
}

}  // namespace zarn
