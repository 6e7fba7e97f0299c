// SPDX-License-Identifier: GPL-3.0-or-later
#include "archive/CArchiveReader.h"
#include "archive/CArchiveWriter.h"
#include "time/CLieu.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace zarn;

TEST(PlaceArchive, FieldOrderAndRoundTrip)
{
    const CLieu lyon("Lyon Fourvière", -4.82, 0.7967, -5, 0);
    CArchiveWriter writer;
    lyon.store(writer);
    const auto& bytes = writer.bytes();
    ASSERT_EQ(bytes.size(), 8u + 8u + 4u + 4u + 1u + 14u);
    EXPECT_EQ(bytes[16], 0xFB);  // zone -5, twice
    EXPECT_EQ(bytes[19], 0xFF);
    EXPECT_EQ(bytes[20], 0xFB);
    EXPECT_EQ(bytes[24], 14);    // "Fourvière" has one Windows-1252 byte for è
    EXPECT_EQ(bytes[24 + 12], 0xE8);

    CLieu back;
    back.setObservesSummerTime(1);  // not part of the archive: kept as it was
    CArchiveReader reader(bytes);
    back.load(reader);
    EXPECT_EQ(back.name(), "Lyon Fourvière");
    EXPECT_EQ(back.longitude(), -4.82);
    EXPECT_EQ(back.latitude(), 0.7967);
    EXPECT_DOUBLE_EQ(back.cosLatitude(), std::cos(0.7967));
    EXPECT_DOUBLE_EQ(back.sinLatitude(), std::sin(0.7967));
    EXPECT_EQ(back.zone(), -5);
    EXPECT_EQ(back.observesSummerTime(), 1);
}

TEST(PlaceArchive, SecondZoneIsKeptAndDamageLeavesThePlace)
{
    CArchiveWriter writer;
    writer.writeDouble(10.0);
    writer.writeDouble(0.5);
    writer.writeLong(3);
    writer.writeLong(2);
    writer.writeText("Ici");
    CLieu place;
    CArchiveReader reader(writer.bytes());
    place.load(reader);
    EXPECT_EQ(place.zone(), 2);

    const CLieu before = place;
    CArchiveWriter bad;
    bad.writeDouble(std::nan(""));
    bad.writeDouble(0.5);
    bad.writeLong(1);
    bad.writeLong(1);
    bad.writeText("Nulle part");
    CArchiveReader badReader(bad.bytes());
    EXPECT_THROW(place.load(badReader), ArchiveError);
    EXPECT_EQ(place, before);
}
