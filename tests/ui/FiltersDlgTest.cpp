// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/selection/FiltersDlg.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <filesystem>

#include "i18n/LanguageIds.h"
#include "i18n/LanguageManager.h"
#include "selection/FilterValues.h"
#include "selection/SavedFilters.h"
#include "support/ScriptedPrompter.h"
#include "support/TempDir.h"

namespace corvane {
namespace {

class FiltersDlgTest : public ::testing::Test {
protected:
    FiltersDlgTest() { languages.setLanguage(kLanguageEnglish); }

    std::unique_ptr<FiltersDlg> open(const FilterState& state) {
        auto dlg = std::make_unique<FiltersDlg>(state, values, saved, languages, prompter);
        dlg->show();
        return dlg;
    }

    static void choose(QComboBox* box, const char* text) {
        const int index = box->findText(QString::fromUtf8(text));
        ASSERT_GE(index, 0) << text;
        box->setCurrentIndex(index);
    }

    std::vector<std::string> messages() const {
        std::vector<std::string> texts;
        for (const auto& shown : prompter.messages)
            texts.push_back(shown.text);
        return texts;
    }

    test::TempDir dir;
    LanguageManager languages;
    test::ScriptedPrompter prompter;
    SavedFilters saved{dir.path()};
    FilterValues values{std::vector<std::string>{"1985", "1986", "1987"}};
};

TEST_F(FiltersDlgTest, OpensOnTheCurrentValuesAndOkWithoutChangesKeepsThemAll) {
    FilterState state;
    state.medium = "MEDIUM_DISK";
    state.company = "Konami";
    state.year = "1986";
    state.yearComparison = kYearEqualOrGreater;
    state.country = "Japan";  // typed: not a code
    state.system =
        "Sp\xe9"
        "cial";             // typed on Windows: not UTF-8
    state.generation = "";  // from a short saved-filter line
    state.set(FilterCriterion::Genre, "RPG");
    auto dlg = open(state);
    EXPECT_EQ(dlg->valueBox(FilterCriterion::Medium)->currentText(), QStringLiteral("Disk"));
    EXPECT_TRUE(dlg->listChoice(FilterCriterion::Company)->isChecked());
    EXPECT_FALSE(dlg->customText(FilterCriterion::Company)->isEnabled());
    EXPECT_TRUE(dlg->customChoice(FilterCriterion::Country)->isChecked());
    EXPECT_EQ(dlg->customText(FilterCriterion::Country)->text(), QStringLiteral("Japan"));
    EXPECT_FALSE(dlg->valueBox(FilterCriterion::Country)->isEnabled());
    EXPECT_EQ(dlg->comparisonBox()->currentText(), QStringLiteral("Equal or greater"));
    EXPECT_TRUE(dlg->comparisonBox()->isEnabled());
    EXPECT_FALSE(dlg->saveAsName()->isEnabled());
    QTest::mouseClick(dlg->saveAs(), Qt::LeftButton);
    EXPECT_TRUE(dlg->saveAsName()->isEnabled());
    QTest::mouseClick(dlg->saveAs(), Qt::LeftButton);

    QTest::mouseClick(dlg->okButton(), Qt::LeftButton);
    EXPECT_EQ(dlg->result(), QDialog::Accepted);
    EXPECT_EQ(dlg->chosenState(), state);
    EXPECT_FALSE(std::filesystem::exists(saved.path()));
}

TEST_F(FiltersDlgTest, ChoicesSwitchTheirControlsAndTheComparisonFollowsTheYear) {
    auto dlg = open(FilterState{});
    EXPECT_FALSE(dlg->comparisonBox()->isEnabled());
    choose(dlg->valueBox(FilterCriterion::Year), "1985");
    EXPECT_TRUE(dlg->comparisonBox()->isEnabled());
    choose(dlg->comparisonBox(), "Equal or less");
    choose(dlg->valueBox(FilterCriterion::Year), "All");
    EXPECT_FALSE(dlg->comparisonBox()->isEnabled());

    QTest::mouseClick(dlg->customChoice(FilterCriterion::System), Qt::LeftButton);
    EXPECT_FALSE(dlg->valueBox(FilterCriterion::System)->isEnabled());
    QTest::keyClicks(dlg->customText(FilterCriterion::System), QStringLiteral("Pony, Canyon"));
    choose(dlg->valueBox(FilterCriterion::Country), "Japan");
    choose(dlg->valueBox(FilterCriterion::Genre), "Puzzle");
    // Without "Save As" a comma is harmless.
    QTest::mouseClick(dlg->okButton(), Qt::LeftButton);
    ASSERT_EQ(dlg->result(), QDialog::Accepted);
    const FilterState& chosen = dlg->chosenState();
    EXPECT_EQ(chosen.yearComparison, kYearEqual);  // left behind without a year
    EXPECT_EQ(chosen.system, "Pony, Canyon");
    EXPECT_EQ(chosen.country, "JP");
    EXPECT_EQ(chosen.genreCode, 26);
}

TEST_F(FiltersDlgTest, ResetSetsTheControlsOnlyAndCancelKeepsTheState) {
    FilterState state;
    state.year = "1987";
    state.yearComparison = kYearEqualOrLess;
    state.company = "Someone";
    state.sound = "SCC";
    auto dlg = open(state);
    QTest::mouseClick(dlg->resetButton(), Qt::LeftButton);
    EXPECT_TRUE(dlg->isVisible());
    EXPECT_TRUE(dlg->stateFromControls().isDefault());
    EXPECT_TRUE(dlg->listChoice(FilterCriterion::Company)->isChecked());
    EXPECT_TRUE(dlg->customText(FilterCriterion::Company)->text().isEmpty());
    EXPECT_FALSE(dlg->customText(FilterCriterion::Company)->isEnabled());
    EXPECT_EQ(dlg->comparisonBox()->currentText(), QStringLiteral("Equal"));
    EXPECT_FALSE(dlg->comparisonBox()->isEnabled());
    QTest::mouseClick(dlg->cancelButton(), Qt::LeftButton);
    EXPECT_EQ(dlg->result(), QDialog::Rejected);
    EXPECT_EQ(dlg->chosenState(), state);
}

TEST_F(FiltersDlgTest, SaveAsRefusesBadInputKeepingTheDialogOpenAndReportsFailedWrites) {
    ASSERT_EQ(saved.add("Taken", FilterState{}), SavedFilterResult::Written);
    auto dlg = open(FilterState{});
    QTest::mouseClick(dlg->saveAs(), Qt::LeftButton);
    QTest::mouseClick(dlg->customChoice(FilterCriterion::Country), Qt::LeftButton);
    QTest::keyClicks(dlg->customText(FilterCriterion::Country), QStringLiteral("Japan, Korea"));
    QTest::mouseClick(dlg->okButton(), Qt::LeftButton);
    QTest::keyClicks(dlg->saveAsName(), QStringLiteral("Taken"));
    QTest::mouseClick(dlg->okButton(), Qt::LeftButton);
    dlg->saveAsName()->setText(QStringLiteral("Mine"));
    QTest::mouseClick(dlg->okButton(), Qt::LeftButton);
    EXPECT_EQ(messages(), (std::vector<std::string>{"Invalid name", "Filter name already exists",
                                                    languages.text("M_ERR_FILTER_COMMA")}));
    EXPECT_EQ(prompter.messages.back().kind, MessageKind::Error);
    EXPECT_TRUE(dlg->isVisible());

    dlg->customText(FilterCriterion::Country)->setText(QStringLiteral("Japan"));
    QTest::mouseClick(dlg->okButton(), Qt::LeftButton);
    EXPECT_EQ(dlg->result(), QDialog::Accepted);
    EXPECT_EQ(SavedFilters(dir.path()).stateOf("Mine"), dlg->chosenState());

    // A write that fails is said, and the filter still applies.
    std::filesystem::create_directory(saved.path() + ".tmp");
    auto again = open(FilterState{});
    again->saveAs()->setChecked(true);
    again->saveAsName()->setText(QStringLiteral("Unsaved"));
    QTest::mouseClick(again->okButton(), Qt::LeftButton);
    EXPECT_EQ(messages().back(), "Error in I/O operation");
    EXPECT_EQ(again->result(), QDialog::Accepted);
}

}  // namespace
}  // namespace corvane
