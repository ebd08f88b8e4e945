// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/SystemTool.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>

#include "common/Path.h"
#include "support/FakeEmulator.h"
#include "support/ScopedVariable.h"
#include "support/ScopedWorkingDirectory.h"

using namespace corvane;
using namespace corvane::test;

TEST(SystemTool, FoundOnlyInAbsoluteFoldersOfThePath) {
    TempDir work;
    TempDir first;
    TempDir second;
    for (const char* place : {"tool", "bin/tool"})
        writeScript(work, place, "exit 0\n");
    const std::string notExecutable = first.write("tool", "#!/bin/sh\n");
    ::chmod(notExecutable.c_str(), 0644);
    std::filesystem::create_directories(first.file("dir-tool/tool"));
    const std::string tool = writeScript(second, "tool", "exit 0\n");
    const ScopedWorkingDirectory cwd(work.path());

    // Empty, "." and relative entries come first and hold a tool; they are skipped, and so are a
    // file that may not be executed and a folder of that name.
    const std::string folders =
        "::.:bin:" + first.path() + ":" + first.file("dir-tool") + ":" + second.path() + ":";
    EXPECT_EQ(findSystemToolIn("tool", folders), tool);
    EXPECT_EQ(findSystemToolIn("tool", ":.:bin"), std::nullopt);
    for (const char* name : {"", "bin/tool", "./tool", "/bin/sh"})
        EXPECT_EQ(findSystemToolIn(name, folders), std::nullopt) << name;
    {
        const ScopedVariable path("PATH", folders);
        EXPECT_EQ(findSystemTool("tool"), tool);
    }
    // No PATH at all: the usual system folders.
    const std::optional<std::string> sh = findSystemToolIn("sh", "");
    ASSERT_TRUE(sh);
    EXPECT_TRUE(*sh == "/usr/bin/sh" || *sh == "/bin/sh") << *sh;
}
