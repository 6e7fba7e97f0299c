// Start-up as a new user: no settings, the place dialog, the main window with
// the sky window; the settings file's place; the start-up picture, the help
// pages and Qt's French texts.
#include "../time/ui/ModalCatcher.h"

#include "app/CHelpWindow.h"
#include "app/CSettingsStore.h"
#include "app/CStartupPicture.h"
#include "app/CZarnApp.h"
#include "app/CZarnDoc.h"
#include "app/DialogHelp.h"
#include "app/Translations.h"
#include "shell/CActions.h"
#include "shell/CMainFrame.h"
#include "shell/CommandIds.h"
#include "time/ui/CLieuDlg.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

using namespace zarn;
using zarn::test::ModalCatcher;

namespace {

// A program folder with the data files, and an empty per-user folder.
class ProgramFolder : public ::testing::Test {
protected:
    void SetUp() override
    {
        for (const char* name : {"CIEL.ZAR", "ELEMENTS.ZAR"})
            ASSERT_TRUE(QFile::copy(QStringLiteral(ZARN_DATA_DIR "/") + QLatin1String(name),
                                    program.filePath(QLatin1String(name))));
        ASSERT_TRUE(QFile::copy(QStringLiteral(ZARN_SOURCE_DIR "/resources/eclipse.bmp"),
                                program.filePath(QStringLiteral("eclipse.bmp"))));
        previousConfig = qgetenv("XDG_CONFIG_HOME");
        qputenv("XDG_CONFIG_HOME", user.path().toUtf8());
    }
    void TearDown() override { qputenv("XDG_CONFIG_HOME", previousConfig); }

    QTemporaryDir program;
    QTemporaryDir user;
    QByteArray previousConfig;
};

}  // namespace

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

    // Quitting writes the place into the per-user settings.
    ASSERT_TRUE(frame->close());
    const QString ini = user.filePath(QStringLiteral("Zarn/ZARN.INI"));
    ASSERT_TRUE(QFile::exists(ini));
    EXPECT_EQ(CSettingsStore(ini).load().value("Observatoires", "lieu0"), "Paris");
    EXPECT_TRUE(QFile::exists(program.filePath(QStringLiteral("OBJETS.ZAR"))))
        << catcher.texts.join("|").toStdString() << QDir(program.path()).entryList().join(",").toStdString();
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
    for (int context : {CHelpWindow::kMainTopic, 12, 10, CHelpWindow::kAstroEvents, 96259, 483, 485, 101, 114, 4242}) {
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
