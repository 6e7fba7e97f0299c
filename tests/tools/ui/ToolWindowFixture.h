// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A document on Paris with the conjunction and animation windows registered,
// for the tests of those windows.
#include "../../support/ParisProgram.h"
#include "app/CSettingsStore.h"
#include "app/CZarnDoc.h"
#include "shell/CMainFrame.h"
#include "settings/ZarnSettings.h"
#include "tools/ui/CAnimationView.h"
#include "tools/ui/CConjonctionView.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <memory>

namespace zarn::test {

class ToolWindows : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        store = std::make_unique<CSettingsStore>(dir.filePath(QStringLiteral("ZARN.INI")));
        saveParisSettings(*store);
        frame = std::make_unique<CMainFrame>();
        frame->resize(1280, 800);
        WindowKinds kinds;
        kinds[ViewKind::Conjonction] = &CConjonctionView::open;
        kinds[ViewKind::Animation] = &CAnimationView::open;
        doc = new CZarnDoc(*frame, kinds, QStringLiteral(ZARN_DATA_DIR), *store);
        doc->setMinimumSplashMs(0);
        ASSERT_TRUE(doc->load());
    }

    void setDate(int day, int month, int year)
    {
        doc->instant() = CInstant(day, month, year, 0, 0, 0, doc->observatories().front());
        doc->bodies().computeAll(doc->instant());
    }

    template <class View>
    View* open(ViewKind kind)
    {
        return dynamic_cast<View*>(doc->openWindow(kind).view);
    }

    QTemporaryDir dir;
    std::unique_ptr<CSettingsStore> store;
    std::unique_ptr<CMainFrame> frame;
    CZarnDoc* doc = nullptr;  // owned by the frame
};

}  // namespace zarn::test
