// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A program folder with the data files, and an empty per-user folder.
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

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

