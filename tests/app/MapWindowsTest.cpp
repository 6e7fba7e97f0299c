// SPDX-License-Identifier: GPL-3.0-or-later
// The constellation map, the catalogue browser and the search window on the
// real catalogue: a click on a star opens its map with the cursor on it, the
// browser's incremental search, and the search window's list and choices.
#include "../support/ParisProgram.h"
#include "../time/ui/ModalCatcher.h"

#include "app/CConstellationsWindow.h"
#include "ui/CHelpWindow.h"
#include "app/DialogHelp.h"
#include "app/CSettingsStore.h"
#include "app/CSkyWindow.h"
#include "app/CZarnDoc.h"
#include "ui/Hints.h"
#include "charts/ui/CConstellationsFrm.h"
#include "charts/ui/CConstellationsView.h"
#include "charts/ui/CZarnFrm.h"
#include "charts/ui/CZarnView.h"
#include "charts/ui/SkyChartSet.h"
#include "ui/CActions.h"
#include "shell/CMainFrame.h"
#include "ui/CommandIds.h"
#include "sky/CEtoile.h"
#include "sky/CConstellation.h"
#include "sky/CNouvelObjet.h"
#include "sky/DrawFlags.h"
#include "time/ZarnSettings.h"
#include "tools/CatalogueList.h"
#include "tools/ui/CCatalogueView.h"
#include "tools/ui/CChercherView.h"

#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QMdiArea>
#include <QMessageBox>
#include <QPushButton>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

#include <memory>

using namespace zarn;

namespace {

class CountingView : public CDocView {
public:
    void OnUpdate(CDocView*, unsigned hint, void*) override { hints.push_back(hint); }
    ViewKind viewKind() const override { return ViewKind::Animation; }
    std::vector<unsigned> hints;
};

// The program's document on the catalogue, in Paris on 15 December 2026 at
// 19.00: Véga low in the north-west, Orion rising in the east.
class MapWindows : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        store = std::make_unique<CSettingsStore>(dir.filePath(QStringLiteral("ZARN.INI")));
        zarn::test::saveParisSettings(*store);
        frame = std::make_unique<CMainFrame>();
        frame->resize(1280, 800);
        doc = new CZarnDoc(*frame, programWindowKinds(), QStringLiteral(ZARN_DATA_DIR), *store);
        doc->setMinimumSplashMs(0);
        ASSERT_TRUE(doc->load());
        QObject::connect(&frame->actions(), &CActions::triggered, doc, &CZarnDoc::onCommand);
        doc->instant() = CInstant(15, 12, 2026, 19, 0, 0, doc->observatories().front());
        doc->recomputeSky();
        frame->show();
        doc->openWindow(ViewKind::Sky);
    }

    CAstre* named(const std::string& name) const
    {
        const auto& names = doc->sky().ciel().names();
        const auto found = names.find(name);
        return found == names.end() ? nullptr : found->second;
    }
    CZarnView& skyView() { return dynamic_cast<CSkyWindow&>(*frame->skyFrame()).skyFrame().View(); }
    template <class View> View* open(ViewKind kind)
    {
        auto* view = dynamic_cast<View*>(doc->openWindow(kind).view);
        if (view)
            QApplication::processEvents();
        return view;
    }

    QTemporaryDir dir;
    std::unique_ptr<CSettingsStore> store;
    std::unique_ptr<CMainFrame> frame;
    CZarnDoc* doc = nullptr;  // owned by the frame
};

TEST_F(MapWindows, ClickOnAStarOpensItsMapWithTheCursorOnItAndItsNameShown)
{
    CAstre* vega = named("Véga");
    ASSERT_NE(vega, nullptr);
    CZarnView& sky = skyView();
    sky.viewport()->grab();  // paints: the chart places its stars
    const PlacedObject* placed = doc->charts()->WholeSky().ScreenPlacementOf(vega);
    ASSERT_NE(placed, nullptr);
    const SPoint origin{-sky.ToChart({0, 0}).x, -sky.ToChart({0, 0}).y};
    QTest::mouseClick(sky.viewport(), Qt::LeftButton, {}, QPoint(placed->x + origin.x, placed->y + origin.y));

    auto* map = dynamic_cast<CConstellationsWindow*>(frame->mdiArea()->activeSubWindow());
    ASSERT_NE(map, nullptr);
    EXPECT_EQ(map->windowTitle(), QStringLiteral("  Lyre  -  Lyra  -  Lyrae"));
    CConstellationsView& view = map->view();
    view.grab();  // the first paint names what lies under the cursor
    EXPECT_EQ(view.LabelText(), "Véga");
    EXPECT_TRUE(map->mapFrame().StatusText(0).startsWith(QStringLiteral("    Alpha  LYR  -  m 0.0")))
        << map->mapFrame().StatusText(0).toStdString();
    EXPECT_EQ(map->mapFrame().StatusText(1), QStringLiteral("  Lyre"));

    // A second click, a little beside another star, reuses the one map,
    // centred on that star with its name shown.
    CAstre* deneb = named("Deneb");
    const PlacedObject* other = doc->charts()->WholeSky().ScreenPlacementOf(deneb);
    ASSERT_NE(other, nullptr);
    QTest::mouseClick(sky.viewport(), Qt::LeftButton, {}, QPoint(other->x + origin.x + 2, other->y + origin.y - 2));
    EXPECT_EQ(map->windowTitle().left(8), QStringLiteral("  Cygne "));
    view.grab();
    EXPECT_EQ(view.LabelText(), "Deneb");
    int maps = 0;
    for (QMdiSubWindow* w : frame->mdiArea()->subWindowList())
        maps += dynamic_cast<CConstellationsWindow*>(w) != nullptr;
    EXPECT_EQ(maps, 1);
}

TEST_F(MapWindows, GridAndFigureTogglesConcernTheActiveMapOnly)
{
    const CConstellation* orion = doc->sky().ciel().findLast("Orion");
    ASSERT_NE(orion, nullptr);
    CConstellationsWindow* map = CConstellationsWindow::showMap(*doc, *orion, 1.5, 0.1);
    ASSERT_NE(map, nullptr);
    QApplication::processEvents();
    doc->updateCommandStates();
    QAction* grid = frame->actions().action(cmd::Grid);
    ASSERT_TRUE(grid->isEnabled());
    grid->trigger();
    map->view().grab();
    EXPECT_TRUE(map->view().LastDrawFlags() & draw::kGrid);
    const std::array<int, 6> before = doc->options().figureFlags;
    frame->actions().action(cmd::Figures)->trigger();
    EXPECT_EQ(doc->options().figureFlags[3], 1 - before[3]);
    EXPECT_EQ(doc->options().figureFlags[0], before[0]);
    map->view().grab();
    EXPECT_EQ(bool(map->view().LastDrawFlags() & draw::kFigures), bool(doc->options().figureFlags[3]));
}

TEST_F(MapWindows, CatalogueSearchSelectsAsTheUserTypesAndShowsTheMap)
{
    frame->actions().action(cmd::Catalogue)->trigger();
    QApplication::processEvents();
    auto* catalogue = open<CCatalogueView>(ViewKind::Catalogue);
    ASSERT_NE(catalogue, nullptr);
    EXPECT_EQ(QApplication::focusWidget(), &catalogue->searchField());
    QListWidget& list = catalogue->list();

    catalogue->kindBox().setCurrentIndex(2);
    ASSERT_GT(list.count(), 200);
    // A text past every line selects the last one.
    catalogue->searchField().setText(QStringLiteral("zzzz"));
    EXPECT_EQ(list.currentRow(), list.count() - 1);
    EXPECT_TRUE(catalogue->showButton().isEnabled());
    // Clearing the text removes the selection and disables the button.
    catalogue->searchField().clear();
    EXPECT_TRUE(list.selectedItems().isEmpty());
    EXPECT_FALSE(catalogue->showButton().isEnabled());

    // Typed as a user would, accents and case ignored; the text stays typed.
    catalogue->searchField().setFocus();
    QTest::keyClicks(&catalogue->searchField(), QStringLiteral("b"));
    catalogue->searchField().insert(QStringLiteral("é"));
    QTest::keyClicks(&catalogue->searchField(), QStringLiteral("t"));
    ASSERT_GE(list.currentRow(), 0);
    EXPECT_TRUE(list.currentItem()->text().startsWith(QStringLiteral("Bételgeuse*")));
    EXPECT_EQ(catalogue->searchField().text(), QStringLiteral("bét"));
    QTest::keyClick(&catalogue->searchField(), Qt::Key_Return);
    auto* map = dynamic_cast<CConstellationsWindow*>(frame->mdiArea()->activeSubWindow());
    ASSERT_NE(map, nullptr);
    EXPECT_EQ(map->view().Constellation()->name(), "Orion");
    map->view().grab();
    EXPECT_EQ(map->view().LabelText(), "Bételgeuse");

    // A click on a line copies its first column into the field.
    catalogue->kindBox().setCurrentIndex(3);
    list.setCurrentRow(1);
    EXPECT_EQ(catalogue->searchField().text(), list.item(1)->text().section(QLatin1Char('*'), 0, 0));

    // The longer caption of the details button is shown whole.
    for (const QPushButton* button : catalogue->findChildren<QPushButton*>())
        EXPECT_GE(button->width(), button->sizeHint().width()) << button->text().toStdString();
    // A Messier number finds its object under its own name; numbers sort by value.
    catalogue->searchField().setText(QStringLiteral("M 31"));
    ASSERT_GE(list.currentRow(), 0);
    EXPECT_TRUE(list.currentItem()->text().startsWith(QStringLiteral("Galaxie d'Andromède*")));
    const auto rowOf = [&list](const char* name) {
        return list.row(list.findItems(QString::fromUtf8(name), Qt::MatchStartsWith).value(0));
    };
    EXPECT_LT(rowOf("M 4*"), rowOf("M 39*"));
    EXPECT_LT(rowOf("M 39*"), rowOf("M 110*"));

    // F1 opens the browser's own help page.
    DialogHelp filter;
    catalogue->searchField().installEventFilter(&filter);
    QTest::keyClick(&catalogue->searchField(), Qt::Key_F1);
    CHelpWindow* help = nullptr;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* h = qobject_cast<CHelpWindow*>(w); h && h->isVisible())
            help = h;
    ASSERT_NE(help, nullptr);
    EXPECT_EQ(help->source().fileName(), QStringLiteral("catalogue.html"));
    help->close();
}

TEST_F(MapWindows, SearchListsNamedObjectsButNeverUserObjects)
{
    auto object = std::make_unique<CNouvelObjet>(10.0, 20.0, "*Ma comète", 0);
    doc->sky().addUserObject(std::move(object));
    doc->recomputeSky();
    ASSERT_TRUE(named("Ma comète")) << "the user object has a name";
    auto* search = open<CChercherView>(ViewKind::Chercher);
    ASSERT_NE(search, nullptr);
    EXPECT_TRUE(search->list().findItems(QStringLiteral(" Ma comète"), Qt::MatchExactly).isEmpty());
    EXPECT_EQ(search->list().findItems(QStringLiteral(" Véga"), Qt::MatchExactly).size(), 1);
    EXPECT_EQ(static_cast<std::size_t>(search->list().count()), doc->sky().ciel().names().size() - 1);
    // The start-up windows side by side: sky, Sun and Moon, search.
    doc->openWindow(ViewKind::Soleil);
    const QList<QMdiSubWindow*> windows = frame->mdiArea()->subWindowList();
    ASSERT_EQ(windows.size(), 3);
    for (QMdiSubWindow* a : windows)
        for (QMdiSubWindow* b : windows)
            EXPECT_TRUE(a == b || !a->geometry().intersects(b->geometry()))
                << a->windowTitle().toStdString() << " / " << b->windowTitle().toStdString();
}

TEST_F(MapWindows, TypingAndArrowsMoveThroughTheSearchListAndOnlyAChoiceTurnsTheSky)
{
    auto* search = open<CChercherView>(ViewKind::Chercher);
    ASSERT_NE(search, nullptr);
    QListWidget& list = search->list();
    const int pause = QApplication::keyboardInputInterval() + 100;
    list.setFocus();
    // The names passed while typing or with the arrows are not chosen ("m"
    // stops on M 10, below the horizon, whose box would be raised).
    zarn::test::ModalCatcher catcher;
    const CAstre* before = doc->viewedObject();
    QTest::keyClicks(&list, QStringLiteral("m 31"));
    QTest::qWait(pause);
    ASSERT_NE(list.currentItem(), nullptr);
    EXPECT_EQ(list.currentItem()->text(), QStringLiteral(" Galaxie d'Andromède"));
    EXPECT_EQ(doc->viewedObject(), before);
    QTest::keyClick(&list, Qt::Key_Return);
    EXPECT_EQ(doc->viewedObject(), named("Galaxie d'Andromède"));
    QTest::keyClicks(&list, QStringLiteral("veg"));
    QTest::qWait(pause);
    EXPECT_EQ(list.currentItem()->text(), QStringLiteral(" Véga"));
    EXPECT_EQ(doc->viewedObject(), named("Galaxie d'Andromède"));
    QTest::keyClick(&list, Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_EQ(doc->viewedObject(), named("Véga"));
    // Nonsense leaves the line where it was.
    QTest::keyClicks(&list, QStringLiteral("qxz#"));
    QTest::qWait(pause);
    EXPECT_EQ(list.currentItem()->text(), QStringLiteral(" Véga"));
    // The arrows pass objects below the horizon without a box.
    for (int step = 0; step < 40; ++step)
        QTest::keyClick(&list, step < 20 ? Qt::Key_Up : Qt::Key_PageDown);
    EXPECT_EQ(doc->viewedObject(), named("Véga"));
    EXPECT_TRUE(catcher.texts.isEmpty());

    // A click, or a double click, on a line chooses it.
    const auto lineRect = [&list](const char* name) {
        QListWidgetItem* item = list.findItems(QString::fromUtf8(name), Qt::MatchExactly).front();
        list.scrollToItem(item);
        return list.visualItemRect(item).center();
    };
    QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, lineRect(" Deneb"));
    EXPECT_EQ(doc->viewedObject(), named("Deneb"));
    // The press of a double click only moves to the line; the double click chooses.
    const QPoint vega = lineRect(" Véga");
    QTest::mousePress(list.viewport(), Qt::LeftButton, {}, vega);
    EXPECT_EQ(doc->viewedObject(), named("Deneb"));
    QTest::mouseDClick(list.viewport(), Qt::LeftButton, {}, vega);
    EXPECT_EQ(doc->viewedObject(), named("Véga"));
    EXPECT_TRUE(catcher.texts.isEmpty());
}

TEST_F(MapWindows, TheSearchFieldFiltersTheNamesAndReturnChoosesAndMarksTheFirstShown)
{
    auto* search = open<CChercherView>(ViewKind::Chercher);
    ASSERT_NE(search, nullptr);
    QListWidget& list = search->list();
    QLineEdit& field = search->filterField();
    search->setFocus();
    EXPECT_EQ(search->focusWidget(), &field);
    const auto shownRows = [&list] {
        std::vector<int> rows;
        for (int row = 0; row < list.count(); ++row)
            if (!list.isRowHidden(row))
                rows.push_back(row);
        return rows;
    };
    const auto shown = [&] {
        QStringList texts;
        for (int row : shownRows())
            texts << list.item(row)->text();
        return texts;
    };
    // Accents and case ignored, at the start of any word of the name.
    QTest::keyClicks(&field, QStringLiteral("betelgeuse"));
    EXPECT_EQ(shown(), QStringList{QStringLiteral(" Bételgeuse")});
    field.setText(QStringLiteral("andromede"));
    EXPECT_TRUE(shown().contains(QStringLiteral(" Galaxie d'Andromède"))) << shown().join('|').toStdString();
    // A Messier designation, however it is typed, shows its object only.
    for (const char* typed : {"M 42", "M42", "m42"}) {
        field.setText(QString::fromUtf8(typed));
        ASSERT_FALSE(shownRows().empty()) << typed;
        for (int row : shownRows())
            EXPECT_EQ(messierNumber(dynamic_cast<const CEtoile&>(*search->objectAt(row))), 42) << typed;
    }

    // Return chooses the first name shown: the sky turns to it, marks and
    // describes it.
    field.setText(QStringLiteral("VEGA"));
    ASSERT_FALSE(shown().isEmpty());
    EXPECT_EQ(shown().front(), QStringLiteral(" Véga"));
    QTest::keyClick(&field, Qt::Key_Return);
    CAstre* vega = named("Véga");
    EXPECT_EQ(doc->viewedObject(), vega);
    skyView().viewport()->grab();
    EXPECT_EQ(skyView().Description().name, "Véga");
    EXPECT_EQ(doc->charts()->SelectedObject(), vega);

    // Nothing answers: the list is empty and Return chooses nothing.
    zarn::test::ModalCatcher catcher;
    field.setText(QStringLiteral("qxz"));
    EXPECT_TRUE(shownRows().empty());
    QTest::keyClick(&field, Qt::Key_Return);
    EXPECT_EQ(doc->viewedObject(), vega);
    EXPECT_TRUE(catcher.texts.isEmpty());
    // Down goes into the list, on the first name the filter shows.
    field.setText(QStringLiteral("den"));
    ASSERT_FALSE(shownRows().empty());
    QTest::keyClick(&field, Qt::Key_Down);
    EXPECT_EQ(search->focusWidget(), &list);
    EXPECT_EQ(list.currentRow(), shownRows().front());
    EXPECT_EQ(doc->viewedObject(), vega);
    // Up from the first of them goes back to the field.
    QTest::keyClick(&list, Qt::Key_Up);
    EXPECT_EQ(search->focusWidget(), &field);
    // Escape empties the field: every name is shown again.
    QTest::keyClick(&field, Qt::Key_Escape);
    EXPECT_TRUE(field.text().isEmpty());
    EXPECT_EQ(static_cast<int>(shownRows().size()), list.count());
}

TEST_F(MapWindows, ChoosingAnObjectTurnsTheSkyTowardsItOnceAndARefillKeepsTheList)
{
    auto* search = open<CChercherView>(ViewKind::Chercher);
    ASSERT_NE(search, nullptr);
    CountingView counter;
    doc->AddView(&counter);
    QListWidget& list = search->list();
    const int vegaRow = list.row(list.findItems(QStringLiteral(" Véga"), Qt::MatchExactly).front());
    list.setCurrentRow(vegaRow);
    search->choose();
    EXPECT_EQ(doc->viewedObject(), named("Véga"));
    EXPECT_EQ(doc->skyTitle(), QStringLiteral("Véga"));
    EXPECT_EQ(counter.hints.size(), 1u);
    // Choosing it again changes nothing.
    list.clearSelection();
    list.setCurrentRow(vegaRow);
    search->choose();
    EXPECT_EQ(counter.hints.size(), 1u);

    // A new date keeps the line selected and the list where it was.
    list.verticalScrollBar()->setValue(vegaRow - 3);
    const int top = list.verticalScrollBar()->value();
    frame->actions().action(cmd::NextDay)->trigger();
    ASSERT_EQ(doc->viewedObject(), named("Véga"));
    EXPECT_EQ(list.currentRow(), vegaRow);
    EXPECT_EQ(list.verticalScrollBar()->value(), top);
    // Another chart drops the object to find and the selection.
    frame->actions().action(cmd::WholeSky)->trigger();
    EXPECT_EQ(doc->viewedObject(), nullptr);
    EXPECT_TRUE(list.selectedItems().isEmpty());

    // An object below the horizon is refused with the box.
    zarn::test::ModalCatcher catcher;
    list.setCurrentRow(list.row(list.findItems(QStringLiteral(" Acrux"), Qt::MatchExactly).front()));
    EXPECT_TRUE(catcher.texts.isEmpty());
    search->choose();
    ASSERT_EQ(catcher.texts.size(), 1);
    const QString text = catcher.texts.front();
    EXPECT_TRUE(text.contains(QStringLiteral("Acrux\n     n'est pas visible."))) << text.toStdString();
    EXPECT_EQ(doc->viewedObject(), nullptr);
    doc->RemoveView(&counter);
}

}  // namespace
