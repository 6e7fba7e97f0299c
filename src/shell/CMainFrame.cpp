// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/CMainFrame.h"

#include "charts/QtColour.h"

#include "ui/CActions.h"
#include "settings/DisplayOptionTable.h"
#include "shell/CNightEffect.h"
#include "ui/NightMode.h"
#include "shell/CPlanetMenu.h"
#include "ui/CommandIds.h"
#include "shell/WindowArrangement.h"
#include "shell/WindowMnemonics.h"
#include "time/ui/CTimeBar.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QFontMetrics>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QScreen>
#include <QShortcut>
#include <QStatusBar>
#include <QStyle>
#include <QVBoxLayout>

namespace zarn {

namespace {
const QString kReady = QStringLiteral(" Prêt");
// The work area behind the windows.
const QColor kWorkArea = toQColor(kWorkAreaColour);
}  // namespace

CMainFrame::CMainFrame(QWidget* parent) : CWorkspace(parent)
{
    m_actions = new CActions(this);
    addActions(findChildren<QAction*>());  // shortcuts work in every child window

    auto* central = new QWidget(this);
    auto* layout = new QVBoxLayout(central);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    m_mdi = new QMdiArea(central);
    m_mdi->setBackground(kWorkArea);
    layout->addWidget(m_mdi, 1);
    m_mdi->viewport()->installEventFilter(this);
    new WindowMnemonics(m_mdi);
    m_timeBar = new CTimeBar(central);
    layout->addWidget(m_timeBar);
    setCentralWidget(central);

    buildMenus();
    buildStatusBar();
    connect(m_mdi, &QMdiArea::subWindowActivated, this, &CMainFrame::activeFrameChanged);
    SetMainTitle(QString());
}

void CMainFrame::addCommands(QMenu* menu, std::initializer_list<int> ids)
{
    for (int id : ids) {
        if (id == 0)
            menu->addSeparator();
        else
            menu->addAction(m_actions->action(id));
    }
}

void CMainFrame::buildMenus()
{
    using namespace cmd;
    QMenuBar* bar = menuBar();
    addCommands(bar->addMenu(QStringLiteral("&Fichier")), {NewSky, 0, PrintPreview, 0, Exit});
    addCommands(bar->addMenu(QStringLiteral("&Date")),
                {CurrentDate, RealTime, NewDate, 0, NextDay, PreviousDay, 0, NextMinute, NextMinute + 1,
                 NextMinute + 2, NextMinute + 3, NextMinute + 4, NextMinute + 5, NextMinute + 6,
                 NextMinute + 7, 0, SummerTime, TimeBar});

    QMenu* chart = bar->addMenu(QStringLiteral("&Carte"));
    addCommands(chart, {WholeSky, Zenith});
    QMenu* horizon = chart->addMenu(QStringLiteral("Vue &horizon"));
    for (int id = HorizonSouth; id <= HorizonSouthEast; ++id)
        horizon->addAction(m_actions->action(id));
    m_planetMenu = new CPlanetMenu(m_actions->action(PlanetView)->text(), *m_actions, chart);
    chart->addMenu(m_planetMenu);
    addCommands(chart, {0, Figures, AltitudeScale, Grid, 0, ChartOptions});
    // Every option that its command simply turns on and off, night mode first.
    for (const DisplayOption& o : displayOptions())
        if (o.command.id && o.command.toggle == OptionCommand::Plain)
            chart->addAction(m_actions->action(o.command.id));

    addCommands(bar->addMenu(QStringLiteral("&Planètes")),
                {Conjunction, Opposition, 0, Animation, Visibility});
    QMenu* ephemerides = bar->addMenu(QStringLiteral("&Éphémérides"));
    addCommands(ephemerides, {SolarSystem, Seasons, Catalogue, 0, Tonight, AstroEvents});
    // Alt+E opens it too: not every keyboard has a key for É.
    auto* plainE = new QShortcut(QKeySequence(Qt::ALT | Qt::Key_E), this);
    connect(plainE, &QShortcut::activated, bar, [bar, ephemerides] {
        bar->setActiveAction(ephemerides->menuAction());
        // Opened this way the menu has no current item of its own: Return
        // would find nothing to carry out.
        if (!ephemerides->actions().isEmpty())
            ephemerides->setActiveAction(ephemerides->actions().first());
    });
    addCommands(bar->addMenu(QStringLiteral("&Observatoire")), {Observatory});
    addCommands(bar->addMenu(QStringLiteral("Fe&nêtre")), {Cascade, Tile});
    addCommands(bar->addMenu(QStringLiteral("&?")), {Manual, HelpIndex, 0, About});

    connect(m_actions->action(Cascade), &QAction::triggered, this, &CMainFrame::cascadeToolWindows);
    connect(m_actions->action(Tile), &QAction::triggered, this, &CMainFrame::tileToolWindows);
    connect(m_actions->action(Exit), &QAction::triggered, this, &QWidget::close);
}

void CMainFrame::buildStatusBar()
{
    QStatusBar* bar = statusBar();
    const QFontMetrics fm(bar->font());
    static constexpr int kBlanks[3] = {65, 40, 14};
    for (int i = 0; i < 3; ++i) {
        m_panes[i] = new QLabel(bar);
        m_panes[i]->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        m_panes[i]->setMinimumWidth(fm.horizontalAdvance(QString(kBlanks[i], QLatin1Char(' '))));
        bar->addPermanentWidget(m_panes[i]);
    }
    // The message pane shows the menu prompts, and " Prêt" when idle.
    connect(bar, &QStatusBar::messageChanged, bar, [bar](const QString& text) {
        if (text.isEmpty())
            bar->showMessage(kReady);
    });
    bar->showMessage(kReady);
}

void CMainFrame::SetMainTitle(const QString& text)
{
    m_titleText = text;
    setWindowTitle(text.isEmpty() ? QStringLiteral(" ZARN") : QStringLiteral(" ZARN - ") + text);
}

void CMainFrame::setInstantTexts(const QString& place, const QString& date, const QString& time)
{
    m_panes[0]->setText(place);
    m_panes[1]->setText(date);
    m_panes[2]->setText(time);
    statusBar()->update();
}

QLabel* CMainFrame::statusPane(int index) const
{
    return index >= 1 && index <= 3 ? m_panes[index - 1] : nullptr;
}

void CMainFrame::showTimeBar(bool show)
{
    m_timeBar->setVisible(show);
    statusBar()->setVisible(!show);
    m_actions->setChecked(cmd::TimeBar, show);
}

void CMainFrame::setNightMode(bool on)
{
    night::apply(on);
    m_mdi->setBackground(on ? toQColor(kBlack) : kWorkArea);
    // Pictures and colours that windows paint themselves go red too. The
    // time bar has a filter of its own: its ticks redraw only itself.
    m_mdi->setGraphicsEffect(on ? new CNightEffect : nullptr);
    m_timeBar->setGraphicsEffect(on ? new CNightEffect : nullptr);
    m_actions->setChecked(cmd::NightMode, on);
    for (QWidget* widget : QApplication::allWidgets())
        widget->update();
}

bool CMainFrame::isTimeBarVisible() const { return !m_timeBar->isHidden(); }

void CMainFrame::setSkyFrame(QMdiSubWindow* frame)
{
    m_skyFrame = frame;
    applyMinimumSize();
}

QMdiSubWindow* CMainFrame::commandFrame() const
{
    QMdiSubWindow* active = m_mdi->activeSubWindow();
    if (active && redirectsToSky(active))
        return m_skyFrame;
    return active ? active : m_skyFrame.data();
}

QSize CMainFrame::minimumTrackingSize() const
{
    // 60 horizontal dialog base units high; 4/3 of that wide, within the screen.
    const int baseUnit = QFontMetrics(font()).averageCharWidth();
    int height = 60 * baseUnit;
    int width = height * 4 / 3;
    if (const QScreen* s = screen()) {
        width = std::min(width, s->geometry().width());
        // On a small or magnified screen the title bar must stay in reach:
        // never taller than the screen's free height.
        const int decoration = frameGeometry().height() - geometry().height();
        height = std::min(height, s->availableGeometry().height() - std::max(0, decoration));
    }
    return QSize(width, height);
}

void CMainFrame::applyMinimumSize()
{
    setMinimumSize(m_skyFrame ? minimumTrackingSize() : QSize(0, 0));
}

void CMainFrame::resizeEvent(QResizeEvent* event)
{
    QMainWindow::resizeEvent(event);
    if (m_skyFrame)
        emit resizedWithSkyFrame();
}

bool CMainFrame::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_mdi->viewport() && event->type() == QEvent::Resize) {
        emit workAreaResized();
        keepToolWindowsInside();
    }
    return QMainWindow::eventFilter(watched, event);
}

QList<QMdiSubWindow*> CMainFrame::toolWindows() const
{
    QList<QMdiSubWindow*> windows;
    for (QMdiSubWindow* w : m_mdi->subWindowList())
        if (w != m_skyFrame && w->isVisible() && !w->isMinimized())
            windows << w;
    return windows;
}

QRect CMainFrame::toolArea() const
{
    const QRect area = m_mdi->viewport()->rect();
    if (!m_skyFrame)
        return area;
    return QRect(area.topLeft(), QPoint(std::max(area.left(), m_skyFrame->geometry().left() - 1), area.bottom()));
}

QRect CMainFrame::workArea() const { return m_mdi->viewport()->rect(); }

int CMainFrame::cascadeStep() const
{
    return std::max(8, style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, this));
}

void CMainFrame::cascadeToolWindows() { cascadeWindows(toolWindows(), toolArea(), cascadeStep()); }

void CMainFrame::placeNewToolWindow(QMdiSubWindow* window, QSize size)
{
    QList<QRect> others;
    for (QMdiSubWindow* w : toolWindows())
        if (w != window)
            others << w->geometry();
    window->setGeometry(openingPlace(size, workArea(), others, cascadeStep()));
}

void CMainFrame::keepToolWindowsInside()
{
    // A smaller main window would leave title bars out of reach.
    const QRect area = workArea();
    for (QMdiSubWindow* w : toolWindows())
        if (!w->isMaximized() && !area.contains(w->geometry()))
            w->setGeometry(keptInside(w->geometry(), area));
}

void CMainFrame::tileToolWindows() { tileWindows(toolWindows(), toolArea()); }

void CMainFrame::closeEvent(QCloseEvent* event)
{
    if (m_closeHandler && !m_closeHandler()) {
        event->ignore();
        return;
    }
    event->accept();
}

}  // namespace zarn
