// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <filesystem>

#include "common/AtomicFile.h"
#include "common/LineReader.h"
#include "common/Path.h"
#include "support/TempDir.h"

using namespace corvane;
using namespace corvane::test;

namespace {
std::vector<std::string> readLines(const std::string& path) {
    LineReader reader(path);
    std::vector<std::string> lines;
    std::string line;
    while (reader.next(line))
        lines.push_back(line);
    return lines;
}
}  // namespace

TEST(LineReaderTest, ReadsWholeLinesWithAnyLineEnd) {
    TempDir dir;
    const std::string longLine(300000, 'x');
    const std::string path = dir.write("a.db", "one\r\ntwo\n\r\n\n" + longLine + "\r\nlast");
    EXPECT_EQ(readLines(path), (std::vector<std::string>{"one", "two", "", "", longLine, "last"}));
    EXPECT_TRUE(readLines(dir.write("empty.db", "")).empty());
    EXPECT_EQ(readLines(dir.write("cr.db", "a\r")), (std::vector<std::string>{"a"}));
    // Lone CRs and mixed ends never join two lines; a CR LF split between two reads is one end.
    EXPECT_EQ(readLines(dir.write("mixed.db", "a\rb\r\nc\nd\r\re")),
              (std::vector<std::string>{"a", "b", "c", "d", "", "e"}));
    const std::string edge(65535, 'y');
    EXPECT_EQ(readLines(dir.write("edge.db", edge + "\r\nz")),
              (std::vector<std::string>{edge, "z"}));
    EXPECT_FALSE(LineReader(dir.file("missing")).isOpen());
}

TEST(AtomicFileTest, FailedRewriteLeavesOriginal) {
    TempDir dir;
    const std::string path = dir.write("f.txt", "original");
    {
        AtomicFileWriter abandoned(path);
        abandoned.write("partial");
    }
    EXPECT_EQ(readFile(path), "original");
    EXPECT_FALSE(std::filesystem::exists(path + ".tmp"));
    EXPECT_TRUE(replaceFileContent(path, "new"));
    EXPECT_EQ(readFile(path), "new");
    std::filesystem::create_directory(path + ".tmp");
    EXPECT_FALSE(replaceFileContent(path, "lost"));
    EXPECT_EQ(readFile(path), "new");
}

TEST(PathTest, AcceptsBothSeparators) {
    EXPECT_EQ(lastComponent("C:\\MSX\\a.rom"), "a.rom");
    EXPECT_EQ(lastComponent("/home/u\\mixed/b.rom"), "b.rom");
    EXPECT_EQ(lastComponent("plain"), "plain");
    EXPECT_EQ(parentPath("C:\\MSX\\a.rom"), "C:\\MSX");
    EXPECT_EQ(joinPath("/tmp/", "x"), "/tmp/x");
    EXPECT_EQ(joinPath("/tmp", "x"), "/tmp/x");
}
