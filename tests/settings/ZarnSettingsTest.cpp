// SPDX-License-Identifier: GPL-3.0-or-later
// Reading and writing the settings values: the encodings of the keys, their
// defaults, and what a damaged file gives.
#include "time/LegalOffset.h"
#include "settings/ZarnSettings.h"

#include <gtest/gtest.h>

#include <string>

using namespace zarn;

namespace {
Profile parse(const std::string& text) { return Profile::parse(text); }

std::string recordText(const CLieu& place)
{
    const CLieu::Record r = place.toRecord();
    return encodeBinary({r.begin(), r.end()});
}
}  // namespace

TEST(ZarnSettings, MissingFileGivesEveryDefault)
{
    const ZarnSettings s = readSettings(Profile{});
    EXPECT_EQ(s.skyColour, 0u);
    EXPECT_EQ(s.skyColourIndex, 0);
    EXPECT_EQ(s.starColouring, 1);
    EXPECT_EQ(s.figureFlags, (std::array<int, 3>{0, 0, 0}));
    EXPECT_EQ(s.showEquator, 1);
    EXPECT_EQ(s.showEcliptic, 1);
    EXPECT_EQ(s.printStarNames, 1);
    EXPECT_FALSE(s.normalRect.has_value());
    EXPECT_EQ(s.showState, 3);
    EXPECT_TRUE(s.observatories.empty());
}

TEST(ZarnSettings, FigureAndSpecialObjectBits)
{
    ZarnSettings s = readSettings(parse(
        "[Cartes]\nContours constellations=65537\nObjets spéciaux=2\nCouleur ciel=2245738\n"));
    EXPECT_EQ(s.figureFlags[0], 1);  // whole sky
    EXPECT_EQ(s.figureFlags[1], 1);  // zenith
    EXPECT_EQ(s.figureFlags[2], 0);  // horizon
    EXPECT_EQ(s.showEcliptic, 1);
    EXPECT_EQ(s.showEquator, 0);
    EXPECT_EQ(s.skyColour, 0x22446Au);

    s.figureFlags = {0, 0, 1};
    Profile out;
    writeSettings(s, out, false);
    EXPECT_EQ(out.intValue("Cartes", "Contours constellations"), 256);
    EXPECT_EQ(out.intValue("Cartes", "Objets spéciaux"), 2);
    EXPECT_EQ(out.intValue("Cartes", "Couleur ciel"), 0x22446A);
}

TEST(ZarnSettings, ScreenNameKeysOfTheirOwn)
{
    // A file written before the screen names existed: planets named, stars
    // and constellations not, limit 2.5.
    const ZarnSettings old = readSettings(parse("[Cartes]\nCouleur ciel=5\n"));
    EXPECT_EQ(old.screenBodyNames, 1);
    EXPECT_EQ(old.screenStarNames, 0);
    EXPECT_EQ(old.screenStarLimit, 25);
    EXPECT_EQ(old.screenConstellationNames, 0);
    // A limit beyond the slider's range is not taken.
    EXPECT_EQ(readSettings(parse("[Cartes]\nMagnitude noms écran=90\n")).screenStarLimit, 25);

    ZarnSettings s;
    s.screenBodyNames = 0;
    s.screenStarNames = 1;
    s.screenStarLimit = 38;
    s.screenConstellationNames = 1;
    s.equatorialGrid = 1;
    Profile out;
    writeSettings(s, out, false);
    const ZarnSettings back = readSettings(out);
    EXPECT_EQ(back.screenBodyNames, 0);
    EXPECT_EQ(back.screenStarNames, 1);
    EXPECT_EQ(back.screenStarLimit, 38);
    EXPECT_EQ(back.screenConstellationNames, 1);
    EXPECT_EQ(back.horizontalGrid, 0);
    EXPECT_EQ(back.equatorialGrid, 1);
    // The printed names keep their own key.
    EXPECT_EQ(back.printStarNames, 1);
}

TEST(ZarnSettings, SixteenColourDisplayKeepsTheStoredColours)
{
    Profile p = parse("[Cartes]\nCouleur ciel=123\nIndex couleur ciel=7\nCouleur étoiles=0\n");
    ZarnSettings s;
    s.skyColour = 0xFFFFFF;
    s.skyColourIndex = 30;
    s.starColouring = 1;
    writeSettings(s, p, true);
    EXPECT_EQ(p.intValue("Cartes", "Couleur ciel"), 123);
    EXPECT_EQ(p.intValue("Cartes", "Index couleur ciel"), 7);
    EXPECT_EQ(p.intValue("Cartes", "Couleur étoiles"), 0);
    writeSettings(s, p, false);
    EXPECT_EQ(p.intValue("Cartes", "Index couleur ciel"), 30);
}

TEST(ZarnSettings, WindowRectangleIsSixteenLittleEndianBytes)
{
    ZarnSettings s;
    s.normalRect = std::array<std::int32_t, 4>{-4, 10, 1024, 768};
    s.showState = 1;
    Profile p;
    writeSettings(s, p, false);
    const auto bytes = p.binaryValue("Position", "rcNormal");
    ASSERT_TRUE(bytes);
    ASSERT_EQ(bytes->size(), 16u);
    EXPECT_EQ((*bytes)[0], 0xFC);
    EXPECT_EQ((*bytes)[3], 0xFF);
    EXPECT_EQ((*bytes)[8], 0x00);
    EXPECT_EQ((*bytes)[9], 0x04);
    const ZarnSettings back = readSettings(p);
    EXPECT_EQ(back.normalRect, s.normalRect);
    EXPECT_EQ(back.showState, 1);
}

TEST(ZarnSettings, ObservatoriesRoundTripAndRemovedOnesDisappear)
{
    ZarnSettings s;
    s.observatories.push_back(CLieu("Paris", -2.3333333, 0.8526, 1, 1));
    s.observatories.push_back(CLieu("Québec", 71.2, 0.8160, -5, 1));
    s.observatories.push_back(CLieu("Nouméa", -166.45, -0.3878, 11, 0));
    Profile p;
    writeSettings(s, p, false);
    const ZarnSettings back = readSettings(p);
    ASSERT_EQ(back.observatories.size(), 3u);
    EXPECT_EQ(back.observatories[1].name(), "Québec");
    EXPECT_EQ(back.observatories[2].zone(), 11);
    EXPECT_EQ(back.observatories[2].observesSummerTime(), 0);
    EXPECT_DOUBLE_EQ(back.observatories[0].longitude(), -2.3333333);

    s.observatories.resize(1);
    writeSettings(s, p, false);
    EXPECT_TRUE(p.value("Observatoires", "no0"));
    EXPECT_TRUE(p.value("Observatoires", "lieu0"));
    EXPECT_FALSE(p.value("Observatoires", "no1"));
    EXPECT_FALSE(p.value("Observatoires", "lieu2"));
}

TEST(ZarnSettings, DamagedValuesTakeTheirDefaults)
{
    const ZarnSettings s = readSettings(parse(
        "garbage line\n=x\n[Cartes\n[Cartes]\nCouleur ciel=-5\nIndex couleur ciel=99\n"
        "Couleur étoiles=abc\nContours constellations=0x10\nObjets spéciaux=12\n"
        "[Position]\nrcNormal=AAAA\nState=7\n[Impression]\nNom étoiles=2\n"));
    EXPECT_EQ(s.skyColour, 0u);
    EXPECT_EQ(s.skyColourIndex, 0);
    EXPECT_EQ(s.starColouring, 1);
    EXPECT_EQ(s.figureFlags, (std::array<int, 3>{0, 0, 0}));
    EXPECT_EQ(s.showEquator, 1);
    EXPECT_FALSE(s.normalRect);
    EXPECT_EQ(s.showState, 3);
    EXPECT_EQ(s.printStarNames, 1);
}

TEST(ZarnSettings, BadRecordsAreSkippedAndTheListIsCapped)
{
    const CLieu good("Lyon", -4.83, 0.7975, 1, 1);
    std::string text = "[Observatoires]\n";
    text += "no0=" + recordText(good) + "\nlieu0=Lyon\n";
    text += "no1=ABCD\nlieu1=court\n";        // wrong length
    text += "no2=ZZ" + recordText(good).substr(2) + "\n";  // letters outside A..P
    text += "no3=" + recordText(good) + "\n";  // no name: empty
    const ZarnSettings s = readSettings(parse(text));
    ASSERT_EQ(s.observatories.size(), 2u);
    EXPECT_EQ(s.observatories[0].name(), "Lyon");
    EXPECT_EQ(s.observatories[1].name(), "");

    std::string many = "[Observatoires]\n";
    const std::string record = recordText(good);
    for (int i = 0; i < 10000; ++i)
        many += "no" + std::to_string(i) + "=" + record + "\n";
    const ZarnSettings capped = readSettings(parse(many));
    EXPECT_EQ(capped.observatories.size(), static_cast<std::size_t>(kMaxObservatories));
    // Writing either list back would lose records: the file was not read whole.
    EXPECT_FALSE(capped.observatoriesWhole);
    EXPECT_FALSE(s.observatoriesWhole);
    EXPECT_TRUE(readSettings(parse("[Observatoires]\nno0=" + record + "\n")).observatoriesWhole);
}

TEST(ZarnSettings, RewritingEditsTheFileInPlace)
{
    // Comments, blank lines, unknown keys and sections stay where they were;
    // known keys change in place and new ones go to the end of their section.
    const std::string text =
        "; Réglages de Zarn\r\n[Cartes]\r\n; couleur du fond\r\nCouleur ciel=5\r\nmaclef = 7\r\n\r\n"
        "[Perso]\r\nx=1\r\n\r\n[Observatoires]\r\n; mes lieux\r\nno0=AA\r\n";
    Profile p = parse(text);
    ZarnSettings s;
    s.skyColour = 9;
    writeSettings(s, p, false);
    EXPECT_EQ(p.serialize(),
              "; Réglages de Zarn\r\n[Cartes]\r\n; couleur du fond\r\nCouleur ciel=9\r\nmaclef = 7\r\n"
              "Index couleur ciel=0\r\nCouleur étoiles=1\r\nContours constellations=0\r\n"
              "Objets spéciaux=3\r\nNoms astres écran=1\r\nNoms étoiles écran=0\r\n"
              "Magnitude noms écran=25\r\nNoms constellations écran=0\r\n"
              "Grille horizontale écran=0\r\nGrille équatoriale écran=0\r\n\r\n[Perso]\r\nx=1\r\n\r\n"
              "[Impression]\r\nNom étoiles=1\r\n\r\n[Position]\r\nState=3\r\n");
}

TEST(ZarnSettings, OtherKeysOfTheFileAreKept)
{
    Profile p = parse("[Autre]\nclef=valeur\n[Observatoires]\nno5=AA\n");
    writeSettings(ZarnSettings{}, p, false);
    EXPECT_EQ(p.value("Autre", "clef"), "valeur");
    EXPECT_FALSE(p.hasSection("Observatoires"));
}

TEST(ZarnSettings, NightModeIsKeptAndAbsentUntilFirstUsed)
{
    ZarnSettings s = readSettings(parse("[Cartes]\nMode nuit=1\n"));
    EXPECT_EQ(s.nightMode, 1);
    EXPECT_EQ(readSettings(parse("[Cartes]\nMode nuit=7\n")).nightMode, 0);
    Profile out;
    s.nightMode = 0;
    writeSettings(s, out, false);
    EXPECT_FALSE(out.value("Cartes", "Mode nuit"));
    s.nightMode = 1;
    writeSettings(s, out, false);
    EXPECT_EQ(out.intValue("Cartes", "Mode nuit"), 1);
    // Once written it follows the choice, also back to day.
    s.nightMode = 0;
    writeSettings(s, out, false);
    EXPECT_EQ(out.intValue("Cartes", "Mode nuit"), 0);
}

TEST(ZarnSettings, ZoneNamesBesideTheRecordsBothWays)
{
    // A file of the previous version (no zone names) reads and writes back
    // unchanged.
    Profile old;
    ZarnSettings before;
    before.observatories = {CLieu("Paris", -2.33, 0.8527, 1, 1), CLieu("Quito", 78.5, -0.004, -5, 0)};
    writeSettings(before, old, false);
    const std::string oldText = old.serialize();
    Profile again = parse(oldText);
    writeSettings(readSettings(again), again, false);
    EXPECT_EQ(again.serialize(), oldText);

    // Places on zones of the database: the name goes beside the record, which
    // keeps the nearest whole-hour zone and flag for the previous version.
    struct Zone {
        const char* name;
        int zone;
        int flag;
    };
    const Zone zones[] = {{"Australia/Sydney", 10, 1}, {"Asia/Kolkata", 6, 0}, {"America/Montreal", -5, 1}};
    ZarnSettings now;
    for (const Zone& z : zones)
        now.observatories.push_back(placeOnZone(CLieu(z.name, 0.0, 0.0, 0, 0), z.name, 2026));
    now.observatories.push_back(CLieu("Fixe", 0.0, 0.0, 3, 0));
    Profile p;
    writeSettings(now, p, false);
    const ZarnSettings read = readSettings(parse(p.serialize()));
    ASSERT_EQ(read.observatories.size(), 4u);
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(read.observatories[i].zoneName(), zones[i].name);
        // What the previous version's reader takes from the record alone.
        const auto bytes = decodeBinary(*p.value("Observatoires", "no" + std::to_string(i)));
        const auto previous = CLieu::fromBytes(bytes->data(), bytes->size());
        ASSERT_TRUE(previous);
        EXPECT_EQ(previous->zone(), zones[i].zone) << zones[i].name;
        EXPECT_EQ(previous->observesSummerTime(), zones[i].flag) << zones[i].name;
    }
    EXPECT_EQ(read.observatories[3].zoneName(), "");
    EXPECT_FALSE(p.value("Observatoires", "tz3"));
    // A name the database does not know leaves the record in force.
    Profile unknown = parse(p.serialize());
    unknown.setValue("Observatoires", "tz0", "Mars/Olympus");
    const CLieu fallback = readSettings(unknown).observatories[0];
    EXPECT_EQ(fallback.zoneName(), "");
    EXPECT_EQ(fallback.zone(), 10);
}
