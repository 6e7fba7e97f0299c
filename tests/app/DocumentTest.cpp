// SPDX-License-Identifier: GPL-3.0-or-later
// The document: first start, settings round trip, date, chart and planet
// commands with their hints, enabling rules, and the failed writes at closing.
#include "../time/ui/ModalCatcher.h"
#include "../support/FileSizeLimit.h"
#include "../support/ParisProgram.h"

#include "app/CRealTime.h"
#include "app/CSettingsStore.h"
#include "app/CZarnDoc.h"
#include "app/FileMessages.h"
#include "ui/Hints.h"
#include "ui/CActions.h"
#include "shell/CMainFrame.h"
#include "ui/CommandIds.h"
#include "settings/ZarnSettings.h"
#include "time/ui/CDateDlg.h"
#include "time/ui/CLieuDlg.h"
#include "time/ui/CObservatoireDlg.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QFile>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTreeWidget>
#include <QTimeZone>
#include <gtest/gtest.h>

#include <memory>

using namespace zarn;
using zarn::test::ModalCatcher;

namespace {

class RecordingView : public CDocView {
public:
    void OnUpdate(CDocView*, unsigned hint, void*) override { hints.push_back(hint); }
    ViewKind viewKind() const override { return ViewKind::Sky; }
    std::vector<unsigned> hints;
};


class Document : public ::testing::Test {
protected:
    // The program folder is a copy of the data files: closing writes beside
    // the program, never into the build tree.
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        zarn::test::copyDataFiles(dir.path());
        settingsPath = dir.filePath(QStringLiteral("ZARN.INI"));
        store = std::make_unique<CSettingsStore>(settingsPath);
    }

    void writeSettingsWithParis(const std::string& extra = "") { zarn::test::saveParisSettings(*store, extra); }

    void load()
    {
        frame = std::make_unique<CMainFrame>();
        doc = new CZarnDoc(*frame, WindowKinds{}, dir.path(), *store);
        doc->setMinimumSplashMs(0);
        ASSERT_TRUE(doc->load());
        QObject::connect(&frame->actions(), &CActions::triggered, doc, &CZarnDoc::onCommand);
        doc->AddView(&view);
    }

    void setInstant(int day, int month, int year, int hour, int minute)
    {
        doc->instant() = CInstant(day, month, year, hour, minute, 0, doc->observatories().front());
        doc->bodies().computeAll(doc->instant());
    }

    QTemporaryDir dir;
    QString settingsPath;
    std::unique_ptr<CSettingsStore> store;
    std::unique_ptr<CMainFrame> frame;
    CZarnDoc* doc = nullptr;  // owned by the frame
    RecordingView view;
};

}  // namespace

TEST_F(Document, FirstStartAsksForAPlaceAndCancelGivesTheDefaults)
{
    int dialogs = 0;
    QString title;
    ModalCatcher catcher;
    catcher.onDialog([&](QWidget* w) {
        if (auto* d = qobject_cast<CLieuDlg*>(w)) {
            ++dialogs;
            title = d->windowTitle();
            d->reject();
        }
    });
    load();
    EXPECT_EQ(dialogs, 1);
    EXPECT_EQ(title, QStringLiteral(" Nouvel Observatoire"));
    ASSERT_EQ(doc->observatories().size(), 1u);
    const CLieu& place = doc->observatories().front();
    EXPECT_EQ(place.name(), "");
    EXPECT_NEAR(place.longitude(), 0.0, 1e-4);
    EXPECT_NEAR(place.latitude(), 0.0, 1e-6);
    // The computer's time zone, whole hours East, and its summer-time rule.
    const QTimeZone zone = QTimeZone::systemTimeZone();
    EXPECT_EQ(place.zone(), zone.standardTimeOffset(QDateTime::currentDateTime()) / 3600);
    EXPECT_EQ(place.observesSummerTime(), zone.hasDaylightTime() ? 1 : 0);
    EXPECT_EQ(doc->instant().place(), place);
}

TEST_F(Document, SettingsRoundTripThroughClosing)
{
    writeSettingsWithParis("[Cartes]\r\nContours constellations=65537\r\nObjets spéciaux=2\r\n"
                           "Couleur ciel=2245738\r\n[Autre]\r\nclef=gardée\r\n");
    load();
    EXPECT_EQ(doc->options().figureFlags[0], 1);
    EXPECT_EQ(doc->options().figureFlags[1], 1);
    EXPECT_EQ(doc->options().figureFlags[2], 0);
    EXPECT_EQ(doc->options().showEcliptic, 1);
    EXPECT_EQ(doc->options().showEquator, 0);
    EXPECT_EQ(frame->programPalette().skyColour(), QColor(0x22, 0x44, 0x6A));
    EXPECT_EQ(doc->observatories().front().name(), "Paris");

    doc->observatories().push_back(CLieu("Nouméa", -166.45, -0.3878, 11, 0));
    doc->options().figureFlags[2] = 1;
    ASSERT_TRUE(doc->close());

    QFile file(settingsPath);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    EXPECT_TRUE(bytes.contains("Objets sp\xe9" "ciaux=2"));  // Windows-1252 on disk
    EXPECT_TRUE(bytes.contains("lieu1=Noum\xe9" "a"));
    const ZarnSettings back = readSettings(store->load());
    EXPECT_EQ(back.figureFlags, (std::array<int, 3>{1, 1, 1}));
    ASSERT_EQ(back.observatories.size(), 2u);
    EXPECT_EQ(back.observatories[1].name(), "Nouméa");
    EXPECT_EQ(store->load().value("Autre", "clef"), "gardée");
}

TEST_F(Document, NextDayAcrossTheSummerTimeChange)
{
    writeSettingsWithParis();
    load();
    setInstant(29, 3, 2003, 22, 0);
    EXPECT_EQ(doc->instant().summerTime(), 0);
    const double siderealBefore = doc->instant().siderealTime();
    frame->actions().action(cmd::NextDay)->trigger();
    EXPECT_EQ(doc->instant().day(), 30);
    EXPECT_EQ(doc->instant().hour(), 22);
    EXPECT_EQ(doc->instant().summerTime(), 1);
    EXPECT_NEAR(doc->instant().universalHours(), 20.0, 1e-9);
    // One day later at the same legal time but one hour earlier in universal
    // time: the sidereal time moves by about 4 min - 1 h.
    double change = (doc->instant().siderealTime() - siderealBefore) * 12.0 / 3.141592654;
    if (change > 12) change -= 24;
    if (change < -12) change += 24;
    EXPECT_NEAR(change, 3.94 / 60.0 - 1.0027, 0.01);
    ASSERT_FALSE(view.hints.empty());
    EXPECT_EQ(view.hints.back(), hint::Date);
    frame->actions().action(cmd::PreviousDay)->trigger();
    EXPECT_EQ(doc->instant().day(), 29);
    EXPECT_EQ(doc->instant().summerTime(), 0);
}

TEST_F(Document, DayStepsStayWithinTheProgramsYears)
{
    writeSettingsWithParis();
    load();
    setInstant(31, 12, 2099, 23, 30);
    view.hints.clear();
    frame->actions().action(cmd::NextDay)->trigger();
    EXPECT_EQ(doc->instant().year(), 2099);
    EXPECT_EQ(doc->instant().day(), 31);
    EXPECT_TRUE(view.hints.empty());
    setInstant(1, 1, 1901, 0, 10);
    frame->actions().action(cmd::PreviousDay)->trigger();
    EXPECT_EQ(doc->instant().year(), 1901);
    frame->actions().action(cmd::NextDay)->trigger();
    EXPECT_EQ(doc->instant().day(), 2);
}

TEST_F(Document, RealTimeFollowsTheClockUntilAnotherDateChange)
{
    writeSettingsWithParis();
    load();
    std::int64_t now = 1782907205;  // 1 July 2026, 12:00:05 UT: 14:00:05 in Paris
    doc->realTime().setClock([&now] { return now; });
    QAction* realTime = frame->actions().action(cmd::RealTime);
    view.hints.clear();
    realTime->trigger();
    EXPECT_TRUE(realTime->isChecked());
    EXPECT_EQ(doc->instant().hour() * 10000 + doc->instant().minute() * 100 + doc->instant().second(), 140005);
    ASSERT_EQ(view.hints.size(), 1u);
    // Seconds that change nothing on the charts do not redraw them; ten
    // seconds, or a new minute, do.
    now += 3;
    doc->realTime().tick();
    EXPECT_EQ(doc->instant().second(), 8);
    EXPECT_EQ(view.hints.size(), 1u);
    now += 7;
    doc->realTime().tick();
    EXPECT_EQ(view.hints.size(), 2u);
    now += 50;
    doc->realTime().tick();
    EXPECT_EQ(doc->instant().minute(), 1);
    EXPECT_EQ(view.hints.size(), 3u);
    EXPECT_EQ(view.hints.back(), hint::Date);
    // A day step leaves real time: the clock no longer moves the instant.
    frame->actions().action(cmd::NextDay)->trigger();
    EXPECT_FALSE(realTime->isChecked());
    EXPECT_FALSE(doc->realTime().isOn());
    now += 600;
    doc->realTime().tick();
    EXPECT_EQ(doc->instant().day() * 10000 + doc->instant().hour() * 100 + doc->instant().minute(), 21401);
    // So does a step of time, and the real-time command itself toggles.
    realTime->trigger();
    EXPECT_EQ(doc->instant().day() * 100 + doc->instant().minute(), 111);
    frame->actions().action(cmd::NextMinute + 4)->trigger();
    EXPECT_FALSE(doc->realTime().isOn());
    EXPECT_EQ(doc->instant().hour(), 15);
    realTime->trigger();
    realTime->trigger();
    EXPECT_FALSE(doc->realTime().isOn());
}

TEST_F(Document, TimeStepCommandsAreInTheDateMenuAndStopAtTheEnds)
{
    writeSettingsWithParis();
    load();
    QMenu* dateMenu = nullptr;
    for (QAction* a : frame->menuBar()->actions())
        if (a->text() == QStringLiteral("&Date"))
            dateMenu = a->menu();
    ASSERT_NE(dateMenu, nullptr);
    // Across the spring change: the hour step counts elapsed time.
    setInstant(29, 3, 2026, 1, 30);
    const int legalAfter[8] = {290131, 290129, 290140, 290120, 290330, 290030, 300226, 280133};
    for (int k = 0; k < 8; ++k) {
        QAction* step = frame->actions().action(cmd::NextMinute + k);
        ASSERT_TRUE(dateMenu->actions().contains(step)) << k;
        EXPECT_FALSE(step->shortcut().isEmpty()) << k;
        setInstant(29, 3, 2026, 1, 30);
        view.hints.clear();
        step->trigger();
        const CInstant& i = doc->instant();
        EXPECT_EQ(i.day() * 10000 + i.hour() * 100 + i.minute(), legalAfter[k]) << k;
        EXPECT_EQ(view.hints, std::vector<unsigned>{hint::Date}) << k;
    }
    setInstant(31, 12, 2099, 23, 55);
    view.hints.clear();
    frame->actions().action(cmd::NextMinute + 2)->trigger();
    EXPECT_EQ(doc->instant().minute(), 55);
    EXPECT_TRUE(view.hints.empty());
}

TEST_F(Document, NewDateCommandCancelledChangesNothing)
{
    writeSettingsWithParis();
    load();
    setInstant(1, 6, 2010, 12, 0);
    ModalCatcher catcher;
    catcher.onDialog([](QWidget* w) {
        if (auto* d = qobject_cast<CDateDlg*>(w))
            d->reject();
    });
    doc->onCommand(cmd::NewDate);
    EXPECT_EQ(doc->instant().year(), 2010);
    EXPECT_TRUE(view.hints.empty());

    catcher.onDialog([](QWidget* w) {
        if (auto* d = qobject_cast<CDateDlg*>(w)) {
            d->dateField()->setText(QStringLiteral("30.4.2003"));
            d->timeField()->setText(QStringLiteral("9.05"));
            d->accept();
        }
    });
    doc->onCommand(cmd::NewDate);
    EXPECT_EQ(doc->instant().year(), 2003);
    EXPECT_EQ(doc->instant().minute(), 5);
    EXPECT_EQ(doc->instant().timeText(), "  9.05");
    ASSERT_EQ(view.hints.size(), 1u);
    EXPECT_EQ(view.hints[0], hint::Date);
}

TEST_F(Document, ViewCommandsSetChartTitleHintAndStates)
{
    writeSettingsWithParis();
    load();
    doc->updateCommandStates();
    CActions& a = frame->actions();
    EXPECT_FALSE(a.action(cmd::WholeSky)->isEnabled());
    EXPECT_TRUE(a.action(cmd::Zenith)->isEnabled());

    doc->onCommand(cmd::HorizonSouth + 3);
    EXPECT_EQ(doc->currentChartKind(), 2);
    EXPECT_EQ(doc->skyTitle(), QStringLiteral("Horizon Nord-Ouest"));
    EXPECT_EQ(frame->windowTitle(), QStringLiteral(" ZARN - Horizon Nord-Ouest"));
    EXPECT_EQ(view.hints.back(), hint::Horizon);
    EXPECT_TRUE(a.action(cmd::HorizonSouth + 3)->isChecked());
    EXPECT_FALSE(a.action(cmd::HorizonSouth + 3)->isEnabled());
    EXPECT_TRUE(a.action(cmd::HorizonSouth)->isEnabled());
    EXPECT_FALSE(a.action(cmd::HorizonSouth)->isChecked());

    // Scrolled by hand, the strip faces nothing: one click brings back any direction.
    doc->horizonScrolled();
    EXPECT_FALSE(a.action(cmd::HorizonSouth + 3)->isChecked());
    EXPECT_TRUE(a.action(cmd::HorizonSouth + 3)->isEnabled());

    // Turned towards a planet low in the sky, the horizon chart faces no
    // direction either: none stays checked and disabled from before.
    setInstant(15, 12, 2026, 19, 0);
    int lowPlanets = 0;
    for (int planet = cmd::Mercure; planet <= cmd::Soleil; ++planet) {
        doc->onCommand(cmd::HorizonSouth + 3);
        ModalCatcher catcher;
        doc->onCommand(planet);
        if (!catcher.texts.isEmpty() || doc->currentChartKind() != 2)
            continue;
        ++lowPlanets;
        for (int k = 0; k < 8; ++k)
            EXPECT_TRUE(a.action(cmd::HorizonSouth + k)->isEnabled() && !a.action(cmd::HorizonSouth + k)->isChecked())
                << planet << " " << k;
    }
    EXPECT_GT(lowPlanets, 0);

    doc->onCommand(cmd::Zenith);
    EXPECT_EQ(doc->skyTitle(), QStringLiteral("Zénith"));
    EXPECT_EQ(view.hints.back(), hint::Zenith);
    EXPECT_FALSE(a.action(cmd::Zenith)->isEnabled());
    EXPECT_FALSE(a.action(cmd::HorizonSouth + 3)->isChecked());
    // No window of these kinds yet: their commands stay disabled.
    EXPECT_FALSE(a.action(cmd::Catalogue)->isEnabled());
    EXPECT_FALSE(a.action(cmd::Animation)->isEnabled());
}

TEST_F(Document, SummerTimeCommandFollowsThePlaceAndYear)
{
    writeSettingsWithParis();
    load();
    setInstant(1, 6, 2010, 12, 0);
    doc->updateCommandStates();
    EXPECT_TRUE(frame->actions().action(cmd::SummerTime)->isEnabled());
    setInstant(1, 6, 1981, 12, 0);
    doc->updateCommandStates();
    EXPECT_FALSE(frame->actions().action(cmd::SummerTime)->isEnabled());
}

TEST_F(Document, PlanetBelowTheHorizonShowsTheBoxAndChangesNothing)
{
    writeSettingsWithParis();
    load();
    setInstant(1, 1, 2003, 0, 0);  // midnight: the Sun is down
    ModalCatcher catcher;
    doc->onCommand(cmd::Soleil);
    ASSERT_EQ(catcher.texts.size(), 1);
    EXPECT_EQ(catcher.titles[0], QStringLiteral("  Soleil"));
    const QString text = catcher.texts[0];
    EXPECT_TRUE(text.startsWith(QString::fromStdString(doc->instant().dateText()) + QStringLiteral("  à")));
    EXPECT_TRUE(text.contains(QStringLiteral("\n\n     Le SOLEIL n'est pas visible.\n\n   Prochain lever:  ")));
    // Sunrise at Paris on the first of January: 8 h 44 legal time.
    const double rise = text.section(QStringLiteral("Prochain lever:  "), 1).trimmed().toDouble();
    EXPECT_NEAR(rise, 8.44, 0.03);
    EXPECT_EQ(doc->viewedPlanet(), -1);
    EXPECT_EQ(doc->currentChartKind(), 0);
    EXPECT_TRUE(view.hints.empty());
    // From the menu the checkable item flips itself: the rules set it back.
    frame->actions().action(cmd::Soleil)->trigger();
    EXPECT_FALSE(frame->actions().action(cmd::Soleil)->isChecked());
}

TEST_F(Document, PlanetAboveTheHorizonIsViewedAndFollowedByDateChanges)
{
    writeSettingsWithParis();
    load();
    setInstant(21, 6, 2010, 14, 0);  // the Sun high in the sky at Paris
    doc->onCommand(cmd::Soleil);
    EXPECT_EQ(doc->viewedPlanet(), 0);
    EXPECT_EQ(doc->skyTitle(), QStringLiteral("Soleil"));
    EXPECT_EQ(doc->currentChartKind(), 1);  // above 59°: the zenith chart
    EXPECT_EQ(view.hints.back(), hint::Zenith);
    EXPECT_FALSE(frame->actions().action(cmd::Soleil)->isEnabled());
    EXPECT_TRUE(frame->actions().action(cmd::Soleil)->isChecked());

    setInstant(21, 6, 2010, 19, 0);
    doc->dateChanged(cmd::NextDay);  // 22 June 19 h: lower, on the horizon chart
    EXPECT_EQ(doc->viewedPlanet(), 0);
    EXPECT_EQ(doc->currentChartKind(), 2);
    EXPECT_EQ(view.hints.back(), hint::Date | hint::Horizon);

    setInstant(22, 6, 2010, 23, 0);
    doc->dateChanged(cmd::NextDay);  // night: back to the sky, target cleared
    EXPECT_EQ(doc->viewedPlanet(), -1);
    EXPECT_EQ(doc->skyTitle(), QStringLiteral("Ciel"));
    EXPECT_EQ(view.hints.back(), hint::Date);
}

TEST_F(Document, ChangingTheObservatoryMovesTheInstantAndSendsHintTwo)
{
    writeSettingsWithParis();
    load();
    doc->observatories().push_back(CLieu("Québec", 71.2, 46.8 * 0.0174532925199433, -5, 1));
    ModalCatcher catcher;
    catcher.onDialog([](QWidget* w) {
        if (auto* d = qobject_cast<CObservatoireDlg*>(w)) {
            d->otherList()->topLevelItem(0)->setSelected(true);
            d->changeButton()->click();
            d->accept();
        }
    });
    doc->onCommand(cmd::Observatory);
    EXPECT_EQ(doc->instant().place().name(), "Québec");
    EXPECT_EQ(doc->instant().place().zone(), -5);
    EXPECT_EQ(doc->observatories()[1].name(), "Paris");
    ASSERT_FALSE(view.hints.empty());
    EXPECT_EQ(view.hints.back(), hint::Place);
}

TEST_F(Document, FigureToggleWithoutAnActiveViewOnlyUpdates)
{
    writeSettingsWithParis();
    load();
    const auto before = doc->options().figureFlags;
    doc->onCommand(cmd::Figures);
    EXPECT_EQ(doc->options().figureFlags, before);
    EXPECT_EQ(view.hints.back(), hint::Figures);
}

TEST_F(Document, TogglesFollowTheWindowReallyActiveNotTheOneCommandsGoTo)
{
    writeSettingsWithParis();
    load();
    // A sky window, and a search window that sends commands to it.
    struct Window : QWidget, CDocView {
        explicit Window(ViewKind k) : kind(k) {}
        void OnUpdate(CDocView*, unsigned, void*) override {}
        ViewKind viewKind() const override { return kind; }
        ViewKind kind;
    };
    QMdiSubWindow* sky = frame->mdiArea()->addSubWindow(new Window(ViewKind::Sky));
    frame->setSkyFrame(sky);
    QMdiSubWindow* search = frame->mdiArea()->addSubWindow(new Window(ViewKind::Chercher));
    CMainFrame::markRedirectsToSky(search);
    frame->show();
    sky->show();
    search->show();
    frame->mdiArea()->setActiveSubWindow(search);
    ASSERT_EQ(doc->activeView()->viewKind(), ViewKind::Sky);

    const auto before = doc->options().figureFlags;
    frame->actions().action(cmd::Figures)->trigger();
    EXPECT_EQ(doc->options().figureFlags, before);
    EXPECT_EQ(view.hints.back(), hint::Figures);
    EXPECT_TRUE(frame->actions().action(cmd::Figures)->isEnabled());
    frame->mdiArea()->setActiveSubWindow(sky);
    frame->actions().action(cmd::Figures)->trigger();
    EXPECT_NE(doc->options().figureFlags[0], before[0]);
}

TEST(ClosingWrites, ReadOnlyFileIsMadeWritableAndWritten)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("OBJETS.ZAR"));
    {
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("old");
    }
    QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::ReadGroup);
    ModalCatcher catcher;
    const WriteOutcome outcome = writeWithRetry(nullptr, path, [&] {
        QFile f(path);
        if (!(QFile::permissions(path) & QFileDevice::WriteOwner) || !f.open(QIODevice::WriteOnly))
            return false;
        return f.write("new") == 3;
    });
    EXPECT_EQ(outcome, WriteOutcome::Written);
    EXPECT_TRUE(catcher.texts.isEmpty());
    EXPECT_TRUE(QFile::permissions(path) & QFileDevice::WriteOwner);
}

TEST(ClosingWrites, FailedWriteOffersAbortRetryIgnore)
{
    const QString path = QStringLiteral("/nulle/part/OBJETS.ZAR");
    {
        ModalCatcher catcher(QMessageBox::Abort);
        EXPECT_EQ(writeWithRetry(nullptr, path, [] { return false; }), WriteOutcome::Aborted);
        ASSERT_EQ(catcher.texts.size(), 1);
        EXPECT_EQ(catcher.texts[0], writeErrorText(path));
        EXPECT_TRUE(catcher.texts[0].startsWith(QStringLiteral("Ecriture impossible dans le  fichier /nulle")));
    }
    {
        ModalCatcher catcher(QMessageBox::Ignore);
        EXPECT_EQ(writeWithRetry(nullptr, path, [] { return false; }), WriteOutcome::Ignored);
    }
    {
        ModalCatcher catcher(QMessageBox::Retry);
        int tries = 0;
        EXPECT_EQ(writeWithRetry(nullptr, path, [&] { return ++tries == 3; }), WriteOutcome::Written);
        EXPECT_EQ(tries, 3);
        EXPECT_EQ(catcher.texts.size(), 2);
    }
}

TEST(LoadErrors, MessagesAndHelpContexts)
{
    EXPECT_EQ(loadErrorText(ArchiveErrorKind::FileNotFound, QStringLiteral("CIEL.ZAR")),
              QStringLiteral("Le fichier CIEL.ZAR n'a pas été trouvé.\nVérifiez que ce fichier se trouve bien\n"
                             "dans le répertoire actif."));
    EXPECT_EQ(loadErrorText(ArchiveErrorKind::OutOfMemory, QStringLiteral("x")), QStringLiteral("Mémoire saturée"));
    EXPECT_EQ(loadErrorHelpContext(ArchiveErrorKind::Damaged), 12);
    EXPECT_EQ(loadErrorHelpContext(ArchiveErrorKind::Other), 10);
    EXPECT_EQ(loadErrorHelpContext(ArchiveErrorKind::OutOfMemory), 0);
}

TEST(LoadErrors, MissingOrDamagedDataFilesStopTheDocument)
{
    QTemporaryDir dir;
    CSettingsStore store(dir.filePath(QStringLiteral("ZARN.INI")));
    CMainFrame frame;
    auto loadOnce = [&] {
        CZarnDoc doc(frame, WindowKinds{}, dir.path(), store);
        doc.setMinimumSplashMs(0);
        ModalCatcher catcher;
        EXPECT_FALSE(doc.load());
        return catcher.texts;
    };
    QStringList texts = loadOnce();
    ASSERT_EQ(texts.size(), 1);
    EXPECT_TRUE(texts[0].startsWith(QStringLiteral("Le fichier CIEL.ZAR n'a pas été trouvé.")));

    ASSERT_TRUE(QFile::copy(QStringLiteral(ZARN_DATA_DIR "/CIEL.ZAR"), dir.filePath(QStringLiteral("CIEL.ZAR"))));
    texts = loadOnce();
    ASSERT_EQ(texts.size(), 1);
    EXPECT_TRUE(texts[0].startsWith(QStringLiteral("Le fichier ELEMENTS.ZAR n'a pas été trouvé.")));

    QFile damaged(dir.filePath(QStringLiteral("ELEMENTS.ZAR")));
    ASSERT_TRUE(damaged.open(QIODevice::WriteOnly));
    damaged.write("\x03Sol");
    damaged.close();
    texts = loadOnce();
    ASSERT_EQ(texts.size(), 1);
    EXPECT_TRUE(texts[0].startsWith(QStringLiteral("Le fichier ELEMENTS.ZAR est erroné.")));

    // The right size and layout, every number zero: damaged too, and said so.
    QFile genuine(QStringLiteral(ZARN_DATA_DIR "/ELEMENTS.ZAR"));
    ASSERT_TRUE(genuine.open(QIODevice::ReadOnly));
    QByteArray zeros = genuine.readAll();
    for (int at = 0, body = 0; body < 6; ++body, at += 192) {
        at += 1 + zeros[at];
        zeros.replace(at, 192, QByteArray(192, '\0'));
    }
    ASSERT_TRUE(damaged.open(QIODevice::WriteOnly | QIODevice::Truncate));
    damaged.write(zeros);
    damaged.close();
    texts = loadOnce();
    ASSERT_EQ(texts.size(), 1);
    EXPECT_TRUE(texts[0].startsWith(QStringLiteral("Le fichier ELEMENTS.ZAR est erroné.")));
}

TEST_F(Document, UserObjectsAreWrittenAtClosingEvenOverAReadOnlyFile)
{
    // A damaged, read-only OBJETS.ZAR in the program folder.
    const QString objects = dir.filePath(QStringLiteral("OBJETS.ZAR"));
    {
        QFile f(objects);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("abimé");
    }
    QFile::setPermissions(objects, QFileDevice::ReadOwner);
    writeSettingsWithParis();
    load();
    EXPECT_EQ(doc->userObjectsPath(), objects);
    ModalCatcher catcher;
    ASSERT_TRUE(doc->close());
    EXPECT_TRUE(QFile::permissions(objects) & QFileDevice::WriteOwner);
    // The damaged file was replaced by a readable "Objets" group, and what it
    // held is kept beside it; the closing box says where.
    SkyModel sky;
    EXPECT_TRUE(sky.readFiles(dir.path().toStdString()).ok());
    EXPECT_FALSE(sky.userObjectsModified());
    QFile kept(objects + QStringLiteral(".bak"));
    ASSERT_TRUE(kept.open(QIODevice::ReadOnly));
    EXPECT_EQ(QString::fromUtf8(kept.readAll()), QStringLiteral("abimé"));
    ASSERT_EQ(catcher.texts.size(), 1);
    EXPECT_TRUE(catcher.texts[0].contains(objects + QStringLiteral(".bak"))) << catcher.texts[0].toStdString();
}

TEST_F(Document, FullDiskAtClosingOffersTheBoxAndKeepsTheSettings)
{
    writeSettingsWithParis();
    load();
    QFile file(settingsPath);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray before = file.readAll();
    file.close();
    doc->observatories().push_back(CLieu("Nouméa", -166.45, -0.3878, 11, 0));
    {
        const test::FileSizeLimit full(64);  // every write past 64 bytes fails
        ModalCatcher catcher(QMessageBox::Ignore);
        EXPECT_TRUE(doc->close());
        ASSERT_FALSE(catcher.texts.isEmpty());
        EXPECT_EQ(catcher.texts[0], writeErrorText(settingsPath));
    }
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), before);
    EXPECT_EQ(QDir(dir.path()).entryList({QStringLiteral("ZARN.INI*")}, QDir::Files),
              QStringList{QStringLiteral("ZARN.INI")});
}

TEST_F(Document, UnreadableSettingsAreKeptAsideAndLeftoversRemoved)
{
    // Over the size limit, so not read; a killed closing left temporaries.
    {
        QFile big(settingsPath);
        ASSERT_TRUE(big.open(QIODevice::WriteOnly));
        big.write(QByteArray(CSettingsStore::kMaxFileSize + 1, ';'));
    }
    const QDir folder(dir.path());
    for (const char* name : {"ZARN.INI.tmpAb12Cd", "OBJETS.ZAR.tmpXy34Zw", "OBJETS.ZAR.backup"}) {
        QFile f(folder.filePath(QLatin1String(name)));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    }
    ModalCatcher catcher;
    catcher.onDialog([](QWidget* w) {
        if (auto* d = qobject_cast<CLieuDlg*>(w))
            d->reject();
    });
    load();
    EXPECT_FALSE(folder.exists(QStringLiteral("ZARN.INI.tmpAb12Cd")));
    EXPECT_FALSE(folder.exists(QStringLiteral("OBJETS.ZAR.tmpXy34Zw")));
    EXPECT_TRUE(folder.exists(QStringLiteral("OBJETS.ZAR.backup")));
    EXPECT_TRUE(catcher.texts.isEmpty());  // silence at start-up

    ASSERT_TRUE(doc->close());
    EXPECT_EQ(QFileInfo(settingsPath + QStringLiteral(".bak")).size(), CSettingsStore::kMaxFileSize + 1);
    EXPECT_EQ(CSettingsStore(settingsPath).load().intValue("Cartes", "Objets spéciaux"), 3);
    ASSERT_EQ(catcher.texts.size(), 1);
    EXPECT_TRUE(catcher.texts[0].contains(settingsPath + QStringLiteral(".bak")));
}
