// SPDX-License-Identifier: GPL-3.0-or-later
// The main window opening the profile editor: EDIT, Ctrl+E and its menu entry; ADD and Insert.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QListView>
#include <QMenu>
#include <QPushButton>
#include <QTimer>
#include <memory>

#include "app/CCorvaneLauncherApp.h"
#include "i18n/MenuIds.h"
#include "model/DatabaseStore.h"
#include "support/FakeEmulator.h"
#include "support/ScriptedPrompter.h"
#include "support/TempDir.h"
#include "ui/KeyPress.h"
#include "ui/ModalDriver.h"
#include "ui/WindowStart.h"
#include "ui/editor/GameSettingsDlg.h"
#include "ui/editor/GameSettingsGeneralDlg.h"
#include "ui/main/CCorvaneLauncherDlg.h"
#include "ui/main/ProfileListModel.h"

namespace corvane {
namespace {

using test::FakeEmulator;
using test::ScriptedPrompter;
using test::TempDir;

std::string line(const std::string& name) {
    Game g;
    g.name = name;
    return g.ToLine() + "\r\n";
}

// Rejects any dialog that opens while it lives, so that an editor opened by mistake fails the
// test instead of waiting for input.
class UnexpectedDialogs {
public:
    UnexpectedDialogs() {
        QObject::connect(&timer_, &QTimer::timeout, [this] {
            if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
                ++opened;
                dialog->reject();
            }
        });
        timer_.start(10);
    }
    int opened = 0;

private:
    QTimer timer_;
};

class MainWindowEditorTest : public ::testing::Test {
protected:
    // An installation with software databases owes the user no message about them.
    MainWindowEditorTest() { emulator.addDatabase("software.xml", "<softwaredb/>"); }

    void start(const std::string& emulatorPath, const std::string& database = "Games") {
        dir.write("settings.ini", emulatorPath + "\r\n\r\n" + database + "\r\n");
        app = std::make_unique<CCorvaneLauncherApp>(dir.path(), prompter);
        window = std::make_unique<CCorvaneLauncherDlg>(*app);
        test::startWindow(*window);
    }
    void selectRows(std::initializer_list<int> rows) { test::selectRows(*window, rows); }
    QStringList shownNames() const { return test::shownNames(*window); }
    int selectedRow() const {
        const QModelIndexList rows = window->profileList()->selectionModel()->selectedRows();
        return rows.size() == 1 ? rows.front().row() : -1;
    }
    // Renames the profile in the editor that opens next and saves it; what it showed first.
    std::shared_ptr<QString> renameInNextEditor(const QString& newName) {
        auto shown = std::make_shared<QString>(QStringLiteral("no editor"));
        test::onNextModal([shown, newName](QDialog* dialog) {
            auto* editor = qobject_cast<GameSettingsDlg*>(dialog);
            if (!editor) {
                dialog->reject();
                return;
            }
            *shown = editor->general()->nameEdit()->text();
            editor->general()->nameEdit()->setText(newName);
            editor->save();
        });
        return shown;
    }

    FakeEmulator emulator;
    TempDir dir;
    ScriptedPrompter prompter;
    std::unique_ptr<CCorvaneLauncherApp> app;
    std::unique_ptr<CCorvaneLauncherDlg> window;
};

TEST_F(MainWindowEditorTest, EditOpensTheCurrentProfileAndSelectsTheSamePlaceAfterSaving) {
    dir.write("Games.db", line("A") + line("B") + line("C"));
    start(emulator.path());
    EXPECT_FALSE(window->editButton()->isEnabled());
    selectRows({1});
    EXPECT_TRUE(window->editButton()->isEnabled());

    // Renamed, B's line now holds C: the place is kept, not the profile.
    std::shared_ptr<QString> shown = renameInNextEditor(QStringLiteral("Z"));
    window->editButton()->click();
    EXPECT_EQ(*shown, QStringLiteral("B"));
    EXPECT_EQ(shownNames(),
              (QStringList{QStringLiteral("A"), QStringLiteral("C"), QStringLiteral("Z")}));
    EXPECT_EQ(selectedRow(), 1);
    EXPECT_EQ(prompter.messages.back().text, "\"Z\" was saved successfully");

    // Ctrl+E in the list, and the context menu's entry after Remove.
    selectRows({2});
    shown = renameInNextEditor(QStringLiteral("Y"));
    test::typeKey(window->profileList(), Qt::Key_E, Qt::ControlModifier);
    EXPECT_EQ(*shown, QStringLiteral("Z"));
    EXPECT_EQ(shownNames().last(), QStringLiteral("Y"));
    EXPECT_EQ(selectedRow(), 2);

    const QRect first = window->profileList()->visualRect(window->profileModel()->index(0));
    QMenu* menu = window->prepareContextMenu(first.center());
    ASSERT_NE(menu, nullptr);
    const QList<QAction*> entries = menu->actions();
    ASSERT_GE(entries.size(), 3);
    EXPECT_EQ(entries[2], window->action(kMenuEdit));
    EXPECT_EQ(entries[2]->text(), QStringLiteral("Edit...\tCtrl+E"));
    EXPECT_TRUE(entries[2]->isEnabled());
    shown = renameInNextEditor(QStringLiteral("A"));
    window->action(kMenuEdit)->trigger();
    EXPECT_EQ(*shown, QStringLiteral("A"));

    // Several selected: nothing to edit.
    selectRows({0, 1});
    EXPECT_FALSE(window->editButton()->isEnabled());
    window->prepareContextMenu(first.center());
    EXPECT_FALSE(window->action(kMenuEdit)->isEnabled());
    const size_t before = prompter.messages.size();
    test::typeKey(window->profileList(), Qt::Key_E, Qt::ControlModifier);
    EXPECT_EQ(prompter.messages.size(), before);

    // Another program changed the profile while the editor was open: nothing is saved, the user
    // is told so, and the list shows the file as it is now.
    Game changed;
    changed.name = "A";
    changed.company = "Elsewhere";
    const std::string other = changed.ToLine() + "\r\n" + line("C") + line("Y") + line("D");
    selectRows({0});
    test::onNextModal([this, other](QDialog* dialog) {
        auto* editor = qobject_cast<GameSettingsDlg*>(dialog);
        if (!editor) {
            dialog->reject();
            return;
        }
        dir.write("Games.db", other);
        editor->general()->nameEdit()->setText(QStringLiteral("X"));
        editor->save();
    });
    window->editButton()->click();
    EXPECT_EQ(test::readFile(dir.file("Games.db")), other);
    EXPECT_EQ(prompter.messages.back().text, app->texts().text("M_ERR_PROFILE_CHANGED"));
    EXPECT_EQ(shownNames(), (QStringList{QStringLiteral("A"), QStringLiteral("C"),
                                         QStringLiteral("D"), QStringLiteral("Y")}));
}

TEST_F(MainWindowEditorTest, AddSelectsTheSavedProfileWhereverItSorts) {
    dir.write("Games.db", line("A") + line("c") + line("Z"));
    start(emulator.path());
    selectRows({2});
    std::shared_ptr<QString> shown = renameInNextEditor(QStringLiteral("b"));
    window->addButton()->click();
    EXPECT_EQ(*shown, QString());
    EXPECT_EQ(shownNames(), (QStringList{QStringLiteral("A"), QStringLiteral("b"),
                                         QStringLiteral("c"), QStringLiteral("Z")}));
    EXPECT_EQ(window->profileList()->currentIndex().row(), 1);
    EXPECT_TRUE(window->editButton()->isEnabled());
    // Else no editor would open to take the next step's answer.
    ASSERT_EQ(selectedRow(), 1);

    // The list's current line is the new one: Ctrl+E edits it.
    shown = renameInNextEditor(QStringLiteral("b2"));
    test::typeKey(window->profileList(), Qt::Key_E, Qt::ControlModifier);
    EXPECT_EQ(*shown, QStringLiteral("b"));
}

TEST_F(MainWindowEditorTest, EditAndAddNeedTheEmulator) {
    dir.write("Games.db", line("A"));
    start(dir.file("no emulator"));
    selectRows({0});
    UnexpectedDialogs unexpected;
    test::typeKey(window->profileList(), Qt::Key_E, Qt::ControlModifier);
    ASSERT_EQ(prompter.messages.size(), 1u);
    EXPECT_EQ(prompter.messages[0].text, "Emulator path is invalid - set it in Options->Settings");
    EXPECT_EQ(prompter.messages[0].kind, MessageKind::Error);
    window->addButton()->click();
    ASSERT_EQ(prompter.messages.size(), 2u);
    EXPECT_EQ(prompter.messages[1].text, "Emulator path is invalid - set it in Options->Settings");
}

TEST_F(MainWindowEditorTest, AddNeedsADatabaseAndShowsTheSavedProfile) {
    start(emulator.path());
    auto unexpected = std::make_unique<UnexpectedDialogs>();
    test::typeKey(window->profileList(), Qt::Key_Insert);
    ASSERT_EQ(prompter.messages.size(), 1u);
    EXPECT_EQ(prompter.messages[0].text, "No database selected");

    // Databases exist, but none is current: a new profile would have nowhere to go.
    dir.write("Other.db", line("X"));
    app->store().forgetDatabaseList();
    app->store().setCurrentDatabase("");
    window->addButton()->click();
    ASSERT_EQ(prompter.messages.size(), 2u);
    EXPECT_EQ(prompter.messages[1].text, "No database selected");
    EXPECT_FALSE(QFile::exists(QString::fromStdString(dir.file(".db"))));
    EXPECT_EQ(unexpected->opened, 0);
    unexpected.reset();

    app->store().setCurrentDatabase("Other");
    window->loadList();
    std::shared_ptr<QString> shown = renameInNextEditor(QStringLiteral("New one"));
    test::typeKey(window->profileList(), Qt::Key_Insert);
    EXPECT_EQ(*shown, QString());
    EXPECT_EQ(shownNames(), (QStringList{QStringLiteral("New one"), QStringLiteral("X")}));
    const std::vector<Game> stored = DatabaseStore::readProfiles(dir.file("Other.db"));
    ASSERT_EQ(stored.size(), 2u);
    EXPECT_EQ(stored[1].name, "New one");
}

}  // namespace
}  // namespace corvane
