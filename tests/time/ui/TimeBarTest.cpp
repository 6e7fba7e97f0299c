// SPDX-License-Identifier: GPL-3.0-or-later
// The time bar's parts after a refresh.
#include "time/TimeBar.h"
#include "time/ui/CTimeBar.h"

#include <gtest/gtest.h>

using namespace zarn;

TEST(TimeBarWindow, PartsShowTheFiveScales)
{
    // 0 h 30 legal time in zone +1 without summer time: 23 h 30 universal time.
    const CInstant instant(2, 1, 2003, 0, 30, 0, CLieu("Greenwich+1", 0.0, 0.9, 1, 0));
    CTimeBar bar(nullptr);
    EXPECT_TRUE(bar.isHidden());
    bar.refresh(timeBarTexts(instant, std::nullopt));
    EXPECT_EQ(bar.partText(1), QStringLiteral(" 2.01.2003"));
    EXPECT_EQ(bar.partText(2), QStringLiteral("   Temps :  Légal  "));
    EXPECT_EQ(bar.partText(3), QStringLiteral("  0.30"));
    EXPECT_EQ(bar.partText(4), QStringLiteral("   Universel  "));
    EXPECT_EQ(bar.partText(5), QStringLiteral(" 23.30"));
    EXPECT_EQ(bar.partText(10), QStringLiteral("   Sidéral  "));
    EXPECT_EQ(bar.partText(0), QString());
    EXPECT_EQ(bar.partText(12), QString());
}
