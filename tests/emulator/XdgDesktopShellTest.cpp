// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/posix/XdgDesktopShell.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "support/RecordingStarter.h"

using namespace corvane;
using namespace corvane::test;
using Strings = std::vector<std::string>;

namespace {

// Every tool is "installed" in one system folder.
std::optional<std::string> systemFolderTool(std::string_view name) {
    return "/system/bin/" + std::string(name);
}

}  // namespace

TEST(XdgDesktopShell, RevealAsksTheFileManagerThenOpensTheFolder) {
    RecordingStarter starter;
    XdgDesktopShell shell(starter, systemFolderTool);
    starter.runResults = {0, 1};
    EXPECT_TRUE(shell.revealFile("/msx/my games/a,b\"#.rom"));
    EXPECT_TRUE(starter.started[0].waited);
    EXPECT_EQ(starter.started[0].program, "/system/bin/dbus-send");
    EXPECT_EQ(starter.started[0].arguments,
              (Strings{"--session", "--print-reply", "--reply-timeout=5000",
                       "--dest=org.freedesktop.FileManager1", "--type=method_call",
                       "/org/freedesktop/FileManager1", "org.freedesktop.FileManager1.ShowItems",
                       "array:string:file:///msx/my%20games/a%2Cb%22%23.rom", "string:"}));
    // No file manager answered (1), then dbus-send could not run at all (none).
    const std::string cwd = std::filesystem::current_path().string();
    EXPECT_TRUE(shell.revealFile("games/k.rom"));
    EXPECT_EQ(starter.started[1].arguments[7],
              "array:string:" + XdgDesktopShell::fileUri(cwd + "/games/k.rom"));
    EXPECT_TRUE(shell.revealFile("/top.rom"));
    EXPECT_TRUE(shell.revealFile(""));
    ASSERT_EQ(starter.started.size(), 6u);
    for (size_t i : {2u, 4u, 5u})
        EXPECT_EQ(starter.started[i].program, "/system/bin/xdg-open");
    EXPECT_EQ(starter.started[2].arguments, Strings{cwd + "/games"});
    EXPECT_EQ(starter.started[4].arguments, Strings{"/"});
    EXPECT_EQ(starter.started[5].arguments, Strings{cwd});

    starter.startResult = false;
    EXPECT_FALSE(shell.openWithAssociatedProgram("-manual.txt"));
    EXPECT_EQ(starter.started.back().arguments, Strings{"./-manual.txt"});
}

TEST(XdgDesktopShell, ToolsAreFoundAsSystemToolsOnly) {
    RecordingStarter starter;
    std::vector<std::string> asked;
    XdgDesktopShell missing(starter, [&asked](std::string_view name) {
        asked.emplace_back(name);
        return std::optional<std::string>();
    });
    EXPECT_FALSE(missing.openWithAssociatedProgram("/a.txt"));
    EXPECT_FALSE(missing.revealFile("/a.txt"));
    EXPECT_TRUE(starter.started.empty());
    EXPECT_EQ(asked, (Strings{"xdg-open", "dbus-send", "xdg-open"}));
}
