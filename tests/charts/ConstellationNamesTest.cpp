// SPDX-License-Identifier: GPL-3.0-or-later
// Names on the constellation map of the Poissons for Paris, 23 September 1998
// at 22.30, when Jupiter and Saturne stood in and beside the constellation:
// with the screen names off the map is the one drawn before they existed
// (an image committed beside the test); with them on, the planets and the
// bright stars are named, no two names overlap and none covers a symbol.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QImage>
#include <algorithm>

#include "ReferenceImage.h"
#include "ScreenNameChecks.h"
#include "SkyWindowTestHost.h"
#include "charts/CFactsSurface.h"
#include "charts/ConstellationsViewHost.h"
#include "charts/ui/CConstellationsView.h"
#include "sky/CConstellation.h"
#include "sky/CPlaSol.h"
#include "sky/draw/DrawHelpers.h"

namespace zarn {
namespace {

class MapHost : public ConstellationsViewHost {
public:
    ChartHost& ChartSky() override { return *sky.charts; }
    SkyModel& Sky() override { return sky.sky; }
    ConstellationDisplay Display() const override { return display; }
    void SetPrintStarNames(bool on) override { display.printStarNames = on; }
    PaletteColours Palette() const override { return sky.Palette(); }
    QAction* Action(int) const override { return nullptr; }

    test::SkyWindowTestHost sky;
    ConstellationDisplay display;
};

const CConstellation* named(const SkyModel& sky, const std::string& name)
{
    for (const CConstellation* constellation : sky.ciel().constellations())
        if (constellation->name() == name)
            return constellation;
    return nullptr;
}

struct PiscesMap {
    MapHost host;
    CConstellationsView view{host};
    QImage image;

    explicit PiscesMap(ScreenNameOptions names)
    {
        host.display.figureFlags[3] = 1;
        host.display.names = names;
        view.resize(800, 600);
        view.SetConstellation(named(host.sky.sky, "Poissons"));
        view.show();
        QCoreApplication::processEvents();
        image = QImage(view.size(), QImage::Format_RGB32);
        view.render(&image);
    }
};

TEST(ConstellationNames, WithTheNamesOffTheMapIsDrawnAsBefore)
{
    PiscesMap map({0, 0, 25, 0});
    ASSERT_TRUE(map.host.sky.loaded);
    ASSERT_NE(map.view.Constellation(), nullptr);
    test::expectLikeReference(map.image, QStringLiteral("constellation-pisces"));
}

TEST(ConstellationNames, PlanetsAndStarsNamedNoNameOverAnotherOrOverASymbol)
{
    PiscesMap map({1, 1, 25, 1});
    ASSERT_TRUE(map.host.sky.loaded);
    const std::vector<ScreenName>& names = map.view.Names().Names();
    auto nameOf = [&names](const std::string& text) {
        const auto found = std::find_if(names.begin(), names.end(), [&](const ScreenName& n) { return n.text == text; });
        return found == names.end() ? nullptr : &*found;
    };
    // Both planets stand on the map, and Markab, the corner of Pégase's
    // square (magnitude 2.5): the map names what it draws, whatever the
    // height of the objects in Paris.
    for (const char* text : {"Jupiter", "Saturne", "Markab"})
        EXPECT_NE(nameOf(text), nullptr) << text;
    // The map is magnified: stars fainter than the chosen 2.5 are named too.
    EXPECT_TRUE(std::any_of(names.begin(), names.end(), [](const ScreenName& n) {
        return n.object && !dynamic_cast<const CPlaSol*>(n.object) && n.object->GetMagnitude() > 25;
    }));
    // A name is written where it stands.
    const ScreenName* jupiter = nameOf("Jupiter");
    ASSERT_NE(jupiter, nullptr);
    const QPoint corner = map.view.ToWindow({jupiter->box.left, jupiter->box.top});
    int inked = 0;
    for (int y = 0; y < jupiter->box.height(); ++y)
        for (int x = 0; x < jupiter->box.width(); ++x)
            inked += map.image.pixelColor(corner + QPoint(x, y)) != map.host.sky.palette.color(kSkyPaletteEntry);
    EXPECT_GT(inked, 10);

    // No two names overlap, and no name covers a named object's symbol.
    test::expectNamesApart(names, map.view.Chart());
}

}  // namespace
}  // namespace zarn
