// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/AlmanacWindows.h"

#include "app/CSkyWindow.h"
#include "app/CZarnDoc.h"
#include "shell/CMainFrame.h"
#include "shell/WindowArrangement.h"
#include "tools/ui/CEphemeridesView.h"
#include "tools/ui/CNuitView.h"
#include "tools/ui/CSoleilView.h"

#include <QApplication>
#include <QMdiArea>
#include <QMdiSubWindow>

namespace zarn {

namespace {
// Help contexts of the windows (their window-kind numbers).
constexpr int kSunMoonHelp = 133;
constexpr int kVisibilityHelp = 134;
constexpr int kTonightHelp = 138;

// A frame on the main window for a view of the document: the view is
// updated with the document's hints until the frame closes.
template <class View>
QMdiSubWindow* addFrame(CZarnDoc& doc, CMainFrame& frame, View* view, const QString& title, int helpContext)
{
    auto* window = new QMdiSubWindow;
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->setWidget(view);
    window->setWindowTitle(title);
    window->setWindowIcon(QApplication::windowIcon());
    view->setProperty("helpContext", helpContext);
    frame.mdiArea()->addSubWindow(window);
    CDocView* asView = view;
    doc.AddView(asView);
    QObject::connect(view, &QObject::destroyed, &doc, [&doc, asView] { doc.RemoveView(asView); });
    return window;
}

}  // namespace

QMdiSubWindow* openSunMoonWindow(CZarnDoc& doc, CMainFrame& frame)
{
    auto* view = new CSoleilView(doc.bodies(), doc.instant());
    QMdiSubWindow* window = addFrame(doc, frame, view, QStringLiteral("Soleil"), kSunMoonHelp);
    // Menu commands and printing from this window go to the sky window.
    CMainFrame::markRedirectsToSky(window);
    auto place = [window, &frame] {
        if (!window->isMaximized() && !window->isMinimized())
            window->setGeometry(sunMoonFrameRect(frame.mdiArea()->viewport()->size()));
    };
    place();
    QObject::connect(&frame, &CMainFrame::workAreaResized, window, place);
    window->show();
    return window;
}

QMdiSubWindow* openVisibilityWindow(CZarnDoc& doc, CMainFrame& frame)
{
    auto* view = new CEphemeridesView(doc.bodies(), doc.instant());
    QMdiSubWindow* window = addFrame(doc, frame, view, QStringLiteral(" Visibilité des planètes"), kVisibilityHelp);
    // Over the sky window, as large as the chart reads well.
    const QSize client = frame.mdiArea()->viewport()->size();
    const QRect sky = CSkyWindow::frameRect(client);
    const QSize size(std::min(sky.width() - 20, 760), std::min(sky.height() - 20, 460));
    window->setGeometry(
        keptInside(QRect(sky.topLeft() + QPoint(10, 10), size.expandedTo(window->minimumSizeHint())), frame.workArea()));
    window->show();
    return window;
}

QMdiSubWindow* openNightWindow(CZarnDoc& doc, CMainFrame& frame)
{
    auto* view = new CNuitView(doc.sky(), doc.instant());
    QMdiSubWindow* window = addFrame(doc, frame, view, QStringLiteral("Ce soir"), kTonightHelp);
    // Over the sky window, wide enough for the text beside the chart.
    const QRect work = frame.workArea();
    const QSize size(std::min(work.width() - 20, 900), std::min(work.height() - 20, 560));
    window->setGeometry(keptInside(QRect(work.topLeft() + QPoint(10, 10), size), work));
    window->show();
    return window;
}

}  // namespace zarn
