// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/Folders.h"

#include <gtest/gtest.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstring>
#include <filesystem>

#include "platform/WorkingDirectory.h"
#include "support/ScopedVariable.h"
#include "support/ScopedWorkingDirectory.h"
#include "support/TempDir.h"

using namespace corvane;
using namespace corvane::test;

namespace {

std::string startedIn(const std::string& folder) {
    ScopedWorkingDirectory here(folder);
    return workingDirectory();
}

}  // namespace

TEST(FoldersTest, MakeFoldersMakesEveryMissingParentAndAcceptsWhatIsThere) {
    TempDir dir;
    EXPECT_EQ(makeFolders(dir.file("a//b/c/")), "");
    EXPECT_TRUE(std::filesystem::is_directory(dir.file("a/b/c")));
    EXPECT_EQ(makeFolders(dir.file("a/b/c")), "");
    EXPECT_EQ(makeFolders(dir.path()), "");
    // A link to a folder is as good as the folder.
    std::filesystem::create_directory_symlink(dir.file("a/b"), dir.file("link"));
    EXPECT_EQ(makeFolders(dir.file("link/d")), "");
    EXPECT_TRUE(std::filesystem::is_directory(dir.file("a/b/d")));

    dir.write("file", "x");
    EXPECT_EQ(makeFolders(dir.file("file")), std::strerror(ENOTDIR));
    EXPECT_EQ(makeFolders(dir.file("file/below")), std::strerror(ENOTDIR));
    EXPECT_EQ(makeFolders(""), std::strerror(ENOENT));
    if (!runningAsRoot()) {
        std::filesystem::create_directory(dir.file("locked"));
        ::chmod(dir.file("locked").c_str(), 0500);
        EXPECT_EQ(makeFolders(dir.file("locked/inside")), std::strerror(EACCES));
        ::chmod(dir.file("locked").c_str(), 0700);
    }
}

TEST(FoldersTest, ResolvedFolderIsOnlyForFolders) {
    TempDir dir;
    EXPECT_EQ(resolvedFolder(dir.path()), startedIn(dir.path()));
    EXPECT_EQ(resolvedFolder(dir.write("file", "x")), std::nullopt);
    EXPECT_EQ(resolvedFolder(dir.file("missing")), std::nullopt);
    EXPECT_EQ(resolvedFolder(""), std::nullopt);
}

TEST(FoldersTest, HomeFolderFallsBackToTheAccount) {
    {
        const ScopedVariable home("HOME", "/somewhere/home");
        EXPECT_EQ(homeFolder(), "/somewhere/home");
    }
    const passwd* account = ::getpwuid(::getuid());
    ASSERT_NE(account, nullptr);
    const ScopedVariable empty("HOME", "");
    EXPECT_EQ(homeFolder(), account->pw_dir);
}
