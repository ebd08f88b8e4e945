// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/MediaWalk.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>

#include "common/Progress.h"
#include "support/ChildProcess.h"
#include "support/TempDir.h"

namespace corvane {
namespace {

namespace fs = std::filesystem;

// Records the folders reported and stops once told to, at a folder report.
class FolderLog : public Progress {
public:
    void setRange(std::int64_t) override {}
    void setPosition(std::int64_t) override {}
    void setStatus(const std::string& text) override {
        folders.push_back(text);
        if (folders.size() == stopAfter)
            stop = true;
    }
    void setDetail(const std::string&) override {}
    bool cancelled() const override { return stop; }

    std::vector<std::string> folders;
    size_t stopAfter = 0;
    bool stop = false;
};

std::vector<std::string> foundNames(MediaWalk& walk) {
    std::vector<std::string> names;
    for (const FoundMedium& medium : walk.found())
        names.push_back(medium.name);
    return names;
}

TEST(MediaWalkTest, EachFolderGoesByNameWithSubfoldersWhereTheyStand) {
    test::TempDir dir;
    const std::string root = dir.path();
    dir.write("b.rom", "b");
    dir.write("a/z.dsk", std::string(100, 'd'));
    dir.write("a/big.dsk", "");
    fs::resize_file(dir.file("a/big.dsk"), kLargestDiskImage + 1);
    dir.write("c.cas", "c");
    dir.write("d.zip", "not opened by the walk");
    dir.write("notes.txt", "not a medium");
    dir.write("sub/deeper/e.mx1", "e");
    // A link back up the tree must not make the walk go round.
    fs::create_directory_symlink(root, dir.file("sub/loop"));

    FolderLog log;
    MediaWalk walk(FillMedia{}, true, log);
    walk.add(root);
    EXPECT_EQ(foundNames(walk),
              (std::vector<std::string>{"big.dsk", "z.dsk", "b.rom", "c.cas", "d.zip", "e.mx1"}));
    ASSERT_EQ(walk.found().size(), 6u);
    EXPECT_EQ(walk.found()[0].kind, FoundMedium::Kind::HardDisk);
    EXPECT_EQ(walk.found()[1].kind, FoundMedium::Kind::Disk);
    EXPECT_EQ(walk.found()[4].kind, FoundMedium::Kind::Zip);
    EXPECT_EQ(walk.found()[5].directory, dir.file("sub/deeper"));
    EXPECT_EQ(walk.notRead(), 0);
    EXPECT_FALSE(walk.stopped());

    // Without subfolders, and with only tapes chosen, one file is left.
    FolderLog flat;
    MediaWalk tapes(FillMedia{.rom = false, .disk = false, .tape = true, .zip = false}, false,
                    flat);
    tapes.add(root);
    EXPECT_EQ(foundNames(tapes), std::vector<std::string>{"c.cas"});
    EXPECT_EQ(flat.folders, std::vector<std::string>{root});
}

TEST(MediaWalkTest, WhatCannotBeReadIsCountedAndPassedOver) {
    test::TempDir dir;
    dir.write("good.rom", "g");
    ASSERT_EQ(::mkfifo(dir.file("pipe.rom").c_str(), 0600), 0);
    fs::create_symlink(dir.file("gone.rom"), dir.file("dangling.rom"));
    fs::create_symlink(dir.file("gone.txt"), dir.file("dangling.txt"));
    // A medium whose path would split its database line is not taken.
    dir.write("line\nbreak.rom", "x");
    // Links that lead round in a circle, one named as a medium, one as a folder would be.
    fs::create_symlink("loop.rom", dir.file("loop.rom"));
    fs::create_symlink("ring-b", dir.file("ring-a"));
    fs::create_symlink("ring-a", dir.file("ring-b"));

    FolderLog log;
    MediaWalk walk(FillMedia{}, true, log);
    walk.add(dir.path());
    walk.add(dir.file("missing-folder"));
    EXPECT_EQ(foundNames(walk), std::vector<std::string>{"good.rom"});
    // The pipe, the dangling medium link, the looped medium link, the line break and the missing
    // folder; the dangling link and the ring that name no medium are no loss.
    EXPECT_EQ(walk.notRead(), 5);

    const std::string locked = dir.file("locked");
    fs::create_directory(locked);
    dir.write("locked/hidden.rom", "h");
    ::chmod(locked.c_str(), 0);
    EXPECT_TRUE(test::passesObeyingPermissions([&] {
        FolderLog quiet;
        MediaWalk inner(FillMedia{}, true, quiet);
        inner.add(locked);
        return inner.found().empty() && inner.notRead() == 1;
    }));
    ::chmod(locked.c_str(), 0700);
}

TEST(MediaWalkTest, AHundredThousandEntriesInOneFolderAreTakenInNameOrder) {
    test::TempDir dir;
    constexpr int kEntries = 100000;
    // Links to a few empty files (a file takes at most 65,000 links): each entry is a regular
    // file, and linking is several times faster than making new files.
    std::string empty;
    char name[32];
    for (int i = kEntries - 1; i >= 0; --i) {
        if (i % 50000 == 0 || empty.empty())
            empty = dir.write("base" + std::to_string(i), "");
        // Every tenth is a medium; made newest-first, so the folder's own order is not the answer.
        std::snprintf(name, sizeof name, i % 10 ? "n%06d.txt" : "m%06d.rom", i);
        ASSERT_EQ(::link(empty.c_str(), dir.file(name).c_str()), 0) << name;
    }
    FolderLog log;
    MediaWalk walk(FillMedia{}, true, log);
    walk.add(dir.path());
    const std::vector<std::string> names = foundNames(walk);
    ASSERT_EQ(names.size(), static_cast<size_t>(kEntries / 10));
    EXPECT_EQ(names.front(), "m000000.rom");
    EXPECT_EQ(names.back(), "m099990.rom");
    EXPECT_TRUE(std::is_sorted(names.begin(), names.end()));
    EXPECT_EQ(walk.notRead(), 0);
    EXPECT_EQ(log.folders, std::vector<std::string>{dir.path()});
}

TEST(MediaWalkTest, ACancelStopsTheWalkAtTheNextFolder) {
    test::TempDir dir;
    for (const char* name : {"a/1.rom", "b/2.rom", "c/3.rom"})
        dir.write(name, "r");
    FolderLog log;
    log.stopAfter = 2;  // the root, then "a"
    MediaWalk walk(FillMedia{}, true, log);
    walk.add(dir.path());
    walk.add(dir.file("c/3.rom"));
    EXPECT_TRUE(walk.stopped());
    EXPECT_EQ(foundNames(walk), std::vector<std::string>{"1.rom"});
    for (const std::string& folder : log.folders)
        EXPECT_TRUE(folder == dir.path() || folder == dir.file("a")) << folder;
}

}  // namespace
}  // namespace corvane
