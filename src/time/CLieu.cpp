// SPDX-License-Identifier: GPL-3.0-or-later
// An observing place and its 48-byte record in the settings.
#include "time/CLieu.h"

#include <cmath>
#include <cstring>

namespace zarn {

namespace {
void putDouble(std::uint8_t* out, double value)
{
    std::uint64_t bits;
    std::memcpy(&bits, &value, sizeof bits);
    for (int i = 0; i < 8; ++i)
        out[i] = static_cast<std::uint8_t>(bits >> (8 * i));
}

double getDouble(const std::uint8_t* in)
{
    std::uint64_t bits = 0;
    for (int i = 0; i < 8; ++i)
        bits |= static_cast<std::uint64_t>(in[i]) << (8 * i);
    double value;
    std::memcpy(&value, &bits, sizeof value);
    return value;
}

void putInt32(std::uint8_t* out, std::int32_t value)
{
    const auto bits = static_cast<std::uint32_t>(value);
    for (int i = 0; i < 4; ++i)
        out[i] = static_cast<std::uint8_t>(bits >> (8 * i));
}

std::int32_t getInt32(const std::uint8_t* in)
{
    std::uint32_t bits = 0;
    for (int i = 0; i < 4; ++i)
        bits |= static_cast<std::uint32_t>(in[i]) << (8 * i);
    return static_cast<std::int32_t>(bits);
}

// How far past a limit a stored coordinate may lie and still be brought back
// onto it: the packed bias adds 0.1" (2.8e-5 degree, 4.8e-7 radian).
constexpr double kLongitudeMargin = 1e-3;
constexpr double kLatitudeMargin = 2e-5;

double clampedTo(double value, double limit)
{
    return value > limit ? limit : value < -limit ? -limit : value;
}
}  // namespace

CLieu::CLieu(std::string name, double longitude, double latitude, int zone, int observesSummerTime)
    : m_name(std::move(name)), m_observesSummerTime(observesSummerTime)
{
    setLongitude(longitude);
    setLatitude(latitude);
    setZone(zone);
}

bool CLieu::acceptableCoordinates(double longitude, double latitude)
{
    return std::isfinite(longitude) && std::fabs(longitude) <= kLongitudeLimit + kLongitudeMargin &&
           std::isfinite(latitude) && std::fabs(latitude) <= kLatitudeLimit + kLatitudeMargin;
}

void CLieu::setLongitude(double degreesWest) { m_longitude = clampedTo(degreesWest, kLongitudeLimit); }

void CLieu::setLatitude(double radians)
{
    m_latitude = clampedTo(radians, kLatitudeLimit);
    m_cosLatitude = std::cos(m_latitude);
    m_sinLatitude = std::sin(m_latitude);
}

void CLieu::setZoneMinutes(int minutes)
{
    // Half hours go away from Greenwich (5 h 30 is 6 in the record): the
    // record is only read by a program that knows no minutes.
    const int hours = static_cast<int>(std::lround(minutes / 60.0));
    m_zone = static_cast<std::int8_t>(hours);
    m_zoneMinutes = minutes;
}

CLieu::Record CLieu::toRecord() const
{
    Record record{};
    putDouble(&record[8], m_longitude);
    putDouble(&record[16], m_latitude);
    putDouble(&record[24], m_cosLatitude);
    putDouble(&record[32], m_sinLatitude);
    record[40] = static_cast<std::uint8_t>(static_cast<std::int8_t>(m_zone));
    putInt32(&record[44], m_observesSummerTime);
    return record;
}

CLieu CLieu::fromRecord(const Record& record)
{
    CLieu place;
    place.setLongitude(getDouble(&record[8]));
    place.setLatitude(getDouble(&record[16]));
    place.setZone(static_cast<std::int8_t>(record[40]));
    place.m_observesSummerTime = getInt32(&record[44]);
    return place;
}

std::optional<CLieu> CLieu::fromBytes(const std::uint8_t* bytes, std::size_t size)
{
    if (bytes == nullptr || size != std::tuple_size_v<Record>)
        return std::nullopt;
    Record record;
    std::memcpy(record.data(), bytes, size);
    // A damaged record must not become a place that breaks every computation.
    if (!acceptableCoordinates(getDouble(&record[8]), getDouble(&record[16])))
        return std::nullopt;
    CLieu place = fromRecord(record);
    if (place.m_zone < -12 || place.m_zone > 13)
        return std::nullopt;
    place.m_observesSummerTime = place.m_observesSummerTime != 0 ? 1 : 0;
    return place;
}

}  // namespace zarn
