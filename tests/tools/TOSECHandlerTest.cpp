// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "model/Game.h"
#include "tools/TOSECHandler.h"

using namespace corvane;

namespace {

Game profileWithData() {
    Game game;
    game.name = "Game";
    game.company = "Old";
    game.year = "1999";
    game.country = "NL";
    return game;
}

}  // namespace

TEST(TOSECHandler, ReadsYearCompanyAndCountryAfterAnOptionalDemoGroup) {
    const TOSECHandler handler(2020);
    EXPECT_EQ(handler.Parse("Game (1987)(Maker)(JP).rom"), (TosecFields{1987, "Maker", "JP"}));
    EXPECT_EQ(handler.Parse("Game (demo)(1985)(Maker)(EU).rom"),
              (TosecFields{1985, "Maker", "EU"}));
    // Only the exact word skips a group.
    EXPECT_EQ(handler.Parse("Game (Demo)(1985)(Maker).rom"), (TosecFields{0, "1985", ""}));
    // Groups not found are empty; an unclosed last group is ignored.
    EXPECT_EQ(handler.Parse("Game (1986)(Maker.rom"), (TosecFields{1986, "", ""}));
    // Scanning ends with the fourth group, so a stray bracket after it goes unseen.
    EXPECT_EQ(handler.Parse("G (demo)(1984)(M)(US))(x.rom"), (TosecFields{1984, "M", "US"}));

    Game game = profileWithData();
    EXPECT_TRUE(handler.Apply(game, "Game (1987)(Maker)(JP).rom"));
    EXPECT_EQ(game.year, "1987");
    EXPECT_EQ(game.company, "Maker");
    EXPECT_EQ(game.country, "JP");
    EXPECT_EQ(game.basicDataSpecified, "T");
}

TEST(TOSECHandler, SetsOnlyTheFieldsThatPassTheirLimits) {
    const TOSECHandler handler(2020);
    Game game = profileWithData();
    EXPECT_FALSE(handler.Apply(game, "Game (1979)(-).rom"));
    EXPECT_EQ(game, profileWithData());

    // A lone year still replaces the company, with an empty one.
    EXPECT_TRUE(handler.Apply(game, "Game (1990).rom"));
    EXPECT_EQ(game.year, "1990");
    EXPECT_EQ(game.company, "");
    EXPECT_EQ(game.country, "NL");
    EXPECT_EQ(game.basicDataSpecified, "T");

    game = profileWithData();
    handler.Apply(game, "Game (1986)(Maker)(Japan).rom");
    EXPECT_EQ(game.country, "NL");
    handler.Apply(game, "Game (1986)(Maker)(J).rom");
    EXPECT_EQ(game.country, "NL");

    const std::string company64(64, 'c');
    EXPECT_EQ(handler.Parse("G (1986)(" + company64 + ").rom")->company, company64);
    EXPECT_EQ(handler.Parse("G (1986)(" + company64 + "c).rom")->company, "");
}

TEST(TOSECHandler, AcceptsYearsFrom1982UpToTheCalendarYearButNotPast2020) {
    const auto yearSet = [](const TOSECHandler& handler, const char* name) {
        Game game;
        handler.Apply(game, name);
        return !game.year.empty();
    };
    const TOSECHandler in2015(2015);
    EXPECT_TRUE(yearSet(in2015, "G (1982)(-).rom"));
    EXPECT_FALSE(yearSet(in2015, "G (1981)(-).rom"));
    EXPECT_TRUE(yearSet(in2015, "G (2015)(-).rom"));
    EXPECT_FALSE(yearSet(in2015, "G (2016)(-).rom"));
    const TOSECHandler in2030(2030);
    EXPECT_TRUE(yearSet(in2030, "G (2020)(-).rom"));
    EXPECT_FALSE(yearSet(in2030, "G (2021)(-).rom"));
    // A year beyond 32 bits is not cut down to one that fits: 2^32 + 1987.
    EXPECT_FALSE(yearSet(in2030, "G (4294969283)(-).rom"));
    // The clock reads past 2020, so the limit applies.
    EXPECT_EQ(TOSECHandler().latestYear(), 2020);
}

TEST(TOSECHandler, MalformedNamesChangeNothing) {
    const TOSECHandler handler(2020);
    const std::string longGroup(256, 'x');
    for (const std::string& name :
         {std::string("Game ((1986)).rom"), std::string("Game 1986).rom"), std::string(""),
          std::string("Game.rom"), std::string("Game (1986.rom"),
          std::string("G (1986)(" + longGroup + ")(JP).rom")}) {
        EXPECT_FALSE(handler.Parse(name)) << name;
        Game game = profileWithData();
        EXPECT_FALSE(handler.Apply(game, name)) << name;
        EXPECT_EQ(game, profileWithData()) << name;
    }
    EXPECT_TRUE(handler.Parse("G (1986)(" + std::string(255, 'x') + ").rom"));
}

TEST(TOSECHandler, NeverPutsLineBreakingBytesIntoAProfile) {
    const TOSECHandler handler(2020);
    Game game = profileWithData();
    EXPECT_TRUE(handler.Apply(game, "G (1986)(Ma|ker)(J|).rom"));
    EXPECT_EQ(game.company, "");
    EXPECT_EQ(game.country, "NL");
    EXPECT_EQ(handler.Parse("G (1986)(Ma\nker)(J\r).rom"), (TosecFields{1986, "", ""}));
}
