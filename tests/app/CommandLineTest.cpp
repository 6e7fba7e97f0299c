// SPDX-License-Identifier: GPL-3.0-or-later
// The program itself, started as a user starts it: the information options
// without a screen, a display that cannot be opened, and a write that
// fails under a file-size limit.
#include "app/CommandLine.h"

#include <QProcess>
#include <QProcessEnvironment>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <csignal>
#include <sys/resource.h>

namespace {

struct Outcome {
    int status = -1;
    QProcess::ExitStatus how = QProcess::CrashExit;
    QString out, err;
};

// The program with the environment changes given ("NAME" alone removes it);
// stdout goes to outFile when one is named, and a positive fileLimit is the
// program's file-size limit in bytes.
Outcome runProgram(const QStringList& arguments, const QStringList& environment, const QString& outFile = {},
                   rlim_t fileLimit = 0)
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const QString& item : environment) {
        const qsizetype eq = item.indexOf(QLatin1Char('='));
        if (eq < 0)
            env.remove(item);
        else
            env.insert(item.left(eq), item.mid(eq + 1));
    }
    QProcess process;
    process.setProcessEnvironment(env);
    if (!outFile.isEmpty())
        process.setStandardOutputFile(outFile);
    if (fileLimit > 0)
        process.setChildProcessModifier([fileLimit] {
            // In the child only, with the signal's default action whatever this
            // test program does with it: the program itself must ignore it.
            std::signal(SIGXFSZ, SIG_DFL);
            rlimit limit{};
            ::getrlimit(RLIMIT_FSIZE, &limit);
            limit.rlim_cur = fileLimit;
            ::setrlimit(RLIMIT_FSIZE, &limit);
        });
    process.start(QStringLiteral(ZARN_PROGRAM), arguments);
    Outcome run;
    if (!process.waitForFinished(60000)) {
        process.kill();
        process.waitForFinished();
        return run;
    }
    run.status = process.exitCode();
    run.how = process.exitStatus();
    run.out = QString::fromUtf8(process.readAllStandardOutput());
    run.err = QString::fromUtf8(process.readAllStandardError());
    return run;
}

const QStringList kNoScreen{QStringLiteral("DISPLAY"), QStringLiteral("WAYLAND_DISPLAY"),
                            QStringLiteral("QT_QPA_PLATFORM")};

}  // namespace

TEST(CommandLine, HelpAndVersionAnswerWithoutAScreen)
{
    const Outcome help = runProgram({QStringLiteral("--help")}, kNoScreen);
    EXPECT_EQ(help.how, QProcess::NormalExit);
    EXPECT_EQ(help.status, 0) << help.err.toStdString();
    EXPECT_TRUE(help.out.startsWith(QStringLiteral("usage : zarn [--help | --version]\n"))) << help.out.toStdString();
    EXPECT_TRUE(help.out.contains(QStringLiteral("--version")));
    const Outcome version = runProgram({QStringLiteral("--version")}, kNoScreen);
    EXPECT_EQ(version.status, 0);
    EXPECT_EQ(version.out, QStringLiteral("zarn " ZARN_VERSION "\n"));
    // Without an option the program still wants a screen, and says so.
    const Outcome none = runProgram({}, kNoScreen);
    EXPECT_EQ(none.status, 1);
    EXPECT_TRUE(none.err.contains(QStringLiteral("aucun écran disponible")));
}

TEST(CommandLine, AMissingDisplayServerEndsWithAFrenchMessageNotAnAbort)
{
    // A display number no server listens on.
    const Outcome run = runProgram({}, {QStringLiteral("DISPLAY=:479"), QStringLiteral("WAYLAND_DISPLAY"),
                                    QStringLiteral("QT_QPA_PLATFORM")});
    EXPECT_EQ(run.how, QProcess::NormalExit) << run.err.toStdString();
    EXPECT_EQ(run.status, 1);
    EXPECT_TRUE(run.err.startsWith(QStringLiteral("zarn : impossible d'ouvrir l'écran « :479 »")))
        << run.err.toStdString();
}

TEST(CommandLine, AWritePastTheFileSizeLimitFailsInsteadOfKillingTheProgram)
{
    // The program's first write to the file goes past the limit. The signal's
    // default action would end it (status 153 in a shell); ignored, the
    // write fails and the program says so by its status.
    QTemporaryDir dir;
    const Outcome run = runProgram({QStringLiteral("--version")}, kNoScreen, dir.filePath(QStringLiteral("out")), 4);
    EXPECT_EQ(run.how, QProcess::NormalExit);
    EXPECT_EQ(run.status, 1);
}
