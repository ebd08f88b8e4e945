// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/ProgramFolder.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "support/ScopedWorkingDirectory.h"
#include "support/TempDir.h"

using namespace corvane;

// The tests are built beside the command-line program; the folder is the same from anywhere.
TEST(ProgramFolderTest, TheFolderOfTheRunningExecutable) {
    const std::string expected = std::filesystem::canonical(CORVANE_CLI_EXE).parent_path().string();
    EXPECT_EQ(programFolder(), expected);
    test::TempDir elsewhere;
    test::ScopedWorkingDirectory here(elsewhere.path());
    EXPECT_EQ(programFolder(), expected);
}
