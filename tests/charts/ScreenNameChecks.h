// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The rule of the screen names, checked on what a chart placed: no two names
// overlap, and no name covers the symbol of a named object, its own included.
#include <gtest/gtest.h>

#include <vector>

#include "charts/CCarte.h"
#include "charts/CFactsSurface.h"
#include "charts/ScreenNames.h"
#include "sky/CAstre.h"
#include "sky/draw/DrawHelpers.h"

namespace zarn::test {

inline void expectNamesApart(const std::vector<ScreenName>& names, const CCarte& chart)
{
    CFactsSurface facts(1920, 96);
    for (std::size_t i = 0; i < names.size(); ++i) {
        for (std::size_t j = i + 1; j < names.size(); ++j)
            EXPECT_FALSE(names[i].box.intersects(names[j].box)) << names[i].text << " / " << names[j].text;
        for (const ScreenName& other : names) {
            if (!other.object)
                continue;
            const PlacedObject* placed = chart.ScreenPlacementOf(other.object);
            ASSERT_NE(placed, nullptr) << other.text;
            const SRect symbol = boxAround(placed->x, placed->y, other.object->ScreenRadius(facts));
            EXPECT_FALSE(names[i].box.intersects(symbol)) << names[i].text << " over " << other.text;
        }
    }
}

}  // namespace zarn::test
