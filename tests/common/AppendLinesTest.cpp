// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <filesystem>

#include "common/AtomicFile.h"
#include "support/ChildProcess.h"
#include "support/Fifo.h"
#include "support/TempDir.h"

using namespace corvane;
using namespace corvane::test;

namespace {
using Lines = std::vector<std::string>;
}  // namespace

TEST(AppendLinesTest, CompletesTheLastLineAndWritesWholeLines) {
    TempDir dir;
    const Lines one{"B|b"};
    for (const auto& [before, after] :
         std::vector<std::pair<std::string, std::string>>{{"A|a", "A|a\r\nB|b\r\n"},
                                                          {"A|a\r\n", "A|a\r\nB|b\r\n"},
                                                          {"A|a\n", "A|a\nB|b\r\n"},
                                                          {"A|a\r", "A|a\r\nB|b\r\n"},
                                                          {"", "B|b\r\n"}}) {
        const std::string path = dir.write("Games.db", before);
        EXPECT_TRUE(appendLines(path, one));
        EXPECT_EQ(readFile(path), after) << before;
    }

    // Many lines, some longer than what goes out in one write, arrive whole and in order.
    Lines many;
    std::string expected;
    for (int i = 0; i < 3000; ++i) {
        many.push_back(std::string(i % 1000 == 999 ? 100000 : 40, 'a' + i % 26));
        expected += many.back() + "\r\n";
    }
    const std::string fresh = dir.file("Fresh.db");
    EXPECT_TRUE(appendLines(fresh, many));
    EXPECT_TRUE(readFile(fresh) == expected);

    // No lines: only made sure of, created when missing, never changed.
    EXPECT_TRUE(appendLines(dir.file("Empty.db"), {}));
    EXPECT_EQ(readFile(dir.file("Empty.db")), "");
    const std::string unfinished = dir.write("Unfinished.db", "A|a");
    EXPECT_TRUE(appendLines(unfinished, {}));
    EXPECT_EQ(readFile(unfinished), "A|a");
    EXPECT_FALSE(appendLines(dir.file("no/such/folder.db"), one));
    std::filesystem::create_directory(dir.file("Folder.db"));
    EXPECT_FALSE(appendLines(dir.file("Folder.db"), one));
}

TEST(AppendLinesTest, AFailedAppendLeavesTheFileAsItWas) {
    TempDir dir;
    const std::string before = std::string(100, 'x') + "|old";  // no line end yet
    const std::string path = dir.write("Games.db", before);
    const std::string fresh = dir.file("Fresh.db");
    Lines many;
    std::string appended;
    for (int i = 0; i < 5000; ++i) {
        many.push_back("Profile " + std::to_string(i) + "|" + std::string(60, 'z'));
        appended += many.back() + "\r\n";
    }

    // The first lines fit below the limit and are written before a later one fails.
    EXPECT_TRUE(passesWithFileSizeLimit(4096, [&] {
        return !appendLines(path, Lines{"fits|", std::string(5000, 'y')}) &&
               !appendLines(path, many) && !appendLines(fresh, many);
    }));
    EXPECT_TRUE(readFile(path) == before);
    EXPECT_FALSE(std::filesystem::exists(fresh));

    // The same appends succeed where the disk has room.
    EXPECT_TRUE(passesWithFileSizeLimit(1 << 20, [&] { return appendLines(path, many); }));
    EXPECT_TRUE(readFile(path) == before + "\r\n" + appended);
}

TEST(AppendLinesTest, APipeIsNeitherWaitedForNorWrittenTo) {
    TempDir dir;
    const std::string fifo = makeFifo(dir.file("Other.db"));
    bool appended = true;
    EXPECT_TRUE(endsWithoutWaitingOn({fifo}, [&] { appended = appendLines(fifo, Lines{"A|"}); }));
    EXPECT_FALSE(appended);
}
