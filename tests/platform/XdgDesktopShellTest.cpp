// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/posix/XdgDesktopShell.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "support/RecordingStarter.h"
#include "support/ScopedWorkingDirectory.h"
#include "support/TempDir.h"

using namespace corvane;
using namespace corvane::test;
using Strings = std::vector<std::string>;
using namespace std::chrono_literals;

namespace {

// Every tool is "installed" in one system folder.
std::optional<std::string> systemFolderTool(std::string_view name) {
    return "/system/bin/" + std::string(name);
}

class XdgDesktopShellTest : public ::testing::Test {
protected:
    DesktopShell::Done record() {
        return [this](bool done) { outcomes.push_back(done); };
    }

    TempDir dir;
    RecordingStarter starter;
    XdgDesktopShell shell{starter, systemFolderTool};
    std::vector<bool> outcomes;
};

}  // namespace

TEST_F(XdgDesktopShellTest, RevealAsksTheFileManagerThenOpensTheFolder) {
    const std::string odd = dir.write("my games/a,b\"#.rom", "x");
    shell.revealFile(odd, record());
    ASSERT_EQ(starter.started.size(), 1u);
    EXPECT_TRUE(starter.started[0].waited);
    EXPECT_EQ(starter.started[0].timeout, std::optional(6000ms));
    EXPECT_EQ(starter.started[0].program, "/system/bin/dbus-send");
    EXPECT_EQ(starter.started[0].arguments,
              (Strings{"--session", "--print-reply", "--reply-timeout=5000",
                       "--dest=org.freedesktop.FileManager1", "--type=method_call",
                       "/org/freedesktop/FileManager1", "org.freedesktop.FileManager1.ShowItems",
                       "array:string:" + XdgDesktopShell::fileUri(odd), "string:"}));
    EXPECT_EQ(XdgDesktopShell::fileUri("/msx/my games/a,b\"#.rom"),
              "file:///msx/my%20games/a%2Cb%22%23.rom");
    EXPECT_TRUE(outcomes.empty());  // nothing is known before the helper ends
    starter.finish(0);
    EXPECT_EQ(outcomes, std::vector<bool>{true});
    EXPECT_EQ(starter.started.size(), 1u);

    // No file manager answered (1), then dbus-send could not run at all (none): the folder
    // opens instead, and xdg-open's exit status decides.
    dir.write("games/k.rom", "x");
    const ScopedWorkingDirectory cwd(dir.path());
    const std::string here = std::filesystem::current_path().string();
    shell.revealFile("games/k.rom", record());
    EXPECT_EQ(starter.started[1].arguments[7],
              "array:string:" + XdgDesktopShell::fileUri(here + "/games/k.rom"));
    starter.finish(1);
    ASSERT_EQ(starter.started.size(), 3u);
    EXPECT_EQ(starter.started[2].program, "/system/bin/xdg-open");
    EXPECT_EQ(starter.started[2].arguments, Strings{here + "/games"});
    EXPECT_EQ(starter.started[2].timeout, std::nullopt);  // it may wait for the program it opens
    starter.finish(0);
    shell.revealFile(odd, record());
    starter.finish(std::nullopt);
    starter.finish(4);
    EXPECT_EQ(outcomes, (std::vector<bool>{true, true, false}));

    // The working directory for an empty path; the folder of a missing file without asking the
    // file manager; nothing at all for a missing folder.
    shell.revealFile("", record());
    shell.revealFile(dir.file("games/gone.rom"), record());
    shell.revealFile(dir.file("gone/k.rom"), record());
    EXPECT_EQ(outcomes, (std::vector<bool>{true, true, false, false}));
    ASSERT_EQ(starter.started.size(), 7u);
    EXPECT_EQ(starter.started[5].arguments, Strings{here});
    EXPECT_EQ(starter.started[6].arguments, Strings{dir.file("games")});
    starter.finish(0);
    starter.finish(0);
    EXPECT_EQ(outcomes, (std::vector<bool>{true, true, false, false, true, true}));
}

TEST_F(XdgDesktopShellTest, OpensOnlyWhatExistsOrAWebAddressAndHearsTheExitStatus) {
    const ScopedWorkingDirectory cwd(dir.path());
    dir.write("-manual.txt", "x");
    const std::string manual = dir.write("docs/manual.txt", "x");
    for (const std::string& target :
         {std::string("-manual.txt"), manual, std::string("https://example.org/a b"),
          std::string("mailto:someone@example.org")})
        shell.openWithAssociatedProgram(target, record());
    ASSERT_EQ(starter.started.size(), 4u);
    EXPECT_EQ(starter.started[0].arguments, Strings{"./-manual.txt"});
    EXPECT_EQ(starter.started[1].program, "/system/bin/xdg-open");
    EXPECT_EQ(starter.started[2].arguments, Strings{"https://example.org/a b"});
    starter.finish(0);
    starter.finish(4);  // xdg-open found no program for it
    starter.finish(std::nullopt);
    starter.finish(2);
    EXPECT_EQ(outcomes, (std::vector<bool>{true, false, false, false}));

    for (const char* missing : {"docs/missing.txt", "C:\\docs\\manual.txt", "notes", "x:y"})
        shell.openWithAssociatedProgram(missing, record());
    EXPECT_EQ(starter.started.size(), 4u);
    EXPECT_EQ(outcomes.size(), 8u);
    EXPECT_EQ(std::count(outcomes.begin(), outcomes.end(), false), 7);

    EXPECT_TRUE(XdgDesktopShell::isWebAddress("svn+ssh://host/x"));
    EXPECT_FALSE(XdgDesktopShell::isWebAddress("https:"));
    EXPECT_FALSE(XdgDesktopShell::isWebAddress("1http://x"));
    EXPECT_FALSE(XdgDesktopShell::isWebAddress("my file:1.txt"));
}

TEST_F(XdgDesktopShellTest, ToolsAreFoundAsSystemToolsOnly) {
    const std::string file = dir.write("a.txt", "x");
    std::vector<std::string> asked;
    XdgDesktopShell missing(starter, [&asked](std::string_view name) {
        asked.emplace_back(name);
        return std::optional<std::string>();
    });
    missing.openWithAssociatedProgram(file, record());
    missing.revealFile(file, record());
    EXPECT_TRUE(starter.started.empty());
    EXPECT_EQ(asked, (Strings{"xdg-open", "dbus-send", "xdg-open"}));
    EXPECT_EQ(outcomes, (std::vector<bool>{false, false}));
}
