// SPDX-License-Identifier: GPL-3.0-or-later
// The chart options sheet on the document: what OK hands back and which hint
// follows, what Cancel leaves alone, the checks of a typed position, and the
// user objects through a restart of the program.
#include "../support/HintLog.h"
#include "../support/ParisProgram.h"
#include "../support/RecordingSurface.h"
#include "../time/ui/ModalCatcher.h"

#include "ui/CHelpWindow.h"
#include "app/CSettingsStore.h"
#include "app/DialogHelp.h"
#include "app/CZarnDoc.h"
#include "ui/Hints.h"
#include "app/options/COptionsCarte.h"
#include "app/options/COptionsCouleurs.h"
#include "app/options/COptionsNoms.h"
#include "app/options/COptionsNouveauxObjets.h"
#include "app/options/COptionsObjets.h"
#include "app/options/CPreviewPicture.h"
#include "charts/ui/SkyChartSet.h"
#include "ui/CActions.h"
#include "shell/CMainFrame.h"
#include "ui/CommandIds.h"
#include "sky/CConstellation.h"
#include "sky/CNouvelObjet.h"
#include "sky/DrawFlags.h"
#include "sky/SkyColourScale.h"
#include "settings/ZarnSettings.h"

#include <QAction>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

#include <csignal>
#include <functional>
#include <memory>
#include <sys/resource.h>

using namespace zarn;
using zarn::test::HintLog;
using zarn::test::ModalCatcher;

namespace {

QByteArray contents(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void typeObject(COptionsNouveauxObjets& page, const QString& name, const QString& ra, const QString& dec, int symbol)
{
    page.nameField()->setText(name);
    page.rightAscensionField()->setText(ra);
    page.declinationField()->setText(dec);
    page.symbolButton(symbol)->click();
    page.addButton()->click();
}

// A program folder of its own: the data files, a settings file with Paris,
// and the OBJETS.ZAR the document writes.
class ChartOptions : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        zarn::test::copyDataFiles(dir.path());
        store = std::make_unique<CSettingsStore>(dir.filePath(QStringLiteral("ZARN.INI")));
        zarn::test::saveParisSettings(*store);
    }

    void start()
    {
        frame = std::make_unique<CMainFrame>();
        doc = new CZarnDoc(*frame, WindowKinds{}, dir.path(), *store);
        doc->setMinimumSplashMs(0);
        ASSERT_TRUE(doc->load());
        doc->AddView(&log);
    }

    void restart()
    {
        ASSERT_TRUE(doc->close());
        doc->RemoveView(&log);
        frame.reset();
        start();
    }

    // Runs the command; the sheet is handed to act, then closed with OK or Annuler.
    void runSheet(const std::function<void(COptionsCarte&)>& act, bool ok)
    {
        ModalCatcher catcher;
        bool done = false;
        catcher.onDialog([&](QWidget* w) {
            auto* sheet = qobject_cast<COptionsCarte*>(w);
            if (!sheet || done)
                return;
            done = true;
            act(*sheet);
            ok ? sheet->accept() : sheet->reject();
        });
        doc->onCommand(cmd::ChartOptions);
        ASSERT_TRUE(done);
    }

    std::vector<CAstre*> userObjects() const { return doc->sky().userObjects()->objects(); }
    QString objectsFile() const { return dir.filePath(QStringLiteral("OBJETS.ZAR")); }

    QTemporaryDir dir;
    std::unique_ptr<CSettingsStore> store;
    std::unique_ptr<CMainFrame> frame;
    CZarnDoc* doc = nullptr;  // owned by the frame
    HintLog log;
};

}  // namespace

TEST_F(ChartOptions, CancelAfterAddingLeavesTheOptionsTheChartsAndTheFileAsTheyWere)
{
    start();
    runSheet([](COptionsCarte& s) { typeObject(*s.userObjectPage(), "Ancienne", "3.00", "10.00", 1); }, true);
    ASSERT_TRUE(doc->close());
    const QByteArray before = contents(objectsFile());
    ASSERT_FALSE(before.isEmpty());
    const std::vector<CAstre*> objects = userObjects();
    const DisplayOptions options = doc->options();
    const QColor sky = frame->programPalette().skyColour();
    log.hints.clear();

    runSheet(
        [](COptionsCarte& s) {
            s.colourPage()->slider()->setValue(35);
            s.colourPage()->whiteButton()->click();
            s.tabs()->setCurrentIndex(1);
            s.objectPage()->box(0)->click();
            s.objectPage()->box(3)->click();
            s.tabs()->setCurrentIndex(2);
            typeObject(*s.userObjectPage(), "Nouvelle", "4.00", "-10.00", 2);
            ASSERT_EQ(s.userObjectPage()->list()->count(), 2);
        },
        false);
    EXPECT_TRUE(log.hints.empty());
    EXPECT_EQ(userObjects(), objects);
    EXPECT_EQ(doc->options().skyColour, options.skyColour);
    EXPECT_EQ(doc->options().starColouring, options.starColouring);
    EXPECT_EQ(doc->options().showSun, 1);
    EXPECT_EQ(doc->options().showEcliptic, options.showEcliptic);
    EXPECT_EQ(frame->programPalette().skyColour(), sky);
    ASSERT_TRUE(doc->close());
    EXPECT_EQ(contents(objectsFile()), before);
}

TEST_F(ChartOptions, OkHandsBackTheOptionsAndTellsWhetherTheObjectsWereMadeAgain)
{
    start();
    doc->updateCommandStates();
    EXPECT_TRUE(frame->actions().action(cmd::ChartOptions)->isEnabled());
    runSheet(
        [](COptionsCarte& s) {
            ASSERT_EQ(s.tabs()->count(), 4);
            EXPECT_EQ(s.tabs()->tabText(0), QStringLiteral(" Couleurs"));
            EXPECT_EQ(s.tabs()->tabText(1), QStringLiteral(" Objets Spéciaux"));
            EXPECT_EQ(s.tabs()->tabText(2), QStringLiteral(" Ajouter des Objets"));
            EXPECT_EQ(s.tabs()->tabText(3), QStringLiteral(" Noms et grilles"));
            EXPECT_EQ(s.windowTitle(), QStringLiteral(" Options carte"));
            // F1 shows the sheet's page in front of it, usable while it is open.
            DialogHelp filter;
            s.colourPage()->slider()->installEventFilter(&filter);
            QTest::keyClick(s.colourPage()->slider(), Qt::Key_F1);
            auto* help = s.findChild<CHelpWindow*>();
            ASSERT_NE(help, nullptr);
            EXPECT_TRUE(help->isVisible());
            EXPECT_EQ(help->source().fileName(), QStringLiteral("options.html"));
            s.colourPage()->slider()->setValue(35);
            s.colourPage()->whiteButton()->click();
            s.objectPage()->box(4)->click();
            // The limit slider follows its box.
            EXPECT_FALSE(s.namesPage()->limit()->isEnabled());
            s.namesPage()->stars()->click();
            EXPECT_TRUE(s.namesPage()->limit()->isEnabled());
            s.namesPage()->limit()->setValue(32);
            s.namesPage()->bodies()->click();
            s.namesPage()->equatorialGrid()->click();
        },
        true);
    EXPECT_EQ(log.hints, std::vector<unsigned>{hint::Options});
    EXPECT_EQ(doc->options().names, (ScreenNameOptions{0, 1, 32, 0}));
    EXPECT_EQ(doc->options().grid, (SkyGridOptions{0, 1}));
    EXPECT_EQ(doc->options().skyColour, 0x22446Au);
    EXPECT_EQ(doc->options().skyColourIndex, 35);
    EXPECT_EQ(doc->options().starColouring, 0);
    EXPECT_EQ(doc->options().showEquator, 0);
    EXPECT_EQ(doc->options().showEcliptic, 1);
    EXPECT_EQ(frame->programPalette().skyColour(), QColor(34, 68, 106));

    // Adding and removing the same line still counts as a change.
    log.hints.clear();
    doc->sky().setUserObjectsModified(false);
    runSheet(
        [](COptionsCarte& s) {
            COptionsNouveauxObjets& page = *s.userObjectPage();
            typeObject(page, "Passagère", "1.00", "1.00", 0);
            page.list()->item(0)->setSelected(true);
            EXPECT_TRUE(page.removeButton()->isEnabled());
            page.removeButton()->click();
        },
        true);
    EXPECT_EQ(log.hints, std::vector<unsigned>{hint::UserObjects});
    EXPECT_TRUE(userObjects().empty());
    EXPECT_TRUE(doc->sky().userObjectsModified());
}

TEST(UserObjectPage, TypedPositionsAreCheckedAndTheButtonsFollowTheFields)
{
    COptionsNouveauxObjets page({entryFromFields("5.00", "5.00", "Existant", 3)}, nullptr);
    page.show();
    ASSERT_EQ(page.list()->item(0)->text(), QStringLiteral("5.00/5.00/Existant"));
    EXPECT_EQ(page.list()->item(0)->data(Qt::UserRole).toInt(), 3);
    EXPECT_FALSE(page.addButton()->isEnabled());
    EXPECT_FALSE(page.removeButton()->isEnabled());
    // Letters never reach the position fields; only the declination takes "-".
    QTest::keyClicks(page.rightAscensionField(), "1a2-.3");
    EXPECT_EQ(page.rightAscensionField()->text(), QStringLiteral("12.3"));
    EXPECT_FALSE(page.addButton()->isEnabled());
    QTest::keyClicks(page.declinationField(), "-5.20x");
    EXPECT_EQ(page.declinationField()->text(), QStringLiteral("-5.20"));
    EXPECT_TRUE(page.addButton()->isEnabled());
    EXPECT_TRUE(page.addButton()->isDefault());

    ModalCatcher catcher;
    page.nameField()->setText(QStringLiteral("Comète"));
    page.addButton()->click();
    page.declinationField()->setText(QStringLiteral("90.30"));
    page.rightAscensionField()->setText(QStringLiteral("24.00"));
    page.addButton()->click();
    EXPECT_EQ(catcher.texts, (QStringList{QStringLiteral("A.D. non valable"), QStringLiteral("Déclinaison non valable")}));
    EXPECT_EQ(page.list()->count(), 1);
    EXPECT_FALSE(page.changed());

    page.rightAscensionField()->setText(QStringLiteral("12.30"));
    page.declinationField()->setText(QStringLiteral("-5.20"));
    page.symbolButton(4)->click();
    page.addButton()->click();
    ASSERT_EQ(page.list()->count(), 2);
    EXPECT_EQ(page.list()->item(1)->text(), QStringLiteral("12.30/-5.20/Comète"));
    EXPECT_EQ(page.list()->item(1)->data(Qt::UserRole).toInt(), 4);
    EXPECT_EQ(page.list()->currentRow(), 1);
    EXPECT_TRUE(page.nameField()->text().isEmpty());
    EXPECT_FALSE(page.addButton()->isEnabled());
    EXPECT_FALSE(page.removeButton()->isEnabled());
    EXPECT_TRUE(page.changed());
    EXPECT_EQ(page.entries().back().symbol, 4);

    // A name the objects file cannot keep is refused, not saved as "??".
    page.nameField()->setText(QStringLiteral("Comète 彗星"));
    page.rightAscensionField()->setText(QStringLiteral("1.00"));
    page.declinationField()->setText(QStringLiteral("2.00"));
    page.addButton()->click();
    ASSERT_EQ(catcher.texts.size(), 3);
    EXPECT_TRUE(catcher.texts.back().startsWith(QStringLiteral("Nom non valable")));
    EXPECT_EQ(page.list()->count(), 2);
    EXPECT_EQ(page.nameField()->text(), QStringLiteral("Comète 彗星"));
    // Western letters, the euro sign, "/" and "?" all go into the file.
    page.nameField()->setText(QStringLiteral("Œil / 5 € ?"));
    page.addButton()->click();
    ASSERT_EQ(page.list()->count(), 3);
    EXPECT_EQ(page.list()->item(2)->text(), QStringLiteral("1.00/2.00/Œil / 5 € ?"));
}

TEST_F(ChartOptions, ObjectsAddedThroughTheSheetAreOnTheChartAfterARestart)
{
    start();
    // Near the zenith of Paris, so that the whole-sky chart shows them.
    const double hours = doc->instant().siderealTime() * 3.819718634205487;
    const auto ra = [hours](double shift) {
        const int minutes = int(std::fmod(hours + shift + 24.0, 24.0) * 60.0);
        return QString::asprintf("%d.%02d", minutes / 60, minutes % 60);
    };
    QStringList lines;
    runSheet(
        [&](COptionsCarte& s) {
            COptionsNouveauxObjets& page = *s.userObjectPage();
            typeObject(page, "Comète Test", ra(0.0), "48.51", 0);
            typeObject(page, "", ra(1.0), "45.00", 2);
            typeObject(page, "Croix", ra(-1.0), "50.00", 4);
            for (int i = 0; i < page.list()->count(); ++i)
                lines << page.list()->item(i)->text();
            s.colourPage()->slider()->setValue(20);
            s.colourPage()->whiteButton()->click();
            s.objectPage()->box(ChartOptionsValues::kEcliptic)->click();
        },
        true);
    ASSERT_EQ(lines.size(), 3);
    restart();
    // The settings carried the options through the restart.
    EXPECT_EQ(doc->options().skyColourIndex, 20);
    EXPECT_EQ(frame->programPalette().skyColour(), toQColor(skyFromSlider(20)));
    EXPECT_EQ(doc->options().starColouring, 0);
    EXPECT_EQ(doc->options().showEcliptic, 0);

    const std::vector<CAstre*> objects = userObjects();
    ASSERT_EQ(objects.size(), 3u);
    const int kinds[3] = {0, 2, 4};
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(dynamic_cast<CNouvelObjet*>(objects[std::size_t(i)])->kind(), kinds[i]);
    EXPECT_EQ(doc->sky().ciel().names().count("Croix"), 1u);

    CCarte& chart = doc->charts()->WholeSky();
    test::RecordingSurface dc;
    chart.Draw(dc, {0, 0, 800, 800}, draw::kDeepSky);
    for (CAstre* object : objects)
        ASSERT_NE(chart.ScreenPlacementOf(object), nullptr) << object->GetName();
    // The mouse resting on the cross names it.
    const PlacedObject* cross = chart.ScreenPlacementOf(objects[2]);
    EXPECT_EQ(chart.HitTest({cross->x, cross->y}, dc, draw::kDeepSky).name, "Croix");

    runSheet(
        [&](COptionsCarte& s) {
            QListWidget* list = s.userObjectPage()->list();
            ASSERT_EQ(list->count(), 3);
            for (int i = 0; i < 3; ++i) {
                EXPECT_EQ(list->item(i)->text(), lines[i]);
                EXPECT_EQ(list->item(i)->data(Qt::UserRole).toInt(), kinds[i]);
            }
        },
        false);
}

TEST_F(ChartOptions, AWriteThatFailsAtClosingLeavesThePreviousFileWhole)
{
    start();
    const std::vector<UserObjectEntry> one{entryFromFields("1.00", "2.00", "Gardée", 1)};
    doc->applyChartOptions(ChartOptionsValues{}, &one);
    ASSERT_TRUE(doc->close());
    const QByteArray before = contents(objectsFile());
    std::vector<UserObjectEntry> many;
    for (int i = 0; i < 200; ++i)
        many.push_back(entryFromFields("2.00", "3.00", "Objet de test numéro " + std::to_string(i), i % 5));
    doc->applyChartOptions(ChartOptionsValues{}, &many);

    // The disk "fills up" after 2000 bytes: the settings still fit, the new
    // OBJETS.ZAR does not. The user answers Ignore.
    rlimit saved{};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &saved), 0);
    const auto previous = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = saved;
    small.rlim_cur = 2000;
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
    ModalCatcher catcher(QMessageBox::Ignore);
    const bool closed = doc->close();
    ::setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, previous);

    EXPECT_TRUE(closed);
    ASSERT_EQ(catcher.texts.size(), 1);
    EXPECT_TRUE(catcher.texts[0].contains(QStringLiteral("OBJETS.ZAR")));
    EXPECT_EQ(contents(objectsFile()), before);
    // No half-written temporary is left beside it.
    EXPECT_EQ(QDir(dir.path()).entryList({QStringLiteral("OBJETS.ZAR*")}, QDir::Files).size(), 1);
}

TEST_F(ChartOptions, PreviewsDrawTheirConstellationWithTheWorkingSettings)
{
    start();
    runSheet(
        [](COptionsCarte& s) {
            CPreviewPicture& orion = *s.colourPage()->preview();
            const auto picture = [](CPreviewPicture& p) {
                p.grab();
                return p.picture();
            };
            const auto count = [](const QImage& image, const std::function<bool(QColor)>& test) {
                int n = 0;
                for (int y = 0; y < image.height(); ++y)
                    for (int x = 0; x < image.width(); ++x)
                        n += test(image.pixelColor(x, y));
                return n;
            };
            const auto bright = [](QColor c) { return c.lightness() > 150; };
            const auto tinted = [](QColor c) { return c.lightness() > 60 && c.hslSaturation() > 80; };

            s.colourPage()->slider()->setValue(0);
            s.colourPage()->colourButton()->click();
            const QImage coloured = picture(orion);
            EXPECT_EQ(coloured.pixelColor(2, 2), QColor(0, 0, 0));
            EXPECT_GT(count(coloured, bright), 10);  // Orion's bright stars
            EXPECT_GT(count(coloured, tinted), 5);   // Betelgeuse and Rigel in colour
            s.colourPage()->whiteButton()->click();
            const QImage white = picture(orion);
            EXPECT_EQ(count(white, tinted), 0);
            s.colourPage()->slider()->setValue(35);
            EXPECT_EQ(picture(orion).pixelColor(2, 2), QColor(34, 68, 106));

            // Leo lies on the ecliptic; the Sun box does not change the picture.
            s.tabs()->setCurrentIndex(1);
            CPreviewPicture& leo = *s.objectPage()->preview();
            const QImage withLine = picture(leo);
            EXPECT_EQ(withLine.pixelColor(2, 2), QColor(34, 68, 106));
            const int renders = leo.renderCount();
            s.objectPage()->box(ChartOptionsValues::kSun)->click();
            picture(leo);
            EXPECT_EQ(leo.renderCount(), renders);
            s.objectPage()->box(ChartOptionsValues::kEcliptic)->click();
            const QImage withoutLine = picture(leo);
            EXPECT_GT(leo.renderCount(), renders);
            EXPECT_GT(count(withLine, bright), count(withoutLine, bright));
        },
        false);
}
