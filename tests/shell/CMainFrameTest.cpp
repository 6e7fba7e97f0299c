// SPDX-License-Identifier: GPL-3.0-or-later
// The main window: title rule, palette, command table, status panes, time bar
// and the planet menu's letters.
#include "ui/CActions.h"
#include "shell/CMainFrame.h"
#include "shell/CPlanetMenu.h"
#include "ui/CommandIds.h"
#include "ui/CommandTable.h"
#include "ui/PlanetPictures.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QSignalSpy>
#include <QStatusBar>
#include <QTest>
#include <gtest/gtest.h>

#include <set>

using namespace zarn;

TEST(MainFrame, TitleRuleKeepsTheLeadingBlank)
{
    CMainFrame frame;
    EXPECT_EQ(frame.windowTitle(), QStringLiteral(" ZARN"));
    frame.SetMainTitle(QStringLiteral("Ciel"));
    EXPECT_EQ(frame.windowTitle(), QStringLiteral(" ZARN - Ciel"));
    EXPECT_EQ(frame.mainTitle(), QStringLiteral("Ciel"));
    frame.SetMainTitle(QString());
    EXPECT_EQ(frame.windowTitle(), QStringLiteral(" ZARN"));
}

TEST(MainFrame, ProgramPaletteEntries)
{
    CProgramPalette palette;
    EXPECT_EQ(palette.color(0), QColor(255, 255, 255));
    EXPECT_EQ(palette.color(11), QColor(224, 54, 24));
    EXPECT_EQ(palette.color(14), QColor(60, 60, 60));
    EXPECT_EQ(palette.color(17), QColor(244, 164, 120));
    EXPECT_EQ(palette.skyColour(), QColor(0, 0, 0));
    palette.setSkyColour(QColor(34, 68, 106));
    EXPECT_EQ(palette.color(15), QColor(34, 68, 106));
    EXPECT_EQ(palette.color(18), QColor(0, 0, 0));
    EXPECT_EQ(palette.color(-1), QColor(0, 0, 0));
}

TEST(MainFrame, EveryCommandHasOneActionWithUniqueId)
{
    CMainFrame frame;
    std::set<int> seen;
    for (const CommandInfo& info : commandTable()) {
        EXPECT_TRUE(seen.insert(info.id).second) << info.id;
        QAction* a = frame.actions().action(info.id);
        ASSERT_NE(a, nullptr) << info.id;
        EXPECT_EQ(a->text(), QString::fromUtf8(info.text));
        EXPECT_FALSE(a->statusTip().contains(QLatin1Char('\n')));
    }
    EXPECT_EQ(CActions::shortName(cmd::HorizonSouth + 3), QStringLiteral("Nord-Ouest"));
    EXPECT_EQ(CActions::prompt(cmd::TimeBar), QStringLiteral(" Heure légale, universelle, sidérale, solaire"));
    EXPECT_EQ(frame.actions().action(cmd::Mercure + 2)->text(), QStringLiteral("M&ars"));
}

TEST(MainFrame, TriggeredActionReportsItsIdentifier)
{
    CMainFrame frame;
    QSignalSpy spy(&frame.actions(), &CActions::triggered);
    frame.actions().action(cmd::NextDay)->trigger();
    ASSERT_EQ(spy.count(), 1);
    EXPECT_EQ(spy.at(0).at(0).toInt(), cmd::NextDay);
    // "+" without its shift key as well.
    EXPECT_TRUE(frame.actions().action(cmd::NextDay)->shortcuts().contains(QKeySequence(Qt::CTRL | Qt::Key_Equal)));
}

TEST(MainFrame, StatusPanesAndTimeBarReplaceEachOther)
{
    CMainFrame frame;
    frame.show();
    frame.setInstantTexts(QStringLiteral("Paris"), QStringLiteral("Lundi 8 décembre 2026"),
                          QStringLiteral("22.30"));
    EXPECT_EQ(frame.statusPane(1)->text(), QStringLiteral("Paris"));
    EXPECT_EQ(frame.statusPane(3)->text(), QStringLiteral("22.30"));
    EXPECT_EQ(frame.statusPane(4), nullptr);
    EXPECT_EQ(frame.statusBar()->currentMessage(), QStringLiteral(" Prêt"));
    EXPECT_GT(frame.statusPane(1)->minimumWidth(), frame.statusPane(2)->minimumWidth());

    EXPECT_FALSE(frame.isTimeBarVisible());
    frame.showTimeBar(true);
    EXPECT_TRUE(frame.isTimeBarVisible());
    EXPECT_FALSE(frame.statusBar()->isVisible());
    EXPECT_TRUE(frame.actions().action(cmd::TimeBar)->isChecked());
    frame.showTimeBar(false);
    EXPECT_TRUE(frame.statusBar()->isVisible());
    EXPECT_FALSE(frame.actions().action(cmd::TimeBar)->isChecked());
}

TEST(PlanetMenu, LettersChooseEnabledItemsOnly)
{
    EXPECT_EQ(CPlanetMenu::itemIndexForKey(Qt::Key_M), 0);
    EXPECT_EQ(CPlanetMenu::itemIndexForKey(Qt::Key_A), 2);
    EXPECT_EQ(CPlanetMenu::itemIndexForKey(Qt::Key_O), 6);
    EXPECT_EQ(CPlanetMenu::itemIndexForKey(Qt::Key_X), -1);

    CMainFrame frame;
    QSignalSpy spy(&frame.actions(), &CActions::triggered);
    CPlanetMenu* menu = frame.planetMenu();
    ASSERT_EQ(menu->actions().size(), 7);
    frame.actions().setEnabled(cmd::Mercure + 3, false);
    menu->popup(QPoint(10, 10));
    QTest::keyClick(menu, Qt::Key_J);  // Jupiter disabled: nothing happens
    EXPECT_EQ(spy.count(), 0);
    menu->popup(QPoint(10, 10));
    QTest::keyClick(menu, Qt::Key_S);
    ASSERT_EQ(spy.count(), 1);
    EXPECT_EQ(spy.at(0).at(0).toInt(), cmd::Mercure + 4);  // Saturne
}

TEST(PlanetMenu, PicturesFollowTheDevicePixelRatio)
{
    const QPixmap normal = planetPicture(4, 1.0);
    const QPixmap dense = planetPicture(4, 2.0);
    EXPECT_EQ(normal.size(), QSize(kPlanetPictureWidth, kPlanetPictureHeight));
    EXPECT_EQ(dense.size(), QSize(2 * kPlanetPictureWidth, 2 * kPlanetPictureHeight));
    EXPECT_DOUBLE_EQ(dense.devicePixelRatio(), 2.0);
    // Something is drawn in the middle of the picture.
    EXPECT_GT(normal.toImage().pixelColor(15, 8).alpha(), 0);
}

// Alt+E stands in for the "É" of "&Éphémérides", which not every keyboard
// has: the menu it opens must take Return like one opened by its own letter.
TEST(MainFrame, AltEOpensTheEphemeridesMenuReadyForReturn)
{
    CMainFrame frame;
    frame.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&frame));
    frame.activateWindow();
    QSignalSpy spy(&frame.actions(), &CActions::triggered);
    QTest::keyClick(&frame, Qt::Key_E, Qt::AltModifier);
    QTRY_VERIFY(QApplication::activePopupWidget() != nullptr);
    QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_Return);
    ASSERT_EQ(spy.count(), 1);
    EXPECT_EQ(spy.front().front().toInt(), cmd::SolarSystem);
}
