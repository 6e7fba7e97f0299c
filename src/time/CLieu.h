#pragma once
// An observing place: name, longitude (degrees, positive West), latitude
// (radians, positive North) with its cosine and sine, time zone (whole hours,
// positive East) and whether the place follows the summer-time rule.
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
    int observesSummerTime() const { return m_observesSummerTime; }

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
    void setZone(int zone) { m_zone = static_cast<std::int8_t>(zone); }
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
    int m_observesSummerTime = 1;
};

}  // namespace zarn
