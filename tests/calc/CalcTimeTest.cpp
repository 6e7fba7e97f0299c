// SPDX-License-Identifier: GPL-3.0-or-later
#include "CalcRunner.h"

#include <gtest/gtest.h>

namespace {
// A fixed place so that no settings file of the machine is used.
const std::string kParis = " --lon 2.20E --lat 48.51N --zone 1 --dst 1 --name Paris";
}

TEST(CalcTime, SummerTimeDatesOfAYear)
{
    EXPECT_EQ(runCalc("dst 2003").out, " 30.3 --> 26.10\n");
    EXPECT_EQ(runCalc("dst 1995").out, " 26.3 --> 24.9\n");
    EXPECT_EQ(runCalc("dst 1996").out, " 31.3 --> 27.10\n");
    EXPECT_EQ(runCalc("dst 2100").status, 2);
}

TEST(CalcTime, JulianDaysOfLegalAndUniversalTime)
{
    const CalcResult r = runCalc("jd --date 1.1.2000 --time 13.00" + kParis);
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out, "2451545.041667\n2451545.000000\n");
}

TEST(CalcTime, TimeTypedWithAColonOrAnH)
{
    for (const char* time : {"13:00", "13h00"})
        EXPECT_EQ(runCalc(std::string("jd --date 1.1.2000 --time ") + time + kParis).out,
                  "2451545.041667\n2451545.000000\n") << time;
}

TEST(CalcTime, TimeScalesOfTheTimeBar)
{
    const CalcResult r = runCalc("times --date 1.7.2003 --time 0.30" + kParis + " --dst 0");
    EXPECT_EQ(r.status, 0);
    EXPECT_NE(r.out.find("Temps :  Légal\t0.30\n"), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("Universel\t23.30\n"), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("Sidéral\t"), std::string::npos);
}

TEST(CalcTime, InvalidInputGivesTheDialogMessageAndStatus2)
{
    struct Case {
        const char* args;
        const char* message;
    } cases[] = {
        {"jd --date 31.4.2003", "Date non valable\n"},
        {"jd --date 30.4.2003 --time 25.00", "Heure non valable\n"},
        {"jd --time 22.3", "Heure non valable\n"},
        {"jd --time 9.5x", "Heure non valable\n"},
        {"jd --time 22:3x", "Heure non valable\n"},
        {"jd --time 22h", "Heure non valable\n"},
        {"jd --time 1e308", "Heure non valable\n"},
        {"jd --date 1.1.4294969395", "Date non valable\n"},
        {"jd --date 1.1.2000junk", "Date non valable\n"},
        {"jd extra", "usage : zarn-calc jd\n"},
        {"times extra", "usage : zarn-calc times\n"},
        {"jd --zone 14", "Tapez un nombre entier compris entre -12 et 13.\n"},
        {"jd --zone x", "Tapez un nombre entier.\n"},
        {"jd --lon 181E", "Tapez un nombre compris entre 0 et 180.\n"},
        {"jd --lat 90.5N", "Tapez un nombre compris entre 0 et 90.\n"},
        {"jd --lat -5N", "Tapez un nombre.\n"},
        {"jd --name ABCDEFGHIJKLMNOPQRST", "Tapez 19 caractères au maximum.\n"},
    };
    for (const Case& c : cases) {
        const CalcResult r = runCalc(c.args);
        EXPECT_EQ(r.status, 2) << c.args;
        EXPECT_EQ(r.out, c.message) << c.args;
    }
    EXPECT_EQ(runCalc("jd --zone 13 --lat 90N --lon 180W").status, 0);
    EXPECT_EQ(runCalc("nosuchcommand").status, 2);
}
