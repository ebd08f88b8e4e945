// SPDX-License-Identifier: GPL-3.0-or-later
// The real program started as a terminal or the desktop menu starts it.
#include <gtest/gtest.h>

#include <QFile>
#include <QProcess>
#include <QSignalSpy>
#include <filesystem>

#include "support/ProgramRun.h"
#include "support/ScopedVariable.h"
#include "support/TempDir.h"
#include "ui/PrivateRuntimeFolder.h"
#include "ui/WindowStart.h"
#include "ui/common/SingleInstance.h"

using namespace corvane;
using namespace corvane::test;

namespace {

struct Outcome {
    int exitCode = -1;
    QString out;
    QString err;
};

// Starts the launcher offscreen, in its own runtime folder (set up by the caller), from the
// given working directory with extra environment variables.
class LauncherProcess {
public:
    LauncherProcess(const std::string& workingDirectory, const QStringList& arguments,
                    const std::vector<std::pair<QString, std::string>>& variables = {}) {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        for (const auto& [name, value] : variables)
            env.insert(name, QString::fromStdString(value));
        process_.setProcessEnvironment(env);
        process_.setWorkingDirectory(QString::fromStdString(workingDirectory));
        process_.start(QStringLiteral(CORVANE_LAUNCHER_EXE), arguments);
    }
    ~LauncherProcess() {
        if (process_.state() != QProcess::NotRunning) {
            process_.kill();
            process_.waitForFinished();
        }
    }
    QProcess& process() { return process_; }
    // Waits with the event loop running, so a launcher in this process can answer it.
    Outcome finish() {
        QSignalSpy finished(&process_, &QProcess::finished);
        if (process_.state() != QProcess::NotRunning) {
            EXPECT_TRUE(finished.wait(60000));
        }
        return {process_.exitStatus() == QProcess::NormalExit ? process_.exitCode() : -1,
                QString::fromLocal8Bit(process_.readAllStandardOutput()),
                QString::fromLocal8Bit(process_.readAllStandardError())};
    }

private:
    QProcess process_;
};

std::string canonical(const std::string& path) {
    return std::filesystem::canonical(path).string();
}

}  // namespace

TEST(LauncherStartTest, BaseDirNamesTheFolderEvenFromElsewhere) {
    const PrivateRuntimeFolder runtime;
    TempDir dir;
    std::filesystem::create_directories(dir.file("msx/collection"));
    std::filesystem::create_directory(dir.file("elsewhere"));
    SingleInstance running(SingleInstance::keyFor(canonical(dir.file("msx/collection"))));
    ASSERT_TRUE(running.acquire());
    QSignalSpy activations(&running, &SingleInstance::activationRequested);

    // The folder named, relative to where the start happens, is the running launcher's.
    for (const QString& typed : {QStringLiteral("../msx/collection"),
                                 QString::fromStdString(dir.file("msx/collection/"))}) {
        LauncherProcess second(dir.file("elsewhere"), {QStringLiteral("--base-dir"), typed});
        EXPECT_TRUE(activations.wait(10000)) << typed.toStdString();
        const Outcome run = second.finish();
        EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
    }
    EXPECT_EQ(activations.size(), 2);
}

TEST(LauncherStartTest, ABaseDirNamedInWindows1252KeepsItsBytes) {
    const PrivateRuntimeFolder runtime;
    TempDir dir;
    // "Café" in Windows-1252: the byte 0xE9 alone is no UTF-8, so as text it would be lost.
    const std::string folder = dir.file("Caf\xE9");
    std::filesystem::create_directory(folder);
    SingleInstance running(SingleInstance::keyFor(canonical(folder)));
    ASSERT_TRUE(running.acquire());
    QSignalSpy activations(&running, &SingleInstance::activationRequested);

    for (const std::vector<std::string>& arguments :
         {std::vector<std::string>{"--base-dir", folder},
          std::vector<std::string>{"--base-dir=Caf\xE9"},
          std::vector<std::string>{"--base-dir", "elsewhere", "--base-dir", "Caf\xE9"}}) {
        const ProgramOutput output =
            runProgram(CORVANE_LAUNCHER_EXE, arguments, {.workingDirectory = dir.path()});
        EXPECT_EQ(output.status, 0) << arguments.back() << output.err;
        EXPECT_TRUE(received(activations)) << arguments.back();
        activations.clear();
    }
}

TEST(LauncherStartTest, TheDesktopStartKeepsItsFilesInTheUserDataFolder) {
    const PrivateRuntimeFolder runtime;
    TempDir dir;
    std::filesystem::create_directory(dir.file("home"));
    const std::string folder = canonical(dir.path()) + "/xdg/data/corvane-launcher";
    SingleInstance running(SingleInstance::keyFor(folder));
    ASSERT_TRUE(running.acquire());
    QSignalSpy activations(&running, &SingleInstance::activationRequested);

    LauncherProcess desktop(dir.file("home"), {QStringLiteral("--user-data")},
                            {{QStringLiteral("XDG_DATA_HOME"), dir.file("xdg/data")},
                             {QStringLiteral("HOME"), dir.file("home")}});
    EXPECT_TRUE(activations.wait(10000));
    EXPECT_EQ(desktop.finish().exitCode, 0);
    EXPECT_TRUE(std::filesystem::is_directory(folder));
    // Nothing lands where the desktop happened to start it.
    EXPECT_TRUE(std::filesystem::is_empty(dir.file("home")));
}

TEST(LauncherStartTest, LaunchersOnTwoBaseDirectoriesEachKeepTheirWindow) {
    const PrivateRuntimeFolder runtime;
    TempDir dir;
    std::filesystem::create_directory(dir.file("first"));
    std::filesystem::create_directory(dir.file("second"));
    SingleInstance running(SingleInstance::keyFor(canonical(dir.file("first"))));
    ASSERT_TRUE(running.acquire());
    QSignalSpy activations(&running, &SingleInstance::activationRequested);

    // The second opens its own window; its start-up report makes it quit once it is shown.
    const std::string report = dir.file("report");
    LauncherProcess second(dir.file("first"),
                           {QStringLiteral("--base-dir"), QStringLiteral("../second")},
                           {{QStringLiteral("CORVANE_STARTUP_REPORT"), report}});
    const Outcome run = second.finish();
    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_TRUE(readFile(report).find("listed ") != std::string::npos);
    EXPECT_TRUE(activations.isEmpty());
}

TEST(LauncherStartTest, HelpAndVersionNeedNoWindowSystem) {
    TempDir dir;
    const ScopedVariable noDisplay("DISPLAY", std::nullopt);
    const ScopedVariable noWayland("WAYLAND_DISPLAY", std::nullopt);
    const ScopedVariable noPlatform("QT_QPA_PLATFORM", std::nullopt);
    auto run = [&dir](const std::string& argument) {
        return runProgram(CORVANE_LAUNCHER_EXE, {argument}, {.workingDirectory = dir.path()});
    };
    const ProgramOutput version = run("--version");
    EXPECT_EQ(version.status, 0) << version.err;
    EXPECT_EQ(version.out, "Corvane Launcher " CORVANE_VERSION "\n");
    for (const std::string asked : {"--help", "-h"}) {
        const ProgramOutput help = run(asked);
        EXPECT_EQ(help.status, 0) << help.err;
        EXPECT_NE(help.out.find("--base-dir <dir>"), std::string::npos) << asked;
    }
}

TEST(LauncherStartTest, TheCommandLineFollowsQtsConventions) {
    const PrivateRuntimeFolder runtime;
    TempDir dir;
    auto run = [&dir](const QStringList& arguments) {
        return LauncherProcess(dir.path(), arguments).finish();
    };

    const Outcome version = run({QStringLiteral("--version")});
    EXPECT_EQ(version.exitCode, 0);
    EXPECT_EQ(version.out, QStringLiteral("Corvane Launcher " CORVANE_VERSION "\n"));
    const Outcome help = run({QStringLiteral("--help")});
    EXPECT_EQ(help.exitCode, 0);
    EXPECT_TRUE(help.out.contains(QStringLiteral("--base-dir <dir>")));
    EXPECT_TRUE(help.out.contains(QStringLiteral("--user-data")));
    EXPECT_TRUE(help.out.contains(QStringLiteral("$XDG_DATA_HOME/corvane-launcher")));

    // Mistakes end the start with a word on standard error, before any window or lock.
    const std::pair<QStringList, QString> mistakes[] = {
        {{QStringLiteral("--bogus")}, QStringLiteral("Unknown option 'bogus'.")},
        {{QStringLiteral("--base-dir")}, QStringLiteral("Missing value after '--base-dir'.")},
        {{QStringLiteral("--base-dir"), QStringLiteral("missing")},
         QStringLiteral("missing: no such folder")},
        {{QStringLiteral("--base-dir"), QStringLiteral("."), QStringLiteral("--user-data")},
         QStringLiteral("--base-dir and --user-data cannot be given together")},
        {{QStringLiteral("file.rom")}, QStringLiteral("unexpected argument 'file.rom'")}};
    for (const auto& [arguments, said] : mistakes) {
        const Outcome refused = run(arguments);
        EXPECT_EQ(refused.exitCode, 1) << arguments.join(QLatin1Char(' ')).toStdString();
        EXPECT_TRUE(refused.err.contains(QStringLiteral("Corvane Launcher: ") + said))
            << refused.err.toStdString();
        EXPECT_TRUE(refused.out.isEmpty());
    }
    EXPECT_FALSE(std::filesystem::exists(dir.file("missing")));
}
