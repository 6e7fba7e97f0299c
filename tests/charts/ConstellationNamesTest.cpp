// SPDX-License-Identifier: GPL-3.0-or-later
// Names on the constellation map of the Poissons for Paris, 23 September 1998
// at 22.30, when Jupiter and Saturne stood in and beside the constellation:
// with the screen names off the map is the one drawn before they existed
// (an image committed beside the test); with them on, the planets and the
// bright stars are named, no two names overlap and none covers a symbol.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QImage>

#include "ReferenceImage.h"
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

}  // namespace
}  // namespace zarn
