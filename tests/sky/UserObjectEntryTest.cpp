// SPDX-License-Identifier: GPL-3.0-or-later
// The sky colours of the options' slider, the coordinates typed for a user
// object and the line the options list shows for it.
#include "sky/CNouvelObjet.h"
#include "sky/SkyColourScale.h"
#include "sky/UserObjectEntry.h"

#include <gtest/gtest.h>

using namespace zarn;

TEST(SkySlider, RunsFromBlackToEveningBlueWithRedBelowGreenBelowBlue)
{
    EXPECT_EQ(skyFromSlider(0), rgb(0, 0, 0));
    EXPECT_EQ(skyFromSlider(35), rgb(34, 68, 106));
    unsigned previousBlue = 0;
    for (int p = 0; p <= kSkySliderMax; ++p) {
        const Colour c = skyFromSlider(p);
        EXPECT_LE(redOf(c), greenOf(c)) << p;
        EXPECT_LE(greenOf(c), blueOf(c)) << p;
        EXPECT_GE(blueOf(c), previousBlue) << p;
        previousBlue = blueOf(c);
        EXPECT_EQ(fromSettingsRgb(toSettingsRgb(c)), c);
    }
    EXPECT_EQ(toSettingsRgb(rgb(34, 68, 106)), 0x22446Au);
}

TEST(UserObjectCoordinates, TypedValuesAreCheckedAndGivenTheirNormalForm)
{
    const auto ra = [](const char* text) { return normalCoordinate(text, 0, 24).value_or("refusée"); };
    const auto dec = [](const char* text) { return normalCoordinate(text, -90, 90).value_or("refusée"); };
    EXPECT_EQ(ra("12.3"), "refusée");  // minutes take two digits
    EXPECT_EQ(ra("12.30"), "12.30");
    EXPECT_EQ(ra("24.00"), "24.00");
    EXPECT_EQ(ra("05.07"), "5.07");
    EXPECT_EQ(ra("7"), "7.00");
    EXPECT_EQ(ra("24.30"), "refusée");
    EXPECT_EQ(ra("12.60"), "refusée");
    EXPECT_EQ(ra(""), "refusée");
    EXPECT_EQ(dec("-5.20"), "-5.20");
    // The sign of a declination between 0° and −1° is kept.
    EXPECT_EQ(dec("-0.30"), "-0.30");
    EXPECT_EQ(dec("-90.00"), "-90.00");
    EXPECT_EQ(dec("90.30"), "refusée");  // beyond the pole
    EXPECT_EQ(dec("5-"), "refusée");
}

TEST(UserObjectLine, ShowsTheTypedValuesAndSurvivesTheObject)
{
    const UserObjectEntry comet = entryFromFields("12.30", "-5.20", "Comète", 0);
    EXPECT_NEAR(comet.alphaDegrees, 187.5, 1e-3);
    EXPECT_EQ(userObjectLine(comet), "12.30/-5.20/Comète");
    // Made into an object and listed again, the line does not move by a
    // minute (a southern declination rounded towards zero would).
    for (const UserObjectEntry& entry : {comet, entryFromFields("0.00", "-0.30", "", 4),
                                         entryFromFields("23.59", "89.59", "a/b", 3)}) {
        const CNouvelObjet object(entry.alphaDegrees, entry.deltaDegrees, "O*" + entry.name, entry.symbol);
        const UserObjectEntry back = entryOf(object);
        EXPECT_EQ(userObjectLine(back), userObjectLine(entry));
        EXPECT_EQ(back.name, entry.name);
        EXPECT_EQ(back.symbol, entry.symbol);
    }
    EXPECT_EQ(userObjectLine(entryFromFields("0.00", "-0.30", "", 4)), "0.00/-0.30/");
    // A name written without "*" is all name.
    EXPECT_EQ(entryOf(CNouvelObjet(15.0, 1.0, "Objet 1", 1)).name, "Objet 1");
}
