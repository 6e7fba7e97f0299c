// SPDX-License-Identifier: GPL-3.0-or-later
// The Sun-and-Moon window: its lines and popups against zarn-calc, the polar
// days, the popups' buttons, and the lit part of the Moon's picture.
#include "AlmanacWindowFixture.h"

#include "ui/Hints.h"
#include "tools/ui/CMoonPicture.h"
#include "tools/ui/CPhasesPopup.h"
#include "tools/ui/CSoleilView.h"
#include "tools/ui/CTwilightPopup.h"

#include <QPainterPath>
#include <QPushButton>

using namespace zarn;

namespace {
QStringList fields(const std::string& line) { return QString::fromStdString(line).split(QLatin1Char('\t')); }
}  // namespace

TEST_F(AlmanacWindow, SunAndMoonShowWhatZarnCalcPrints)
{
    // 14 June 2003 in Paris: the Moon sets in the morning and rises late in
    // the evening, so the set comes first with its own arrow.
    setInstant(14, 6, 2003, 12, 0);
    CSoleilView view(bodies, instant);
    view.resize(340, 420);
    view.show();
    const std::vector<std::string> day = calc("sunmoon");
    ASSERT_EQ(day.size(), 3u);
    const QStringList sun = fields(day[0]);
    const QStringList moon = fields(day[1]);
    EXPECT_EQ(view.sunLine(), QStringLiteral("\u2191  %1   \u2193  %2").arg(sun[1], sun[2]));
    EXPECT_EQ(view.moonLine(), QStringLiteral("\u2193  %1   \u2191  %2").arg(moon[1], moon[2]));
    EXPECT_EQ(QString(view.phaseText()).replace(QLatin1Char('\n'), QLatin1Char(' ')), fields(day[2])[1]);

    view.showPhases();
    const std::vector<std::string> phases = calc("phases");
    ASSERT_EQ(phases.size(), 4u);
    for (int i = 0; i < 4; ++i) {
        const QStringList p = QString::fromStdString(phases[static_cast<std::size_t>(i)]).split(QLatin1Char(' '));
        EXPECT_EQ(QString::number(view.phasesPopup()->code(i)), p[0]);
        EXPECT_EQ(view.phasesPopup()->dateText(i).trimmed() + QLatin1Char('.'),
                  p[1].section(QLatin1Char('.'), 0, 1) + QLatin1Char('.'));
        EXPECT_EQ(view.phasesPopup()->timeText(i).trimmed(), p[2]);
    }

    view.showTwilight();
    const std::vector<std::string> twilight = calc("twilight");
    const auto rows = view.twilightPopup()->rows();
    ASSERT_EQ(rows.size(), twilight.size());
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const QString band = QString::fromUtf8(twilightBandName(rows[i].band));
        const QString shown = rows[i].time.isEmpty() ? QStringLiteral("début: ") + band : rows[i].time.trimmed() + QLatin1Char(' ') + band;
        EXPECT_EQ(shown.toStdString(), twilight[i]);
    }
}

TEST_F(AlmanacWindow, PolarDaysAndThePopupsButtons)
{
    setInstant(21, 6, 2004, 12, 0, 70.00);
    CSoleilView view(bodies, instant);
    view.resize(340, 420);
    view.show();
    EXPECT_EQ(view.sunLine(), QStringLiteral("Soleil de minuit"));
    instant = CInstant(21, 12, 2004, 12, 0, 0, instant.place());
    view.OnUpdate(nullptr, hint::Date, nullptr);
    EXPECT_EQ(view.sunLine(), QStringLiteral("Soleil invisible"));

    // At 60° N in late June the day begins in twilight: a band without a time.
    setInstant(25, 6, 2004, 12, 0, 60.00);
    view.OnUpdate(nullptr, hint::Place, nullptr);
    QTest::mouseClick(view.twilightButton(), Qt::LeftButton);
    EXPECT_TRUE(view.twilightPopup()->isVisible());
    EXPECT_FALSE(view.twilightButton()->isEnabled());
    const auto rows = view.twilightPopup()->rows();
    ASSERT_FALSE(rows.empty());
    EXPECT_TRUE(rows[0].time.isEmpty());
    EXPECT_LT(rows[0].band, kNoTwilight);
    view.OnUpdate(nullptr, hint::Catalogue, nullptr);
    EXPECT_FALSE(view.twilightPopup()->isVisible());
    EXPECT_TRUE(view.twilightButton()->isEnabled());

    QTest::mouseClick(view.phasesButton(), Qt::LeftButton);
    EXPECT_TRUE(view.phasesPopup()->isVisible());
    EXPECT_FALSE(view.phasesButton()->isEnabled());
    QTest::mouseClick(view.phasesPopup(), Qt::LeftButton);
    EXPECT_FALSE(view.phasesPopup()->isVisible());
    EXPECT_TRUE(view.phasesButton()->isEnabled());
    view.showTwilight();
    view.resize(300, 400);
    EXPECT_FALSE(view.twilightPopup()->isVisible());
    view.showPhases();
    QTest::keyClick(&view, Qt::Key_Escape);
    EXPECT_FALSE(view.phasesPopup()->isVisible());
}

TEST(MoonPicture, LitPartStandsOnTheSideOfTheSun)
{
    const QSize size(100, 100);
    const QPointF centre(50, 50), left(3, 50), right(97, 50);
    // A waxing crescent: a thin part on the right.
    const QPainterPath crescent = CMoonPicture::litRegion(size, 0.6, 0.2, true);
    EXPECT_TRUE(crescent.contains(right));
    EXPECT_FALSE(crescent.contains(centre));
    EXPECT_FALSE(crescent.contains(left));
    // A waning gibbous Moon: lit from the left edge past the centre.
    const QPainterPath gibbous = CMoonPicture::litRegion(size, -0.6, 0.8, false);
    EXPECT_TRUE(gibbous.contains(left));
    EXPECT_TRUE(gibbous.contains(centre));
    EXPECT_FALSE(gibbous.contains(right));
    // New Moon shows nothing, but a Moon lit at 1 % keeps a thread of light.
    EXPECT_TRUE(CMoonPicture::litRegion(size, 1.0, 0.0, true).boundingRect().width() < 1.0);
    EXPECT_GT(CMoonPicture::litRegion(size, 0.98, 0.01, true).boundingRect().width(), 0.5);
}
