// SPDX-License-Identifier: GPL-3.0-or-later
// The table of display options: each option keeps its own value through the
// settings file, the defaults agree wherever a value starts, and no key or
// command is given twice.
#include "settings/DisplayOptionTable.h"
#include "sky/DrawFlags.h"

#include <gtest/gtest.h>

#include <cstring>
#include <set>
#include <string>

using namespace zarn;

namespace {
bool stored(const DisplayOption& o) { return o.stored.section && o.inSettings; }

std::string keyOf(const DisplayOption& o) { return std::string(o.stored.section) + "/" + o.stored.key; }

// The value an option starts with when the file has no key for it.
int fileDefault(const DisplayOption& o)
{
    const int v = o.stored.fallback;
    return o.mask ? ((v >> o.shift) & o.mask ? 1 : 0) : v;
}
}  // namespace

TEST(DisplayOptionTable, DefaultsAgreeAndEachOptionKeepsItsOwnValue)
{
    const ZarnSettings fresh;
    const SkyToggles document;
    for (const DisplayOption& o : displayOptions()) {
        if (!stored(o))
            continue;
        SCOPED_TRACE(keyOf(o));
        EXPECT_EQ(o.inSettings.get(fresh), fileDefault(o));
        if (o.inDocument) {
            EXPECT_EQ(o.inDocument.get(document), fileDefault(o));
        }

        // Another value than the default, written and read back, changes this
        // option only: a bit field in the wrong place would show here.
        ZarnSettings changed;
        const int other = o.mask || o.stored.hi == 1 ? 1 - fileDefault(o) : o.stored.hi;
        o.inSettings.set(changed, other);
        Profile file;
        writeSettings(changed, file, false);
        const ZarnSettings back = readSettings(Profile::parse(file.serialize()));
        for (const DisplayOption& p : displayOptions()) {
            if (stored(p)) {
                EXPECT_EQ(p.inSettings.get(back), &p == &o ? other : fileDefault(p)) << keyOf(p);
            }
        }
    }
}

TEST(DisplayOptionTable, KeysAndCommandsAreGivenOnce)
{
    std::set<std::string> wholeKeys;
    std::set<std::pair<std::string, int>> bitFields;
    std::set<int> commands;
    for (const DisplayOption& o : displayOptions()) {
        if (stored(o)) {
            EXPECT_TRUE(o.mask ? bitFields.insert({keyOf(o), o.shift}).second : wholeKeys.insert(keyOf(o)).second)
                << keyOf(o);
        }
        if (o.command.id) {
            EXPECT_TRUE(commands.insert(o.command.id).second) << o.command.id;
            EXPECT_TRUE(*o.command.text && *o.command.prompt) << o.command.id;
            EXPECT_EQ(optionOfCommand(o.command.id), &o);
        }
    }
    for (const auto& [key, shift] : bitFields)
        EXPECT_FALSE(wholeKeys.count(key)) << key;
    EXPECT_EQ(optionOfCommand(0), nullptr);
}

TEST(DisplayOptionTable, DrawFlagsFollowTheChartAndThePaper)
{
    SkyToggles t;
    t.grid.horizontal = 1;
    t.coordinateGrid = 1;
    t.printStarNames = 1;
    t.starColouring = 1;
    const std::uint32_t skyScreen = optionDrawFlags(t, chart_family::kSky, false);
    EXPECT_TRUE(skyScreen & draw::kHorizontalGrid);
    EXPECT_FALSE(skyScreen & draw::kGrid);  // the map's grid
    EXPECT_TRUE(skyScreen & draw::kOwnColours);
    EXPECT_FALSE(skyScreen & draw::kStarNames);
    const std::uint32_t mapPaper = optionDrawFlags(t, chart_family::kMap, true);
    EXPECT_TRUE(mapPaper & draw::kGrid);
    EXPECT_FALSE(mapPaper & draw::kHorizontalGrid);
    EXPECT_TRUE(mapPaper & draw::kStarNames);
    EXPECT_FALSE(mapPaper & draw::kOwnColours);
}
