// SPDX-License-Identifier: GPL-3.0-or-later
// The almanac windows in the program: the Sun and the Moon beside the sky
// window at start-up, the commands that open the others, and the updates that
// reach them all after "Jour suivant".
#include "../time/ui/ModalCatcher.h"
#include "ParisProgram.h"

#include "ui/CHelpWindow.h"
#include "app/CSettingsStore.h"
#include "app/CZarnApp.h"
#include "app/CZarnDoc.h"
#include "ui/CActions.h"
#include "shell/CMainFrame.h"
#include "ui/CommandIds.h"
#include "time/Calendar.h"
#include "settings/ZarnSettings.h"
#include "tools/DayClock.h"
#include "tools/PlanetVisibility.h"
#include "tools/SunMoonDay.h"
#include "tools/ui/CConjonctionView.h"
#include "tools/ui/CEphemeridesView.h"
#include "tools/ui/CListeEphemerides.h"
#include "tools/ui/CNuitView.h"
#include "tools/ui/CPhasesPopup.h"
#include "tools/ui/CTwilightPopup.h"
#include "tools/ui/CSoleilView.h"
#include "tools/ui/CSystemeSolaireDlg.h"

#include <QAction>
#include <QKeySequence>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPrintPreviewDialog>
#include <QPushButton>
#include <QRegularExpression>
#include <QSlider>
#include <QTest>

#include <memory>

using namespace zarn;
using zarn::test::ModalCatcher;

namespace {

class AlmanacApp : public ParisProgram {
protected:
    void SetUp() override
    {
        ParisProgram::SetUp();
        if (HasFatalFailure())
            return;
        frame->resize(1280, 800);
        QTest::qWait(20);
    }

    template <class View>
    View* window() const
    {
        for (QMdiSubWindow* w : frame->mdiArea()->subWindowList())
            if (auto* view = qobject_cast<View*>(w->widget()))
                return view;
        return nullptr;
    }

    void run(int command) { frame->actions().action(command)->trigger(); }

};

// A window that asks for the ephemerides of a body on a date, as the
// conjunction window does for the event it found.
class AskingView : public QWidget, public CDocView {
public:
    void OnUpdate(CDocView*, unsigned, void*) override {}
    ViewKind viewKind() const override { return ViewKind::Conjonction; }
    bool ephemeridesRequest(int* body, CDateHeure* date) const override
    {
        *body = 4;
        *date = CDateHeure(21, 12, 2020, 18, 0, 0);
        return true;
    }
};

QString dateField(const CDateHeure& d) { return QString::asprintf(" %2d.%d.%d", d.day(), d.month(), d.year()); }

}  // namespace

CHelpWindow* visibleHelp()
{
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* help = qobject_cast<CHelpWindow*>(w); help && help->isVisible())
            return help;
    return nullptr;
}

TEST_F(AlmanacApp, SunAndMoonStandsBesideTheSkyWindowAtAnySize)
{
    auto* sunMoon = window<CSoleilView>();
    ASSERT_NE(sunMoon, nullptr);
    auto* sunFrame = qobject_cast<QMdiSubWindow*>(sunMoon->parentWidget());
    for (const QSize size : {QSize(1280, 800), frame->minimumSize()}) {
        frame->resize(size);
        QTest::qWait(20);
        const QRect client(QPoint(0, 0), frame->mdiArea()->viewport()->size());
        EXPECT_TRUE(client.contains(sunFrame->geometry())) << size.width();
        EXPECT_FALSE(sunFrame->geometry().intersects(frame->skyFrame()->geometry())) << size.width();
    }
    // Menu commands and printing from it go to the sky window; F1 opens its page.
    frame->mdiArea()->setActiveSubWindow(sunFrame);
    EXPECT_EQ(app->document()->activeView()->viewKind(), ViewKind::Sky);
    ASSERT_EQ(visibleHelp(), nullptr);
    QTest::keyClick(sunMoon->twilightButton(), Qt::Key_F1);
    CHelpWindow* help = visibleHelp();
    ASSERT_NE(help, nullptr);
    EXPECT_EQ(help->source().fileName(), QStringLiteral("soleil.html"));
    help->close();
}

TEST_F(AlmanacApp, CeSoirFollowsTheDocumentAndOpensItsHelpPage)
{
    CZarnDoc& doc = *app->document();
    QAction* tonight = frame->actions().action(cmd::Tonight);
    ASSERT_TRUE(tonight->isEnabled());
    EXPECT_EQ(tonight->shortcut(), QKeySequence(QStringLiteral("Ctrl+T")));
    run(cmd::Tonight);
    auto* view = window<CNuitView>();
    ASSERT_NE(view, nullptr);
    auto sameNight = [&] {
        CInstant night;
        int slider = 0;
        nightOf(doc.instant(), night, slider);
        return view->plan().night.day() == night.day() && view->plan().night.month() == night.month();
    };
    EXPECT_TRUE(sameNight());
    const std::string first = view->plan().title;
    run(cmd::NextDay);
    EXPECT_TRUE(sameNight());
    EXPECT_NE(view->plan().title, first);
    // Opened again, the one window comes to the front.
    run(cmd::Tonight);
    int windows = 0;
    for (QMdiSubWindow* w : frame->mdiArea()->subWindowList())
        windows += qobject_cast<CNuitView*>(w->widget()) != nullptr;
    EXPECT_EQ(windows, 1);
    ASSERT_EQ(visibleHelp(), nullptr);
    QTest::keyClick(view->focusWidget() ? view->focusWidget() : view, Qt::Key_F1);
    CHelpWindow* help = visibleHelp();
    ASSERT_NE(help, nullptr);
    EXPECT_EQ(help->source().fileName(), QStringLiteral("cesoir.html"));
    help->close();
}

TEST_F(AlmanacApp, CommandsOpenTheWindowsAndJourSuivantReachesThemAll)
{
    CZarnDoc& doc = *app->document();
    QAction* ephemerides = frame->actions().action(cmd::SolarSystem);
    ASSERT_TRUE(ephemerides->isEnabled());
    run(cmd::SolarSystem);
    CSystemeSolaireDlg* dialog = doc.ephemeridesDialog();
    ASSERT_NE(dialog, nullptr);
    EXPECT_FALSE(ephemerides->isEnabled());
    run(cmd::Visibility);
    auto* visibility = window<CEphemeridesView>();
    ASSERT_NE(visibility, nullptr);
    auto* sunMoon = window<CSoleilView>();
    sunMoon->showPhases();
    sunMoon->showTwilight();

    run(cmd::NextDay);
    const CInstant& now = doc.instant();
    EXPECT_EQ(dialog->dateField()->text(), dateField(now));
    EXPECT_EQ(dialog->list()->item(CSystemeSolaireDlg::kChosenRow)->text().left(10).trimmed(),
              QString::fromStdString(now.shortDateText()));
    CInstant night;
    int slider = 0;
    nightOf(now, night, slider);
    EXPECT_EQ(visibility->night().night.day(), night.day());
    EXPECT_EQ(visibility->slider()->value(), slider);
    SolarBodies copies(doc.bodies());
    EXPECT_EQ(sunMoon->day().phaseText, computeSunMoonDay(copies.sun, copies.moon, now).phaseText);
    EXPECT_TRUE(sunMoon->phasesPopup()->isVisible());
    EXPECT_TRUE(sunMoon->twilightPopup()->isVisible());

    // "&Imprimer" with the visibility chart active previews that chart, once.
    frame->mdiArea()->setActiveSubWindow(qobject_cast<QMdiSubWindow*>(visibility->parentWidget()));
    QStringList previews;
    QString helpPage;
    {
        ModalCatcher catcher;
        catcher.onDialog([&](QWidget* w) {
            if (auto* preview = qobject_cast<QPrintPreviewDialog*>(w)) {
                previews << preview->parentWidget()->metaObject()->className();
                // F1 in the preview: the printing page, not the chart's own.
                QTest::keyClick(preview, Qt::Key_F1);
                if (CHelpWindow* help = visibleHelp())
                    helpPage = help->source().fileName();
                preview->reject();
            }
        });
        run(cmd::PrintPreview);
    }
    EXPECT_EQ(previews, QStringList{QStringLiteral("zarn::CEphemeridesView")});
    EXPECT_EQ(helpPage, QStringLiteral("impression.html"));
    CHelpWindow::closeHelp();

    // Closed, the dialog can be opened again; the window that is active may
    // name the body and the date.
    dialog->close();
    QTest::qWait(10);
    EXPECT_EQ(doc.ephemeridesDialog(), nullptr);
    EXPECT_TRUE(ephemerides->isEnabled());
    auto* asking = frame->mdiArea()->addSubWindow(new AskingView);
    asking->show();
    frame->mdiArea()->setActiveSubWindow(asking);
    run(cmd::SolarSystem);
    ASSERT_NE(doc.ephemeridesDialog(), nullptr);
    EXPECT_EQ(doc.ephemeridesDialog()->bodyBox()->currentIndex(), 4);
    EXPECT_EQ(doc.ephemeridesDialog()->dateField()->text(), QStringLiteral(" 21.12.2020"));
    doc.ephemeridesDialog()->close();
    delete asking;
}

namespace {

// Every text a user reads in the program's windows.
QStringList shownTexts()
{
    QStringList texts;
    for (QWidget* top : QApplication::topLevelWidgets()) {
        if (!top->isVisible())
            continue;
        for (auto* label : top->findChildren<QLabel*>())
            texts << label->text();
        for (auto* edit : top->findChildren<QLineEdit*>())
            texts << edit->text();
        for (auto* list : top->findChildren<QListWidget*>())
            for (int i = 0; i < list->count(); ++i)
                texts << list->item(i)->text();
    }
    return texts;
}

}  // namespace

// At the equator, the polar circles, the poles and the date line, a year
// of "Jour suivant" leaves no window empty or showing an undefined number.
TEST_F(AlmanacApp, AYearOfDaysAtThePolesAndTheDateLineShowsOnlyDefinedValues)
{
    CZarnDoc& doc = *app->document();
    zarn::test::ModalCatcher catcher;
    run(cmd::SolarSystem);
    run(cmd::Visibility);
    run(cmd::Conjunction);
    run(cmd::Animation);
    run(cmd::Catalogue);
    CSoleilView* sunMoon = window<CSoleilView>();
    CConjonctionView* conjunction = window<CConjonctionView>();
    ASSERT_NE(sunMoon, nullptr);
    ASSERT_NE(conjunction, nullptr);
    const QRegularExpression undefined(QStringLiteral("\\b(nan|inf)\\b"), QRegularExpression::CaseInsensitiveOption);

    struct Place {
        double latitude;
        double longitudeWest;
        int zone;
    };
    const Place places[] = {{0.0, -180.0, 12}, {66.0, 180.0, -12}, {70.0, 0.0, 0},       {89.99, -180.0, 12},
                            {90.0, 180.0, -12}, {-89.99, 0.0, 0},  {-90.0, -180.0, 12}};
    for (const Place& place : places) {
        SCOPED_TRACE(place.latitude);
        doc.setObservatories({CLieu("Bord", place.longitudeWest, place.latitude * kRadPerDeg, place.zone, 0)});
        doc.setInstant(CInstant(1, 1, 2026, 12, 0, 0, doc.observatories().front()));
        sunMoon->showPhases();
        sunMoon->showTwilight();
        conjunction->firstList()->setCurrentIndex(1);
        conjunction->secondList()->setCurrentIndex(4);
        conjunction->showButton()->click();
        // A week at a time through the year, each step by "Jour suivant".
        for (int week = 0; week < 53; ++week) {
            doc.setInstant(addDays(CInstant(31, 12, 2025, 12, 0, 0, doc.observatories().front()), 7 * week));
            run(cmd::NextDay);
            for (const QString& text : shownTexts())
                ASSERT_FALSE(undefined.match(text).hasMatch()) << text.toStdString() << " in week " << week;
            // Each day's twilight has a row or the line saying there is none.
            EXPECT_TRUE(!sunMoon->twilightPopup()->rows().empty() ||
                        !noTwilightText(sunMoon->twilightPopup()->record()).empty())
                << "week " << week;
            if (week == 25)
                frame->grab();
        }
    }
    EXPECT_TRUE(catcher.texts.isEmpty()) << catcher.texts.join(QLatin1Char('|')).toStdString();
}
