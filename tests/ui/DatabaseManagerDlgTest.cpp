// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/tools/DatabaseManagerDlg.h"
#include "ui/tools/ToolTable.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTreeWidget>
#include <filesystem>
#include <memory>

#include "app/CCorvaneLauncherApp.h"
#include "i18n/MenuIds.h"
#include "media/Sha1Cache.h"
#include "model/DatabaseStore.h"
#include "model/Game.h"
#include "selection/Favorites.h"
#include "support/FakeEmulator.h"
#include "support/ScriptedPrompter.h"
#include "support/TempDir.h"
#include "ui/ModalDriver.h"
#include "ui/TreeRows.h"
#include "ui/WindowStart.h"
#include "ui/common/UserInputDlg.h"
#include "ui/main/CCorvaneLauncherDlg.h"
#include "ui/main/ProfileListModel.h"
#include "ui/main/SelectorPanel.h"
#include "ui/tools/CreateDatabase.h"
#include "ui/tools/PathList.h"

namespace corvane {
namespace {

using test::readFile;

constexpr const char* kSha1 = "a9993e364706816aba3e25717850c26c9cd0d89d";

std::string line(const std::string& name) {
    Game g;
    g.name = name;
    return g.ToLine() + "\r\n";
}

QStringList rows(const QTreeWidget* tree) {
    QStringList out;
    for (int row = 0; row < tree->topLevelItemCount(); ++row) {
        const QTreeWidgetItem* item = tree->topLevelItem(row);
        out << item->text(0) + QLatin1Char('|') + item->text(1) + QLatin1Char('|') + item->text(2);
    }
    return out;
}

QString selectedRow(const QTreeWidget* tree) {
    const QList<QTreeWidgetItem*> selected = tree->selectedItems();
    return selected.size() == 1 ? selected.front()->text(0) : QString();
}

int rowOf(const QTreeWidget* tree, const QString& name) {
    for (int row = 0; row < tree->topLevelItemCount(); ++row)
        if (tree->topLevelItem(row)->text(0) == name)
            return row;
    return -1;
}

// The answer typed into the name dialog, and what it offered.
struct TypedName {
    QString prompt;
    QString initial;
    bool allSelected = false;
};

class DatabaseManagerDlgTest : public ::testing::Test {
protected:
    DatabaseManagerDlgTest() {
        // Games is the default database.
        dir.write("settings.ini", "\r\n\r\nGames\r\n");
        dir.write("Games.db", line("A") + line("B") + line("C"));
        dir.write("Games_0.db", line("Old"));
        dir.write("Games_1.db", line("Newer") + line("Backup"));
        dir.write("Other.db", line("X"));
        dir.write("favorites.bml", "A|Games\r\nX|Other\r\n");
    }

    std::unique_ptr<DatabaseManagerDlg> open() {
        app = std::make_unique<CCorvaneLauncherApp>(dir.path(), prompter);
        app->loadSettings();
        auto dlg = makeDatabaseManager({*app, nullptr});
        dlg->show();
        return dlg;
    }
    void select(DatabaseManagerDlg& dlg, const char* name) {
        const int row = rowOf(dlg.list(), QString::fromLatin1(name));
        ASSERT_GE(row, 0) << name;
        test::clickTreeRow(dlg.list(), row);
    }
    // Types answer into the name dialog the rename opens (nothing: cancels it).
    TypedName rename(DatabaseManagerDlg& dlg, const std::optional<QString>& answer) {
        TypedName seen;
        test::onNextModal([&seen, answer](QDialog* dialog) {
            auto* input = qobject_cast<UserInputDlg*>(dialog);
            ASSERT_NE(input, nullptr);
            for (QLabel* label : input->findChildren<QLabel*>())
                if (!label->text().isEmpty())
                    seen.prompt = label->text();
            seen.initial = input->edit()->text();
            seen.allSelected = input->edit()->selectedText() == seen.initial;
            if (!answer) {
                input->reject();
                return;
            }
            input->edit()->setText(*answer);
            input->accept();
        });
        QTest::mouseClick(dlg.renameButton(), Qt::LeftButton);
        return seen;
    }
    bool exists(const char* file) const { return std::filesystem::exists(dir.file(file)); }
    void expectTotals(const DatabaseManagerDlg& dlg, const char* databases, const char* profiles,
                      const char* backups) {
        EXPECT_EQ(dlg.totalDatabases()->text(), QString::fromLatin1(databases));
        EXPECT_EQ(dlg.totalProfiles()->text(), QString::fromLatin1(profiles));
        EXPECT_EQ(dlg.totalBackups()->text(), QString::fromLatin1(backups));
    }
    std::vector<bool> enabled(const DatabaseManagerDlg& dlg) const {
        return {dlg.renameButton()->isEnabled(), dlg.deleteButton()->isEnabled(),
                dlg.deleteBackupsButton()->isEnabled(), dlg.restoreButton()->isEnabled()};
    }

    test::TempDir dir;
    test::ScriptedPrompter prompter;
    std::unique_ptr<CCorvaneLauncherApp> app;
};

TEST_F(DatabaseManagerDlgTest, ListsCountsAndTotalsAndEnablesBySelection) {
    dir.write("Games_old.db", line("not a numbered backup"));
    auto dlg = open();
    EXPECT_EQ(dlg->windowTitle(), QStringLiteral("Database Manager"));
    const QTreeWidgetItem* header = dlg->list()->headerItem();
    EXPECT_EQ(header->text(0) + header->text(1) + header->text(2),
              QStringLiteral("DatabaseProfilesBackups"));
    QStringList shown = rows(dlg->list());
    shown.sort();
    EXPECT_EQ(shown, (QStringList{QStringLiteral("Games|3|2"), QStringLiteral("Other|1|0")}));
    expectTotals(*dlg, "2", "4", "2");
    EXPECT_EQ(enabled(*dlg), (std::vector<bool>{false, false, false, false}));
    EXPECT_FALSE(dlg->fillButton()->isEnabled());  // no emulator in the settings

    select(*dlg, "Other");
    EXPECT_EQ(enabled(*dlg), (std::vector<bool>{true, true, false, false}));
    select(*dlg, "Games");
    EXPECT_EQ(enabled(*dlg), (std::vector<bool>{true, true, true, true}));
}

TEST_F(DatabaseManagerDlgTest, RenameMovesFilesFavoritesAndTheCurrentDatabase) {
    auto dlg = open();
    app->sha1Cache().store("A", "Games", kSha1);
    select(*dlg, "Games");
    const TypedName seen = rename(*dlg, QStringLiteral("  Arcade "));
    EXPECT_EQ(seen.prompt, QStringLiteral("Enter new name for database \"Games\" :"));
    EXPECT_EQ(seen.initial, QStringLiteral("Games"));
    EXPECT_TRUE(seen.allSelected);
    EXPECT_TRUE(prompter.messages.empty());
    EXPECT_TRUE(exists("Arcade.db") && exists("Arcade_0.db") && exists("Arcade_1.db"));
    EXPECT_FALSE(exists("Games.db") || exists("Games_0.db") || exists("Games_1.db"));
    EXPECT_EQ(readFile(dir.file("favorites.bml")), "A|Arcade\r\nX|Other\r\n");
    EXPECT_EQ(app->store().currentDatabaseName(), "Arcade");
    EXPECT_EQ(app->sha1Cache().find("A", "Arcade"), kSha1);
    EXPECT_FALSE(app->sha1Cache().contains("A", "Games"));
    EXPECT_EQ(selectedRow(dlg->list()), QStringLiteral("Arcade"));
    EXPECT_EQ(enabled(*dlg), (std::vector<bool>{true, true, true, true}));
    expectTotals(*dlg, "2", "4", "2");

    // Cancelled, blank and taken names change nothing.
    rename(*dlg, std::nullopt);
    EXPECT_TRUE(prompter.messages.empty());
    rename(*dlg, QStringLiteral("   "));
    rename(*dlg, QStringLiteral("Other"));
    ASSERT_EQ(prompter.messages.size(), 2u);
    EXPECT_EQ(prompter.messages[0].text, "Invalid name");
    EXPECT_EQ(prompter.messages[0].kind, MessageKind::Error);
    EXPECT_EQ(prompter.messages[1].text, "Error renaming database");
    EXPECT_EQ(prompter.messages[1].kind, MessageKind::Error);
    // Its own name is no change: nothing to say.
    rename(*dlg, QStringLiteral(" Arcade "));
    EXPECT_EQ(prompter.messages.size(), 2u);
    EXPECT_TRUE(exists("Arcade.db") && exists("Arcade_1.db") && exists("Other.db"));
    EXPECT_EQ(readFile(dir.file("Other.db")), line("X"));
    EXPECT_EQ(app->store().currentDatabaseName(), "Arcade");
    EXPECT_EQ(selectedRow(dlg->list()), QStringLiteral("Arcade"));
}

TEST_F(DatabaseManagerDlgTest, DeleteTheCurrentDatabaseAfterAsking) {
    auto dlg = open();
    app->sha1Cache().store("A", "Games", kSha1);
    select(*dlg, "Games");
    prompter.confirmAnswers = {false};
    QTest::mouseClick(dlg->deleteButton(), Qt::LeftButton);
    EXPECT_TRUE(exists("Games.db") && exists("Games_0.db"));
    EXPECT_EQ(selectedRow(dlg->list()), QStringLiteral("Games"));

    QTest::mouseClick(dlg->deleteButton(), Qt::LeftButton);
    EXPECT_EQ(prompter.confirmations, (std::vector<std::string>(2, "Delete database \"Games\"?")));
    EXPECT_FALSE(exists("Games.db") || exists("Games_0.db") || exists("Games_1.db"));
    EXPECT_EQ(readFile(dir.file("favorites.bml")), "X|Other\r\n");
    EXPECT_EQ(app->store().currentDatabaseName(), "");
    EXPECT_FALSE(app->sha1Cache().contains("A", "Games"));
    EXPECT_EQ(rows(dlg->list()), QStringList{QStringLiteral("Other|1|0")});
    expectTotals(*dlg, "1", "1", "0");
    EXPECT_EQ(enabled(*dlg), (std::vector<bool>{false, false, false, false}));
    EXPECT_TRUE(prompter.messages.empty());
}

TEST_F(DatabaseManagerDlgTest, DeleteBackupsKeepsTheDatabaseAndItsFavorites) {
    auto dlg = open();
    select(*dlg, "Games");
    QTest::mouseClick(dlg->deleteBackupsButton(), Qt::LeftButton);
    EXPECT_EQ(prompter.confirmations,
              std::vector<std::string>{"Delete backups for database \"Games\"?"});
    EXPECT_FALSE(exists("Games_0.db") || exists("Games_1.db"));
    EXPECT_EQ(readFile(dir.file("Games.db")), line("A") + line("B") + line("C"));
    EXPECT_EQ(readFile(dir.file("favorites.bml")), "A|Games\r\nX|Other\r\n");
    EXPECT_EQ(app->store().currentDatabaseName(), "Games");
    EXPECT_EQ(selectedRow(dlg->list()), QStringLiteral("Games"));
    EXPECT_EQ(enabled(*dlg), (std::vector<bool>{true, true, false, false}));
    expectTotals(*dlg, "2", "4", "0");
}

TEST_F(DatabaseManagerDlgTest, RestoreBringsBackTheNewestBackup) {
    auto dlg = open();
    select(*dlg, "Games");
    prompter.confirmAnswers = {false};
    QTest::mouseClick(dlg->restoreButton(), Qt::LeftButton);
    EXPECT_EQ(readFile(dir.file("Games.db")), line("A") + line("B") + line("C"));

    QTest::mouseClick(dlg->restoreButton(), Qt::LeftButton);
    EXPECT_EQ(prompter.confirmations.back(), "Restore database \"Games\"?");
    EXPECT_EQ(readFile(dir.file("Games.db")), line("Newer") + line("Backup"));
    EXPECT_FALSE(exists("Games_1.db"));
    EXPECT_EQ(selectedRow(dlg->list()), QStringLiteral("Games"));
    EXPECT_EQ(rows(dlg->list()).filter(QStringLiteral("Games")),
              QStringList{QStringLiteral("Games|2|1")});
    expectTotals(*dlg, "2", "3", "1");
    EXPECT_EQ(enabled(*dlg), (std::vector<bool>{true, true, true, true}));
    EXPECT_TRUE(prompter.messages.empty());
}

TEST_F(DatabaseManagerDlgTest, FillDatabaseAddsTheFilledDatabaseToTheList) {
    test::FakeEmulator emulator;
    emulator.addDatabase("software.xml", "<softwaredb></softwaredb>");
    dir.write("settings.ini", emulator.path() + "\r\n\r\nGames\r\n");
    test::TempDir media;
    media.write("One.rom", "one");
    media.write("Two.rom", "two");
    auto dlg = open();
    EXPECT_EQ(dlg->fillButton()->text(), QStringLiteral("Fill Database"));
    select(*dlg, "Other");
    EXPECT_TRUE(dlg->fillButton()->isEnabled());
    test::onNextModal([&media](QDialog* dialog) {
        auto* fill = qobject_cast<CreateDatabase*>(dialog);
        ASSERT_NE(fill, nullptr);
        fill->directories()->addPath(media.path());
        fill->newTarget()->click();
        fill->newName()->setText(QStringLiteral("Fresh"));
        QTest::mouseClick(fill->okButton(), Qt::LeftButton);
    });
    QTest::mouseClick(dlg->fillButton(), Qt::LeftButton);
    ASSERT_EQ(prompter.messages.size(), 1u);
    EXPECT_EQ(prompter.messages[0].text, "Fresh was created. Number of profiles: 2");
    EXPECT_TRUE(rows(dlg->list()).contains(QStringLiteral("Fresh|2|0")));
    expectTotals(*dlg, "3", "6", "2");
    EXPECT_EQ(selectedRow(dlg->list()), QString());
    EXPECT_EQ(enabled(*dlg), (std::vector<bool>{false, false, false, false}));
    EXPECT_TRUE(dlg->fillButton()->isEnabled());
}

TEST_F(DatabaseManagerDlgTest, TheMainWindowReloadsAfterTheManagerCloses) {
    app = std::make_unique<CCorvaneLauncherApp>(dir.path(), prompter);
    CCorvaneLauncherDlg window(*app);
    test::startWindow(window);
    ASSERT_EQ(window.profileModel()->rowCount(), 3);
    QAction* entry = window.action(kMenuDatabaseManager);
    ASSERT_NE(entry, nullptr);
    EXPECT_EQ(entry->text(), QStringLiteral("&Database Manager..."));
    EXPECT_TRUE(entry->isVisible());
    test::onNextModal([](QDialog* dialog) {
        auto* manager = qobject_cast<DatabaseManagerDlg*>(dialog);
        ASSERT_NE(manager, nullptr);
        test::clickTreeRow(manager->list(), rowOf(manager->list(), QStringLiteral("Games")));
        QTest::mouseClick(manager->deleteButton(), Qt::LeftButton);
        QTest::mouseClick(manager->closeButton(), Qt::LeftButton);
    });
    entry->trigger();
    EXPECT_EQ(window.profileModel()->rowCount(), 0);
    EXPECT_EQ(window.databasePanel()->value(), QString());
    EXPECT_EQ(app->store().currentDatabaseName(), "");
}

}  // namespace
}  // namespace corvane
