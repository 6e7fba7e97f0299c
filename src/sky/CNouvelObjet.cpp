// SPDX-License-Identifier: GPL-3.0-or-later
#include "sky/CNouvelObjet.h"

#include <cmath>

#include "archive/CArchiveReader.h"
#include "archive/CArchiveWriter.h"

namespace zarn {

namespace {

std::int32_t toMilliDegrees(double degrees)
{
    return static_cast<std::int32_t>(std::floor(degrees * 1000.0 + 0.5));
}

}  // namespace

CNouvelObjet::CNouvelObjet(double alphaDegrees, double deltaDegrees, std::string name, int kind)
    : m_kind(kind >= 0 && kind <= kMaxKind ? kind : 0)
{
    m_rightAscension = toMilliDegrees(alphaDegrees);
    m_declination = toMilliDegrees(deltaDegrees);
    m_designation = std::move(name);
}

void CNouvelObjet::load(CArchiveReader& archive)
{
    m_designation = archive.readText();
    m_rightAscension = archive.readLong();
    m_declination = archive.readLong();
    const int kind = archive.readByte();
    // The kind selects one of five symbols; anything else is not a user object.
    if (kind > kMaxKind) throw ArchiveError(ArchiveErrorKind::Damaged, "type d'objet inconnu");
    m_kind = kind;
}

void CNouvelObjet::store(CArchiveWriter& archive) const
{
    archive.writeText(m_designation);
    archive.writeLong(m_rightAscension);
    archive.writeLong(m_declination);
    archive.writeByte(static_cast<std::uint8_t>(m_kind));
}

}  // namespace zarn
