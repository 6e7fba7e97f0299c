// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// An observing place: name, longitude (degrees, positive West), latitude
// (radians, positive North) with its cosine and sine, time zone (whole hours,
// positive East) and whether the place follows the summer-time rule. A place
// may also name a zone of the system's time-zone database (Europe/Paris):
// its rules then decide the legal time, and the zone and flag only hold the
// nearest values for the settings record.
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <utility>

namespace zarn {

class CArchiveReader;
class CArchiveWriter;

class CLieu {
public:
    CLieu() = default;
    CLieu(std::string name, double longitude, double latitude, int zone, int observesSummerTime);

    const std::string& name() const { return m_name; }
    double longitude() const { return m_longitude; }
    double latitude() const { return m_latitude; }
    double cosLatitude() const { return m_cosLatitude; }
    double sinLatitude() const { return m_sinLatitude; }
    int zone() const { return m_zone; }
    // The fixed zone in minutes East: zone() × 60 unless minutes were given.
    int zoneMinutes() const { return m_zoneMinutes; }
    int observesSummerTime() const { return m_observesSummerTime; }
    // The database zone ("Australia/Sydney"), empty for a fixed zone.
    const std::string& zoneName() const { return m_zoneName; }

    void setName(std::string name) { m_name = std::move(name); }
    // Both are kept within their limits: a pole or the date line typed as
    // 90.00 or 180.00 comes out of the packed conversion (and of the degree
    // to radian factor) a hair past the limit, where the cosine of the
    // latitude turns negative and every rise and set is inverted.
    void setLongitude(double degreesWest);
    void setLatitude(double radians);

    static constexpr double kLongitudeLimit = 180.0;               // degrees
    static constexpr double kLatitudeLimit = 1.5707963267948966;   // radians, cos > 0
    // Whether stored coordinates can be a place: finite, and within their
    // limits or no further past them than such a conversion puts them.
    static bool acceptableCoordinates(double longitude, double latitude);
    void setZone(int zone)
    {
        m_zone = static_cast<std::int8_t>(zone);
        m_zoneMinutes = m_zone * 60;
    }
    // A zone with minutes (5 h 30 is 330); the record keeps the nearest hour.
    void setZoneMinutes(int minutes);
    // The name is not checked here (LegalOffset knows the database).
    void setZoneName(std::string name) { m_zoneName = std::move(name); }
    void setObservesSummerTime(int flag) { m_observesSummerTime = flag; }

    // The 48-byte little-endian record of the settings file ("Observatoires"/"no%d");
    // the name is stored apart.
    using Record = std::array<std::uint8_t, 48>;
    Record toRecord() const;
    // Rebuilds a place from a record; the name is left empty. The cosine and sine
    // stored in the record are ignored and recomputed.
    static CLieu fromRecord(const Record& record);
    // Same from raw bytes of any length: nothing when the length is not 48 or a
    // coordinate is not a finite number within its range.
    static std::optional<CLieu> fromBytes(const std::uint8_t* bytes, std::size_t size);

    // Object-archive form (run-time class "CLieu", schema 0): longitude, latitude
    // (doubles), the zone twice (32 bits each), the name. observesSummerTime is
    // not part of it. A non-finite or out-of-range value is damage
    // (ArchiveError) and leaves the place unchanged.
    void load(CArchiveReader& archive);
    void store(CArchiveWriter& archive) const;

    bool operator==(const CLieu&) const = default;

private:
    std::string m_name;
    double m_longitude = 0.0;
    double m_latitude = 0.0;
    double m_cosLatitude = 1.0;
    double m_sinLatitude = 0.0;
    int m_zone = 0;  // signed 8-bit value held in an int
    int m_zoneMinutes = 0;
    int m_observesSummerTime = 1;
    std::string m_zoneName;
};

}  // namespace zarn
