// SPDX-License-Identifier: GPL-3.0-or-later
// The chosen object on the sky window: the reticle round it follows it when
// the date and the place change, the panel's rise and set are those of the
// ephemerides table, Escape clears the choice.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QImage>
#include <QTest>

#include "SkyWindowTestHost.h"
#include "ui/Hints.h"
#include "charts/ui/CZarnView.h"
#include "tools/DayClock.h"
#include "tools/Ephemerides.h"

namespace zarn {
namespace {

using test::SkyWindowTestHost;

// Pixels of the mark's colour on a ring round a window point.
int markPixelsAround(const QImage& image, QPoint at, QColor mark)
{
    int count = 0;
    for (int y = at.y() - 20; y <= at.y() + 20; ++y)
        for (int x = at.x() - 20; x <= at.x() + 20; ++x)
            if (image.rect().contains(x, y) && image.pixelColor(x, y) == mark)
                ++count;
    return count;
}

std::string eventsLine(const ObjectDescription& d)
{
    for (const std::string& line : d.lines)
        if (line.rfind("lever ", 0) == 0)
            return line;
    return {};
}

std::string trimmed(std::string s)
{
    while (!s.empty() && s.front() == ' ')
        s.erase(s.begin());
    while (!s.empty() && s.back() == ' ')
        s.pop_back();
    return s;
}

TEST(ChosenObject, ReticleFollowsDatePlacePanelAgreesWithEphemeridesEscapeClears)
{
    SkyWindowTestHost host;
    ASSERT_TRUE(host.loaded);
    host.display.names = {0, 0, 25, 0};
    CAstre& jupiter = host.sky.bodies().planet(4);
    host.selected = &jupiter;
    host.charts->SetSelected(&jupiter);
    CZarnView view(host);
    view.resize(800, 600);
    host.charts->AttachView(&view);
    view.show();
    QCoreApplication::processEvents();
    QImage image(view.viewport()->size(), QImage::Format_RGB32);
    const QColor mark = host.palette.color(kHighlightPaletteEntry);
    auto render = [&] {
        view.RenderTo(image);
        const PlacedObject* placed = host.CurrentChart().ScreenPlacementOf(&jupiter);
        const SPoint corner = view.ToChart({0, 0});
        return placed ? QPoint(placed->x - corner.x, placed->y - corner.y) : QPoint(-1, -1);
    };
    const QPoint before = render();
    ASSERT_GT(before.x(), 0);
    EXPECT_GT(markPixelsAround(image, before, mark), 30);

    // The panel's rise, transit and set line carries the table's times for the day.
    const ObjectDescription& panel = view.Description();
    EXPECT_EQ(panel.name, "Jupiter");
    ASSERT_GE(panel.lines.size(), 4u);
    EXPECT_EQ(panel.lines[0], "Planète");
    const EphemerisColumns day = splitEphemerisRow(ephemerisTable(jupiter, 4, EphemerisMode::RiseSet, host.instant)[10]);
    const std::string events = eventsLine(panel);
    EXPECT_NE(events.find("lever " + trimmed(day.first)), std::string::npos) << events;
    EXPECT_NE(events.find("coucher " + trimmed(day.second)), std::string::npos) << events;
    EXPECT_NE(std::find_if(panel.lines.begin(), panel.lines.end(),
                           [](const std::string& l) { return l.find("partie éclairée") == 0; }),
              panel.lines.end());

    // Six weeks later, seen from Lisbon two hours earlier in the night:
    // the planet stands elsewhere and the reticle is with it.
    host.instant = addDays(host.instant, 42);
    host.instant.setPlace(CLieu("Lisbonne", 9.14, 38.72 * kRadPerDeg, 0, 1));
    view.OnHint(hint::Date | hint::Place, true);
    const QPoint after = render();
    ASSERT_GT(after.x(), 0);
    EXPECT_GT((after - before).manhattanLength(), 20);
    EXPECT_GT(markPixelsAround(image, after, mark), 30);
    EXPECT_NE(eventsLine(view.Description()), events);

    // Escape: nothing is chosen, nothing marked.
    QTest::keyClick(&view, Qt::Key_Escape);
    EXPECT_EQ(host.selected, nullptr);
    render();
    EXPECT_TRUE(view.Description().name.empty());
    EXPECT_LT(markPixelsAround(image, after, mark), 5);
}

}  // namespace
}  // namespace zarn
