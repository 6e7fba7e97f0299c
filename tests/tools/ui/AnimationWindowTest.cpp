// SPDX-License-Identifier: GPL-3.0-or-later
// The animation window: what choosing a body sets, the step spin, the pace
// of the points, the three ways a run stops, and trails kept over a resize.
#include "ToolWindowFixture.h"

#include "charts/CAnimationPanel.h"
#include "ui/CommandIds.h"
#include "tools/AnimationPlan.h"
#include "tools/ui/CSystemeSolaireDlg.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>

using namespace zarn;
using zarn::test::ToolWindows;

TEST_F(ToolWindows, ChoosingABodySetsItsDurationStepAndChecks)
{
    auto* view = open<CAnimationView>(ViewKind::Animation);
    ASSERT_NE(view, nullptr);
    EXPECT_FALSE(view->runButton()->isEnabled());
    view->bodyList()->setCurrentIndex(kSaturn);
    EXPECT_EQ(view->monthsSpin()->value(), 18);
    EXPECT_EQ(view->monthsSpin()->maximum(), 24);
    EXPECT_EQ(view->stepDays(), 12);
    EXPECT_TRUE(view->sunBox()->isEnabled());
    EXPECT_TRUE(view->runButton()->isEnabled());
    view->bodyList()->setCurrentIndex(kMercury);
    EXPECT_EQ(view->monthsSpin()->value(), 4);
    EXPECT_EQ(view->stepDays(), 3);
    view->bodyList()->setCurrentIndex(kSun);
    EXPECT_FALSE(view->sunBox()->isEnabled());
    EXPECT_EQ(view->run().BodiesShown(), 1);

    // The step spin moves through the list of steps and stops at both ends.
    QSpinBox* step = view->stepSpin();
    step->stepBy(-20);
    EXPECT_EQ(view->stepDays(), 1);
    step->stepBy(6);
    EXPECT_EQ(view->stepDays(), 8);
    step->stepBy(20);
    EXPECT_EQ(view->stepDays(), 15);
    EXPECT_EQ(step->text(), QStringLiteral("15"));
}

TEST_F(ToolWindows, IntermediatePointsComeEverySubStepBetweenMainSteps)
{
    auto* view = open<CAnimationView>(ViewKind::Animation);
    ASSERT_NE(view, nullptr);
    view->startEdit()->setText(QStringLiteral("1.1.2024"));
    view->bodyList()->setCurrentIndex(kJupiter);
    view->othersBox()->setChecked(true);
    const struct {
        int step, points;
    } cases[] = {{15, 2}, {6, 2}, {5, 4}};
    for (const auto& c : cases) {
        view->stepSpin()->setValue(animation::stepIndex(c.step));
        ASSERT_EQ(view->stepDays(), c.step);
        view->setPace(60000);
        view->runButton()->click();
        EXPECT_EQ(view->state(), CAnimationView::State::Running);
        EXPECT_EQ(view->run().PointsPlotted(), c.points) << c.step;
        EXPECT_EQ(view->run().Date().day(), 1 + c.step) << c.step;
        EXPECT_EQ(view->run().BodiesShown(), 6);
        EXPECT_FALSE(view->closeButton()->isEnabled());
        EXPECT_FALSE(view->bodyList()->isEnabled());
        // A click on the button stops the run at once.
        view->runButton()->click();
        EXPECT_EQ(view->state(), CAnimationView::State::Paused);
        EXPECT_EQ(view->runButton()->text(), QStringLiteral("&Continuer l'animation"));
        EXPECT_TRUE(view->closeButton()->isEnabled());
    }

    // The ephemerides asked from the window: the animated body over the
    // period, from its first day at 0 h, not from the date the run reached.
    frame->show();
    frame->mdiArea()->setActiveSubWindow(qobject_cast<QMdiSubWindow*>(view->parentWidget()));
    doc->onCommand(cmd::SolarSystem);
    CSystemeSolaireDlg* ephemerides = doc->ephemeridesDialog();
    ASSERT_NE(ephemerides, nullptr);
    EXPECT_EQ(ephemerides->bodyBox()->currentText().trimmed(), QStringLiteral("Jupiter"));
    const CInstant& shown = ephemerides->tableDate();
    EXPECT_EQ(std::vector<int>({shown.day(), shown.month(), shown.year(), shown.hour(), shown.minute()}),
              std::vector<int>({1, 1, 2024, 0, 0}));
    ephemerides->close();
}

TEST_F(ToolWindows, RunStopsAtTheEndOfThePeriodThenAtTheChartsEdge)
{
    auto* view = open<CAnimationView>(ViewKind::Animation);
    ASSERT_NE(view, nullptr);
    view->resize(760, 470);
    view->startEdit()->setText(QStringLiteral("1.9.2024"));
    view->bodyList()->setCurrentIndex(kMars);
    view->setPace(1);
    view->runButton()->click();
    // Six months in steps of 6 days: 30 main steps, then the end.
    for (int i = 0; i < 200 && view->state() == CAnimationView::State::Running; ++i)
        QTest::qWait(5);
    EXPECT_EQ(view->state(), CAnimationView::State::Paused);
    EXPECT_EQ(view->run().Counter(), view->run().Total());
    EXPECT_EQ(view->run().Total(), 30 * 3);
    EXPECT_EQ(view->caption(), "Mars du 1.9.2024 au 28.2.2025");

    // The trails survive a resize of the window.
    const std::size_t trail = view->chart().TrailSize();
    view->resize(500, 380);
    view->panel().Render();
    EXPECT_EQ(view->chart().TrailSize(), trail);
    // Going on past the period, Mars leaves the region fitted to it.
    view->runButton()->click();
    for (int i = 0; i < 400 && view->state() == CAnimationView::State::Running; ++i)
        QTest::qWait(5);
    EXPECT_EQ(view->state(), CAnimationView::State::Edge);
    EXPECT_FALSE(view->runButton()->isEnabled());
}

TEST_F(ToolWindows, OnASmallWorkAreaTheFormsStayWithinReach)
{
    frame->resize(640, 400);
    frame->show();
    QApplication::processEvents();
    const QSize area = frame->mdiArea()->viewport()->size();
    ASSERT_LT(area.width(), 760);
    for (ViewKind kind : {ViewKind::Animation, ViewKind::Conjonction}) {
        auto* view = dynamic_cast<QWidget*>(doc->openWindow(kind).view);
        ASSERT_NE(view, nullptr);
        const QRect shown = view->parentWidget()->geometry();
        EXPECT_TRUE(QRect(QPoint(0, 0), area).contains(shown)) << shown.width() << "x" << shown.height();
    }
}

TEST_F(ToolWindows, ARunStopsForGoodAtTheEndOf2099)
{
    auto* view = open<CAnimationView>(ViewKind::Animation);
    ASSERT_NE(view, nullptr);
    view->resize(760, 470);
    view->startEdit()->setText(QStringLiteral("1.9.2099"));
    view->bodyList()->setCurrentIndex(kSaturn);
    view->setPace(1);
    view->runButton()->click();
    for (int i = 0; i < 400 && view->state() == CAnimationView::State::Running; ++i)
        QTest::qWait(5);
    EXPECT_EQ(view->state(), CAnimationView::State::Edge);
    EXPECT_FALSE(view->runButton()->isEnabled());
    EXPECT_EQ(view->run().Date().year(), 2099);
    EXPECT_LT(view->run().Counter(), view->run().Total());
}
