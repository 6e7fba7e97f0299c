// SPDX-License-Identifier: GPL-3.0-or-later
// The drawing surface's clip tests and device arithmetic, the printed symbol
// sizes and the label window's placement rules.
#include <gtest/gtest.h>

#include <map>

#include "../../support/RecordingSurface.h"
#include "sky/CAstre.h"
#include "sky/draw/CVueNoms.h"

namespace zarn {
namespace {

using test::RecordingSurface;

TEST(SurfaceClip, EllipseVisibilityFollowsTheCurveNotTheBox)
{
    const SClip circle{SClip::Ellipse, {-100, -100, 100, 100}};
    EXPECT_TRUE(circle.isPointVisible(0, 0));
    EXPECT_TRUE(circle.isPointVisible(98, 0));
    // The corner of the bounding box lies outside the circle.
    EXPECT_FALSE(circle.isPointVisible(90, 90));
    EXPECT_FALSE(circle.isRectVisible({85, 85, 96, 96}));
    // A square straddling the rim is visible.
    EXPECT_TRUE(circle.isRectVisible({95, -5, 106, 6}));
    EXPECT_FALSE(circle.isRectVisible({101, -5, 112, 6}));

    const SClip rect{SClip::Rect, {0, -60, 300, 0}};
    EXPECT_TRUE(rect.isPointVisible(0, -1));
    EXPECT_FALSE(rect.isPointVisible(0, 0));  // bottom edge excluded
    EXPECT_FALSE((SClip{SClip::Empty, {}}.isPointVisible(0, 0)));
    EXPECT_TRUE((SClip{}.isRectVisible({5, 5, 6, 6})));
}

TEST(SurfaceState, SaveRestoreBringsBackClipAndOrigin)
{
    RecordingSurface dc;
    dc.SetOrigin({10, 20});
    dc.Save();
    dc.SetClip({SClip::Rect, {0, 0, 5, 5}});
    dc.SetOrigin({1, 2});
    EXPECT_FALSE(dc.IsPointVisible(7, 7));
    dc.Restore();
    EXPECT_TRUE(dc.IsPointVisible(7, 7));
    EXPECT_EQ(dc.Origin(), (SPoint{10, 20}));
    dc.Restore();  // one too many: ignored
}

TEST(SurfaceArithmetic, MulDivRoundsHalfAwayFromZeroAndMillimetres)
{
    EXPECT_EQ(mulDiv(11, 1920, 640), 33);
    EXPECT_EQ(mulDiv(5, 1, 2), 3);
    EXPECT_EQ(mulDiv(-5, 1, 2), -3);
    EXPECT_EQ(mulDiv(7, 3, 0), -1);
    EXPECT_EQ(millimetreUnits(96), 4);    // 3.78 rounded
    EXPECT_EQ(millimetreUnits(600), 24);  // 23.6 rounded
    EXPECT_EQ(millimetreUnits(300), 12);
}

TEST(SymbolSize, PrinterSizesByMagnitudeClassAndNothingOnScreen)
{
    CAstre object;
    RecordingSurface printer;
    printer.printer = true;
    printer.millimetre = {24, 24};
    EXPECT_EQ(object.SymbolSize(printer, 0), (SSize{48, 48}));  // 2 mm
    EXPECT_EQ(object.SymbolSize(printer, 3), (SSize{12, 12}));  // half a millimetre
    EXPECT_EQ(object.SymbolSize(printer, 4), (SSize{6, 6}));
    EXPECT_EQ(object.SymbolSize(printer, 5), (SSize{4, 4}));
    EXPECT_EQ(object.SymbolSize(printer, -1), (SSize{60, 60}));
    EXPECT_EQ(object.SymbolSize(printer, -2), (SSize{30, 30}));
    RecordingSurface screen;
    EXPECT_EQ(object.SymbolSize(screen, 0), (SSize{}));
}

TEST(LabelBox, EveryPlacementCodeAgainstItsAnchor)
{
    const SPoint a{100, 200};
    const SSize e{30, 10};
    EXPECT_EQ(CVueNoms::BoxFor(0, a, 8, e, 2), (SRect{106, 200, 136, 210}));
    EXPECT_EQ(CVueNoms::BoxFor(1, a, 8, e, 2), (SRect{85, 205, 115, 215}));
    EXPECT_EQ(CVueNoms::BoxFor(2, a, 8, e, 2), (SRect{64, 200, 94, 210}));
    EXPECT_EQ(CVueNoms::BoxFor(4, a, 8, e, 2), (SRect{108, 193, 138, 203}));
    EXPECT_EQ(CVueNoms::BoxFor(6, a, 8, e, 2), (SRect{62, 193, 92, 203}));
    EXPECT_EQ(CVueNoms::BoxFor(40, a, 8, e, 2), (SRect{108, 190, 138, 200}));
    EXPECT_EQ(CVueNoms::BoxFor(41, a, 8, e, 2), (SRect{85, 184, 115, 194}));
    EXPECT_EQ(CVueNoms::BoxFor(42, a, 8, e, 2), (SRect{62, 190, 92, 200}));
    EXPECT_EQ(CVueNoms::BoxFor(17, a, 8, e, 2), (SRect{108, 200, 138, 210}));
}

TEST(PrintLabels, SecondLabelAtTheSamePlaceMovesToTheNextFreeCode)
{
    RecordingSurface dc;
    dc.printer = true;
    CVueNoms labels(CVueNoms::Kind::Print);
    labels.Set("Vega", {100, 100}, 6, 8);
    ASSERT_TRUE(labels.Place(dc));
    EXPECT_EQ(labels.Code(), 6);
    labels.Commit(dc);
    // Same anchor and code: 6 is taken, 2 and 1 do not touch it.
    labels.Set("Deneb", {100, 100}, 6, 8);
    ASSERT_TRUE(labels.Place(dc));
    EXPECT_NE(labels.Code(), 6);
    EXPECT_FALSE(labels.IsOccupied(labels.Box()));
    labels.Commit(dc);
    EXPECT_EQ(dc.Texts(), (std::vector<std::string>{"Vega", "Deneb"}));
}

TEST(PrintLabels, NoFreePlaceKeepsThePreferredCodeAndReportsIt)
{
    RecordingSurface dc;
    dc.printer = true;
    CVueNoms labels(CVueNoms::Kind::Print);
    labels.AddOccupied({-1000, -1000, 1000, 1000});
    labels.Set("Altair", {0, 0}, 4, 8);
    EXPECT_FALSE(labels.Place(dc));
    EXPECT_EQ(labels.Code(), 4);
    // A box whose corners leave the clip is refused as well.
    CVueNoms clipped(CVueNoms::Kind::Print);
    dc.SetClip({SClip::Rect, {0, 0, 20, 20}});
    clipped.Set("Altair", {10, 10}, 4, 8);
    EXPECT_FALSE(clipped.Place(dc));
}

TEST(PrintLabels, CodesComeFromTheLabelMapAsDecimalNumbers)
{
    const std::map<std::string, std::string> codes{{"Sirius", "41"}, {"Rigel", " 2"}, {"Bad", "x"}};
    CVueNoms labels(CVueNoms::Kind::Print);
    EXPECT_FALSE(labels.CodeFor("Sirius").has_value());
    labels.SetLabelCodes(&codes);
    EXPECT_EQ(labels.CodeFor("Sirius"), 41);
    EXPECT_EQ(labels.CodeFor("Rigel"), 2);
    EXPECT_EQ(labels.CodeFor("Bad"), 0);
    EXPECT_FALSE(labels.CodeFor("Procyon").has_value());
}

TEST(ScreenLabel, ShowDrawsWhiteOnSkyAndHideReturnsTheBox)
{
    RecordingSurface dc;
    CVueNoms label(CVueNoms::Kind::Screen);
    label.Show(dc, "", {0, 0}, 4, 8);
    EXPECT_TRUE(dc.calls.empty());  // an empty text is neither drawn nor kept
    label.Show(dc, "Sirius", {50, 60}, 4, 8);
    ASSERT_EQ(dc.Of("text").size(), 1u);
    EXPECT_EQ(dc.Of("text")[0].colour, kWhite);
    EXPECT_TRUE(label.IsShown());
    const SRect box = label.Hide();
    EXPECT_EQ(box, (SRect{58, 53, 94, 63}));
    EXPECT_FALSE(label.IsShown());
}

}  // namespace
}  // namespace zarn
