// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The Moon: geocentric longitude, latitude and distance from its mean elements
// and three trigonometric series read from ELEMENTS.ZAR, and the quantities
// that describe the phase: phase angle, illuminated fraction, terminator,
// bright-limb and parallactic angles.
#include "sky/CPlaSol.h"

#include <array>
#include <cstdint>

namespace zarn {

// One periodic term: coefficient × sin or cos of (m0·M′ + m1·F + m2·D + m3·M).
struct MoonTerm {
    double coefficient = 0.0;
    std::int8_t multipliers[4] = {0, 0, 0, 0};
    bool operator==(const MoonTerm&) const = default;
};

class CLune : public CPlaSol {
public:
    static constexpr int kLongitudeTerms = 50;  // degrees
    static constexpr int kLatitudeTerms = 37;   // arcseconds
    static constexpr int kDistanceTerms = 29;   // Earth radii
    // Mean elements, degrees: L′, M′, Ω, then the Sun's L and M.
    enum MeanElement { kMoonLongitude, kMoonAnomaly, kNode, kSunLongitude, kSunAnomaly, kMeanElements };

    explicit CLune(CSoleil* sun = nullptr) : CPlaSol(kMoon, sun) { m_name = bodyInfo(kMoon).name; }

    const char* className() const override { return "CLune"; }
    // The Moon's record of ELEMENTS.ZAR: the three series, each term a double
    // and four signed bytes, then the five mean-element rows (c0, c1).
    void load(CArchiveReader& archive) override;
    void store(CArchiveWriter& archive) const override;

    // Geocentric ecliptic λ (not reduced) and β for T, radians; also leaves the
    // distance and, when the conversion succeeds, α and δ in the object.
    bool MoonPosition(double T, double& lambda, double& beta);
    bool GetPosition(double T, double& alpha, double& delta, double& distance) override;
    // Position and phase for the instant, then the equatorial placement.
    bool Compute(const CInstant& instant) override;
    // λ☉ − λ′, λ′ the Moon's longitude taken within half a turn of the Sun's:
    // positive while the Moon is west of the Sun (waning).
    double Elongation(const CInstant& instant);

    double GetParallax() const override;
    // Up once its altitude seen from the place exceeds its rise and set
    // altitude (the geocentric one exceeds that plus the parallax).
    bool IsUp() const override;
    Colour GetColor() const override { return kBodyChartColours[kMoon]; }
    std::string GetName() const override { return bodyInfo(kMoon).name; }
    std::string GetShortName() const override { return bodyInfo(kMoon).name; }

    // The disc with its lit part by the terminator rule (sky/draw/).
    bool Draw(CSurface& dc, int x, int y, std::uint32_t flags, CVueNoms* labels) override;
    bool DrawLabel(CSurface& dc, int x, int y, CVueNoms& labels, std::uint32_t flags) override;
    bool HitTest(SPoint point, int x, int y, const CSurface& dc, std::uint32_t flags) const override;
    int ScreenRadius(const CSurface& dc) const override;

    double GetParallacticAngle() const { return m_parallacticAngle; }
    double GetBrightLimbAngle() const { return m_brightLimbAngle; }
    // Negative while the Moon is east of the Sun (waxing); −π at new Moon.
    double GetPhaseAngle() const { return m_phaseAngle; }
    double GetIlluminatedFraction() const { return m_illuminated; }
    // 1 − 2k: 1 at new Moon, −1 at full Moon.
    double GetTerminator() const { return m_terminator; }

    std::array<MoonTerm, kLongitudeTerms> longitudeTerms{};
    std::array<MoonTerm, kLatitudeTerms> latitudeTerms{};
    std::array<MoonTerm, kDistanceTerms> distanceTerms{};
    double meanElements[kMeanElements][2] = {};

private:
    struct Arguments {
        double Mprime, F, D, M, node, Lprime;
    };
    Arguments ArgumentsAt(double T) const;
    void ComputePhase(const CInstant& instant, double lambda, double beta, double sunLongitude);

    double m_parallacticAngle = 0.0;
    double m_brightLimbAngle = 0.0;
    double m_phaseAngle = 0.0;
    double m_illuminated = 0.0;
    double m_terminator = 0.0;
};

}  // namespace zarn
