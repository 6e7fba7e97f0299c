// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A body of the solar system: the Sun (index 0), the planets Mercure to
// Saturne (1 to 5) and the Moon (6). Its mean elements are cubic polynomials
// in T read from ELEMENTS.ZAR; the position theory belongs to the subclass.
#include "sky/BodyTable.h"
#include "sky/CAstreDistant.h"

#include <string>

namespace zarn {

class CSoleil;

class CPlaSol : public CAstreDistant {
public:
    static constexpr int kRows = 6;
    static constexpr int kCoefficients = 4;

    const char* className() const override { return "CPlaSol"; }
    // The record of ELEMENTS.ZAR: name, then the 24 coefficients,
    // coefficient-major (for j = 0..3, for row r = 0..5, a[r][j]).
    void load(CArchiveReader& archive) override;
    void store(CArchiveWriter& archive) const override;

    // Position for the instant's T, kept in the object, then the equatorial
    // placement. False (α, δ unchanged) when no position can be formed.
    bool Compute(const CInstant& instant) override;

    virtual void CopyElements(const CPlaSol& other);
    // Horizontal parallax, radians: 0 but for the Moon.
    virtual double GetParallax() const { return 0.0; }
    // Heliocentric distance, AU: 0 but for the planets.
    virtual double GetRadiusVector() const { return 0.0; }

    int GetMagnitude() const override { return 99; }
    std::string GetName() const override { return m_name; }
    std::string GetShortName() const override { return m_name; }
    // The zodiac constellation of the body's α and δ; empty while the body
    // knows no sky collection.
    std::string GetConstellation() const override;

    // The body's printed name (the Sun's; planets and Moon replace it) (sky/draw/).
    bool DrawLabel(CSurface& dc, int x, int y, CVueNoms& labels, std::uint32_t flags) override;

    int GetIndex() const { return m_index; }
    // Bodies are kept in index order.
    bool operator<(const CPlaSol& other) const { return m_index < other.m_index; }

    void SetSun(CSoleil* sun) { m_sun = sun; }
    CSoleil* GetSun() const { return m_sun; }
    void SetSky(const SkyDirectory* sky) { m_sky = sky; }
    void SetBodyName(const std::string& name) { m_name = name; }

    double GetElement(int row, int j) const { return m_elements[row][j]; }
    void SetElement(int row, int j, double value) { m_elements[row][j] = value; }
    // Row r evaluated for T as a polynomial of the given degree.
    double ElementAt(int row, double T, int degree = 3) const;

    // Geocentric ecliptic longitude (radians, as the theory leaves it) and
    // latitude of the last computation.
    double GetEclipticLongitude() const { return m_lambda; }
    double GetEclipticLatitude() const { return m_beta; }

protected:
    explicit CPlaSol(int index, CSoleil* sun = nullptr) : m_index(index), m_sun(sun) {}

    int m_index;
    CSoleil* m_sun;  // not owned
    const SkyDirectory* m_sky = nullptr;  // not owned
    std::string m_name;
    double m_elements[kRows][kCoefficients] = {};
    double m_lambda = 0.0;
    double m_beta = 0.0;
};

}  // namespace zarn
