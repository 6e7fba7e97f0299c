// Every tool window at the places where the sky behaves at its limits: the
// equator, the polar circles, the poles, the date line. A year of "Jour
// suivant" must leave no window empty, hung, or showing an undefined number.
#include "../time/ui/ModalCatcher.h"
#include "ProgramFolder.h"

#include "app/CSettingsStore.h"
#include "app/CZarnApp.h"
#include "app/CZarnDoc.h"
#include "shell/CActions.h"
#include "shell/CMainFrame.h"
#include "shell/CommandIds.h"
#include "time/Calendar.h"
#include "tools/DayClock.h"
#include "time/ZarnSettings.h"
#include "tools/ui/CConjonctionView.h"
#include "tools/ui/CPhasesPopup.h"
#include "tools/ui/CSoleilView.h"
#include "tools/ui/CTwilightPopup.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>

#include <memory>

using namespace zarn;

namespace {

class ExtremePlaces : public ProgramFolder {
protected:
    void SetUp() override
    {
        ProgramFolder::SetUp();
        ZarnSettings settings;
        settings.observatories.push_back(CLieu("Paris", -fromPacked(2.20), fromPacked(48.51) * kRadPerDeg, 1, 1));
        Profile profile;
        writeSettings(settings, profile, false);
        ASSERT_TRUE(QDir().mkpath(user.filePath(QStringLiteral("Zarn"))));
        ASSERT_TRUE(CSettingsStore(user.filePath(QStringLiteral("Zarn/ZARN.INI"))).save(profile));
        app = std::make_unique<CZarnApp>(program.path(), programWindowKinds());
        app->setMinimumSplashMs(0);
        ASSERT_TRUE(app->InitInstance());
        frame = app->mainFrame();
        frame->showNormal();
        frame->resize(1280, 800);
        QTest::qWait(20);
    }

    void run(int command) { frame->actions().action(command)->trigger(); }

    // Every text a user reads in the program's windows.
    QStringList shownTexts() const
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

    std::unique_ptr<CZarnApp> app;
    CMainFrame* frame = nullptr;
};

}  // namespace

TEST_F(ExtremePlaces, AYearOfDaysAtThePolesAndTheDateLineShowsOnlyDefinedValues)
{
    CZarnDoc& doc = *app->document();
    zarn::test::ModalCatcher catcher;
    run(cmd::SolarSystem);
    run(cmd::Visibility);
    run(cmd::Conjunction);
    run(cmd::Animation);
    run(cmd::Catalogue);
    CSoleilView* sunMoon = nullptr;
    CConjonctionView* conjunction = nullptr;
    for (QMdiSubWindow* w : frame->mdiArea()->subWindowList()) {
        if (!sunMoon)
            sunMoon = qobject_cast<CSoleilView*>(w->widget());
        if (!conjunction)
            conjunction = qobject_cast<CConjonctionView*>(w->widget());
    }
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
