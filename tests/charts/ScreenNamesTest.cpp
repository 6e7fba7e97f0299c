// SPDX-License-Identifier: GPL-3.0-or-later
// Names, zoom and pan on the sky window for Paris, 23 September 1998 at
// 22.30 (Jupiter and Saturne up in the east, Véga high in the west).
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QImage>
#include <QMouseEvent>
#include <QScrollBar>
#include <QTest>
#include <QWheelEvent>
#include <algorithm>

#include "ScreenNameChecks.h"
#include "SkyWindowTestHost.h"
#include "charts/CCarteHorizon.h"
#include "charts/CFactsSurface.h"
#include "sky/CConstellation.h"
#include "charts/ui/CZarnView.h"
#include "sky/CPlaSol.h"
#include "sky/draw/DrawHelpers.h"
#include "ui/Hints.h"

namespace zarn {
namespace {

using test::SkyWindowTestHost;

struct NamedSky {
    SkyWindowTestHost host;
    CZarnView view{host};
    QImage image;

    explicit NamedSky(QSize size = QSize(800, 600))
    {
        host.display.names = {1, 1, 25, 1};
        view.resize(size);
        host.charts->AttachView(&view);
        view.show();
        QCoreApplication::processEvents();
        Render();
    }
    void Render()
    {
        image = QImage(view.viewport()->size(), QImage::Format_RGB32);
        view.RenderTo(image);
    }
    // Where an object stands in the window, when it is placed.
    std::optional<QPoint> WindowPoint(const CAstre* object)
    {
        const PlacedObject* placed = host.CurrentChart().ScreenPlacementOf(object);
        if (!placed)
            return std::nullopt;
        const SPoint corner = view.ToChart({0, 0});  // the window's top-left in chart units
        return QPoint(placed->x - corner.x, placed->y - corner.y);
    }
    const ScreenName* NameOf(const std::string& text) const
    {
        for (const ScreenName& name : view.Names().Names())
            if (name.text == text)
                return &name;
        return nullptr;
    }
    // The horizon strip turned towards a direction (0 S … 6 E), as its button does.
    void ShowHorizon(int direction)
    {
        host.kind = CCarte::Horizon;
        host.charts->Horizon().SetDirection(direction);
        view.OnHint(hint::Resized, true);
        view.OnHint(hint::Horizon, true);
        QCoreApplication::processEvents();
        Render();
    }
    void Drag(QPoint from, QPoint to)
    {
        QTest::mousePress(view.viewport(), Qt::LeftButton, {}, from);
        QTest::mouseMove(view.viewport(), to);
        QTest::mouseRelease(view.viewport(), Qt::LeftButton, {}, to);
        Render();
    }
    // The names not wholly inside the window: cut by its edges, or placed
    // for another part of the chart.
    int NamesOutsideWindow() const
    {
        const SRect window = view.WindowInChart();
        return static_cast<int>(std::count_if(view.Names().Names().begin(), view.Names().Names().end(), [&](const ScreenName& n) {
            return n.box.left < window.left || n.box.top < window.top || n.box.right > window.right
                   || n.box.bottom > window.bottom;
        }));
    }
    void Wheel(QPoint at, int notches)
    {
        QWheelEvent event(at, view.viewport()->mapToGlobal(at), {}, {0, 120 * notches}, Qt::NoButton, {},
                          Qt::NoScrollPhase, false);
        QCoreApplication::sendEvent(view.viewport(), &event);
        Render();
    }
};

TEST(ScreenNames, PlanetsStarsAndConstellationsNamedWithoutOverlap)
{
    NamedSky sky;
    ASSERT_TRUE(sky.host.loaded);
    // Every body drawn above the horizon is named, in the window.
    int bodies = 0;
    for (int index = 0; index <= 6; ++index) {
        CAstre& body = sky.host.sky.bodies().body(index);
        if (!body.IsUp() || !sky.host.CurrentChart().ScreenPlacementOf(&body))
            continue;
        ++bodies;
        const ScreenName* name = sky.NameOf(body.GetName());
        ASSERT_NE(name, nullptr) << body.GetName();
        EXPECT_EQ(name->object, &body);
        // The text is drawn: its box holds pixels that are not the sky's.
        int inked = 0;
        const SPoint corner = sky.view.ToChart({0, 0});
        const QPoint shift(-corner.x, -corner.y);
        for (int y = name->box.top; y < name->box.bottom; ++y)
            for (int x = name->box.left; x < name->box.right; ++x)
                inked += sky.image.pixelColor(x + shift.x(), y + shift.y()) != sky.host.palette.color(kSkyPaletteEntry);
        EXPECT_GT(inked, 10) << body.GetName();
    }
    EXPECT_GE(bodies, 2);  // Jupiter and Saturne at least
    ASSERT_NE(sky.NameOf("Jupiter"), nullptr);
    ASSERT_NE(sky.NameOf("Saturne"), nullptr);
    ASSERT_NE(sky.NameOf("Véga"), nullptr);
    // A star fainter than 2.5 is not named at ×1.
    for (const ScreenName& name : sky.view.Names().Names()) {
        if (name.object && !dynamic_cast<const CPlaSol*>(name.object)) {
            EXPECT_LE(name.object->GetMagnitude(), 25) << name.text;
        }
    }
    // A constellation name stands at its figure.
    EXPECT_TRUE(std::any_of(sky.view.Names().Names().begin(), sky.view.Names().Names().end(),
                            [](const ScreenName& n) { return n.object == nullptr; }));

    // Each name once (a star that two constellations list included).
    for (std::size_t i = 0; i < sky.view.Names().Names().size(); ++i)
        for (std::size_t j = i + 1; j < sky.view.Names().Names().size(); ++j)
            EXPECT_NE(sky.view.Names().Names()[i].text, sky.view.Names().Names()[j].text);

    // No two names overlap, and no name covers a named object's symbol.
    test::expectNamesApart(sky.view.Names().Names(), sky.host.CurrentChart());
}

TEST(ScreenNames, ZoomingInNamesFainterStars)
{
    EXPECT_EQ(starNameLimit({1, 1, 25, 0}, 1.0), 25);
    EXPECT_EQ(starNameLimit({1, 1, 25, 0}, 2.5), 35);
    EXPECT_GT(starNameLimit({1, 1, 40, 0}, 20.0), 70);
    // A limit outside the slider's range is brought back into it.
    EXPECT_EQ(starNameLimit({1, 1, 99, 0}, 1.0), 40);

    NamedSky sky;
    ASSERT_TRUE(sky.host.loaded);
    auto faintest = [&] {
        int m = -100;
        for (const ScreenName& name : sky.view.Names().Names())
            if (name.object && !dynamic_cast<const CPlaSol*>(name.object))
                m = std::max(m, name.object->GetMagnitude());
        return m;
    };
    const int before = faintest();
    const QPoint vega = *sky.WindowPoint(sky.host.Named("Véga"));
    sky.Wheel(vega, 5);
    EXPECT_GT(faintest(), before);
}

TEST(ChartZoom, WheelKeepsTheSkyUnderTheCursorDragMovesItHomeShowsAll)
{
    NamedSky sky;
    ASSERT_TRUE(sky.host.loaded);
    const QImage whole = sky.image;
    CAstre* vega = sky.host.Named("Véga");
    const QPoint at = *sky.WindowPoint(vega);
    const QPoint cursor = at + QPoint(7, -5);  // beside the star, not on it
    sky.Wheel(cursor, 3);
    EXPECT_NEAR(sky.view.Zoom().Factor(), 1.953125, 1e-9);
    const QPoint zoomed = *sky.WindowPoint(vega);
    // The star moved away from the cursor by the magnification, no more.
    EXPECT_NEAR(zoomed.x(), cursor.x() - 7 * 1.953125, 1.5);
    EXPECT_NEAR(zoomed.y(), cursor.y() + 5 * 1.953125, 1.5);
    // A star of the magnified chart is where the window draws it.
    EXPECT_GT(QColor(sky.image.pixel(zoomed)).lightness(), 150);
    EXPECT_EQ(sky.NamesOutsideWindow(), 0);

    // Dragging moves the sky with the hand.
    sky.Drag(QPoint(400, 300), QPoint(440, 320));
    EXPECT_NEAR(sky.WindowPoint(vega)->x(), zoomed.x() + 40, 1);
    EXPECT_NEAR(sky.WindowPoint(vega)->y(), zoomed.y() + 20, 1);
    EXPECT_TRUE(sky.host.clicked.empty());  // a drag is not a click
    EXPECT_EQ(sky.NamesOutsideWindow(), 0);

    // Hover and click still find the star at the new magnification.
    const QPoint now = *sky.WindowPoint(vega);
    QMouseEvent move(QEvent::MouseMove, QPointF(now), sky.view.viewport()->mapToGlobal(QPointF(now)), Qt::NoButton,
                     Qt::NoButton, {});
    QCoreApplication::sendEvent(sky.view.viewport(), &move);
    ASSERT_TRUE(sky.view.Hovered());
    EXPECT_EQ(sky.view.Hovered()->object, vega);
    QTest::mouseClick(sky.view.viewport(), Qt::LeftButton, {}, now);
    EXPECT_EQ(sky.host.clicked, sky.host.ConstellationOf(*vega));

    // Never beyond ×20; Home gives back the chart exactly as it was.
    for (int i = 0; i < 10; ++i)
        sky.Wheel(now, 5);
    EXPECT_DOUBLE_EQ(sky.view.Zoom().Factor(), ChartZoom::kMax);
    QTest::keyClick(&sky.view, Qt::Key_Home);
    sky.Render();
    EXPECT_TRUE(sky.view.Zoom().IsWhole());
    EXPECT_EQ(sky.image, whole);
}

TEST(StripZoom, WheelOnTheHorizonKeepsTheSkyUnderTheCursorAndNamesFollowTheScroll)
{
    NamedSky sky(QSize(600, 320));
    ASSERT_TRUE(sky.host.loaded);
    sky.ShowHorizon(6);
    QScrollBar& bar = *sky.view.horizontalScrollBar();
    const int wholeRange = bar.maximum();
    // Nothing behind the landscape is named, along the whole strip.
    CCarte& chart = sky.host.CurrentChart();
    int nearGround = 0;
    for (int x = 0; x < 6 * 320; x += 600) {
        bar.setValue(x);
        sky.Render();
        for (const ScreenName& name : sky.view.Names().Names()) {
            const PlacedObject* placed = name.object ? chart.ScreenPlacementOf(name.object) : nullptr;
            const SPoint at = placed ? SPoint{placed->x, placed->y}
                                     : SPoint{(name.box.left + name.box.right) / 2, (name.box.top + name.box.bottom) / 2};
            nearGround += at.y > -20;
            EXPECT_FALSE(chart.IsHiddenByGround(sky.view.WindowInChart(), at.x, at.y)) << name.text;
        }
    }
    EXPECT_GT(nearGround, 0);
    sky.ShowHorizon(6);
    // A constellation's name stands among its stars, also for a figure
    // across the two ends of the strip (facing east, the west is at both).
    const int strip = 6 * sky.view.viewport()->height();
    for (const ScreenName& name : sky.view.Names().Names()) {
        if (name.object)
            continue;
        int nearest = strip;
        for (const CConstellation* c : sky.host.CurrentChart().Constellations())
            if (c->name() == name.text)
                for (const CAstre* star : c->objects())
                    if (const PlacedObject* placed = star ? sky.host.CurrentChart().ScreenPlacementOf(star) : nullptr) {
                        const int d = std::abs((name.box.left + name.box.right) / 2 - placed->x);
                        nearest = std::min({nearest, d, strip - d});
                    }
        EXPECT_LT(nearest, strip / 12) << name.text;
    }
    // Scrolled to the strip's start, away from the part first shown, the
    // window has names of its own.
    auto namesInView = [&] {
        const SRect window = sky.view.WindowInChart();
        return std::count_if(sky.view.Names().Names().begin(), sky.view.Names().Names().end(),
                             [&](const ScreenName& n) { return n.box.intersects(window); });
    };
    const int start = bar.value();
    ASSERT_GE(start, 600);
    bar.setValue(0);
    sky.Render();
    EXPECT_GT(namesInView(), 0);
    bar.setValue(start);
    sky.Render();
    const QImage whole = sky.image;

    CAstre* jupiter = &sky.host.sky.bodies().body(kJupiter);
    ASSERT_EQ(jupiter->GetName(), "Jupiter");
    const QPoint at = *sky.WindowPoint(jupiter);
    const QPoint cursor = at + QPoint(9, -6);
    sky.Wheel(cursor, 3);
    const double f = 1.953125;
    EXPECT_NEAR(sky.view.Strip().Factor(), f, 1e-9);
    EXPECT_GT(sky.view.Strip().Lift(), 0.0);  // raised to keep the planet's altitude under the cursor
    const QPoint zoomed = *sky.WindowPoint(jupiter);
    EXPECT_NEAR(zoomed.x(), cursor.x() - 9 * f, 1.5);
    EXPECT_NEAR(zoomed.y(), cursor.y() + 6 * f, 1.5);
    EXPECT_GT(QColor(sky.image.pixel(zoomed)).lightness(), 150);
    ASSERT_NE(sky.NameOf("Jupiter"), nullptr);
    // The scroll bar covers the magnified strip; the direction is no longer faced.
    EXPECT_GT(bar.maximum(), wholeRange);
    EXPECT_GT(sky.host.scrolled, 0);

    // Dragging moves the strip both ways with the hand; a drag is no click.
    sky.Drag(QPoint(300, 200), QPoint(260, 230));
    EXPECT_NEAR(sky.WindowPoint(jupiter)->x(), zoomed.x() - 40, 1);
    EXPECT_NEAR(sky.WindowPoint(jupiter)->y(), zoomed.y() + 30, 1);
    EXPECT_TRUE(sky.host.clicked.empty());
    EXPECT_EQ(sky.NamesOutsideWindow(), 0);
    const QPoint now = *sky.WindowPoint(jupiter);
    QMouseEvent move(QEvent::MouseMove, QPointF(now), sky.view.viewport()->mapToGlobal(QPointF(now)), Qt::NoButton,
                     Qt::NoButton, {});
    QCoreApplication::sendEvent(sky.view.viewport(), &move);
    ASSERT_TRUE(sky.view.Hovered());
    EXPECT_EQ(sky.view.Hovered()->object, jupiter);

    // Home: the whole strip again, at the horizon, the planet where it was
    // drawn before the zoom but for the azimuth kept in the middle.
    QTest::keyClick(&sky.view, Qt::Key_Home);
    sky.Render();
    EXPECT_TRUE(sky.view.Strip().IsWhole());
    EXPECT_EQ(sky.view.Strip().LiftUnits(320), 0);
    EXPECT_EQ(bar.maximum(), wholeRange);
    EXPECT_EQ(sky.WindowPoint(jupiter)->y(), at.y());
    // A direction's button shows the whole strip facing it, as before the zoom.
    sky.Wheel(cursor, 4);
    sky.ShowHorizon(6);
    EXPECT_EQ(sky.image, whole);
}

}  // namespace
}  // namespace zarn

namespace zarn {
namespace {

// Share of the pixels a grid changed that lie on its lines, found back from
// the chart point through the chart's own inverse projection.
template <typename OnLine>
double shareOnLines(const QImage& without, const QImage& with, const CCarte& chart, const CZarnView& view, OnLine onLine,
                    int& changed)
{
    const double scale = chart.GetScale(chart.AdjustRect({-400, -300, 400, 300}));
    int on = 0;
    changed = 0;
    for (int y = 0; y < with.height(); ++y)
        for (int x = 0; x < with.width(); ++x) {
            if (with.pixel(x, y) == without.pixel(x, y))
                continue;
            ++changed;
            const SPoint p = view.ToChart({x, y});
            double ra = 0.0;
            double dec = 0.0;
            chart.ChartToSky(p.x / scale, p.y / scale, ra, dec);
            on += onLine(ra, dec, p);
        }
    return changed ? on / double(changed) : 0.0;
}

bool nearMultiple(double degrees, double step, double tolerance)
{
    const double r = std::fmod(std::fabs(degrees), step);
    return r < tolerance || step - r < tolerance;
}

TEST(SkyGrid, LinesStandOnWholeDegreesOfBothFrames)
{
    SkyWindowTestHost host;
    ASSERT_TRUE(host.loaded);
    host.display.names = {0, 0, 25, 0};
    host.display.figureFlags = {0, 0, 0, 1, 1, 0};
    CZarnView view(host);
    view.resize(800, 600);
    host.charts->AttachView(&view);
    view.show();
    QCoreApplication::processEvents();
    QImage without(view.viewport()->size(), QImage::Format_RGB32);
    view.RenderTo(without);
    const CCarte& chart = host.CurrentChart();
    int changed = 0;

    // Altitude circles and azimuth lines every 10°, the cardinal letters aside.
    host.display.grid = {1, 0};
    QImage with(without.size(), QImage::Format_RGB32);
    view.RenderTo(with);
    const double horizontal = shareOnLines(without, with, chart, view,
        [&](double ra, double dec, SPoint p) {
            const double scale = 299.0;
            const double rho = std::hypot(p.x, p.y) / scale;
            const double altitude = std::asin((1 - rho * rho) / (1 + rho * rho)) * kDegPerRad;
            const double azimuth = std::atan2(p.x, p.y) * kDegPerRad;
            (void)ra, (void)dec;
            return nearMultiple(altitude, 10.0, 0.8) || nearMultiple(azimuth, 10.0, 0.8 / std::max(rho, 0.05))
                   || rho > 0.93;  // the letters inside the rim
        },
        changed);
    EXPECT_GT(changed, 3000);
    EXPECT_GT(horizontal, 0.95);

    // Hours of right ascension and tens of degrees of declination.
    host.display.grid = {0, 1};
    view.RenderTo(with);
    const double equatorial = shareOnLines(without, with, chart, view,
        [](double ra, double dec, SPoint) {
            const double d = dec * kDegPerRad;
            return nearMultiple(d, 10.0, 0.8) || nearMultiple(ra * kDegPerRad, 15.0, 0.8 / std::cos(dec));
        },
        changed);
    EXPECT_GT(changed, 3000);
    EXPECT_GT(equatorial, 0.95);
}

}  // namespace
}  // namespace zarn
