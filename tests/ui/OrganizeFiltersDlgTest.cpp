// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/selection/OrganizeFiltersDlg.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QTest>

#include "i18n/LanguageIds.h"
#include "i18n/LanguageManager.h"
#include "selection/SavedFilters.h"
#include "support/ScriptedPrompter.h"
#include "support/TempDir.h"
#include "ui/ModalDriver.h"

namespace corvane {
namespace {

using Names = std::vector<std::string>;

class OrganizeFiltersDlgTest : public ::testing::Test {
protected:
    OrganizeFiltersDlgTest() { languages.setLanguage(kLanguageEnglish); }

    std::unique_ptr<OrganizeFiltersDlg> open(const Names& names) {
        for (const std::string& name : names)
            EXPECT_EQ(saved.add(name, FilterState{}), SavedFilterResult::Written);
        auto dlg = std::make_unique<OrganizeFiltersDlg>(saved, languages, prompter);
        dlg->show();
        return dlg;
    }

    static QStringList rows(const OrganizeFiltersDlg& dlg) {
        QStringList out;
        for (int row = 0; row < dlg.list()->count(); ++row)
            out.append(dlg.list()->item(row)->text());
        return out;
    }

    static void select(OrganizeFiltersDlg& dlg, std::initializer_list<int> rows) {
        dlg.list()->clearSelection();
        for (int row : rows)
            dlg.list()->item(row)->setSelected(true);
    }

    // Renames the first line, answering the prompt with text or cancelling it.
    void rename(OrganizeFiltersDlg& dlg, const std::optional<QString>& text) {
        select(dlg, {0});
        test::onNextModal([this, text](QDialog* input) {
            prompt = input->findChild<QLabel*>()->text();
            if (text)
                input->findChild<QLineEdit*>()->setText(*text);
            text ? input->accept() : input->reject();
        });
        QTest::mouseClick(dlg.renameButton(), Qt::LeftButton);
    }

    test::TempDir dir;
    LanguageManager languages;
    test::ScriptedPrompter prompter;
    SavedFilters saved{dir.path()};
    QString prompt;
};

TEST_F(OrganizeFiltersDlgTest, ButtonsFollowTheSelection) {
    auto empty = open({});
    EXPECT_FALSE(empty->sortButton()->isEnabled());
    empty.reset();
    auto dlg = open({"b", "a", "c"});
    EXPECT_TRUE(dlg->sortButton()->isEnabled());
    EXPECT_FALSE(dlg->deleteButton()->isEnabled());
    EXPECT_FALSE(dlg->renameButton()->isEnabled());
    select(*dlg, {1});
    EXPECT_TRUE(dlg->renameButton()->isEnabled());
    EXPECT_TRUE(dlg->deleteButton()->isEnabled());
    select(*dlg, {0, 2});
    EXPECT_FALSE(dlg->renameButton()->isEnabled());
    EXPECT_TRUE(dlg->deleteButton()->isEnabled());
}

TEST_F(OrganizeFiltersDlgTest, RenameTrimsTheAnswerAndRefusesTakenOrEmptyNames) {
    auto dlg = open({"Old", "Other"});
    rename(*dlg, QStringLiteral("  New name "));
    EXPECT_EQ(prompt, QStringLiteral("Enter new name for filter \"Old\" :"));
    EXPECT_EQ(rows(*dlg), (QStringList{QStringLiteral("New name"), QStringLiteral("Other")}));
    EXPECT_EQ(SavedFilters(dir.path()).names(), (Names{"New name", "Other"}));
    EXPECT_FALSE(dlg->renameButton()->isEnabled());

    rename(*dlg, QStringLiteral("New name"));
    rename(*dlg, QStringLiteral("   "));
    rename(*dlg, std::nullopt);
    ASSERT_EQ(prompter.messages.size(), 2u);
    EXPECT_EQ(prompter.messages[0].text, "Filter name already exists");
    EXPECT_EQ(prompter.messages[1].text, "Invalid name");
    EXPECT_EQ(saved.names(), (Names{"New name", "Other"}));
}

TEST_F(OrganizeFiltersDlgTest, DeleteSeveralSortAndReportFailedWrites) {
    auto dlg = open({"b", "A", "c", "a", "B"});
    select(*dlg, {0, 2});
    QTest::mouseClick(dlg->deleteButton(), Qt::LeftButton);
    EXPECT_EQ(SavedFilters(dir.path()).names(), (Names{"A", "a", "B"}));
    EXPECT_FALSE(dlg->deleteButton()->isEnabled());
    std::filesystem::create_directory(saved.path() + ".tmp");
    select(*dlg, {0});
    QTest::mouseClick(dlg->deleteButton(), Qt::LeftButton);
    QTest::mouseClick(dlg->sortButton(), Qt::LeftButton);
    ASSERT_EQ(prompter.messages.size(), 2u);
    EXPECT_EQ(prompter.messages[1].text, "Error in I/O operation");
    // The list shows what this run keeps.
    EXPECT_EQ(rows(*dlg), (QStringList{QStringLiteral("a"), QStringLiteral("B")}));
}

TEST_F(OrganizeFiltersDlgTest, CopyAndSelectAllByMenuAndKeys) {
    auto dlg = open({"one", "two", "three"});
    QListWidget* list = dlg->list();
    const QRect last = list->visualItemRect(list->item(2));
    EXPECT_EQ(dlg->prepareContextMenu(QPoint(last.center().x(), last.bottom() + 30)), nullptr);
    select(*dlg, {0, 1});
    QMenu* menu = dlg->prepareContextMenu(last.center());
    ASSERT_NE(menu, nullptr);
    EXPECT_EQ(list->selectedItems(), QList<QListWidgetItem*>{list->item(2)});
    ASSERT_EQ(menu->actions().size(), 2);
    EXPECT_EQ(menu->actions()[0]->text(), QStringLiteral("Copy"));
    menu->actions()[1]->trigger();
    EXPECT_EQ(list->selectedItems().size(), 3);
    // A right click on a selected line keeps the selection; copying goes in list order.
    list->item(1)->setSelected(false);
    dlg->prepareContextMenu(last.center())->actions()[0]->trigger();
    EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral("one\r\nthree"));

    list->clearSelection();
    QTest::keyClick(list, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(list, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral("one\r\ntwo\r\nthree"));
}

}  // namespace
}  // namespace corvane
