// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/selection/SearchDlg.h"

#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTreeWidget>

#include "i18n/LanguageIds.h"
#include "i18n/LanguageManager.h"
#include "model/DatabaseStore.h"
#include "support/ScriptedPrompter.h"
#include "support/TempDir.h"
#include "ui/TreeRows.h"
#include "ui/common/ProgressWindow.h"

namespace corvane {
namespace {

class SearchDlgTest : public ::testing::Test {
protected:
    SearchDlgTest() {
        languages.setLanguage(kLanguageEnglish);
        dir.write("Arcade.db", "Pac-Man|a.rom\r\nBatman|b.rom\r\nCaf\xe9 Man|c.rom\r\n");
        dir.write("Konami.db", "MAN OF WAR|d.rom\r\nPac-Man|e.rom\r\nKnightmare|f.rom\r\n");
    }

    std::unique_ptr<SearchDlg> open() {
        auto dlg = std::make_unique<SearchDlg>(search, prompter, languages);
        dlg->show();
        return dlg;
    }

    test::TempDir dir;
    LanguageManager languages;
    test::ScriptedPrompter prompter;
    DatabaseStore store{dir.path()};
    ProfileSearch search{store};
};

TEST_F(SearchDlgTest, EnterFindsAcrossDatabasesAndOkHandsBackTheChosenHit) {
    auto dlg = open();
    EXPECT_EQ(dlg->foundCount()->text(), QStringLiteral("0"));
    EXPECT_FALSE(dlg->question()->isVisible());
    QTest::keyClicks(dlg->nameEdit(), QStringLiteral("  man "));
    QTest::keyClick(dlg->nameEdit(), Qt::Key_Return);
    EXPECT_TRUE(dlg->isVisible());
    EXPECT_EQ(
        test::treeRows(dlg->results()),
        (QStringList{QStringLiteral("Batman|Arcade"), QString::fromUtf8("Caf\xc3\xa9 Man|Arcade"),
                     QStringLiteral("MAN OF WAR|Konami"), QStringLiteral("Pac-Man|Arcade"),
                     QStringLiteral("Pac-Man|Konami")}));
    EXPECT_EQ(dlg->foundCount()->text(), QStringLiteral("5"));
    EXPECT_FALSE(dlg->okButton()->isEnabled());

    test::clickTreeRow(dlg->results(), 1);
    EXPECT_TRUE(dlg->question()->isVisible());
    EXPECT_TRUE(dlg->okButton()->isEnabled());
    QTest::mouseClick(dlg->okButton(), Qt::LeftButton);
    EXPECT_EQ(dlg->result(), QDialog::Accepted);
    // The name comes back in the bytes the database holds.
    EXPECT_EQ(dlg->chosenHit(), (SearchHit{"Caf\xe9 Man", "Arcade"}));
}

TEST_F(SearchDlgTest, TypedAccentsFindNamesWrittenOnWindows) {
    auto dlg = open();
    QTest::keyClicks(dlg->nameEdit(), QString::fromUtf8("CAF\xc3\x89"));
    QTest::keyClick(dlg->nameEdit(), Qt::Key_Return);
    EXPECT_EQ(test::treeRows(dlg->results()),
              QStringList{QString::fromUtf8("Caf\xc3\xa9 Man|Arcade")});
}

TEST_F(SearchDlgTest, ReopeningShowsTheLastTextAndBlankTextOnlyEmptiesTheList) {
    auto first = open();
    first->nameEdit()->setText(QStringLiteral(" knight  "));
    QTest::mouseClick(first->findButton(), Qt::LeftButton);
    QTest::mouseClick(first->cancelButton(), Qt::LeftButton);
    EXPECT_FALSE(first->chosenHit());

    auto second = open();
    EXPECT_EQ(second->nameEdit()->text(), QStringLiteral("knight"));
    EXPECT_EQ(second->nameEdit()->cursorPosition(), 6);
    EXPECT_EQ(second->results()->topLevelItemCount(), 0);
    QTest::mouseClick(second->findButton(), Qt::LeftButton);
    test::clickTreeRow(second->results(), 0);
    second->nameEdit()->setText(QStringLiteral("   "));
    QTest::mouseClick(second->findButton(), Qt::LeftButton);
    EXPECT_EQ(second->results()->topLevelItemCount(), 0);
    EXPECT_EQ(second->foundCount()->text(), QStringLiteral("1"));
    EXPECT_TRUE(second->question()->isVisible());
    EXPECT_FALSE(second->okButton()->isEnabled());
}

TEST_F(SearchDlgTest, TheSearchRunsBehindAProgressWindowWhoseCancelStopsIt) {
    auto dlg = open();
    int windows = 0;
    dlg->setWindowSetup([&](ProgressWindow& window) {
        ++windows;
        EXPECT_EQ(window.parentWidget(), dlg.get());
        EXPECT_EQ(window.windowTitle(), dlg->windowTitle());
        window.reject();  // cancelled before the first database is read
    });
    QTest::keyClicks(dlg->nameEdit(), QStringLiteral("man"));
    QTest::mouseClick(dlg->findButton(), Qt::LeftButton);
    EXPECT_EQ(windows, 1);
    EXPECT_EQ(dlg->results()->topLevelItemCount(), 0);

    dlg->setWindowSetup({});
    QTest::mouseClick(dlg->findButton(), Qt::LeftButton);
    EXPECT_EQ(dlg->results()->topLevelItemCount(), 5);
    EXPECT_EQ(windows, 1);
}

}  // namespace
}  // namespace corvane
