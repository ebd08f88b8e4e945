// SPDX-License-Identifier: GPL-3.0-or-later
// Questions whose Yes destroys data, asked through the real message boxes: Enter must keep the
// data.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>
#include <memory>
#include <utility>

#include "app/CCorvaneLauncherApp.h"
#include "model/Game.h"
#include "support/FakeEmulator.h"
#include "support/TempDir.h"
#include "ui/ModalDriver.h"
#include "ui/TreeRows.h"
#include "ui/WindowStart.h"
#include "ui/common/MultiConfirmationDlg.h"
#include "ui/common/QtPrompter.h"
#include "ui/editor/GameSettingsDlg.h"
#include "ui/editor/GameSettingsGeneralDlg.h"
#include "ui/main/CCorvaneLauncherDlg.h"
#include "ui/tools/DatabaseManagerDlg.h"
#include "ui/tools/ToolTable.h"

namespace corvane {
namespace {

using test::readFile;

std::string line(const std::string& name) {
    Game g;
    g.name = name;
    return g.ToLine() + "\r\n";
}

// Presses Enter in the next question (a message box, or the five-answer question) that opens
// while it lives, on the control that has the keyboard focus, as a user who presses Enter without
// reading would; records what it saw. Questions that follow are closed, so that a wrong answer
// fails the test instead of waiting for input.
class EnterInNextBox {
public:
    EnterInNextBox() {
        QObject::connect(&timer_, &QTimer::timeout, [this] {
            QWidget* modal = QApplication::activeModalWidget();
            auto* box = qobject_cast<QMessageBox*>(modal);
            auto* multi = qobject_cast<MultiConfirmationDlg*>(modal);
            if (!box && !multi)
                return;
            // Until it is the active window, the keys still go to the window behind it.
            auto* question = static_cast<QDialog*>(modal);
            if (!question->isActiveWindow())
                return;
            if (std::exchange(answered_, true)) {
                question->reject();
                return;
            }
            QWidget* focused = question->focusWidget() ? question->focusWidget() : question;
            if (box) {
                text = box->text().toStdString();
                noByDefault = box->defaultButton() == box->button(QMessageBox::No);
                QTest::keyClick(focused, Qt::Key_Return);
                answeredNo = box->clickedButton() == box->button(QMessageBox::No);
            } else {
                for (const QLabel* label : multi->findChildren<QLabel*>())
                    if (!label->text().isEmpty())
                        text = label->text().toStdString();
                QPushButton* no = multi->findChild<QPushButton*>(QStringLiteral("answer2"));
                noByDefault = no && no->isDefault();
                QTest::keyClick(focused, Qt::Key_Return);
                answeredNo = multi->answer() == MultiAnswer::No;
            }
            if (question->isVisible())
                question->reject();
        });
        timer_.start(10);
    }

    std::string text;
    bool noByDefault = false;
    bool answeredNo = false;

private:
    QTimer timer_;
    bool answered_ = false;
};

void expectKeptByEnter(const EnterInNextBox& asked, const char* text) {
    EXPECT_EQ(asked.text, text);
    EXPECT_TRUE(asked.noByDefault) << text;
    EXPECT_TRUE(asked.answeredNo) << text;
}

class DestroyingQuestionsTest : public ::testing::Test {
protected:
    DestroyingQuestionsTest() {
        emulator.addDatabase("software.xml", "<softwaredb/>");
        emulator.addMachine("MSX2 - C-BIOS", "[Slots]\r\n");
        dir.write("settings.ini", emulator.path() + "\r\n\r\nGames\r\n");
        dir.write("Games.db", line("A") + line("B"));
        dir.write("Games_0.db", line("Old"));
        app = std::make_unique<CCorvaneLauncherApp>(dir.path(), prompter);
        prompter.setLanguages(app->languages());
    }
    std::string games() const { return readFile(dir.file("Games.db")); }

    test::FakeEmulator emulator;
    test::TempDir dir;
    QtPrompter prompter;
    std::unique_ptr<CCorvaneLauncherApp> app;
};

TEST_F(DestroyingQuestionsTest, EnterKeepsDatabasesAndBackupsInTheDatabaseManager) {
    app->loadSettings();
    const auto manager = makeDatabaseManager({*app, nullptr});
    DatabaseManagerDlg& dlg = *manager;
    prompter.setParentWindow(&dlg);
    dlg.show();
    test::clickTreeRow(dlg.list(), 0);
    const std::string database = games();
    const std::string backup = readFile(dir.file("Games_0.db"));

    auto asked = std::make_unique<EnterInNextBox>();
    QTest::mouseClick(dlg.deleteButton(), Qt::LeftButton);
    expectKeptByEnter(*asked, "Delete database \"Games\"?");

    asked = std::make_unique<EnterInNextBox>();
    QTest::mouseClick(dlg.deleteBackupsButton(), Qt::LeftButton);
    expectKeptByEnter(*asked, "Delete backups for database \"Games\"?");

    asked = std::make_unique<EnterInNextBox>();
    QTest::mouseClick(dlg.restoreButton(), Qt::LeftButton);
    expectKeptByEnter(*asked, "Restore database \"Games\"?");

    EXPECT_EQ(games(), database);
    EXPECT_EQ(readFile(dir.file("Games_0.db")), backup);
}

TEST_F(DestroyingQuestionsTest, EnterKeepsProfilesInTheMainWindowAndTheEditor) {
    CCorvaneLauncherDlg window(*app);
    prompter.setParentWindow(&window);
    test::startWindow(window);
    const std::string database = games();

    test::selectRows(window, {0});
    auto asked = std::make_unique<EnterInNextBox>();
    QTest::mouseClick(window.removeButton(), Qt::LeftButton);
    expectKeptByEnter(*asked, "Remove selected profile?");
    EXPECT_EQ(test::shownNames(window), (QStringList{QStringLiteral("A"), QStringLiteral("B")}));

    // Moved onto a database that holds a profile of its name.
    Game other;
    other.name = "A";
    other.slot1File = "other.rom";
    dir.write("Other.db", other.ToLine() + "\r\n");
    app->store().forgetDatabaseList();
    test::selectRows(window, {0});
    test::onNextModal([](QDialog* target) { target->accept(); });
    asked = std::make_unique<EnterInNextBox>();
    window.moveSelected();
    expectKeptByEnter(*asked, "\"A\" already exists in target database. Replace?");
    EXPECT_EQ(readFile(dir.file("Other.db")), other.ToLine() + "\r\n");

    // A new profile named as a stored one would replace it.
    GameSettingsDlg editor(*app, nullptr);
    prompter.setParentWindow(&editor);
    editor.show();
    editor.general()->nameEdit()->setText(QStringLiteral("B"));
    asked = std::make_unique<EnterInNextBox>();
    editor.save();
    expectKeptByEnter(*asked, "\"B\" already exists in target database. Replace?");
    EXPECT_EQ(games(), database);
}

}  // namespace
}  // namespace corvane
