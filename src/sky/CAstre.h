// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Base of every object of the sky: stars, deep-sky and user objects, Sun,
// planets, Moon, points of the reference lines and the zenith marker.
//
// Conventions shared by the whole engine: angles are radians; right ascension
// and longitude lie in (0, 2π], declination and altitude in [−π/2, π/2];
// azimuth is counted from the South towards the West. An object keeps the
// direction cosines (x, y, z) of its last placement: with θ = 0 and
// (c, s) = (1, 0) they are equatorial (z = sin δ); with c = sin φ, s = cos φ
// and the local sidereal time θ, z is the sine of the altitude.
#include "sky/Colour.h"
#include "sky/CSurface.h"
#include "archive/CSerialisable.h"

#include <cstdint>
#include <string>

namespace zarn {

class CInstant;
class SkyDirectory;
class CVueNoms;

class CAstre : public CSerialisable {
public:
    CAstre() = default;
    ~CAstre() override = default;

    // The base stores nothing; catalogue classes replace these three.
    const char* className() const override { return "CAstre"; }
    void load(CArchiveReader&) override {}
    void store(CArchiveWriter&) const override {}

    // Direction cosines for the sidereal time θ and the frame pair (c, s).
    virtual void Direction(double theta, double c, double s, double& x, double& y, double& z) const;
    // Direction, kept in the object.
    virtual void Place(double theta, double c, double s);
    // Position for the instant, then the equatorial placement. False when no
    // position can be formed.
    virtual bool Compute(const CInstant& instant);

    virtual double GetHeight() const { return m_height; }
    virtual void SetHeight(double height) { m_height = height; }
    // Above the horizon: the stored height (sine of the altitude) is positive.
    virtual bool IsUp() const { return m_height > 0.0; }

    virtual void Prepare() {}
    // Tenths of magnitude, signed 8-bit range; 100 when not meaningful.
    virtual int GetMagnitude() const { return 100; }
    virtual double GetAlpha() const { return m_alpha; }
    virtual double GetDelta() const { return m_delta; }
    virtual double GetCosDelta() const;
    virtual double GetSinDelta() const;
    virtual Colour GetColor() const { return kBlack; }

    virtual std::string GetName() const { return {}; }
    virtual std::string GetShortName() const { return {}; }
    // Full name of the constellation whose abbreviation GetConstellation gives.
    virtual std::string GetConstellationName(const SkyDirectory& sky) const;
    virtual void SetName(const std::string&) {}
    // Constellation abbreviation (or zodiac name for a body); empty by default.
    virtual std::string GetConstellation() const { return {}; }

    // Drawing on a chart (bodies in sky/draw/). SymbolSize: the symbol of a
    // magnitude class on a printer, (0, 0) on a screen. Draw and DrawLabel
    // draw at the chart point (x, y); HitTest tells whether a point of the
    // chart falls on the object's own symbol there.
    virtual SSize SymbolSize(const CSurface& dc, int magnitudeClass) const;
    virtual bool Draw(CSurface& dc, int x, int y, std::uint32_t flags, CVueNoms* labels);
    virtual bool DrawLabel(CSurface& dc, int x, int y, CVueNoms& labels, std::uint32_t flags);
    virtual bool HitTest(SPoint point, int x, int y, const CSurface& dc, std::uint32_t flags) const;
    // Half the width of the symbol on a screen: a name shown beside the
    // object stands further away than this.
    virtual int ScreenRadius(const CSurface& dc) const;

    // The coordinates of the object, as the subclasses fill them.
    void SetEquatorial(double alpha, double delta)
    {
        m_alpha = alpha;
        m_delta = delta;
    }
    double GetX() const { return m_x; }
    double GetY() const { return m_y; }
    double GetZ() const { return m_z; }

protected:
    CAstre(const CAstre&) = default;
    CAstre& operator=(const CAstre&) = default;

    double m_alpha = 0.0;
    double m_delta = 0.0;
    double m_x = 0.0;
    double m_y = 0.0;
    double m_z = 0.0;
    double m_height = 0.0;
};

}  // namespace zarn
