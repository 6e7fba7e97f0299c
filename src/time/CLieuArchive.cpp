// The place in the object archive, as the observatory records of old files
// carry it.
#include "time/CLieu.h"

#include <cmath>

#include "sky/archive/CArchiveReader.h"
#include "sky/archive/CArchiveWriter.h"
namespace zarn {

namespace {
// A quarter turn, with the rounding that a stored latitude of ±90° may carry.
constexpr double kMaxLatitude = 1.5707963267948966 + 1e-9;
}  // namespace

void CLieu::load(CArchiveReader& archive)
{
    const double longitude = archive.readDouble();
    const double latitude = archive.readDouble();
    archive.readLong();  // the zone is written twice; the second copy is the one kept
    const std::int32_t zone = archive.readLong();
    std::string name = archive.readText();
    if (!std::isfinite(longitude) || std::fabs(longitude) > 180.0 || !std::isfinite(latitude) ||
        std::fabs(latitude) > kMaxLatitude || zone < -12 || zone > 13)
        throwDamaged("observatoire hors limites");
    m_longitude = longitude;
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
