// SPDX-License-Identifier: GPL-3.0-or-later
#include "selection/FilterState.h"

#include <gtest/gtest.h>

#include "i18n/LanguageIds.h"
#include "i18n/LanguageManager.h"
#include "selection/FilterValues.h"

using namespace corvane;

TEST(FilterStateTest, PanelChoicesReportChangesAndTheYearMenuResetsTheComparison) {
    FilterState state;
    EXPECT_FALSE(state.reset());
    state.year = "1985";
    state.yearComparison = kYearEqualOrGreater;
    // The same year from the menu still changes the state: the comparison goes back to Equal.
    EXPECT_TRUE(state.set(FilterCriterion::Year, "1985"));
    EXPECT_EQ(state.yearComparison, kYearEqual);
    EXPECT_FALSE(state.set(FilterCriterion::Year, "1985"));

    EXPECT_TRUE(state.set(FilterCriterion::Genre, "RPG"));
    EXPECT_EQ(state.genreCode, 30);
    // Genre names match exactly; an unknown one carries code 0.
    EXPECT_TRUE(state.set(FilterCriterion::Genre, "rpg"));
    EXPECT_EQ(state.genreCode, 0);
    EXPECT_TRUE(state.reset());
    EXPECT_TRUE(state.isDefault());
}

TEST(FilterStateTest, DisplayTextsAndMenuOrdersFollowTheLanguage) {
    LanguageManager texts;
    texts.setLanguage(kLanguageEnglish);
    FilterState state;
    state.year = "1986";
    EXPECT_EQ(state.panelText(FilterCriterion::Year, texts), "1986");
    state.yearComparison = kYearEqualOrGreater;
    EXPECT_EQ(state.panelText(FilterCriterion::Year, texts), "1986+");
    state.yearComparison = kYearEqualOrLess;
    EXPECT_EQ(state.panelText(FilterCriterion::Year, texts), "1986-");
    state.country = "JP";
    state.company = "M_ERROR";  // typed: must not turn into "Error"
    EXPECT_EQ(state.panelText(FilterCriterion::Country, texts), "Japan");
    EXPECT_EQ(state.panelText(FilterCriterion::Company, texts), "M_ERROR");
    EXPECT_EQ(state.panelText(FilterCriterion::Sound, texts), "All");

    const FilterValues values(std::vector<std::string>{"1982", "1983"});
    auto countries = values.choices(FilterCriterion::Country, texts);
    ASSERT_EQ(countries.size(), 16u);
    EXPECT_EQ(countries[3], (FilterChoice{"GB", "England"}));
    EXPECT_EQ(countries[15], (FilterChoice{"US", "USA"}));
    texts.setLanguage(kLanguageGerman);
    countries = values.choices(FilterCriterion::Country, texts);
    EXPECT_EQ(countries[2], (FilterChoice{"DE", "Deutschland"}));
    EXPECT_EQ(countries[8], (FilterChoice{"CA", "Kanada"}));

    EXPECT_EQ(values.choices(FilterCriterion::Year, texts).back().value, "1983");
    const auto genres = values.choices(FilterCriterion::Genre, texts);
    ASSERT_EQ(genres.size(), 51u);
    EXPECT_EQ(genres[0].text, "Alle");
    EXPECT_EQ(genres[1].value, "Action");
    EXPECT_EQ(values.choices(FilterCriterion::Medium, texts)[3],
              (FilterChoice{"MEDIUM_TAPE", "Kassette"}));
}
