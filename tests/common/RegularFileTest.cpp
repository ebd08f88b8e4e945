// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/RegularFile.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "common/DirectoryListing.h"
#include "support/Fifo.h"
#include "support/TempDir.h"

using namespace corvane;
using namespace corvane::test;

TEST(RegularFileTest, OnlyRegularFilesAreReadOrListed) {
    TempDir dir;
    const std::string big(200000, 'q');
    const std::string file = dir.write("b.xml", big);
    dir.write("a.xml", "");
    std::filesystem::create_symlink("b.xml", dir.file("c.xml"));
    std::filesystem::create_symlink("missing.xml", dir.file("d.xml"));
    std::filesystem::create_directory(dir.file("e.xml"));
    const std::string fifo = makeFifo(dir.file("f.xml"));

    std::optional<std::string> fromFile;
    std::optional<std::string> fromLink;
    std::optional<std::string> fromFifo = "x";
    std::optional<std::vector<std::string>> listed;
    EXPECT_TRUE(endsWithoutWaitingOn({fifo}, [&] {
        fromFile = readRegularFile(file);
        fromLink = readRegularFile(dir.file("c.xml"));
        fromFifo = readRegularFile(fifo);
        listed = listRegularFiles(dir.path());
    }));
    EXPECT_EQ(fromFile, big);
    EXPECT_EQ(fromLink, big);
    EXPECT_FALSE(fromFifo);
    EXPECT_EQ(readRegularFile(dir.file("a.xml")), "");
    EXPECT_FALSE(readRegularFile(dir.file("d.xml")));
    EXPECT_FALSE(readRegularFile(dir.file("e.xml")));
    EXPECT_EQ(listed, (std::vector<std::string>{"a.xml", "b.xml", "c.xml"}));
    EXPECT_FALSE(listRegularFiles(dir.file("missing")));
}
