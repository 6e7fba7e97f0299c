// SPDX-License-Identifier: GPL-3.0-or-later
#include "BodiesTestData.h"

#include "archive/ArchiveFile.h"
#include "archive/CArchiveReader.h"
#include "archive/CArchiveWriter.h"

#include <cmath>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <unistd.h>

using namespace zarn;

namespace {

std::vector<std::uint8_t> fileBytes(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::vector<std::uint8_t> written(const SolarBodies& bodies)
{
    CArchiveWriter writer;
    bodies.write(writer);
    return writer.bytes();
}

double doubleAt(const std::vector<std::uint8_t>& bytes, std::size_t offset)
{
    double v;
    std::memcpy(&v, bytes.data() + offset, sizeof v);  // the host is little-endian
    return v;
}

// A scratch file removed at the end of the test.
class ScratchFile {
public:
    ScratchFile()
        : m_path(std::filesystem::temp_directory_path() /
                 ("zarn-elements-" + std::to_string(::getpid()) + ".zar"))
    {
    }
    ~ScratchFile() { std::filesystem::remove(m_path); }
    const std::filesystem::path& path() const { return m_path; }
    void write(const std::vector<std::uint8_t>& bytes) const
    {
        std::ofstream out(m_path, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    }

private:
    std::filesystem::path m_path;
};

}  // namespace

TEST(ElementsFile, GeneratedFileRoundTripsByteForByte)
{
    const std::vector<std::uint8_t> original = fileBytes(elementsPath());
    SolarBodies bodies = loadedBodies();
    EXPECT_EQ(written(bodies), original);

    // Read back what was written: the same bodies, hence the same bytes and
    // the same positions.
    CArchiveReader reader(written(bodies));
    SolarBodies again;
    again.read(reader);
    EXPECT_TRUE(reader.atEnd());
    EXPECT_EQ(written(again), original);
    EXPECT_EQ(again.moon.longitudeTerms, bodies.moon.longitudeTerms);
    double a1, d1, r1, a2, d2, r2;
    for (int index = kSun; index <= kMoon; ++index) {
        bodies.body(index).GetPosition(0.9, a1, d1, r1);
        again.body(index).GetPosition(0.9, a2, d2, r2);
        EXPECT_EQ(a1, a2);
        EXPECT_EQ(r1, r2);
    }
}

TEST(ElementsFile, RecordLayout)
{
    SolarBodies bodies;
    for (int index = kSun; index <= kSaturn; ++index) {
        bodies.body(index).SetBodyName(index == kVenus ? "Vénus" : "X");
        for (int r = 0; r < 6; ++r)
            for (int j = 0; j < 4; ++j)
                bodies.body(index).SetElement(r, j, 100.0 * index + 10.0 * r + j);
    }
    bodies.moon.longitudeTerms[0] = {6.28875, {1, 0, 0, 0}};
    bodies.moon.longitudeTerms[49] = {0.5, {2, 0, -1, 0}};
    bodies.moon.latitudeTerms[0] = {18461.48, {0, 1, 0, 0}};
    bodies.moon.distanceTerms[28] = {-0.001, {-2, 0, 0, 1}};
    bodies.moon.meanElements[0][0] = 270.434164;
    bodies.moon.meanElements[4][1] = 35999.0498;
    const std::vector<std::uint8_t> bytes = written(bodies);

    // Sun: a one-byte length, the name, then coefficient-major doubles:
    // a[r][j] at 7 + 8·(6j + r).
    ASSERT_EQ(bytes[0], 1);
    EXPECT_EQ(bytes[1], 'X');
    for (int r = 0; r < 6; ++r)
        for (int j = 0; j < 4; ++j)
            EXPECT_EQ(doubleAt(bytes, 2 + 8 * (6 * j + r)), 10.0 * r + j);
    // Venus is the third record; its name is one Windows-1252 byte per letter.
    const std::size_t venus = 2 * (2 + 192);
    EXPECT_EQ(bytes[venus], 5);
    EXPECT_EQ(bytes[venus + 2], 0xE9);  // é
    EXPECT_EQ(doubleAt(bytes, venus + 6 + 8 * (6 * 3 + 5)), 253.0);  // a[5][3]

    // Moon: 116 terms of 12 bytes, then five (c0, c1) pairs; no name, no tag.
    const std::size_t moon = 6 * (2 + 192) + 4;
    ASSERT_EQ(bytes.size(), moon + 116 * 12 + 80);
    EXPECT_EQ(doubleAt(bytes, moon), 6.28875);
    EXPECT_EQ(bytes[moon + 8], 1);
    const std::size_t last = moon + 49 * 12;
    EXPECT_EQ(doubleAt(bytes, last), 0.5);
    EXPECT_EQ((std::vector<std::uint8_t>(bytes.begin() + last + 8, bytes.begin() + last + 12)),
              (std::vector<std::uint8_t>{2, 0, 0xFF, 0}));
    EXPECT_EQ(doubleAt(bytes, moon + 50 * 12), 18461.48);
    const std::size_t lastDistance = moon + (50 + 37 + 28) * 12;
    EXPECT_EQ(doubleAt(bytes, lastDistance), -0.001);
    EXPECT_EQ(bytes[lastDistance + 8], 0xFE);
    EXPECT_EQ(bytes[lastDistance + 11], 1);
    EXPECT_EQ(doubleAt(bytes, moon + 116 * 12), 270.434164);
    EXPECT_EQ(doubleAt(bytes, moon + 116 * 12 + 72), 35999.0498);
}

TEST(ElementsFile, GeneratedContents)
{
    SolarBodies bodies = loadedBodies();
    EXPECT_EQ(bodies.sun.GetElement(1, 0), 1.0000002);
    EXPECT_EQ(bodies.planet(kSaturn).GetElement(1, 0), 9.554747);
    for (int index = kMercury; index <= kSaturn; ++index) {
        const double e = bodies.planet(index).ElementAt(2, 1.0);
        EXPECT_GT(e, 0.0);
        EXPECT_LT(e, 0.25);
    }
    EXPECT_EQ(bodies.moon.longitudeTerms[0].coefficient, 6.28875);
    EXPECT_EQ(bodies.moon.latitudeTerms[36].coefficient, 1.5804);  // the 37th term
    EXPECT_EQ(bodies.moon.distanceTerms[0].coefficient, -3.27765697);
    EXPECT_EQ(bodies.moon.meanElements[CLune::kNode][1], -1934.142);
}

TEST(ElementsFile, MissingTruncatedAndNonFiniteFiles)
{
    SolarBodies bodies;
    auto error = bodies.load("/nonexistent/ELEMENTS.ZAR");
    ASSERT_TRUE(error.has_value());
    EXPECT_EQ(error->kind(), ArchiveErrorKind::FileNotFound);

    const std::vector<std::uint8_t> original = fileBytes(elementsPath());
    ScratchFile scratch;
    for (std::size_t size : {std::size_t{0}, std::size_t{1}, std::size_t{100}, original.size() - 1}) {
        scratch.write(std::vector<std::uint8_t>(original.begin(), original.begin() + size));
        error = bodies.load(scratch.path());
        ASSERT_TRUE(error.has_value()) << size;
        EXPECT_EQ(error->kind(), ArchiveErrorKind::Damaged) << size;
    }

    // A Moon record cut short leaves the Moon that was loaded before.
    SolarBodies good = loadedBodies();
    const CLune before = good.moon;
    scratch.write(std::vector<std::uint8_t>(original.begin(), original.end() - 3));
    ASSERT_TRUE(good.load(scratch.path()).has_value());
    EXPECT_EQ(good.moon.longitudeTerms, before.longitudeTerms);
    EXPECT_EQ(good.moon.distanceTerms, before.distanceTerms);
    EXPECT_EQ(good.moon.meanElements[4][0], before.meanElements[4][0]);

    std::vector<std::uint8_t> damaged = original;
    const double nan = std::nan("");
    std::memcpy(damaged.data() + 7 + 8 * 2, &nan, sizeof nan);  // the Sun's eccentricity
    scratch.write(damaged);
    error = bodies.load(scratch.path());
    ASSERT_TRUE(error.has_value());
    EXPECT_EQ(error->kind(), ArchiveErrorKind::Damaged);
    // The Sun's elements were not half replaced.
    EXPECT_TRUE(std::isfinite(bodies.sun.GetElement(2, 0)));
}

TEST(ElementsFile, AnOversizedFileIsDamagedAndNotReadWhole)
{
    // The seven records followed by zeros up to one byte past the limit that
    // every data file obeys: refused before anything is read, so a huge file
    // can neither exhaust the memory nor pass for good elements.
    const std::vector<std::uint8_t> original = fileBytes(elementsPath());
    ScratchFile scratch;
    scratch.write(original);
    std::filesystem::resize_file(scratch.path(), kMaxArchiveFileSize + 1);

    SolarBodies bodies = loadedBodies();
    const double sunEccentricity = bodies.sun.GetElement(2, 0);
    bodies.sun.SetElement(2, 0, 0.5);
    const auto error = bodies.load(scratch.path());
    ASSERT_TRUE(error.has_value());
    EXPECT_EQ(error->kind(), ArchiveErrorKind::Damaged);
    EXPECT_EQ(bodies.sun.GetElement(2, 0), 0.5);  // nothing was taken from it
    EXPECT_NE(sunEccentricity, 0.5);
}

TEST(ElementsFile, ElementsNoBodyCouldHaveAreDamage)
{
    const std::vector<std::uint8_t> original = fileBytes(elementsPath());
    ScratchFile scratch;
    SolarBodies bodies;
    auto damagedBy = [&](const std::vector<std::uint8_t>& bytes) {
        scratch.write(bytes);
        const auto error = bodies.load(scratch.path());
        return error.has_value() && error->kind() == ArchiveErrorKind::Damaged;
    };
    EXPECT_FALSE(damagedBy(original));
    // Every double zero: a file of the right size and layout, but Mars would
    // sit 0.00004 AU from the Earth and the Sun would never move.
    // Where the 24 doubles of each body start, after its name.
    std::size_t coefficients[kSaturn + 1];
    std::size_t at = 0;
    for (int body = kSun; body <= kSaturn; ++body) {
        coefficients[body] = at + 1 + original[at];
        at = coefficients[body] + 192;
    }
    std::vector<std::uint8_t> zeros = original;
    for (std::size_t start : coefficients)
        std::fill(zeros.begin() + start, zeros.begin() + start + 192, 0);
    for (std::size_t term = 0; term < 116; ++term)
        std::fill(zeros.begin() + at + 12 * term, zeros.begin() + at + 12 * term + 8, 0);
    std::fill(zeros.begin() + at + 116 * 12, zeros.end(), 0);
    EXPECT_TRUE(damagedBy(zeros));

    // One element out of its range is enough: Mars's semi-major axis, the
    // Sun's mean motion, Saturn's eccentricity, the Moon's node standing still.
    // a[r][j] lies at 8·(6j + r); the Moon's mean elements are the last 80 bytes.
    const std::size_t moonNodeRate = original.size() - 80 + 8 * 5;
    struct Change { std::size_t offset; double value; } changes[] = {
        {coefficients[kMars] + 8 * 1, 0.00004}, {coefficients[kSun] + 8 * 6, 0.0},
        {coefficients[kSaturn] + 8 * 2, 1.2}, {moonNodeRate, 0.0}};
    for (const Change& change : changes) {
        std::vector<std::uint8_t> bytes = original;
        std::memcpy(bytes.data() + change.offset, &change.value, sizeof change.value);
        EXPECT_TRUE(damagedBy(bytes)) << change.offset;
    }
}
