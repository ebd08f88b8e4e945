// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/BaseDirectoryChoice.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstring>
#include <filesystem>

#include "platform/WorkingDirectory.h"
#include "support/ScopedWorkingDirectory.h"
#include "support/TempDir.h"

using namespace corvane;
using namespace corvane::test;

namespace {

// The desktop menu's start.
const StartOptions kUserData{.baseDirectory = std::nullopt, .userData = true};

// The folder as the system names it once the launcher has started in it.
std::string startedIn(const std::string& folder) {
    ScopedWorkingDirectory here(folder);
    return workingDirectory();
}

mode_t permissions(const std::string& path) {
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0 ? st.st_mode & 07777 : 0;
}

}  // namespace

TEST(BaseDirectoryChoiceTest, WithoutOptionsTheWorkingDirectoryAsEver) {
    TempDir dir;
    const StartEnvironment environment{
        .workingDirectory = dir.file("here"), .xdgDataHome = dir.file("data"), .home = dir.path()};
    EXPECT_EQ(chooseBaseDirectory({}, environment).directory, dir.file("here"));
    // A start with no name for its folder any more still finds its files relative to it.
    EXPECT_EQ(
        chooseBaseDirectory({}, {.workingDirectory = ".", .xdgDataHome = {}, .home = {}}).directory,
        ".");
    EXPECT_FALSE(std::filesystem::exists(dir.file("data")));
}

TEST(BaseDirectoryChoiceTest, ANamedFolderIsTheOneStartingInItWouldGive) {
    TempDir dir;
    std::filesystem::create_directories(dir.file("msx/collection"));
    std::filesystem::create_directory_symlink(dir.file("msx/collection"), dir.file("link"));
    const std::string expected = startedIn(dir.file("msx/collection"));
    const StartEnvironment environment{
        .workingDirectory = dir.file("msx"), .xdgDataHome = {}, .home = dir.path()};

    auto chosen = [&](const std::string& typed) {
        const BaseDirectoryChoice choice =
            chooseBaseDirectory({.baseDirectory = typed}, environment);
        EXPECT_EQ(choice.problem, "") << typed;
        return choice.directory;
    };
    EXPECT_EQ(chosen(dir.file("msx/collection")), expected);
    EXPECT_EQ(chosen(dir.file("msx/collection/")), expected);
    EXPECT_EQ(chosen(dir.file("link")), expected);
    // Relative to where the launcher was started, not to where the test runs.
    EXPECT_EQ(chosen("collection"), expected);
    EXPECT_EQ(chosen("./collection/../collection"), expected);
    EXPECT_EQ(chosen("../link"), expected);
}

TEST(BaseDirectoryChoiceTest, ANamedFolderMustExistAndBeAFolder) {
    TempDir dir;
    const std::string file = dir.write("settings.ini", "x");
    const StartEnvironment environment{
        .workingDirectory = dir.path(), .xdgDataHome = dir.file("data"), .home = dir.path()};
    for (const std::string& typed : {dir.file("missing"), std::string("missing"), file}) {
        const BaseDirectoryChoice choice =
            chooseBaseDirectory({.baseDirectory = typed}, environment);
        EXPECT_EQ(choice.directory, "") << typed;
        EXPECT_EQ(choice.problem, typed + ": no such folder");
        // A mistyped name makes no folder: the launcher would start empty there.
        EXPECT_FALSE(std::filesystem::exists(dir.file("missing")));
    }
    EXPECT_EQ(chooseBaseDirectory({.baseDirectory = ""}, environment).problem,
              "--base-dir needs a folder");
    const BaseDirectoryChoice both =
        chooseBaseDirectory({.baseDirectory = dir.path(), .userData = true}, environment);
    EXPECT_EQ(both.directory, "");
    EXPECT_EQ(both.problem, "--base-dir and --user-data cannot be given together");
    EXPECT_FALSE(std::filesystem::exists(dir.file("data")));
}

TEST(BaseDirectoryChoiceTest, TheUserDataFolderIsMadeOnTheFirstStartAndKeptAfter) {
    TempDir dir;
    const StartEnvironment environment{.workingDirectory = dir.file("cwd"),
                                       .xdgDataHome = dir.file("xdg/data"),
                                       .home = dir.file("home")};
    const std::string folder = dir.file("xdg/data/corvane-launcher");
    EXPECT_EQ(userDataFolder(environment), folder);

    const BaseDirectoryChoice first = chooseBaseDirectory(kUserData, environment);
    EXPECT_EQ(first.problem, "");
    EXPECT_EQ(first.directory, startedIn(folder));
    // Made private to the user, as the data folder rules ask; the home folder is not touched.
    EXPECT_EQ(permissions(dir.file("xdg")), 0700u);
    EXPECT_EQ(permissions(folder), 0700u);
    EXPECT_FALSE(std::filesystem::exists(dir.file("home")));

    // A later start finds what the first left, and leaves its permissions alone.
    const std::string settings = dir.write("xdg/data/corvane-launcher/settings.ini", "kept\r\n");
    ASSERT_EQ(::chmod(folder.c_str(), 0750), 0);
    const BaseDirectoryChoice second = chooseBaseDirectory(kUserData, environment);
    EXPECT_EQ(second.directory, first.directory);
    EXPECT_EQ(readFile(settings), "kept\r\n");
    EXPECT_EQ(permissions(folder), 0750u);
}

TEST(BaseDirectoryChoiceTest, WithoutAnAbsoluteXdgDataHomeTheHomeFolderDecides) {
    TempDir dir;
    std::filesystem::create_directory(dir.file("home"));
    const std::string expected = dir.file("home/.local/share/corvane-launcher");
    for (const std::string& xdg : {std::string(), std::string("relative/data")}) {
        const StartEnvironment environment{
            .workingDirectory = dir.path(), .xdgDataHome = xdg, .home = dir.file("home")};
        EXPECT_EQ(userDataFolder(environment), expected) << xdg;
        const BaseDirectoryChoice choice = chooseBaseDirectory(kUserData, environment);
        EXPECT_EQ(choice.problem, "") << xdg;
        EXPECT_EQ(choice.directory, startedIn(expected));
        EXPECT_FALSE(std::filesystem::exists(dir.file("relative"))) << xdg;
    }

    // Nowhere to keep the files: said so, nothing made relative to the working directory.
    const StartEnvironment nowhere{
        .workingDirectory = dir.path(), .xdgDataHome = "data", .home = "home"};
    EXPECT_EQ(userDataFolder(nowhere), "");
    EXPECT_EQ(chooseBaseDirectory(kUserData, nowhere).problem,
              "no data folder: neither XDG_DATA_HOME nor HOME names an absolute folder");
}

TEST(BaseDirectoryChoiceTest, ADataFolderThatCannotBeMadeIsSaidAndNothingIsChanged) {
    TempDir dir;
    // A file stands where a folder of the path must go.
    const std::string blocker = dir.write("xdg", "not a folder");
    const StartEnvironment environment{
        .workingDirectory = dir.path(), .xdgDataHome = blocker, .home = dir.path()};
    const BaseDirectoryChoice choice = chooseBaseDirectory(kUserData, environment);
    EXPECT_EQ(choice.directory, "");
    EXPECT_EQ(choice.problem, "cannot make the data folder " + blocker +
                                  "/corvane-launcher: " + std::strerror(ENOTDIR));
    EXPECT_EQ(readFile(blocker), "not a folder");
}

TEST(BaseDirectoryChoiceTest, AFolderTooDeepForItsFilesIsRefusedWithItsLength) {
    // Its files could not be opened by their paths: the launcher would start on an empty list
    // and lose every change. The system names it whole, so the start sees it.
    TempDir dir;
    ScopedWorkingDirectory restore(dir.path());
    const std::string part(200, 'p');
    std::string shallow;
    while (workingDirectory().size() < 4200) {
        ASSERT_EQ(::mkdir(part.c_str(), 0755), 0);
        ASSERT_EQ(::chdir(part.c_str()), 0);
        if (workingDirectory().size() < 3000)
            shallow = workingDirectory();
    }
    const std::string deep = workingDirectory();
    const StartEnvironment environment{.workingDirectory = deep, .xdgDataHome = {}, .home = {}};
    const std::string limit = std::to_string(kLongestBaseDirectory);
    for (const StartOptions& options :
         {StartOptions{}, StartOptions{.baseDirectory = ".", .userData = false}}) {
        const BaseDirectoryChoice choice = chooseBaseDirectory(options, environment);
        EXPECT_EQ(choice.directory, "");
        EXPECT_NE(choice.problem.find(
                      std::to_string(deep.size() + (options.baseDirectory ? 2 : 0)) + " bytes"),
                  std::string::npos)
            << choice.problem;
        EXPECT_NE(choice.problem.find(limit), std::string::npos) << choice.problem;
    }
    // A folder that leaves room is taken, from there too.
    EXPECT_EQ(chooseBaseDirectory({.baseDirectory = shallow}, environment).directory, shallow);
    EXPECT_EQ(chooseBaseDirectory({}, {.workingDirectory = shallow, .xdgDataHome = {}, .home = {}})
                  .problem,
              "");
    ::chdir(dir.path().c_str());
    std::filesystem::remove_all(dir.file(part));
}
