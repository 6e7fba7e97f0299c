// SPDX-License-Identifier: GPL-3.0-or-later
// Start-up as a new user: no settings, the place dialog, the main window with
// the sky window; the settings file's place; the start-up picture, the help
// pages and Qt's French texts.
#include "../time/ui/ModalCatcher.h"
#include "ProgramFolder.h"

#include "ui/CHelpWindow.h"
#include "app/CSkyWindow.h"
#include "charts/ui/CViewButtonBar.h"
#include "time/CDateHeure.h"
#include "time/ui/CDateDlg.h"
#include "app/CSettingsStore.h"
#include "app/CStartupPicture.h"
#include "app/CZarnApp.h"
#include "app/CZarnDoc.h"
#include "app/DialogHelp.h"
#include "app/Translations.h"
#include "ui/CActions.h"
#include "shell/CMainFrame.h"
#include "ui/CommandIds.h"
#include "time/ui/CLieuDlg.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPointer>
#include <QPrintPreviewDialog>
#include <QToolButton>
#include <QWindow>
#include <QTemporaryDir>
#include <QStatusBar>
#include <QTest>
#include <gtest/gtest.h>

using namespace zarn;
using zarn::test::ModalCatcher;

TEST_F(ProgramFolder, SettingsGoBesideTheProgramOnlyWhenAFileIsThere)
{
    EXPECT_EQ(CSettingsStore::locate(program.path()), user.filePath(QStringLiteral("Zarn/ZARN.INI")));
    QFile beside(program.filePath(QStringLiteral("ZARN.INI")));
    ASSERT_TRUE(beside.open(QIODevice::WriteOnly));
    beside.close();
    EXPECT_EQ(CSettingsStore::locate(program.path()), program.filePath(QStringLiteral("ZARN.INI")));
}

TEST_F(ProgramFolder, OversizedOrMissingSettingsGiveAnEmptyProfile)
{
    CSettingsStore missing(program.filePath(QStringLiteral("absent/ZARN.INI")));
    EXPECT_FALSE(missing.load().hasSection("Cartes"));
    const QString path = program.filePath(QStringLiteral("ZARN.INI"));
    QFile big(path);
    ASSERT_TRUE(big.open(QIODevice::WriteOnly));
    const QByteArray line = "[Cartes]\r\nCouleur ciel=255\r\n";
    big.write(line);
    big.write(QByteArray(CSettingsStore::kMaxFileSize, 'x'));
    big.close();
    EXPECT_FALSE(CSettingsStore(path).load().hasSection("Cartes"));

    // The file is read once per run: later calls give what was read.
    ASSERT_TRUE(big.resize(line.size()));
    CSettingsStore store(path);
    EXPECT_TRUE(store.load().hasSection("Cartes"));
    ASSERT_TRUE(big.remove());
    EXPECT_TRUE(store.load().hasSection("Cartes"));
}

TEST_F(ProgramFolder, FirstStartShowsThePlaceDialogThenTheSkyWindow)
{
    CZarnApp app(program.path(), programWindowKinds());
    app.setMinimumSplashMs(0);
    int placeDialogs = 0;
    ModalCatcher catcher;
    catcher.onDialog([&](QWidget* w) {
        if (auto* d = qobject_cast<CLieuDlg*>(w)) {
            ++placeDialogs;
            d->nameField()->setText(QStringLiteral("Paris"));
            d->longitudeField()->setText(QStringLiteral("2.20"));
            d->latitudeField()->setText(QStringLiteral("48.51"));
            d->accept();
        }
    });
    ASSERT_TRUE(app.InitInstance());
    EXPECT_EQ(placeDialogs, 1);
    CMainFrame* frame = app.mainFrame();
    ASSERT_NE(frame, nullptr);
    EXPECT_EQ(frame->windowTitle(), QStringLiteral(" ZARN - Ciel"));
    ASSERT_NE(frame->skyFrame(), nullptr);
    EXPECT_EQ(frame->skyFrame()->windowTitle(), QStringLiteral("Ciel"));
    // The sky frame leaves the left part of the client area to the tool windows.
    const QSize client = frame->mdiArea()->viewport()->size();
    EXPECT_EQ(frame->skyFrame()->geometry().left(), (client.width() + 2) * 10 / 37);
    EXPECT_GT(frame->minimumWidth(), 0);

    // Printing goes to the sky window, also from the windows that redirect to it.
    EXPECT_TRUE(frame->actions().action(cmd::PrintPreview)->isEnabled());
    auto* side = frame->mdiArea()->addSubWindow(new QWidget);
    CMainFrame::markRedirectsToSky(side);
    side->show();
    frame->mdiArea()->setActiveSubWindow(side);
    EXPECT_EQ(frame->commandFrame(), frame->skyFrame());
    EXPECT_EQ(app.document()->activeView()->viewKind(), ViewKind::Sky);
    delete side;

    // A resize of the main window reaches every view with 128 + 16 (whole sky).
    struct Recorder : CDocView {
        void OnUpdate(CDocView*, unsigned hint, void*) override { hints.push_back(hint); }
        ViewKind viewKind() const override { return ViewKind::Chercher; }
        std::vector<unsigned> hints;
    } recorder;
    app.document()->AddView(&recorder);
    frame->showNormal();
    frame->resize(frame->width() + 40, frame->height() + 30);
    QTest::qWait(20);
    app.document()->RemoveView(&recorder);
    ASSERT_FALSE(recorder.hints.empty());
    EXPECT_EQ(recorder.hints.back(), 0x90u);

    QTest::qWait(50);  // the sky view paints and writes the instant
    EXPECT_TRUE(frame->statusPane(1)->text().startsWith(QStringLiteral("Paris")));
    EXPECT_FALSE(frame->statusPane(3)->text().isEmpty());

    // Quitting writes the place into the per-user settings, and closes the
    // help window with the main window so that the program ends.
    const QPointer<CHelpWindow> help = CHelpWindow::showContents();
    ASSERT_TRUE(frame->close());
    EXPECT_TRUE(!help || !help->isVisible());
    const QString ini = user.filePath(QStringLiteral("Zarn/ZARN.INI"));
    ASSERT_TRUE(QFile::exists(ini));
    EXPECT_EQ(CSettingsStore(ini).load().value("Observatoires", "lieu0"), "Paris");
    EXPECT_TRUE(QFile::exists(program.filePath(QStringLiteral("OBJETS.ZAR"))))
        << catcher.texts.join("|").toStdString() << QDir(program.path()).entryList().join(",").toStdString();
}

// The program started on a settings file with Paris.
class RunningProgram : public ProgramFolder {
protected:
    void SetUp() override
    {
        ProgramFolder::SetUp();
        app = std::make_unique<CZarnApp>(program.path(), programWindowKinds());
        app->setMinimumSplashMs(0);
        ModalCatcher catcher;
        catcher.onDialog([](QWidget* w) {
            if (auto* d = qobject_cast<CLieuDlg*>(w))
                d->accept();
        });
        ASSERT_TRUE(app->InitInstance());
        frame = app->mainFrame();
        frame->showNormal();
        QTest::qWait(20);
    }
    void TearDown() override
    {
        ModalCatcher catcher(QMessageBox::Ignore);
        frame->close();
        app.reset();
        ProgramFolder::TearDown();
    }
    QRect skyPlace() const { return CSkyWindow::frameRect(frame->mdiArea()->viewport()->size()); }

    std::unique_ptr<CZarnApp> app;
    CMainFrame* frame = nullptr;
};

TEST_F(RunningProgram, PrintingOpensOnePreviewWithABlankCaption)
{
    QStringList captions;
    QObject::connect(frame, &QWidget::windowTitleChanged, [&](const QString& t) { captions << t; });
    int previews = 0;
    ModalCatcher catcher;
    catcher.onDialog([&](QWidget* w) {
        if (auto* preview = qobject_cast<QPrintPreviewDialog*>(w)) {
            ++previews;
            preview->reject();
        }
    });
    frame->actions().action(cmd::PrintPreview)->trigger();
    QTest::qWait(50);
    EXPECT_EQ(previews, 1);
    EXPECT_TRUE(captions.contains(QStringLiteral(" ZARN")));
    EXPECT_EQ(frame->windowTitle(), QStringLiteral(" ZARN - Ciel"));
}

TEST_F(RunningProgram, SkyWindowKeepsItsPlaceAndItsButtonsFit)
{
    QMdiSubWindow* sky = frame->skyFrame();
    EXPECT_FALSE(sky->windowFlags() & (Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint));
    auto* tool = frame->mdiArea()->addSubWindow(new QWidget);
    tool->resize(300, 200);
    tool->show();
    for (int command : {cmd::Cascade, cmd::Tile}) {
        frame->actions().action(command)->trigger();
        EXPECT_EQ(sky->geometry(), skyPlace());
        EXPECT_LT(tool->geometry().right(), sky->geometry().left());
    }
    // The time bar takes room from the work area: the sky window follows.
    frame->actions().action(cmd::TimeBar)->trigger();
    QTest::qWait(20);
    EXPECT_EQ(sky->geometry(), skyPlace());
    frame->actions().action(cmd::TimeBar)->trigger();

    // The seventeen buttons, apart and wholly visible, at the smallest window
    // and at a low wide one.
    auto& bar = *sky->findChild<CViewButtonBar*>();
    for (const QSize size : {frame->minimumSize(), QSize(900, 420)}) {
        frame->resize(size);
        QTest::qWait(20);
        const QRect visible = bar.rect().intersected(sky->widget()->rect().translated(-bar.pos()));
        const QList<QToolButton*>& buttons = bar.buttons();
        ASSERT_EQ(buttons.size(), 17);
        for (int i = 0; i < buttons.size(); ++i) {
            EXPECT_TRUE(visible.contains(buttons[i]->geometry())) << i << " at " << size.height();
            for (int j = 0; j < i; ++j)
                EXPECT_FALSE(buttons[i]->geometry().intersects(buttons[j]->geometry())) << i << " " << j;
        }
    }

    // "SE" clicked goes disabled under the mouse: its status text goes with it.
    QToolButton* southEast = bar.buttons().at(8);
    QTest::mouseMove(southEast, southEast->rect().center());
    QTest::qWait(20);
    ASSERT_EQ(frame->statusBar()->currentMessage(), QStringLiteral(" Vue de l'horizon sud-est"));
    QTest::mouseClick(southEast, Qt::LeftButton);
    ASSERT_FALSE(southEast->isEnabled());
    EXPECT_NE(frame->statusBar()->currentMessage(), QStringLiteral(" Vue de l'horizon sud-est"));
}

TEST_F(ProgramFolder, AbortOnAFailedWriteKeepsTheProgramOpen)
{
    CZarnApp app(program.path(), programWindowKinds());
    app.setMinimumSplashMs(0);
    {
        ModalCatcher catcher;
        catcher.onDialog([](QWidget* w) {
            if (auto* d = qobject_cast<CLieuDlg*>(w))
                d->accept();
        });
        ASSERT_TRUE(app.InitInstance());
    }
    // The settings cannot be written: a folder stands where the file should be.
    QDir().mkpath(app.settingsPath());
    ModalCatcher catcher(QMessageBox::Abort);
    EXPECT_FALSE(app.mainFrame()->close());
    ASSERT_EQ(catcher.texts.size(), 1);
    EXPECT_TRUE(catcher.texts[0].startsWith(QStringLiteral("Ecriture impossible dans le  fichier")));
    EXPECT_TRUE(app.mainFrame()->isVisible());
    QDir(app.settingsPath()).removeRecursively();
}

TEST(StartupPicture, ColourFifteenIsTheTitleOrange)
{
    const QImage picture = CStartupPicture::loadPicture(QStringLiteral(ZARN_SOURCE_DIR "/resources/eclipse.bmp"));
    ASSERT_FALSE(picture.isNull());
    EXPECT_EQ(picture.format(), QImage::Format_Indexed8);
    EXPECT_EQ(picture.colorCount(), 256);
    EXPECT_EQ(QColor(picture.color(15)), QColor(254, 194, 0));
    EXPECT_EQ(CStartupPicture::show(QStringLiteral("/nulle/part/eclipse.bmp"), nullptr), nullptr);
}

TEST(HelpWindow, EveryContextLeadsToAPageOfTheProgram)
{
    for (int context : {CHelpWindow::kMainTopic, 12, 10, CHelpWindow::kAstroEvents, 96259, 483, 485, 101, 114, 209, 133,
                        336, 134, 182, 453, 4242, CHelpWindow::kConstellationsTopic, CHelpWindow::kCatalogueTopic,
                        CHelpWindow::kSearchTopic}) {
        const QUrl url = CHelpWindow::urlOfContext(context);
        EXPECT_TRUE(QFile::exists(QStringLiteral(":") + url.path())) << url.toString().toStdString();
    }
    CHelpWindow* window = CHelpWindow::showContext(12);
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(window->toPlainText().contains(QStringLiteral("Fichier manquant")));
    window->close();
}

TEST(HelpWindow, FOneInADialogOpensItsPage)
{
    CLieuDlg dialog(PlaceFields{}, nullptr);
    EXPECT_EQ(DialogHelp::contextOf(&dialog), 485);
    DialogHelp filter;
    dialog.nameField()->installEventFilter(&filter);
    QTest::keyClick(dialog.nameField(), Qt::Key_F1);
    QWidget* help = nullptr;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* h = qobject_cast<CHelpWindow*>(w); h && h->isVisible())
            help = h;
    ASSERT_NE(help, nullptr);
    EXPECT_EQ(static_cast<CHelpWindow*>(help)->source().fileName(), QStringLiteral("observatoires.html"));
    help->close();
}

TEST(HelpWindow, StandsAboveAModalDialogAndStaysOpenAfterIt)
{
    CDateHeure date(1, 1, 2000, 12, 0, 0);
    CDateDlg dialog(date, nullptr);
    QWidget* parentMeanwhile = nullptr;
    QPointer<CHelpWindow> help;
    ModalCatcher catcher;
    catcher.onDialog([&](QWidget* w) {
        if (w != &dialog)
            return;
        help = CHelpWindow::showContext(101);
        parentMeanwhile = help->parentWidget();
        dialog.reject();
    });
    dialog.exec();
    // A child window of the dialog: above it, and not blocked by it.
    EXPECT_EQ(parentMeanwhile, &dialog);
    ASSERT_TRUE(help);
    EXPECT_TRUE(help->isVisible());
    EXPECT_EQ(help->parentWidget(), nullptr);
    help->close();
}

TEST(Dialogs, FixedSizeDialogsHaveNoMinimiseOrMaximiseButton)
{
    DialogHelp frames;
    CDateHeure date(1, 1, 2000, 12, 0, 0);
    CDateDlg dialog(date, nullptr);
    dialog.installEventFilter(&frames);
    dialog.show();
    EXPECT_TRUE(DialogHelp::isFixedDialog(&dialog));
    const Qt::WindowFlags flags = dialog.windowHandle()->flags();
    EXPECT_FALSE(flags & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint));
    EXPECT_TRUE(flags & Qt::WindowCloseButtonHint);
    // The frame is made of these buttons alone, not the window manager's choice.
    EXPECT_TRUE(flags & Qt::CustomizeWindowHint);
    dialog.close();
}

TEST(Translations, FrenchCatalogueIsFoundAndAnEmptyOneIsRefused)
{
    QString reason;
    EXPECT_TRUE(installFrenchQtTranslations(*QCoreApplication::instance(), defaultTranslationsFolder(), &reason))
        << reason.toStdString();
    EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel"), QStringLiteral("Annuler"));

    QTemporaryDir empty;
    EXPECT_FALSE(installFrenchQtTranslations(*QCoreApplication::instance(), empty.path(), &reason));
    EXPECT_TRUE(reason.contains(QStringLiteral("introuvable")));
    QFile blank(empty.filePath(QStringLiteral("qtbase_fr.qm")));
    ASSERT_TRUE(blank.open(QIODevice::WriteOnly));
    blank.close();
    EXPECT_FALSE(installFrenchQtTranslations(*QCoreApplication::instance(), empty.path(), &reason));
}
