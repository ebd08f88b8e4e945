// SPDX-License-Identifier: GPL-3.0-or-later
#include <sys/stat.h>

#include <gtest/gtest.h>

#include <filesystem>

#include "common/AtomicFile.h"
#include "support/Fifo.h"
#include "support/TempDir.h"

using namespace corvane;
using namespace corvane::test;
namespace fs = std::filesystem;

namespace {
unsigned modeOf(const std::string& path) {
    struct stat status {};
    return ::stat(path.c_str(), &status) == 0 ? status.st_mode & 07777 : 0;
}
}  // namespace

TEST(AtomicFileWriterTest, ALinkedFileIsRewrittenWhereItIsWithItsPermissions) {
    TempDir dir;
    // Games.db -> ../store/link.db -> (absolute) real/Games.db
    const std::string real = dir.write("store/real/Games.db", "old\r\n");
    ::chmod(real.c_str(), 0600);
    fs::create_symlink(real, dir.file("store/link.db"));
    fs::create_directory(dir.file("base"));
    const std::string games = dir.file("base/Games.db");
    fs::create_symlink("../store/link.db", games);

    EXPECT_TRUE(replaceFileContent(games, "new\r\n"));
    EXPECT_TRUE(fs::is_symlink(games));
    EXPECT_TRUE(fs::is_symlink(dir.file("store/link.db")));
    EXPECT_EQ(readFile(real), "new\r\n");
    EXPECT_EQ(modeOf(real), 0600u);
    EXPECT_EQ(fs::directory_iterator(dir.file("store/real"))->path().filename(), "Games.db");
    EXPECT_FALSE(fs::exists(dir.file("base/Games.db.tmp")));

    ::chmod(real.c_str(), 0640);
    EXPECT_TRUE(replaceFileContent(real, "again\r\n"));
    EXPECT_EQ(modeOf(real), 0640u);

    // A new file gets the usual mode; a link to nothing yet creates its target.
    const mode_t mask = ::umask(022);
    EXPECT_TRUE(replaceFileContent(dir.file("fresh.ini"), "x"));
    EXPECT_EQ(modeOf(dir.file("fresh.ini")), 0644u);
    ::umask(mask);
    fs::create_symlink("later.bml", dir.file("favorites.bml"));
    EXPECT_TRUE(replaceFileContent(dir.file("favorites.bml"), "A|B\r\n"));
    EXPECT_TRUE(fs::is_symlink(dir.file("favorites.bml")));
    EXPECT_EQ(readFile(dir.file("later.bml")), "A|B\r\n");

    // A loop of links and anything but a regular file are left alone.
    fs::create_symlink("loop2", dir.file("loop1"));
    fs::create_symlink("loop1", dir.file("loop2"));
    EXPECT_FALSE(replaceFileContent(dir.file("loop1"), "x"));
    EXPECT_TRUE(fs::is_symlink(dir.file("loop1")));
    const std::string fifo = makeFifo(dir.file("settings.ini"));
    EXPECT_FALSE(replaceFileContent(fifo, "x"));
    EXPECT_TRUE(fs::is_fifo(fifo));
}

TEST(AtomicFileWriterTest, ANewFileNeverReplacesAnExistingOne) {
    TempDir dir;
    const std::string taken = dir.write("Games_0.db", "backup\r\n");
    {
        AtomicFileWriter writer(taken, AtomicFileWriter::Publish::CreateNew);
        writer.write("other\r\n");
        EXPECT_FALSE(writer.commit());
    }
    EXPECT_EQ(readFile(taken), "backup\r\n");

    AtomicFileWriter writer(dir.file("Games_1.db"), AtomicFileWriter::Publish::CreateNew);
    writer.write("copy\r\n");
    writer.setPermissions(0600);
    // The name is taken while the copy is written: the newcomer is kept, the copy dropped.
    dir.write("Games_1.db", "newcomer\r\n");
    EXPECT_FALSE(writer.commit());
    EXPECT_EQ(readFile(dir.file("Games_1.db")), "newcomer\r\n");
    EXPECT_FALSE(fs::exists(dir.file("Games_1.db.tmp")));

    AtomicFileWriter third(dir.file("Games_2.db"), AtomicFileWriter::Publish::CreateNew);
    third.write("copy\r\n");
    third.setPermissions(0600);
    EXPECT_TRUE(third.commit());
    EXPECT_EQ(readFile(dir.file("Games_2.db")), "copy\r\n");
    EXPECT_EQ(modeOf(dir.file("Games_2.db")), 0600u);
}
