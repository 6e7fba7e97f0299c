// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The application object: finds the program directory and the settings file,
// creates and places the main window, shows the start-up picture while the
// document loads, opens the sky window and the windows beside it, and answers
// the help and About commands.
#include "app/WindowKinds.h"

#include <QObject>
#include <QString>

#include <memory>

namespace zarn {

class CMainFrame;
class CSettingsStore;
class CZarnDoc;

class CZarnApp : public QObject {
    Q_OBJECT
public:
    // programDir: where the data files, the picture and maybe ZARN.INI are.
    // installed: programDir is the shared data folder of an installed
    // program, where nothing is written; the user's files are per-user.
    CZarnApp(QString programDir, WindowKinds kinds, bool installed = false);
    ~CZarnApp() override;

    // The start-up sequence; false ends the program.
    bool InitInstance();

    CMainFrame* mainFrame() const { return m_frame.get(); }
    CZarnDoc* document() const { return m_doc; }
    const QString& settingsPath() const;
    void setMinimumSplashMs(int ms) { m_splashMs = ms; }

    // Creates the document with its sky window; false when it cannot be created.
    bool openDocument();

private:
    void placeMainWindow();
    void onCommand(int id);

    QString m_programDir;
    WindowKinds m_kinds;
    bool m_installed = false;
    std::unique_ptr<CSettingsStore> m_settings;
    std::unique_ptr<CMainFrame> m_frame;
    CZarnDoc* m_doc = nullptr;
    int m_splashMs = 3000;
};

}  // namespace zarn
