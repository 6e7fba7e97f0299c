// SPDX-License-Identifier: GPL-3.0-or-later
// The place in the object archive, as the observatory records of old files
// carry it.
#include "time/CLieu.h"

#include <cmath>

#include "archive/CArchiveReader.h"
#include "archive/CArchiveWriter.h"
namespace zarn {

void CLieu::load(CArchiveReader& archive)
{
    const double longitude = archive.readDouble();
    const double latitude = archive.readDouble();
    archive.readLong();  // the zone is written twice; the second copy is the one kept
    const std::int32_t zone = archive.readLong();
    std::string name = archive.readText();
    if (!acceptableCoordinates(longitude, latitude) || zone < -12 || zone > 13)
        throwDamaged("observatoire hors limites");
    setLongitude(longitude);
    setLatitude(latitude);
    setZone(zone);
    m_name = std::move(name);
}

void CLieu::store(CArchiveWriter& archive) const
{
    archive.writeDouble(m_longitude);
    archive.writeDouble(m_latitude);
    archive.writeLong(m_zone);
    archive.writeLong(m_zone);
    archive.writeText(m_name);
}

}  // namespace zarn
