// SPDX-License-Identifier: GPL-3.0-or-later
// Row texts of the ephemerides table.
#include "sky/CAstre.h"
#include "sky/EventAltitude.h"
#include "time/Calendar.h"
#include "tools/Ephemerides.h"

#include <gtest/gtest.h>

using namespace zarn;

TEST(Ephemerides, PositionRowsKeepTheSignOfASmallNegativeDeclination)
{
    CAstre star;
    star.SetEquatorial((6.0 + 29.0 / 60.0 + 31.0 / 3600.0) / kHoursPerRad, -0.5 * kRadPerDeg);
    const CLieu place("Test", 0.0, 45.0 * kRadPerDeg, 0, 0);
    const auto rows = ephemerisTable(star, 1, EphemerisMode::Position, CInstant(11, 1, 2001, 20, 0, 0, place));
    ASSERT_EQ(rows.size(), 160u);
    EXPECT_EQ(rows[0], "  1.1.2001 6.30 -0.30");   // 6 h 29 min 31 s shows as 6.30
    EXPECT_EQ(rows[10], " 11.1.2001 6.30 -0.30");
    EXPECT_EQ(rows[159].substr(0, 10), "  9.6.2001");
}

TEST(Ephemerides, RiseSetTextsAndAltitudes)
{
    // The Sun and the Moon by their upper limb, a planet by its centre.
    EXPECT_EQ(eventAltitudeDegrees(0), -0.61);
    EXPECT_EQ(eventAltitudeDegrees(6), -0.61);
    EXPECT_EQ(eventAltitudeDegrees(3), 0.0);
    EXPECT_EQ(eventTimeText(-101.0), "  -  ");
    EXPECT_EQ(eventTimeText(24.0), "  -  ");
    EXPECT_EQ(eventTimeText(6.0 + 59.0 / 60.0 + 40.0 / 3600.0), "7.00");
    CAstre polar;
    polar.SetEquatorial(1.0, 1.5);
    const CLieu north("Nord", 0.0, 60.0 * kRadPerDeg, 0, 0);
    const auto rows = ephemerisRows(polar, 1, EphemerisMode::RiseSet, CInstant(1, 1, 2001, 0, 0, 0, north), 3);
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_EQ(rows[0], "  1.1.2001  visible  ");
}

TEST(EphemerisColumns, SecondEventsJoinTheirColumnAfterASlash)
{
    const EphemerisColumns rise = splitEphemerisRow(" 17.7.2006 0.05 14.20*L23.58");
    EXPECT_EQ(rise.date, " 17.7.2006");
    EXPECT_EQ(rise.first, " 0.05/23.58");
    EXPECT_EQ(rise.second, " 14.20");
    EXPECT_EQ(rise.smallColumn, 1);
    const EphemerisColumns set = splitEphemerisRow("  6.7.2006 9.12  0.03*C23.59");
    EXPECT_EQ(set.second, "  0.03/23.59");
    EXPECT_EQ(set.smallColumn, 2);
    const EphemerisColumns up = splitEphemerisRow(" 21.6.2004  visible  ");
    EXPECT_EQ(up.first, "");
    EXPECT_EQ(up.second, "  visible     ");
    EXPECT_EQ(up.smallColumn, 0);
}

TEST(Ephemerides, EqualTableKeysGiveEqualTables)
{
    // Through a day whose table starts across the change to summer time (25
    // March 2001, ten days before): wherever the keys agree the rise and set
    // tables must agree, and the positions follow the time of day.
    CAstre star;
    star.SetEquatorial(1.2, 0.3);
    const CLieu paris("Paris", -2.33 * kRadPerDeg, 48.83 * kRadPerDeg, 1, 1);
    const int times[][3] = {{0, 10, 0}, {0, 59, 50}, {12, 0, 0}, {23, 50, 0}};
    const CInstant reference(4, 4, 2001, 12, 0, 0, paris);
    const auto referenceRows = ephemerisTable(star, 1, EphemerisMode::RiseSet, reference);
    const EphemerisTableKey referenceKey = ephemerisTableKey(1, EphemerisMode::RiseSet, reference);
    int sameKey = 0;
    for (const auto& t : times) {
        const CInstant at(4, 4, 2001, t[0], t[1], t[2], paris);
        if (ephemerisTableKey(1, EphemerisMode::RiseSet, at) == referenceKey && ++sameKey)
            EXPECT_EQ(ephemerisTable(star, 1, EphemerisMode::RiseSet, at), referenceRows) << t[0] << ":" << t[1];
        if (t[0] != 12)
            EXPECT_FALSE(ephemerisTableKey(1, EphemerisMode::Position, at) ==
                         ephemerisTableKey(1, EphemerisMode::Position, reference));
    }
    EXPECT_GE(sameKey, 3);
    EXPECT_FALSE(ephemerisTableKey(1, EphemerisMode::RiseSet, CInstant(5, 4, 2001, 12, 0, 0, paris)) == referenceKey);
    EXPECT_FALSE(ephemerisTableKey(2, EphemerisMode::RiseSet, reference) == referenceKey);
}
