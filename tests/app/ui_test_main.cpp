// SPDX-License-Identifier: GPL-3.0-or-later
// Runs the window tests inside one QApplication on the offscreen platform.
#include <QApplication>
#include <QDir>
#include <clocale>
#include <gtest/gtest.h>

namespace {
// Tests work in temporary folders: a file that appears beside the built
// program during the run (OBJETS.ZAR, ZARN.INI, a temporary file) is a fault.
class ProgramFolderUntouched : public ::testing::Environment {
public:
    void SetUp() override { m_before = entries(); }
    void TearDown() override { EXPECT_EQ(entries(), m_before) << "a test wrote beside the program"; }

private:
    static QStringList entries() { return QDir(QStringLiteral(ZARN_DATA_DIR)).entryList(QDir::Files); }
    QStringList m_before;
};
}  // namespace

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    Q_INIT_RESOURCE(zarn);
    std::setlocale(LC_NUMERIC, "C");
    ::testing::InitGoogleTest(&argc, argv);
    ::testing::AddGlobalTestEnvironment(new ProgramFolderUntouched);
    return RUN_ALL_TESTS();
}
