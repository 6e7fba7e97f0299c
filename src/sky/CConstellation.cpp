// SPDX-License-Identifier: GPL-3.0-or-later
#include "sky/CConstellation.h"

#include <algorithm>

#include "sky/CAstre.h"
#include "archive/CArchiveReader.h"
#include "archive/CArchiveWriter.h"

namespace zarn {

CConstellation::CConstellation(std::string name, std::string abbreviation)
    : m_name(std::move(name)), m_abbreviation(std::move(abbreviation))
{
}

void CConstellation::setNames(std::string name, std::string second, std::string third,
                              std::string abbreviation)
{
    m_name = std::move(name);
    m_secondName = std::move(second);
    m_thirdName = std::move(third);
    m_abbreviation = std::move(abbreviation);
}

void CConstellation::setCentre(int alphaDegrees, int deltaDegrees)
{
    m_centreAlpha = static_cast<std::int16_t>(alphaDegrees);
    m_centreDelta = static_cast<std::int8_t>(deltaDegrees);
}

bool CConstellation::remove(const CAstre* object)
{
    const auto it = std::find(m_objects.begin(), m_objects.end(), object);
    if (it == m_objects.end()) return false;
    m_objects.erase(it);
    return true;
}

void CConstellation::load(CArchiveReader& archive)
{
    m_name = archive.readText();
    m_secondName = archive.readText();
    m_thirdName = archive.readText();
    m_abbreviation = archive.readText();
    m_centreAlpha = static_cast<std::int16_t>(archive.readWord());
    m_centreDelta = static_cast<std::int8_t>(archive.readByte());
    // Objects are appended one by one, so that a damaged file leaves the ones
    // read before the damage in the array.
    m_objects.clear();
    const std::uint32_t count = archive.readCount(2);  // a reference takes a word at least
    for (std::uint32_t i = 0; i < count; ++i)
        m_objects.push_back(archive.readObjectOf<CAstre>());
    m_figure = archive.readWordArray();
    for (const std::uint16_t segment : m_figure) {
        const std::size_t first = segment & 0xFF;
        const std::size_t second = segment >> 8;
        if (first >= m_objects.size() || second >= m_objects.size())
            throw ArchiveError(ArchiveErrorKind::Damaged, "segment de figure hors du tableau");
    }
}

void CConstellation::store(CArchiveWriter& archive) const
{
    archive.writeText(m_name);
    archive.writeText(m_secondName);
    archive.writeText(m_thirdName);
    archive.writeText(m_abbreviation);
    archive.writeWord(static_cast<std::uint16_t>(m_centreAlpha));
    archive.writeByte(static_cast<std::uint8_t>(m_centreDelta));
    archive.writeObjectArray(m_objects);
    archive.writeWordArray(m_figure);
}

}  // namespace zarn
