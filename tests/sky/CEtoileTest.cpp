// SPDX-License-Identifier: GPL-3.0-or-later
// Stars, deep-sky and user objects: packing, designations, magnitude classes.
#include "sky/CEtoile.h"
#include "sky/CMessier.h"
#include "sky/CNouvelObjet.h"
#include "time/CInstant.h"
#include "time/Calendar.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace zarn;

namespace {

CEtoile star(const std::string& designation, int magnitudeTenths, int component = 0)
{
    CEtoile s;
    s.setDesignation(designation);
    s.setAttributes(CEtoile::packAttributes(component, magnitudeTenths, 4));
    return s;
}

CInstant anyInstant()
{
    return CInstant(1, 1, 2000, 12, 0, 0, CLieu("Paris", -2.33, 0.85, 1, 1));
}

}  // namespace

TEST(Etoile, MagnitudeFieldIsSignAndValue)
{
    CEtoile s;
    s.setAttributes(0x45 << 4);  // sign bit and value 5
    EXPECT_EQ(s.GetMagnitude(), -5);
    s.setAttributes(0x3F << 4);
    EXPECT_EQ(s.GetMagnitude(), 63);
    s.setAttributes(0x40 << 4);  // a negative zero is zero
    EXPECT_EQ(s.GetMagnitude(), 0);
}

TEST(Etoile, PackingKeepsComponentMagnitudeAndColour)
{
    const std::uint16_t word = CEtoile::packAttributes(2, -14, 11);
    CEtoile s;
    s.setAttributes(word);
    EXPECT_EQ(s.component(), 2);
    EXPECT_EQ(s.GetMagnitude(), -14);
    EXPECT_EQ(s.colourIndex(), 11);
    EXPECT_EQ(word & 0x8000, 0);
    // Beyond the field's reach the magnitude is clamped, not wrapped into the colour.
    s.setAttributes(CEtoile::packAttributes(15, 99, 15));
    EXPECT_EQ(s.GetMagnitude(), 63);
    EXPECT_EQ(s.colourIndex(), 15);
    EXPECT_EQ(s.component(), 15);
}

TEST(Etoile, MagnitudeClassTruncatesTowardZeroAndIsCapped)
{
    struct Case { int tenths; int expected; };
    for (const Case c : {Case{60, 5}, Case{-4, 0}, Case{16, 2}, Case{5, 0}, Case{-14, -1}, Case{-15, -1},
                         Case{63, 5}, Case{45, 4}}) {
        CEtoile s = star("12", c.tenths);
        s.Prepare();
        EXPECT_EQ(s.magnitudeClass(), c.expected) << c.tenths;
    }
}

TEST(Etoile, FiveNamedStarsUseTheirEyeMagnitude)
{
    struct Case { const char* name; int tenths; };
    for (const Case c : {Case{"Castor", 16}, Case{"Ras Algethi", 32}, Case{"Algieba", 23},
                         Case{"Alnitak", 18}, Case{"Porrima", 28}}) {
        CEtoile s = star(std::string("66*") + c.name, 50);
        EXPECT_EQ(s.effectiveMagnitude(), c.tenths) << c.name;
        EXPECT_EQ(s.GetMagnitude(), 50);
    }
    CEtoile castor = star("66*Castor", 50);
    castor.Prepare();
    EXPECT_EQ(castor.magnitudeClass(), 2);
    // The name is compared whole: a code part with that text is not the star.
    EXPECT_EQ(star("Castor", 50).effectiveMagnitude(), 50);
}

TEST(Etoile, DesignationSplitsAtTheFirstStar)
{
    EXPECT_EQ(star("*Véga", 0).codePart(), "");
    EXPECT_EQ(star("*Véga", 0).GetName(), "Véga");
    EXPECT_EQ(star("58", 0).codePart(), "58");
    EXPECT_EQ(star("58", 0).GetName(), "");
    EXPECT_EQ(star("58*Bételgeuse", 0).GetShortName(), "Bételgeuse");
    EXPECT_EQ(star("1*a*b", 0).GetName(), "a*b");
    EXPECT_EQ(star("1*a*b", 0).codePart(), "1");
}

TEST(Etoile, LetterLabelShowsTheComponentOfMultipleStars)
{
    CEtoile s = star("", 10, 1);
    s.setLetter("a");
    EXPECT_EQ(s.letterLabel(), "a1");
    CEtoile single = star("", 10, 0);
    single.setLetter("b");
    EXPECT_EQ(single.letterLabel(), "b");
}

TEST(Etoile, ComputeConvertsThousandthsOfDegreeAndCachesTheDeclination)
{
    CEtoile s = star("x", 10);
    s.setPosition(90000, -30000);
    ASSERT_TRUE(s.Compute(anyInstant()));
    EXPECT_NEAR(s.GetAlpha(), kPi / 2, 1e-9);
    EXPECT_NEAR(s.GetDelta(), -kPi / 6, 1e-9);
    EXPECT_NEAR(s.GetCosDelta(), std::cos(-kPi / 6), 1e-9);
    EXPECT_NEAR(s.GetSinDelta(), -0.5, 1e-9);
    // Equatorial direction cosines (θ = 0): H = -α.
    EXPECT_NEAR(s.GetX(), 0.0, 1e-9);
    EXPECT_NEAR(s.GetY(), -std::cos(kPi / 6), 1e-9);
    EXPECT_NEAR(s.GetZ(), -0.5, 1e-9);
}

TEST(Messier, KindComesFromTheCodePart)
{
    CMessier m;
    const struct { const char* designation; int kind; } cases[] = {
        {"A45*Pléiades", 1}, {"N42*Grande nébuleuse d'Orion", 2}, {"G31*Galaxie d'Andromède", 3},
        {"M13", 0}, {"*Amas", 0}, {"", 0}, {"a45", 0}};
    for (const auto& c : cases) {
        m.setDesignation(c.designation);
        EXPECT_EQ(m.kind(), c.kind) << c.designation;
    }
}

TEST(NouvelObjet, PositionRoundsHalfUpToThousandthsOfDegree)
{
    const CNouvelObjet a(359.9996, -12.3456, "Comète", 3);
    EXPECT_EQ(a.rightAscension(), 360000);
    EXPECT_EQ(a.declination(), -12346);
    EXPECT_EQ(a.designation(), "Comète");
    EXPECT_EQ(a.kind(), 3);
    EXPECT_EQ(a.GetName(), "");
    EXPECT_EQ(CNouvelObjet(0.0, -0.0005, "x", 0).declination(), 0);
    EXPECT_EQ(CNouvelObjet(0.0, 0.0005, "x", 0).declination(), 1);
    // The kind picks one of four symbols; nothing else is kept.
    EXPECT_EQ(CNouvelObjet(0.0, 0.0, "x", 9).kind(), 0);
    EXPECT_EQ(CNouvelObjet(0.0, 0.0, "x", -1).kind(), 0);
}
