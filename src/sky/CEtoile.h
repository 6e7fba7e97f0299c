// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A catalogue star. Its position is stored once, in thousandths of a degree,
// and used as stored for every date (no precession). Magnitude, colour and
// component number share one 16-bit word, as in the catalogue file.
#include <cstdint>
#include <string>

#include "sky/CAstre.h"

namespace zarn {

class CEtoile : public CAstre {
public:
    CEtoile() = default;

    // Packs a component number (0-15), a magnitude in tenths (-63..63, clamped)
    // and a palette colour index (0-15) into the attribute word.
    static std::uint16_t packAttributes(int component, int magnitudeTenths, int colour);

    const char* className() const override { return "CEtoile"; }
    void load(CArchiveReader& archive) override;
    void store(CArchiveWriter& archive) const override;

    bool Compute(const CInstant& instant) override;
    void Prepare() override;
    int GetMagnitude() const override;
    double GetCosDelta() const override { return m_cosDelta; }
    double GetSinDelta() const override { return m_sinDelta; }
    Colour GetColor() const override;
    std::string GetName() const override;
    std::string GetShortName() const override { return GetName(); }
    std::string GetConstellation() const override { return m_constellation; }

    // Star disc by magnitude class, printed name, elliptic hit area (sky/draw/).
    bool Draw(CSurface& dc, int x, int y, std::uint32_t flags, CVueNoms* labels) override;
    bool DrawLabel(CSurface& dc, int x, int y, CVueNoms& labels, std::uint32_t flags) override;
    bool HitTest(SPoint point, int x, int y, const CSurface& dc, std::uint32_t flags) const override;

    // The designation up to the first "*" (all of it when there is none).
    std::string codePart() const;
    // The Bayer letter followed by the component number ("a1"); a star that is
    // not one component of a multiple star (component 0) shows the letter alone.
    std::string letterLabel() const;
    // The magnitude used for the symbol size: a few bright multiple stars whose
    // catalogue magnitude is the combined light are drawn at their eye value.
    int effectiveMagnitude() const;
    int magnitudeClass() const { return m_magnitudeClass; }
    int component() const { return m_attributes & 0x0F; }
    int colourIndex() const { return (m_attributes >> 11) & 0x0F; }

    std::int32_t catalogueNumber() const { return m_catalogueNumber; }
    std::uint16_t attributes() const { return m_attributes; }
    std::int32_t rightAscension() const { return m_rightAscension; }  // thousandths of a degree
    std::int32_t declination() const { return m_declination; }        // thousandths of a degree
    const std::string& designation() const { return m_designation; }
    const std::string& letter() const { return m_letter; }

    void setCatalogueNumber(std::int32_t number) { m_catalogueNumber = number; }
    void setAttributes(std::uint16_t attributes) { m_attributes = attributes; }
    void setPosition(std::int32_t rightAscension, std::int32_t declination);
    void setConstellation(std::string abbreviation) { m_constellation = std::move(abbreviation); }
    void setDesignation(std::string designation) { m_designation = std::move(designation); }
    void setLetter(std::string letter) { m_letter = std::move(letter); }

protected:
    // Fields shared with the deep-sky and user objects.
    std::int32_t m_rightAscension = 0;
    std::int32_t m_declination = 0;
    std::string m_designation;

private:
    std::int32_t m_catalogueNumber = 0;
    std::uint16_t m_attributes = 0;
    std::string m_constellation;
    std::string m_letter;
    double m_cosDelta = 1.0;
    double m_sinDelta = 0.0;
    std::int8_t m_magnitudeClass = 0;
};

}  // namespace zarn
