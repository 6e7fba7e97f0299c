// SPDX-License-Identifier: GPL-3.0-or-later
#include "archive/Windows1252.h"

#include <gtest/gtest.h>

using namespace zarn;

TEST(Windows1252, FrenchNamesRoundTrip)
{
    const std::string utf8 = "Véga, Bételgeuse, œ, €, …";
    const std::string bytes = utf8ToWindows1252(utf8);
    EXPECT_EQ(bytes, "V\xE9ga, B\xE9telgeuse, \x9C, \x80, \x85");
    EXPECT_EQ(windows1252ToUtf8(bytes), utf8);
}

TEST(Windows1252, EveryByteSurvivesARoundTrip)
{
    std::string all;
    for (int b = 0; b < 256; ++b) all += static_cast<char>(b);
    const std::string utf8 = windows1252ToUtf8(all);
    EXPECT_EQ(utf8ToWindows1252(utf8), all);
    // The high controls are the typographic characters of the set.
    EXPECT_EQ(windows1252ToUtf8("\x8A\x8C\x8E\x9F\x99\x96\x97"), "ŠŒŽŸ™–—");
    EXPECT_EQ(windows1252ToUtf8("\xA0\xFF"), "\u00A0ÿ");
}

TEST(Windows1252, UnmappableCodePointsBecomeQuestionMarks)
{
    EXPECT_EQ(utf8ToWindows1252("α Cen"), "? Cen");
    EXPECT_EQ(utf8ToWindows1252("\u2005"), "?");          // a thin space
    EXPECT_EQ(utf8ToWindows1252("\U0001F52D!"), "?!");     // four-byte sequence
}

TEST(Windows1252, MalformedUtf8IsReplacedByteByByte)
{
    EXPECT_EQ(utf8ToWindows1252("a\x80z"), "a?z");            // stray continuation
    EXPECT_EQ(utf8ToWindows1252("a\xC3"), "a?");               // cut at the end
    EXPECT_EQ(utf8ToWindows1252("\xC3(x"), "?(x");             // bad continuation
    EXPECT_EQ(utf8ToWindows1252("\xC0\xAF"), "??");            // overlong '/'
    EXPECT_EQ(utf8ToWindows1252("\xED\xA0\x80"), "???");       // surrogate
    EXPECT_EQ(utf8ToWindows1252("\xF4\x90\x80\x80"), "????");  // beyond U+10FFFF
    EXPECT_EQ(utf8ToWindows1252("\xFF\xFE"), "??");
}
