// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/ChildProcess.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <fstream>

#include "support/TempDir.h"

using namespace corvane::test;

// The temporary folder may be private to whoever runs the tests (TMPDIR of mode 700): the checks
// still reach their files there, and the files' permission bits still hold, root or not.
TEST(ChildProcessTest, PermissionBitsHoldInsideAPrivateFolder) {
    TempDir dir;
    const std::string open = dir.write("private/open", "open");
    const std::string locked = dir.write("private/locked", "locked");
    ::chmod(locked.c_str(), 0);
    ::chmod(dir.file("private").c_str(), 0700);
    EXPECT_TRUE(passesObeyingPermissions([&] {
        return readFile(open) == "open" && readFile(locked).empty() &&
               !std::ofstream(locked, std::ios::app).is_open();
    }));
    ::chmod(locked.c_str(), 0600);
    EXPECT_EQ(readFile(locked), "locked");
}
