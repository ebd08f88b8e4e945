// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/selection/OrganizeFavoritesDlg.h"

#include <gtest/gtest.h>

#include <QPushButton>
#include <QTest>
#include <QTreeWidget>
#include <filesystem>

#include "i18n/LanguageIds.h"
#include "i18n/LanguageManager.h"
#include "selection/Favorites.h"
#include "support/ScriptedPrompter.h"
#include "support/TempDir.h"
#include "ui/TreeRows.h"

namespace corvane {
namespace {

using test::readFile;

class OrganizeFavoritesDlgTest : public ::testing::Test {
protected:
    OrganizeFavoritesDlgTest() { languages.setLanguage(kLanguageEnglish); }

    std::unique_ptr<OrganizeFavoritesDlg> open() {
        auto dlg = std::make_unique<OrganizeFavoritesDlg>(favorites, languages, prompter);
        dlg->show();
        return dlg;
    }

    test::TempDir dir;
    LanguageManager languages;
    test::ScriptedPrompter prompter;
    Favorites favorites{dir.path()};
};

TEST_F(OrganizeFavoritesDlgTest, DeleteTheSelectedRowAndSort) {
    dir.write("favorites.bml", "Bb|x\r\nKnightmare|Konami\r\nbA|x\r\nKnightmare|Other\r\n");
    auto dlg = open();
    EXPECT_EQ(dlg->list()->headerItem()->text(1), QStringLiteral("Database"));
    EXPECT_FALSE(dlg->deleteButton()->isEnabled());
    test::clickTreeRow(dlg->list(), 3);
    EXPECT_TRUE(dlg->deleteButton()->isEnabled());
    QTest::mouseClick(dlg->deleteButton(), Qt::LeftButton);
    EXPECT_FALSE(dlg->deleteButton()->isEnabled());
    EXPECT_EQ(readFile(favorites.path()), "Bb|x\r\nKnightmare|Konami\r\nbA|x\r\n");

    QTest::mouseClick(dlg->sortButton(), Qt::LeftButton);
    EXPECT_EQ(test::treeRows(dlg->list()),
              (QStringList{QStringLiteral("bA|x"), QStringLiteral("Bb|x"),
                           QStringLiteral("Knightmare|Konami")}));
    EXPECT_EQ(readFile(favorites.path()), "bA|x\r\nBb|x\r\nKnightmare|Konami\r\n");
    EXPECT_TRUE(prompter.messages.empty());
}

TEST_F(OrganizeFavoritesDlgTest, SortWritesNothingForOneRowAndFailedWritesAreSaid) {
    // A bare LF: a rewrite would turn it into CR LF.
    dir.write("favorites.bml", "Alone|Games\n");
    auto single = open();
    QTest::mouseClick(single->sortButton(), Qt::LeftButton);
    EXPECT_EQ(readFile(favorites.path()), "Alone|Games\n");
    single.reset();

    favorites.add("B", "Games");
    std::filesystem::create_directory(favorites.path() + ".tmp");
    auto dlg = open();
    test::clickTreeRow(dlg->list(), 0);
    QTest::mouseClick(dlg->deleteButton(), Qt::LeftButton);
    ASSERT_EQ(prompter.messages.size(), 1u);
    EXPECT_EQ(prompter.messages[0].text, "Error in I/O operation");
    EXPECT_EQ(prompter.messages[0].kind, MessageKind::Error);
    EXPECT_EQ(test::treeRows(dlg->list()), QStringList{QStringLiteral("B|Games")});
}

}  // namespace
}  // namespace corvane
