// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/WorkingDirectory.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <climits>
#include <cstdlib>
#include <filesystem>

#include "app/CCorvaneLauncherApp.h"
#include "support/ScopedWorkingDirectory.h"
#include "support/ScriptedPrompter.h"
#include "support/TempDir.h"

using namespace corvane;
using namespace corvane::test;

TEST(WorkingDirectoryTest, ABaseDirectoryNamedInWindows1252KeepsItsBytes) {
    TempDir dir;
    // "Café" in Windows-1252: the byte 0xE9 alone is no UTF-8.
    const std::string folder = dir.file("Caf\xE9");
    std::filesystem::create_directory(folder);
    char resolved[PATH_MAX];
    ASSERT_NE(::realpath(folder.c_str(), resolved), nullptr);
    dir.write("Caf\xE9/Games.db", "Knightmare|k.rom\r\n");

    ScopedWorkingDirectory here(folder);
    EXPECT_EQ(workingDirectory(), std::string(resolved));
    ScriptedPrompter prompter;
    CCorvaneLauncherApp app(workingDirectory(), prompter);
    EXPECT_EQ(app.baseDirectory(), std::string(resolved));
    EXPECT_EQ(app.store().databaseList(), std::vector<std::string>{"Games.db"});
    EXPECT_EQ(app.store().countAllProfiles(), 1);

    // Longer than a first guess at its size.
    const std::string deep = folder + "/" + std::string(200, 'd') + "/" + std::string(200, 'e');
    std::filesystem::create_directories(deep);
    ScopedWorkingDirectory deeper(deep);
    EXPECT_EQ(workingDirectory(), std::string(resolved) + deep.substr(folder.size()));
}

TEST(WorkingDirectoryTest, ARemovedWorkingDirectoryIsNamedRelatively) {
    TempDir dir;
    const std::string folder = dir.file("gone");
    std::filesystem::create_directory(folder);
    ScopedWorkingDirectory here(folder);
    std::filesystem::remove(folder);
    EXPECT_EQ(workingDirectory(), ".");
}

TEST(WorkingDirectoryTest, EnteringABaseDirectoryMakesRelativePathsItsOwn) {
    TempDir dir;
    const std::string folder = dir.file("Caf\xE9");
    std::filesystem::create_directory(folder);
    dir.write("Caf\xE9/media/a.rom", "abc");
    char resolved[PATH_MAX];
    ASSERT_NE(::realpath(folder.c_str(), resolved), nullptr);
    ScopedWorkingDirectory restore(dir.path());
    ASSERT_TRUE(setWorkingDirectory(folder));
    EXPECT_EQ(workingDirectory(), std::string(resolved));
    EXPECT_TRUE(std::filesystem::exists("media/a.rom"));
    EXPECT_FALSE(setWorkingDirectory(dir.file("missing")));
    EXPECT_EQ(workingDirectory(), std::string(resolved));
}
