// SPDX-License-Identifier: GPL-3.0-or-later
// The sky window's behaviour: the display bits of a paint, the update hints,
// the name under a resting mouse and the click on a star.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QImage>
#include <QScrollBar>
#include <QTest>

#include "SkyWindowTestHost.h"
#include "charts/ui/CZarnView.h"
#include "sky/DrawFlags.h"

namespace zarn {
namespace {

using test::SkyWindowTestHost;

TEST(SkyDrawFlags, FollowTheTogglesTheViewedBodyAndTheTarget)
{
    SkyDisplay d;
    d.starColouring = 1;
    d.showSun = d.showMoon = d.showPlanets = d.showEcliptic = d.showEquator = 0;
    d.figureFlags = {0, 1, 0, 0, 0, 0};
    EXPECT_EQ(skyDrawFlags(d, 0, false), draw::kOwnColours | draw::kDeepSky);
    // The zenith chart: its figures and its marker.
    EXPECT_EQ(skyDrawFlags(d, 1, false), draw::kOwnColours | draw::kDeepSky | draw::kFigures | draw::kZenithChart);
    // A viewed body is drawn even when its kind is switched off.
    d.viewedPlanet = 3;
    EXPECT_TRUE(skyDrawFlags(d, 0, false) & draw::kPlanets);
    d.viewedPlanet = 0;
    EXPECT_EQ(skyDrawFlags(d, 0, false) & (draw::kSun | draw::kMoon | draw::kPlanets), draw::kSun);
    d.viewedPlanet = 6;
    EXPECT_EQ(skyDrawFlags(d, 0, false) & (draw::kSun | draw::kMoon | draw::kPlanets), draw::kMoon);
    // Paper: no own colours, star names when asked.
    d.printStarNames = 1;
    d.altitudeScale = 1;
    const std::uint32_t paper = skyDrawFlags(d, 2, true);
    EXPECT_FALSE(paper & draw::kOwnColours);
    EXPECT_TRUE(paper & draw::kStarNames);
    EXPECT_TRUE(paper & draw::kAltitudeScale);
    EXPECT_FALSE(skyDrawFlags(d, 2, false) & draw::kStarNames);
}

class SkyViewTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(host.loaded);
        view = std::make_unique<CZarnView>(host);
        host.charts->AttachView(view.get());
        view->resize(800, 600);
        view->show();
        QCoreApplication::processEvents();
        Paint();
    }
    void Paint()
    {
        QImage image(view->viewport()->size(), QImage::Format_RGB32);
        view->RenderTo(image);
    }
    QPoint WindowPointOf(const CAstre* object)
    {
        const PlacedObject* placed = host.CurrentChart().ScreenPlacementOf(object);
        const SPoint origin{view->viewport()->width() / 2, view->viewport()->height() / 2};
        return placed ? QPoint(placed->x + origin.x, placed->y + origin.y) : QPoint();
    }

    SkyWindowTestHost host;
    std::unique_ptr<CZarnView> view;
};

TEST_F(SkyViewTest, HintsDecideWhatIsRecomputedAndTheLabelGoes)
{
    const int before = host.recomputed;
    view->OnHint(0x1000 | 0x1, false);
    EXPECT_EQ(host.recomputed, before);  // catalogue windows: ignored
    view->OnHint(0x200, false);
    EXPECT_EQ(host.recomputed, before);  // options only: a repaint
    view->OnHint(0x1, false);
    EXPECT_EQ(host.recomputed, before + 1);
    // The figures of another view: nothing; of this one: an off-screen repaint.
    view->OnHint(0x100, false);
    EXPECT_FALSE(host.CurrentChart().Offscreen());
    view->OnHint(0x100, true);
    EXPECT_TRUE(host.CurrentChart().Offscreen());
    Paint();
    EXPECT_FALSE(host.CurrentChart().Offscreen());
    // A round chart has no scrolling.
    host.kind = 2;
    view->OnHint(0x40, false);
    EXPECT_GT(view->horizontalScrollBar()->maximum(), 0);
    host.kind = 0;
    view->OnHint(0x10, false);
    EXPECT_EQ(view->horizontalScrollBar()->maximum(), 0);
}

TEST_F(SkyViewTest, FacedDirectionStaysInTheMiddleUntilTheUserScrolls)
{
    host.kind = 2;
    view->OnHint(0x40, false);
    auto middleOfWindow = [&] { return view->horizontalScrollBar()->value() + view->viewport()->width() / 2; };
    auto middleOfStrip = [&] { return 3 * view->viewport()->height(); };
    EXPECT_NEAR(middleOfWindow(), middleOfStrip(), 1);
    view->resize(1000, 420);
    QCoreApplication::processEvents();
    EXPECT_NEAR(middleOfWindow(), middleOfStrip(), 1);
    view->OnHint(0xC0, false);  // the main window's resize hint
    EXPECT_NEAR(middleOfWindow(), middleOfStrip(), 1);
    EXPECT_EQ(host.scrolled, 0);

    // Scrolled by the user: the document hears of it, and a resize keeps the
    // same part of the sky at the left edge.
    view->horizontalScrollBar()->setValue(100);
    EXPECT_EQ(host.scrolled, 1);
    const double fraction = view->ScrollFraction();
    view->resize(900, 500);
    QCoreApplication::processEvents();
    EXPECT_NEAR(view->horizontalScrollBar()->value(), fraction * 6 * view->viewport()->height(), 1);
}

TEST_F(SkyViewTest, NameAppearsAfterTheMouseRestsAndGoesOnEmptySky)
{
    CAstre* vega = host.Named("Véga");
    ASSERT_NE(vega, nullptr);
    const QPoint at = WindowPointOf(vega);
    ASSERT_FALSE(at.isNull());
    QTest::mouseMove(view->viewport(), at);
    ASSERT_TRUE(view->Hovered().has_value());
    EXPECT_TRUE(view->HoverTimerActive());
    EXPECT_TRUE(view->LabelText().empty());  // not at once
    QTest::qWait(400);
    EXPECT_EQ(view->LabelText(), "Véga");
    // Away from everything, outside the chart: the name goes.
    QTest::mouseMove(view->viewport(), QPoint(5, 5));
    EXPECT_FALSE(view->HoverTimerActive());
    EXPECT_TRUE(view->LabelText().empty());
}

TEST_F(SkyViewTest, ANameShownGoesWhenTheSkyIsPlacedAnewAndDoesNotComeBackThere)
{
    CAstre* vega = host.Named("Véga");
    ASSERT_NE(vega, nullptr);
    // The mouse rests on the star; the date, the place, the chart or the
    // window's size changes under it.
    for (const unsigned change : {0x1u, 0x2u, 0x10u, 0x80u}) {
        host.kind = 0;
        host.charts->ClearPlacements();
        Paint();
        QTest::mouseMove(view->viewport(), QPoint(5, 5));
        QTest::mouseMove(view->viewport(), WindowPointOf(vega));
        QTest::qWait(400);
        ASSERT_EQ(view->LabelText(), "Véga");
        host.instant = CInstant(24, 9, 1998, 4, 30, 0, host.instant.place());
        view->OnHint(change, false);
        Paint();
        QTest::qWait(400);
        EXPECT_TRUE(view->LabelText().empty()) << change;
        EXPECT_FALSE(view->Hovered().has_value()) << change;
        host.instant = CInstant(23, 9, 1998, 22, 30, 0, host.instant.place());
        view->OnHint(0x1, false);
    }
}

TEST_F(SkyViewTest, WithASelectionTheLabelReturnsToIt)
{
    CAstre* deneb = host.Named("Deneb");
    ASSERT_NE(deneb, nullptr);
    host.selected = deneb;
    QTest::mouseMove(view->viewport(), QPoint(11, 13));
    EXPECT_EQ(view->LabelText(), "Deneb");
}

TEST_F(SkyViewTest, ClickOnAStarRecordsItsConstellationButNotOutsideTheChart)
{
    CAstre* vega = host.Named("Véga");
    ASSERT_NE(vega, nullptr);
    // A click a little beside the star gives the star's own position.
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, WindowPointOf(vega) + QPoint(2, -2));
    EXPECT_EQ(host.clicked, vega->GetConstellationName(host.sky));
    EXPECT_FALSE(host.clicked.empty());
    EXPECT_DOUBLE_EQ(host.clickedRa, vega->GetAlpha());
    EXPECT_DOUBLE_EQ(host.clickedDec, vega->GetDelta());
    host.clicked.clear();
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, QPoint(3, 3));
    EXPECT_TRUE(host.clicked.empty());
}

}  // namespace
}  // namespace zarn
