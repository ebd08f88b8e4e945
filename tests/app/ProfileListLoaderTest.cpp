// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/ProfileListLoader.h"

#include <gtest/gtest.h>

#include "support/TempDir.h"

using namespace corvane;
using namespace corvane::test;

namespace {
struct Recorded : Progress {
    std::int64_t high = -1;
    std::vector<std::int64_t> positions;
    void setRange(std::int64_t total) override { high = total; }
    void setPosition(std::int64_t done) override { positions.push_back(done); }
    void setStatus(const std::string&) override {}
    void setDetail(const std::string&) override {}
    bool cancelled() const override { return false; }
};
}  // namespace

TEST(ProfileListLoaderTest, KeepsAcceptedLinesInFileOrderAndEndsItsProgress) {
    TempDir dir;
    std::string content;
    for (int i = 0; i < 3000; ++i)
        content +=
            "Game " + std::to_string(i) + "|x.rom" + std::string(i % 3 ? 0 : 2, '\n') + "\r\n";
    content += "Last|y.rom";  // no line end
    const std::string path = dir.write("Games.db", content);

    Recorded progress;
    const ProfileList list = loadProfileList(
        path, [](const Game& g) { return g.name.back() != '7'; }, progress);
    ASSERT_EQ(list.read, ReadResult::Done);
    const std::vector<std::string>* lines = &list.lines;
    ASSERT_EQ(lines->size(), 3000u - 300u + 1u);
    EXPECT_EQ(lines->front(), "Game 0|x.rom");
    EXPECT_EQ((*lines)[7], "Game 8|x.rom");
    EXPECT_EQ(lines->back(), "Last|y.rom");
    // The range is the file's size in kilobytes; positions never pass it and the last is the end.
    EXPECT_EQ(progress.high, static_cast<std::int64_t>(content.size() / 1024));
    ASSERT_FALSE(progress.positions.empty());
    EXPECT_TRUE(std::is_sorted(progress.positions.begin(), progress.positions.end()));
    EXPECT_EQ(progress.positions.back(), progress.high);

    // Without a test every line is kept, as it stands.
    const ProfileList all = loadProfileList(path, {}, progress);
    ASSERT_EQ(all.read, ReadResult::Done);
    EXPECT_EQ(all.lines.size(), 3001u);
    EXPECT_EQ(all.lines[7], "Game 7|x.rom");
    EXPECT_EQ(loadProfileList(dir.file("Missing.db"), {}, progress).read, ReadResult::Missing);
}
