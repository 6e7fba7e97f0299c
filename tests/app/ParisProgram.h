// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The whole program started on a copy of the data files, with a per-user
// settings file whose only observatory is Paris (2.20 E, 48.51 N).
#include "ProgramFolder.h"
#include "app/CSettingsStore.h"
#include "app/CZarnApp.h"
#include "app/WindowKinds.h"
#include "shell/CMainFrame.h"
#include "time/Calendar.h"
#include "settings/ZarnSettings.h"

#include <QDir>

#include <memory>

class ParisProgram : public ProgramFolder {
protected:
    void SetUp() override
    {
        using namespace zarn;
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
    }

    std::unique_ptr<zarn::CZarnApp> app;
    zarn::CMainFrame* frame = nullptr;
};
