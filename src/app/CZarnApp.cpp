// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/CZarnApp.h"

#include "app/CAboutDlg.h"
#include "ui/CHelpWindow.h"
#include "app/CSettingsStore.h"
#include "app/CStartupPicture.h"
#include "app/CZarnDoc.h"
#include "app/DialogHelp.h"
#include "app/FilePaths.h"
#include "ui/Hints.h"
#include "ui/CActions.h"
#include "shell/CMainFrame.h"
#include "ui/CommandIds.h"
#include "shell/WindowArrangement.h"
#include "settings/ZarnSettings.h"

#include <QApplication>
#include <QGuiApplication>
#include <QMdiArea>
#include <QScreen>

namespace zarn {

CZarnApp::CZarnApp(QString programDir, WindowKinds kinds, bool installed)
    : m_programDir(std::move(programDir)), m_kinds(std::move(kinds)), m_installed(installed)
{
}

CZarnApp::~CZarnApp()
{
    // The document belongs to the main window; the window goes first.
    m_frame.reset();
}

const QString& CZarnApp::settingsPath() const { return m_settings->path(); }

bool CZarnApp::InitInstance()
{
    m_settings = std::make_unique<CSettingsStore>(CSettingsStore::locate(m_programDir, m_installed));
    qApp->installEventFilter(new DialogHelp(this));
    m_frame = std::make_unique<CMainFrame>();
    connect(&m_frame->actions(), &CActions::triggered, this, &CZarnApp::onCommand);
    m_frame->setCloseHandler([this] {
        if (m_doc && !m_doc->close())
            return false;
        // Nothing stays open after the main window: the program ends.
        CHelpWindow::closeHelp();
        return true;
    });
    placeMainWindow();
    return openDocument();
}

void CZarnApp::placeMainWindow()
{
    const ZarnSettings settings = readSettings(m_settings->load());
    const QScreen* screen = QGuiApplication::primaryScreen();
    QRect rect = screen ? screen->availableGeometry() : QRect(0, 0, 1024, 768);
    if (settings.normalRect) {
        const auto& r = *settings.normalRect;
        const QRect stored(QPoint(r[0], r[1]), QPoint(r[2] - 1, r[3] - 1));
        // A rectangle wholly off every screen would hide the window, and one
        // larger than the screen (saved at another size or scale) would put
        // its title bar or its edges out of reach.
        if (!screen)
            rect = stored;
        else if (screen->virtualGeometry().intersects(stored)) {
            const QScreen* under = QGuiApplication::screenAt(stored.center());
            rect = keptInside(stored, (under ? under : screen)->availableGeometry());
        }
    }
    m_frame->setGeometry(rect);
    if (settings.showState == 3)
        m_frame->showMaximized();
    else if (settings.showState == 2)
        m_frame->showMinimized();
    else
        m_frame->show();
}

bool CZarnApp::openDocument()
{
    // Centred on the main window as it will stand: a maximised window may not
    // have its final size yet.
    QRect over = m_frame->frameGeometry();
    if (m_frame->windowState() & Qt::WindowMaximized)
        if (const QScreen* screen = m_frame->screen())
            over = screen->availableGeometry();
    CStartupPicture* picture =
        CStartupPicture::show(joinPath(m_programDir, "eclipse.bmp"), m_frame.get(), over);
    m_doc = new CZarnDoc(*m_frame, m_kinds, m_programDir, *m_settings, m_installed);
    m_doc->setMinimumSplashMs(picture ? m_splashMs : 0);
    if (picture)
        m_doc->setStartupPictureArea(picture->frameGeometry());
    const bool loaded = m_doc->load();
    if (picture)
        picture->close();
    if (!loaded) {
        delete m_doc;
        m_doc = nullptr;
        return false;
    }
    connect(m_frame.get(), &CMainFrame::activeFrameChanged, m_doc, &CZarnDoc::updateCommandStates);
    connect(m_frame.get(), &CMainFrame::resizedWithSkyFrame, m_doc, [this] {
        const unsigned chart = m_doc->currentChartKind() == 2 ? hint::Horizon : hint::WholeSky;
        m_doc->UpdateAllViews(nullptr, hint::Resized | chart);
    });
    m_doc->openWindow(ViewKind::Sky);
    m_frame->SetMainTitle(m_doc->skyTitle());
    m_doc->openWindow(ViewKind::Soleil);
    m_doc->openWindow(ViewKind::Chercher);
    // The sky is what the program opens on: its window is the active one, so
    // that the menu bar's letters are not taken by the search window's button.
    m_frame->mdiArea()->setActiveSubWindow(m_frame->skyFrame());
    m_doc->updateCommandStates();
    return true;
}

void CZarnApp::onCommand(int id)
{
    switch (id) {
    case cmd::NewSky:
        // With the sky window open, the windows that come with it and were
        // closed since open again at their places.
        if (!m_doc) {
            openDocument();
        } else {
            m_doc->openWindow(ViewKind::Soleil);
            m_doc->openWindow(ViewKind::Chercher);
            m_doc->updateCommandStates();
        }
        break;
    case cmd::Manual: CHelpWindow::showContext(CHelpWindow::kMainTopic); break;
    case cmd::HelpIndex: CHelpWindow::showContents(); break;
    case cmd::About: CAboutDlg(m_frame.get()).exec(); break;
    case cmd::Exit:
    case cmd::Cascade:
    case cmd::Tile: break;  // the main window answers these itself
    default:
        if (m_doc)
            m_doc->onCommand(id);
        break;
    }
}

}  // namespace zarn
