// SPDX-License-Identifier: GPL-3.0-or-later
// Night mode in the whole program: every window, dialog and menu grabbed as
// the screen shows it holds no pixel with green or blue above a trace.
#include "../time/ui/ModalCatcher.h"
#include "ParisProgram.h"

#include "app/CZarnDoc.h"
#include "ui/CActions.h"
#include "shell/CMainFrame.h"
#include "ui/CommandIds.h"
#include "ui/NightMode.h"
#include "tools/ui/CSoleilView.h"

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QTest>

using namespace zarn;
using zarn::test::ModalCatcher;

namespace {

// What the eye kept dark tolerates: a trace of green or blue from the
// antialiased edges that styles blend with their own fixed colours.
constexpr int kTrace = 24;

// The pixels of a picture whose green or blue is above the trace.
int colouredPixels(const QImage& picture)
{
    const QImage image = picture.convertToFormat(QImage::Format_RGB32);
    int count = 0;
    for (int y = 0; y < image.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x)
            count += qGreen(line[x]) > kTrace || qBlue(line[x]) > kTrace;
    }
    return count;
}

class NightProgram : public ParisProgram {
protected:
    // A failure half-way must not leave the next tests in night mode.
    void TearDown() override
    {
        night::apply(false);
        ParisProgram::TearDown();
    }

    void run(int command) { frame->actions().action(command)->trigger(); }

    // Grabs the window as the screen shows it; a failure names it.
    void expectRed(QWidget* window, const char* name)
    {
        // The text caret and the tab bar's focus frame are drawn by
        // inverting what lies beneath them: like the mouse cursor they are
        // left as they are, so no control has the focus.
        // A dialog gives the focus once it is shown and active: after a pause.
        QTest::qWait(30);
        for (QWidget* child : window->findChildren<QWidget*>())
            if (child->hasFocus())
                child->clearFocus();
        QTest::qWait(10);
        const QImage picture = window->grab().toImage();
        if (const char* dir = std::getenv("ZARN_NIGHT_SHOTS"))
            picture.save(QString::fromUtf8(dir) + QLatin1Char('/') + QLatin1String(name) + QStringLiteral(".png"));
        EXPECT_FALSE(picture.isNull()) << name;
        EXPECT_EQ(colouredPixels(picture), 0) << name;
    }

    // Runs a command that opens a modal dialog and grabs the dialog.
    void expectDialogRed(int command, const char* name)
    {
        bool seen = false;
        ModalCatcher catcher;
        catcher.onDialog([&](QWidget* w) {
            if (seen)
                return;
            seen = true;
            expectRed(w, name);
            if (auto* dialog = qobject_cast<QDialog*>(w))
                dialog->reject();
        });
        run(command);
        EXPECT_TRUE(seen) << name;
    }
};

}  // namespace

TEST_F(NightProgram, EveryWindowDialogAndMenuIsRedOnBlack)
{
    frame->resize(1280, 800);
    // A day start-up shows colours: the test can tell.
    QTest::qWait(30);
    EXPECT_GT(colouredPixels(frame->grab().toImage()), 1000);

    run(cmd::NightMode);
    ASSERT_TRUE(night::isOn());
    EXPECT_TRUE(frame->actions().action(cmd::NightMode)->isChecked());
    run(cmd::TimeBar);
    run(cmd::Catalogue);
    run(cmd::Conjunction);
    run(cmd::Animation);
    run(cmd::Visibility);
    run(cmd::Tonight);
    run(cmd::SolarSystem);
    for (QMdiSubWindow* w : frame->mdiArea()->subWindowList())
        if (auto* sunMoon = qobject_cast<CSoleilView*>(w->widget())) {
            sunMoon->showPhases();
            sunMoon->showTwilight();
        }
    expectRed(frame, "fenetre-principale");
    for (QWidget* top : QApplication::topLevelWidgets())
        if (top != frame && top->isVisible())
            expectRed(top, qPrintable(top->metaObject()->className()));

    expectDialogRed(cmd::NewDate, "nouvelle-date");
    expectDialogRed(cmd::SummerTime, "heure-ete");
    expectDialogRed(cmd::Seasons, "saisons");
    expectDialogRed(cmd::ChartOptions, "options-carte");
    expectDialogRed(cmd::Observatory, "observatoires");

    for (QAction* item : frame->menuBar()->actions()) {
        QMenu* menu = item->menu();
        if (!menu)
            continue;
        menu->popup(frame->mapToGlobal(QPoint(10, 10)));
        expectRed(menu, qPrintable(QStringLiteral("menu-") + item->text().remove(QLatin1Char('&'))));
        menu->hide();
    }

    // Back to day: the colours come back, and the choice is what closing keeps.
    run(cmd::NightMode);
    EXPECT_FALSE(night::isOn());
    QTest::qWait(30);
    EXPECT_GT(colouredPixels(frame->grab().toImage()), 1000);
}
