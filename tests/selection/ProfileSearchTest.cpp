// SPDX-License-Identifier: GPL-3.0-or-later
#include "selection/ProfileSearch.h"

#include <gtest/gtest.h>

#include "model/DatabaseStore.h"
#include "support/TempDir.h"

using namespace corvane;

namespace {

std::string line(const std::string& name) {
    return name + "|C:\\MSX\\" + name + ".rom|||||||||||||||||||||||||1|1|7|||\r\n";
}

}  // namespace

TEST(ProfileSearchTest, FindsPartsOfNamesInEveryDatabaseIgnoringCaseAndOuterBlanks) {
    test::TempDir dir;
    std::string many;
    for (int i = 0; i < 30; ++i)
        many += line("Filler " + std::to_string(i));
    dir.write("Arcade.db", line("Pac-Man") + "\r\n" + line("batman") + many);
    dir.write("Konami.db", line("MAN OF WAR") + line("Pac-Man") + "only a name, no bars\n");
    dir.write("Arcade_1.db", line("Backup Man"));  // backups are not databases
    DatabaseStore store(dir.path());
    ProfileSearch search(store);

    struct Recorded : Progress {
        std::vector<std::int64_t> positions;
        std::vector<std::string> statuses;
        bool stop = false;
        void setRange(std::int64_t) override {}
        void setPosition(std::int64_t done) override { positions.push_back(done); }
        void setStatus(const std::string& text) override { statuses.push_back(text); }
        void setDetail(const std::string&) override {}
        bool cancelled() const override { return stop; }
    } progress;
    const auto hits = search.find("  mAn\t ", progress);
    EXPECT_EQ(search.lastText(), "mAn");
    EXPECT_EQ(progress.positions, std::vector<std::int64_t>{20});  // 35 profiles
    EXPECT_EQ(progress.statuses, (std::vector<std::string>{"Arcade", "Konami"}));
    ASSERT_TRUE(hits);
    EXPECT_EQ(hits->hits, (std::vector<SearchHit>{{"batman", "Arcade"},
                                                  {"MAN OF WAR", "Konami"},
                                                  {"Pac-Man", "Arcade"},
                                                  {"Pac-Man", "Konami"}}));
    // Blanks inside count; only the name is searched.
    EXPECT_EQ(search.find("man o")->hits.size(), 1u);
    EXPECT_TRUE(search.find("msx")->hits.empty());
    EXPECT_EQ(search.find("NO BARS")->hits.front().profile, "only a name, no bars");

    EXPECT_FALSE(search.find("   "));
    EXPECT_EQ(search.lastText(), "");

    // A cancelled search gives nothing, not the hits found before the stop.
    progress.stop = true;
    const auto stopped = search.find("man", progress);
    EXPECT_TRUE(stopped->stopped);
    EXPECT_TRUE(stopped->hits.empty());
    EXPECT_EQ(search.lastText(), "man");
}

TEST(ProfileSearchTest, NamesInEitherEncodingMatchIgnoringCaseBeyondAscii) {
    test::TempDir dir;
    // Windows-1252 names from Windows, UTF-8 names from this launcher; one that mixes a UTF-8
    // sequence with a stray byte is Windows-1252 as a whole, as the list shows it.
    dir.write("Windows.db", line("Caf\xE9 Game") + line("\x8Akoda Rally") + line("\x8Cuvres"));
    dir.write("Linux.db", line("CAF\xC3\x89 OL\xC3\x89") +
                              line("\xCE\x95\xCE\xA3\xCE\xA0\xCE\x91\xCE\xA3") +
                              line("\xD0\x9C\xD0\x9E\xD0\xA1\xD0\x9A\xD0\x92\xD0\x90") +
                              line("Mixed \xC3\xA9 \xE9") + line("Cla\xC5\xBF\xC5\xBFic"));
    DatabaseStore store(dir.path());
    ProfileSearch search(store);
    auto profiles = [&search](const std::string& typed) {
        std::vector<std::string> names;
        const auto hits = search.find(typed);
        for (const SearchHit& hit : hits.value().hits)
            names.push_back(hit.profile);
        return names;
    };
    using Names = std::vector<std::string>;

    EXPECT_EQ(profiles("Caf\xC3\xA9"), (Names{"CAF\xC3\x89 OL\xC3\x89", "Caf\xE9 Game"}));
    EXPECT_EQ(profiles("caf\xC3\x89 g"), (Names{"Caf\xE9 Game"}));
    EXPECT_EQ(profiles("\xC5\xA1koda"), (Names{"\x8Akoda Rally"}));  // š, Š in 0x80..0x9F
    EXPECT_EQ(profiles("\xC5\x93uvre"), (Names{"\x8Cuvres"}));       // œ
    EXPECT_EQ(profiles("\xCF\x83\xCF\x80\xCE\xB1\xCF\x82"), (Names{"\xCE\x95\xCE\xA3\xCE\xA0"
                                                                   "\xCE\x91\xCE\xA3"}));  // σπας
    EXPECT_EQ(profiles("\xD0\xBC\xD0\xBE\xD1\x81"), (Names{"\xD0\x9C\xD0\x9E\xD0\xA1\xD0\x9A"
                                                           "\xD0\x92\xD0\x90"}));  // мос
    // The mixed name reads "Mixed Ã© é": its UTF-8 part is not é.
    EXPECT_EQ(profiles("d \xC3\x83\xC2\xA9 \xC3\x89"), (Names{"Mixed \xC3\xA9 \xE9"}));
    EXPECT_EQ(profiles("d \xC3\xA9"), Names{});
    EXPECT_EQ(profiles("Caf"), (Names{"CAF\xC3\x89 OL\xC3\x89", "Caf\xE9 Game"}));
    EXPECT_EQ(profiles("CLASS"), (Names{"Cla\xC5\xBF\xC5\xBFic"}));  // the long s is an s
}
