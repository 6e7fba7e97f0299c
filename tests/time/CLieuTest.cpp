// SPDX-License-Identifier: GPL-3.0-or-later
#include "time/CLieu.h"
#include "time/Calendar.h"
#include "time/Profile.h"
#include "settings/ZarnSettings.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>

using namespace zarn;

TEST(Place, RecordIsLittleEndianAtFixedOffsets)
{
    const CLieu paris("Paris", -2.5, fromPacked(48.51) * kRadPerDeg, -3, 1);
    const CLieu::Record r = paris.toRecord();
    for (int i = 0; i < 8; ++i)
        EXPECT_EQ(r[i], 0) << i;
    // -2.5 as an IEEE double is 0xC004000000000000, low byte first.
    EXPECT_EQ(r[8], 0x00);
    EXPECT_EQ(r[14], 0x04);
    EXPECT_EQ(r[15], 0xC0);
    EXPECT_EQ(r[40], 0xFD);  // zone -3 as a signed byte
    EXPECT_EQ(r[41], 0);
    EXPECT_EQ(r[43], 0);
    EXPECT_EQ(r[44], 1);
    EXPECT_EQ(r[47], 0);

    const auto back = CLieu::fromBytes(r.data(), r.size());
    ASSERT_TRUE(back.has_value());
    EXPECT_DOUBLE_EQ(back->longitude(), paris.longitude());
    EXPECT_DOUBLE_EQ(back->latitude(), paris.latitude());
    EXPECT_DOUBLE_EQ(back->cosLatitude(), std::cos(paris.latitude()));
    EXPECT_EQ(back->zone(), -3);
    EXPECT_EQ(back->observesSummerTime(), 1);
}

TEST(Place, DamagedRecordsAreRefused)
{
    CLieu::Record r = CLieu("x", 10.0, 0.5, 2, 0).toRecord();
    EXPECT_FALSE(CLieu::fromBytes(r.data(), 47).has_value());
    EXPECT_FALSE(CLieu::fromBytes(nullptr, 48).has_value());
    // The stored cosine is ignored; only byte 40 of the zone is read.
    r[24] = 0xFF;
    r[41] = 0x7F;
    auto ok = CLieu::fromBytes(r.data(), r.size());
    ASSERT_TRUE(ok.has_value());
    EXPECT_DOUBLE_EQ(ok->cosLatitude(), std::cos(0.5));
    EXPECT_EQ(ok->zone(), 2);
    const double nan = std::numeric_limits<double>::quiet_NaN();
    std::memcpy(&r[16], &nan, 8);
    EXPECT_FALSE(CLieu::fromBytes(r.data(), r.size()).has_value());
    CLieu::Record far = CLieu("x", 10.0, 0.5, 2, 0).toRecord();
    const double farLongitude = 500.0;
    std::memcpy(&far[8], &farLongitude, 8);
    EXPECT_FALSE(CLieu::fromBytes(far.data(), far.size()).has_value());
}

TEST(Place, PolesAndTheDateLineStayOnTheLimitThroughTheSettings)
{
    // As the place dialog builds them from 90.00 N, 90.00 S and 180.00 W.
    const double pole = fromPacked(90.00) * kRadPerDeg;
    ZarnSettings out;
    out.observatories = {CLieu("Nord", fromPacked(180.00), pole, 12, 0),
                         CLieu("Sud", -fromPacked(180.00), -pole, -12, 0)};
    for (const CLieu& place : out.observatories) {
        EXPECT_EQ(std::fabs(place.longitude()), 180.0);
        EXPECT_EQ(std::fabs(place.latitude()), CLieu::kLatitudeLimit);
        EXPECT_GT(place.cosLatitude(), 0.0);  // a negative one inverts rise and set
    }
    Profile file;
    writeSettings(out, file, false);
    const ZarnSettings in = readSettings(Profile::parse(file.serialize()));
    ASSERT_EQ(in.observatories.size(), 2u);
    EXPECT_EQ(in.observatories[0].longitude(), 180.0);
    EXPECT_EQ(in.observatories[0].latitude(), CLieu::kLatitudeLimit);
    EXPECT_EQ(in.observatories[1].longitude(), -180.0);
    EXPECT_EQ(in.observatories[1].latitude(), -CLieu::kLatitudeLimit);

    // A record stored a hair past the limit is brought back onto it, not lost.
    CLieu::Record r = out.observatories[0].toRecord();
    const double past[] = {180.0000278, 1.5707968};
    std::memcpy(&r[8], &past[0], 8);
    std::memcpy(&r[16], &past[1], 8);
    const auto back = CLieu::fromBytes(r.data(), r.size());
    ASSERT_TRUE(back.has_value());
    EXPECT_EQ(back->longitude(), 180.0);
    EXPECT_EQ(back->latitude(), CLieu::kLatitudeLimit);
}

TEST(Profile, BinaryValuesUseTwoLettersPerByte)
{
    EXPECT_EQ(encodeBinary({0x3F}), "PD");
    EXPECT_EQ(encodeBinary({0x00, 0xFF}), "AAPP");
    EXPECT_EQ(decodeBinary("PD").value(), std::vector<std::uint8_t>{0x3F});
    EXPECT_FALSE(decodeBinary("PDA").has_value());
    EXPECT_FALSE(decodeBinary("QA").has_value());
    EXPECT_FALSE(decodeBinary("a@").has_value());
}

TEST(Profile, ParsesSectionsAndSurvivesGarbage)
{
    const std::string text =
        "garbage before sections\r\nkey=lost\r\n[Cartes]\r\nCouleur=12\r\n=novalue\r\n"
        "no equal sign\r\n[observatoires]\nno0=PDPD\nlieu0=Caf\xe9\n[Cartes]\ncouleur=99\n"
        "Taille= 42 \n[broken\n";
    Profile p = Profile::parse(text);
    EXPECT_EQ(p.intValue("CARTES", "couleur").value(), 12);  // first occurrence wins
    EXPECT_EQ(p.intValue("Cartes", "Taille").value(), 42);
    EXPECT_EQ(p.value("Observatoires", "lieu0").value(), "Caf\xe9");
    EXPECT_FALSE(p.value("Cartes", "key").has_value());
    EXPECT_FALSE(p.intValue("Observatoires", "no0").has_value());
    EXPECT_EQ(p.binaryValue("Observatoires", "no0")->size(), 2u);

    p.removeSection("OBSERVATOIRES");
    EXPECT_FALSE(p.hasSection("Observatoires"));
    p.setBinary("Observatoires", "no0", {1, 2});
    p.setInt("Cartes", "Couleur", -5);
    const Profile again = Profile::parse(p.serialize());
    EXPECT_EQ(again.intValue("Cartes", "Couleur").value(), -5);
    EXPECT_EQ(again.value("Observatoires", "no0").value(), "BACA");
}
