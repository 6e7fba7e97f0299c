// SPDX-License-Identifier: GPL-3.0-or-later
// The conjunction and opposition window: the two lists, the searches as the
// command line gives them, the zoom, the mode switch and the context menu.
#include "ToolWindowFixture.h"

#include "../../calc/CalcRunner.h"
#include "ui/CHelpWindow.h"
#include "app/DialogHelp.h"
#include "charts/CChartPanel.h"
#include "ui/CommandIds.h"

#include <QComboBox>
#include <QPushButton>
#include <QApplication>
#include <QMouseEvent>
#include <QTest>

using namespace zarn;
using zarn::test::ToolWindows;

namespace {

QStringList items(const QComboBox* list)
{
    QStringList texts;
    for (int i = 0; i < list->count(); ++i)
        texts << list->itemText(i);
    return texts;
}

void choose(QComboBox* list, const char* text) { list->setCurrentIndex(list->findText(QString::fromUtf8(text))); }

const std::string kParis = " --lon 2.20E --lat 48.51N --zone 1 --dst 1 --name Paris";

// The first line zarn-calc prints for the same search from the same date.
std::string calcLine(const std::string& arguments, const CInstant& date)
{
    const CalcResult r = runCalc(arguments + " --date " + date.shortDateText() + " --time 0.00" + kParis);
    return r.out.substr(0, r.out.find('\n'));
}

}  // namespace

TEST_F(ToolWindows, EachListLeavesOutTheBodyChosenInTheOtherAndKeepsItsOwnChoice)
{
    auto* view = open<CConjonctionView>(ViewKind::Conjonction);
    ASSERT_NE(view, nullptr);
    EXPECT_FALSE(view->showButton()->isEnabled());
    choose(view->secondList(), " Mars");
    choose(view->firstList(), " Vénus");
    EXPECT_FALSE(items(view->secondList()).contains(QString::fromUtf8(" Vénus")));
    EXPECT_EQ(items(view->secondList()).size(), 5);
    EXPECT_EQ(view->secondList()->currentText(), QStringLiteral(" Mars"));
    EXPECT_FALSE(items(view->firstList()).contains(QStringLiteral(" Mars")));
    EXPECT_TRUE(view->showButton()->isEnabled());
    EXPECT_FALSE(view->nextButton()->isEnabled());
}

TEST_F(ToolWindows, ConjunctionsAgreeWithTheCommandLineAndZoomOnlyForClosePairs)
{
    setDate(22, 12, 2020);
    auto* view = open<CConjonctionView>(ViewKind::Conjonction);
    ASSERT_NE(view, nullptr);
    choose(view->firstList(), " Jupiter");
    choose(view->secondList(), " Saturne");
    view->showButton()->click();
    // Just after the great conjunction of 2020 the next is twenty years on.
    ASSERT_TRUE(view->result().has_value());
    EXPECT_EQ(view->result()->found.event.year(), 2040);
    EXPECT_EQ(view->eventText().toStdString() + "\n" + view->closestText().toStdString() + "\n",
              runCalc("conjunction Jupiter Saturne --date 22.12.2020 --time 0.00" + kParis).out);
    EXPECT_FALSE(view->showButton()->isEnabled());
    EXPECT_TRUE(view->nextButton()->isEnabled());
    EXPECT_EQ(view->zoomButton()->isVisibleTo(view), view->result()->found.separation < 1.5 * 0.0174532925199433);

    // The Moon and Venus in December 2021: to the minute, 1° 53' apart, no zoom.
    setDate(1, 12, 2021);
    choose(view->firstList(), " Vénus");
    choose(view->secondList(), " Lune");
    view->showButton()->click();
    ASSERT_TRUE(view->result().has_value());
    EXPECT_EQ(view->eventText().toStdString(), calcLine("conjunction Vénus Lune", doc->instant()));
    EXPECT_GT(view->result()->found.separation, 1.5 * 0.0174532925199433);
    EXPECT_FALSE(view->zoomButton()->isVisibleTo(view));

    // From 1 June 2020 the pair meets at 0.1°: the zoom shows its own chart.
    setDate(1, 6, 2020);
    choose(view->firstList(), " Jupiter");
    choose(view->secondList(), " Saturne");
    view->showButton()->click();
    ASSERT_TRUE(view->zoomButton()->isVisibleTo(view));
    EXPECT_FALSE(view->zoomPanel().isVisibleTo(view));
    EXPECT_EQ(view->caption(), "Conjonction Jupiter-Saturne  le 21 décembre 2020  à  18h");
    view->zoomButton()->click();
    EXPECT_EQ(view->zoomButton()->text(), QStringLiteral(">  &Zoom  <"));
    EXPECT_TRUE(view->zoomPanel().isVisibleTo(view));
    view->nextButton()->click();
    EXPECT_EQ(view->result()->found.event.year(), 2040);
    EXPECT_EQ(view->zoomButton()->text(), QStringLiteral("<  &Zoom  >"));

    // Past the program's years: a French line, and nothing left to follow.
    setDate(1, 12, 2099);
    choose(view->firstList(), " Vénus");
    choose(view->secondList(), " Lune");
    view->showButton()->click();
    ASSERT_TRUE(view->result().has_value());
    EXPECT_EQ(view->result()->found.event.month(), 12);
    view->nextButton()->click();
    EXPECT_FALSE(view->result().has_value());
    EXPECT_EQ(view->eventText(), QStringLiteral("Aucune conjonction trouvée avant 2100"));
    EXPECT_FALSE(view->nextButton()->isEnabled());
    // and the chart no longer shows the last event.
    EXPECT_EQ(static_cast<CCarteConjonction&>(view->chartPanel().Chart()).Reference(), nullptr);
    EXPECT_FALSE(view->zoomButton()->isVisibleTo(view));
}

TEST_F(ToolWindows, OppositionModeFollowsTheCommandAndItsNextAgreesWithTheCommandLine)
{
    setDate(1, 1, 2003);
    auto* view = open<CConjonctionView>(ViewKind::Conjonction);
    ASSERT_NE(view, nullptr);
    choose(view->firstList(), " Mars");
    doc->onCommand(cmd::Opposition);
    EXPECT_EQ(view->mode(), CConjonctionView::OppositionMode);
    EXPECT_FALSE(view->firstList()->isVisibleTo(view));
    EXPECT_EQ(view->eventText(), QStringLiteral("opposition"));
    choose(view->planetList(), " Mars");
    view->showButton()->click();
    EXPECT_EQ(view->eventText().toStdString(), calcLine("opposition Mars", doc->instant()));
    view->nextButton()->click();
    EXPECT_EQ(view->eventText().toStdString(), calcLine("opposition Mars --next 1", doc->instant()));
    EXPECT_EQ(view->result()->found.event.year(), 2005);
    // Jupiter and Saturn come back to opposition about a year later.
    for (const char* planet : {" Jupiter", " Saturne"}) {
        choose(view->planetList(), planet);
        view->showButton()->click();
        ASSERT_TRUE(view->result().has_value());
        const double first = view->result()->found.event.julianDay();
        view->nextButton()->click();
        ASSERT_TRUE(view->result().has_value());
        EXPECT_NEAR(view->result()->found.event.julianDay() - first, 390.0, 15.0) << planet;
    }
    // Opposition again: the window stays as it is; conjunction switches back.
    doc->onCommand(cmd::Opposition);
    EXPECT_TRUE(view->result().has_value());
    doc->onCommand(cmd::Conjunction);
    EXPECT_EQ(view->mode(), CConjonctionView::ConjunctionMode);
    EXPECT_FALSE(view->result().has_value());
}

TEST_F(ToolWindows, ContextMenuOffersTheEphemeridesOfEachBodyAtTheEventDate)
{
    setDate(1, 1, 2003);
    auto* view = open<CConjonctionView>(ViewKind::Conjonction);
    ASSERT_NE(view, nullptr);
    int body = -1;
    CDateHeure date;
    EXPECT_FALSE(view->ephemeridesRequest(&body, &date));
    choose(view->firstList(), " Lune");
    choose(view->secondList(), " Vénus");
    view->showButton()->click();
    ASSERT_TRUE(view->result().has_value());
    EXPECT_EQ(view->contextMenuTexts(),
              (QStringList{QStringLiteral("&Figure constellations"), QString::fromUtf8("Éphémérides Vénus"),
                           QString::fromUtf8("Éphémérides Lune"), QStringLiteral("&Imprimer")}));
    view->requestEphemerides(kVenus);
    ASSERT_TRUE(view->ephemeridesRequest(&body, &date));
    EXPECT_EQ(body, kVenus);
    EXPECT_EQ(date.day(), 28);
    EXPECT_EQ(date.month(), 1);
    // The chart is drawn at the event, centred on the planet.
    view->resize(760, 460);
    view->chartPanel().Render();
    auto& chart = static_cast<CCarteConjonction&>(view->chartPanel().Chart());
    ASSERT_NE(chart.Reference(), nullptr);
    EXPECT_EQ(chart.Reference()->GetName(), "Vénus");
    const PlacedObject* venus = chart.ScreenPlacementOf(chart.Reference());
    ASSERT_NE(venus, nullptr);
    EXPECT_EQ(venus->x, 0);
    EXPECT_EQ(venus->y, 0);
    // Resting on the planet names it after the pause.
    CChartPanel& panel = view->chartPanel();
    const QPoint centre(kPanelFrame - panel.ChartRect().left, kPanelFrame - panel.ChartRect().top);
    QMouseEvent move(QEvent::MouseMove, centre, panel.mapToGlobal(centre), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(&panel, &move);
    EXPECT_TRUE(panel.HoverTimerActive());
    EXPECT_TRUE(panel.LabelText().empty());
    QTest::qWait(400);
    EXPECT_EQ(panel.LabelText(), "Vénus");

    // F1 in one of its lists opens this window's help page.
    DialogHelp help;
    qApp->installEventFilter(&help);
    QTest::keyClick(view->firstList(), Qt::Key_F1);
    qApp->removeEventFilter(&help);
    CHelpWindow* page = nullptr;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* h = qobject_cast<CHelpWindow*>(w); h && h->isVisible())
            page = h;
    ASSERT_NE(page, nullptr);
    EXPECT_EQ(page->source().fileName(), QStringLiteral("conjonction.html"));
    page->close();
}
