// SPDX-License-Identifier: GPL-3.0-or-later
// The windows of the main window together: where the tool windows open, the
// arrangements, the Sun-and-Moon window reopened with "&Ciel", clicks on the
// sky window, Alt + letter in a tool window, the Sun-and-Moon popups, the keys
// that close windows and the windows kept within the screen.
#include "ParisProgram.h"

#include "app/AlmanacWindows.h"
#include "ui/CHelpWindow.h"
#include "app/CSettingsStore.h"
#include "app/CZarnApp.h"
#include "app/CZarnDoc.h"
#include "charts/ui/CZarnFrm.h"
#include "charts/ui/CZarnView.h"
#include "app/CSkyWindow.h"
#include "ui/CActions.h"
#include "shell/CMainFrame.h"
#include "ui/CommandIds.h"
#include "time/Calendar.h"
#include "settings/ZarnSettings.h"
#include "time/ui/CTimeBar.h"
#include "tools/ui/CConjonctionView.h"
#include "tools/ui/CPhasesPopup.h"
#include "tools/ui/CSoleilView.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QDir>
#include <QLabel>
#include <QMdiArea>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QScreen>
#include <QTest>

#include <memory>

using namespace zarn;

namespace {

class WindowLayout : public ParisProgram {
protected:
    void SetUp() override
    {
        ParisProgram::SetUp();
        if (HasFatalFailure())
            return;
        frame->setGeometry(0, 0, 1280, 800);
        QTest::qWait(20);
    }

    void run(int command) { frame->actions().action(command)->trigger(); }
    QRect area() const { return frame->mdiArea()->viewport()->rect(); }
    QMdiSubWindow* active() const { return frame->mdiArea()->activeSubWindow(); }
    template <class View>
    View* view() const
    {
        for (QMdiSubWindow* w : frame->mdiArea()->subWindowList())
            if (auto* v = qobject_cast<View*>(w->widget()))
                return v;
        return nullptr;
    }
    QWidget* skyView() const { return &static_cast<CSkyWindow*>(frame->skyFrame())->skyFrame().View(); }

};

}  // namespace

TEST_F(WindowLayout, ToolWindowsOpenInsideTheWorkAreaAndCoverTheSkyLittle)
{
    for (const QSize size : {QSize(1280, 800), frame->minimumSize()}) {
        frame->resize(size);
        QTest::qWait(20);
        for (int command : {cmd::Conjunction, cmd::Animation, cmd::Catalogue, cmd::Visibility}) {
            run(command);
            QMdiSubWindow* window = active();
            ASSERT_NE(window, frame->skyFrame());
            EXPECT_TRUE(area().contains(window->geometry())) << command << " at " << size.width();
        }
        app->document()->openWindow(ViewKind::Constellations);
        EXPECT_TRUE(area().contains(active()->geometry())) << "map at " << size.width();
        // The windows without a place of their own start at the left, one
        // step apart, so that none hides another.
        QMdiSubWindow* conjunction = qobject_cast<QMdiSubWindow*>(view<CConjonctionView>()->parentWidget());
        EXPECT_LT(conjunction->geometry().left(), frame->skyFrame()->geometry().left());
        // A smaller main window brings them back inside.
        frame->resize(size - QSize(0, 60));
        QTest::qWait(20);
        for (QMdiSubWindow* w : frame->mdiArea()->subWindowList())
            EXPECT_TRUE(area().contains(w->geometry())) << w->windowTitle().toStdString();
        frame->mdiArea()->closeAllSubWindows();
        run(cmd::NewSky);
    }
}

TEST_F(WindowLayout, TilingKeepsTheMainWindowOnTheScreen)
{
    // Even on a screen magnified so much that the usual minimum is taller.
    EXPECT_LE(frame->frameGeometry().height() - frame->geometry().height() + frame->minimumHeight(),
              frame->screen()->availableGeometry().height());
    frame->resize(frame->minimumSize());
    QTest::qWait(20);
    const QSize before = frame->size();
    for (int command : {cmd::Conjunction, cmd::Animation, cmd::Catalogue, cmd::Visibility})
        run(command);
    run(cmd::Tile);
    QTest::qWait(20);
    EXPECT_EQ(frame->size(), before);
    run(cmd::Cascade);
    QTest::qWait(20);
    EXPECT_EQ(frame->size(), before);
}

TEST_F(WindowLayout, CielOpensTheSunAndMoonWindowAgainAtItsPlace)
{
    QAction* ciel = frame->actions().action(cmd::NewSky);
    EXPECT_FALSE(ciel->isEnabled());
    auto* sunMoon = qobject_cast<QMdiSubWindow*>(view<CSoleilView>()->parentWidget());
    sunMoon->close();
    QTest::qWait(10);
    ASSERT_EQ(view<CSoleilView>(), nullptr);
    EXPECT_TRUE(QTest::qWaitFor([ciel] { return ciel->isEnabled(); }, 500));
    run(cmd::NewSky);
    ASSERT_NE(view<CSoleilView>(), nullptr);
    auto* again = qobject_cast<QMdiSubWindow*>(view<CSoleilView>()->parentWidget());
    EXPECT_EQ(again->geometry(), sunMoonFrameRect(area().size()));
    EXPECT_FALSE(ciel->isEnabled());
}

TEST_F(WindowLayout, AClickOnTheSkyLeavesAMapOrConjunctionWindowActive)
{
    frame->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(frame));
    QWidget* sky = skyView();
    const QPoint corner(sky->width() - 3, 3);  // outside the round chart
    app->document()->openWindow(ViewKind::Constellations);
    QMdiSubWindow* map = active();
    ASSERT_NE(map, frame->skyFrame());
    QTest::mouseClick(sky, Qt::LeftButton, {}, corner);
    QTest::qWait(10);
    EXPECT_EQ(active(), map);
    map->close();
    QTest::qWait(10);
    QTest::mouseClick(sky, Qt::LeftButton, {}, corner);
    EXPECT_EQ(active(), frame->skyFrame());
    run(cmd::Conjunction);
    QMdiSubWindow* conjunction = active();
    QTest::mouseClick(sky, Qt::LeftButton, {}, corner);
    QTest::qWait(10);
    EXPECT_EQ(active(), conjunction);
    const auto stack = frame->mdiArea()->subWindowList(QMdiArea::StackingOrder);
    EXPECT_LT(stack.indexOf(frame->skyFrame()), stack.indexOf(conjunction));
}

TEST_F(WindowLayout, AltLetterInAToolWindowReachesItsOwnControlsFirst)
{
    // The program opens on the sky window: the menu bar has its letters.
    EXPECT_EQ(active(), frame->skyFrame());
    frame->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(frame));
    run(cmd::Conjunction);
    auto* conjunction = view<CConjonctionView>();
    conjunction->secondList()->setFocus();
    QTest::qWait(10);
    // "&Conjonction entre .." and the menu "&Carte".
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_C, Qt::AltModifier);
    EXPECT_EQ(QApplication::activePopupWidget(), nullptr);
    EXPECT_EQ(QApplication::focusWidget(), conjunction->firstList());
    // "&Opposition de .." and the menu "&Observatoire".
    run(cmd::Opposition);
    conjunction->setFocus();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_O, Qt::AltModifier);
    EXPECT_EQ(QApplication::activePopupWidget(), nullptr);
    EXPECT_EQ(QApplication::focusWidget(), conjunction->planetList());
    // A letter the window does not use opens the menu: "&Éphémérides" with a
    // plain E as well.
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_E, Qt::AltModifier);
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    ASSERT_NE(menu, nullptr);
    EXPECT_EQ(menu->title(), QStringLiteral("&Éphémérides"));
    menu->close();
}

TEST_F(WindowLayout, SunAndMoonPopupsLiveInTheWorkAreaAndLeaveWithTheirWindow)
{
    auto* sunMoon = view<CSoleilView>();
    auto* sunFrame = qobject_cast<QMdiSubWindow*>(sunMoon->parentWidget());
    frame->mdiArea()->setActiveSubWindow(sunFrame);
    QTest::mouseClick(sunMoon->phasesButton(), Qt::LeftButton);
    CPhasesPopup* phases = sunMoon->phasesPopup();
    ASSERT_TRUE(phases->isVisible());
    // Not a window of its own: no other program's window nor dialog is under it.
    EXPECT_FALSE(phases->isWindow());
    EXPECT_TRUE(area().contains(phases->geometry()));
    // Another window becomes the active one: the popup goes.
    run(cmd::Catalogue);
    EXPECT_FALSE(phases->isVisible());
    EXPECT_TRUE(sunMoon->phasesButton()->isEnabled());
    frame->mdiArea()->setActiveSubWindow(sunFrame);
    sunMoon->showPhases();
    ASSERT_TRUE(phases->isVisible());
    sunFrame->move(sunFrame->pos() + QPoint(5, 5));
    EXPECT_FALSE(phases->isVisible());
}

TEST_F(WindowLayout, EscapeClosesTheHelpAndCtrlF4TheActiveInsideWindowButNotTheSky)
{
    frame->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(frame));
    run(cmd::Conjunction);
    QPointer<QMdiSubWindow> conjunction = active();
    ASSERT_NE(view<CConjonctionView>(), nullptr);
    ASSERT_EQ(qobject_cast<QMdiSubWindow*>(view<CConjonctionView>()->parentWidget()), conjunction);
    QWidget* list = view<CConjonctionView>()->firstList();
    list->setFocus();
    QTest::keyClick(list, Qt::Key_F4, Qt::ControlModifier);
    EXPECT_TRUE(QTest::qWaitFor([&conjunction] { return !conjunction || !conjunction->isVisible(); }, 500));
    // The sky window has no close button: it stays.
    frame->mdiArea()->setActiveSubWindow(frame->skyFrame());
    skyView()->setFocus();
    QTest::keyClick(skyView(), Qt::Key_F4, Qt::ControlModifier);
    QTest::qWait(20);
    EXPECT_NE(frame->skyFrame(), nullptr);
    EXPECT_TRUE(frame->skyFrame() && frame->skyFrame()->isVisible());

    CHelpWindow* help = CHelpWindow::showContents();
    ASSERT_TRUE(help->isVisible());
    QTest::keyClick(help, Qt::Key_Escape);
    EXPECT_TRUE(QTest::qWaitFor([] { return !CHelpWindow::isOpen(); }, 500));
}

TEST_F(WindowLayout, EveryWindowOpensWithinTheScreen)
{
    const QRect screen = frame->screen()->availableGeometry();
    // A dialog placed partly off the screen and larger than it, and a window
    // of its own larger than the screen (the help window at a large scale).
    {
        QDialog dialog(frame);
        dialog.setGeometry(-300, -200, screen.width() + 500, screen.height() + 400);
        dialog.show();
        EXPECT_TRUE(screen.contains(dialog.frameGeometry())) << dialog.width() << "x" << dialog.height();
        dialog.hide();
        QWidget window;
        window.resize(screen.width() * 2, screen.height() * 2);
        window.show();
        EXPECT_LE(window.width(), screen.width());
        EXPECT_LE(window.height(), screen.height());
    }

    // A main window saved at a size larger than this screen comes back within it.
    app.reset();
    ZarnSettings settings;
    settings.observatories.push_back(CLieu("Paris", -fromPacked(2.20), fromPacked(48.51) * kRadPerDeg, 1, 1));
    settings.normalRect = {{-40, -30, screen.width() * 2, screen.height() + 300}};
    settings.showState = 1;
    Profile profile;
    writeSettings(settings, profile, false);
    ASSERT_TRUE(CSettingsStore(user.filePath(QStringLiteral("Zarn/ZARN.INI"))).save(profile));
    app = std::make_unique<CZarnApp>(program.path(), programWindowKinds());
    app->setMinimumSplashMs(0);
    ASSERT_TRUE(app->InitInstance());
    const QRect placed = app->mainFrame()->frameGeometry();
    EXPECT_TRUE(screen.contains(placed)) << placed.x() << "," << placed.y() << " " << placed.width() << "x"
                                         << placed.height();
}

TEST_F(WindowLayout, ANarrowTimeBarGoesOnInASecondRowWithoutCuttingItsTexts)
{
    run(cmd::TimeBar);
    CTimeBar* bar = frame->findChild<CTimeBar*>();
    ASSERT_NE(bar, nullptr);
    ASSERT_TRUE(bar->isVisible());
    const int oneRow = bar->height();
    // Narrower than the bar's texts side by side, as on a magnified screen.
    const int width = bar->sizeHint().width() * 3 / 5;
    frame->setMinimumSize(0, 0);
    frame->resize(width, 600);
    QTest::qWait(20);
    ASSERT_LE(bar->width(), width);
    EXPECT_GT(bar->height(), oneRow);
    for (int i = 0; i < CTimeBar::kParts; ++i) {
        const QLabel* part = bar->part(i);
        EXPECT_TRUE(bar->rect().contains(part->geometry())) << i;
        EXPECT_GE(part->width(), part->sizeHint().width()) << i;
        for (int j = i + 1; j < CTimeBar::kParts; ++j)
            EXPECT_FALSE(part->geometry().intersects(bar->part(j)->geometry())) << i << " over " << j;
    }
    // A name stays with its value.
    EXPECT_EQ(bar->part(2)->y(), bar->part(3)->y());
    EXPECT_EQ(bar->part(10)->y(), bar->part(11)->y());
}
