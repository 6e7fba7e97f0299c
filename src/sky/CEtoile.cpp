// SPDX-License-Identifier: GPL-3.0-or-later
#include "sky/CEtoile.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <string_view>

#include "archive/CArchiveReader.h"
#include "archive/CArchiveWriter.h"

namespace zarn {

namespace {

constexpr double kRadiansPerMilliDegree = 1.74532925199433e-05;

// Stars whose catalogue magnitude is the combined light of a close pair (or a
// variable read at its mean): their symbol is sized by the value the eye sees.
struct FixedMagnitude {
    std::string_view name;
    int tenths;
};
constexpr std::array<FixedMagnitude, 5> kFixedMagnitudes{{
    {"Castor", 16}, {"Ras Algethi", 32}, {"Algieba", 23}, {"Alnitak", 18}, {"Porrima", 28}}};

}  // namespace

std::uint16_t CEtoile::packAttributes(int component, int magnitudeTenths, int colour)
{
    const int value = std::min(std::abs(magnitudeTenths), 63);
    const int sign = magnitudeTenths < 0 ? 0x40 : 0;
    return static_cast<std::uint16_t>((component & 0x0F) | ((sign | value) << 4) | ((colour & 0x0F) << 11));
}

void CEtoile::setPosition(std::int32_t rightAscension, std::int32_t declination)
{
    m_rightAscension = rightAscension;
    m_declination = declination;
}

void CEtoile::load(CArchiveReader& archive)
{
    m_catalogueNumber = archive.readLong();
    m_attributes = archive.readWord();
    m_rightAscension = archive.readLong();
    m_declination = archive.readLong();
    m_constellation = archive.readText();
    m_designation = archive.readText();
    m_letter = archive.readText();
}

void CEtoile::store(CArchiveWriter& archive) const
{
    archive.writeLong(m_catalogueNumber);
    archive.writeWord(m_attributes);
    archive.writeLong(m_rightAscension);
    archive.writeLong(m_declination);
    archive.writeText(m_constellation);
    archive.writeText(m_designation);
    archive.writeText(m_letter);
}

bool CEtoile::Compute(const CInstant&)
{
    m_alpha = m_rightAscension * kRadiansPerMilliDegree;
    m_delta = m_declination * kRadiansPerMilliDegree;
    m_cosDelta = std::cos(m_delta);
    m_sinDelta = std::sin(m_delta);
    Place(0.0, 1.0, 0.0);
    return true;
}

void CEtoile::Prepare()
{
    // Truncation toward zero: 1.6 is class 2, 0.5 class 0, -1.4 class -1.
    const int k = (effectiveMagnitude() + 4) / 10;
    m_magnitudeClass = static_cast<std::int8_t>(std::min(k, 5));
}

int CEtoile::GetMagnitude() const
{
    const int v = (m_attributes >> 4) & 0x7F;
    return v > 63 ? -(v & 63) : v;
}

Colour CEtoile::GetColor() const
{
    return paletteIndex(static_cast<unsigned>(colourIndex()));
}

std::string CEtoile::GetName() const
{
    const auto star = m_designation.find('*');
    return star == std::string::npos ? std::string() : m_designation.substr(star + 1);
}

std::string CEtoile::codePart() const
{
    return m_designation.substr(0, m_designation.find('*'));
}

std::string CEtoile::letterLabel() const
{
    if (component() == 0) return m_letter;
    return m_letter + std::to_string(component());
}

int CEtoile::effectiveMagnitude() const
{
    const std::string name = GetName();
    for (const auto& fixed : kFixedMagnitudes)
        if (name == fixed.name) return fixed.tenths;
    return GetMagnitude();
}

}  // namespace zarn
