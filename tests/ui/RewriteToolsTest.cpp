// SPDX-License-Identifier: GPL-3.0-or-later
// Set Machine and Adjust Relative Path from their windows.
#include <gtest/gtest.h>

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTest>

#include "app/AdjustPathsOperation.h"
#include "i18n/MenuIds.h"
#include "ui/FillFixture.h"
#include "ui/ModalDriver.h"
#include "ui/WindowStart.h"
#include "ui/main/CCorvaneLauncherDlg.h"
#include "ui/main/ProfileListModel.h"
#include "ui/tools/ChangeMachineSelection.h"
#include "ui/tools/ProfileFilePathDlg.h"

namespace corvane {
namespace {

using test::readFile;

class RewriteToolsTest : public test::FillFixture {
protected:
    static std::string profile(const std::string& name, const std::string& machine,
                               const std::string& rom) {
        Game game;
        game.name = name;
        game.machine = machine;
        game.slot1File = rom;
        return game.ToLine() + "\r\n";
    }
    std::vector<std::string> column(const std::string& database,
                                    std::string (*field)(const Game&)) const {
        std::vector<std::string> out;
        for (const Game& game : DatabaseStore::readProfiles(dir.file(database + ".db")))
            out.push_back(field(game));
        return out;
    }
};

std::string machineOf(const Game& game) {
    return game.machine;
}

std::string romOf(const Game& game) {
    return game.slot1File;
}

TEST_F(RewriteToolsTest, SetMachineFromTheMenuRewritesTheChosenProfilesAndReloads) {
    dir.write("Games.db", profile("A", "Gone", "/m/a.rom") + profile("B", "Alpha", "/m/b.rom"));
    dir.write("Other.db", "");
    writeSettings("Games");
    startApp();
    CCorvaneLauncherDlg window(*app);
    test::startWindow(window);
    QAction* entry = window.action(kMenuSetMachine);
    ASSERT_NE(entry, nullptr);
    EXPECT_TRUE(entry->isEnabled());

    QSignalSpy loaded(&window, &CCorvaneLauncherDlg::listLoaded);
    std::vector<bool> initial;
    test::onNextModal([&initial](QDialog* dialog) {
        auto* chooser = qobject_cast<ChangeMachineSelection*>(dialog);
        ASSERT_NE(chooser, nullptr);
        EXPECT_EQ(chooser->databases()->currentText(), QStringLiteral("Games"));
        EXPECT_EQ(chooser->machine()->currentText(), QStringLiteral("MSX2 - C-BIOS"));
        initial = {chooser->specificMachine()->isChecked(), chooser->machine()->isEnabled(),
                   chooser->minimumMachine()->isChecked(),  chooser->allProfiles()->isChecked(),
                   chooser->missingMachine()->isChecked(),  chooser->backup()->isChecked()};
        // The machine list serves only a chosen machine.
        chooser->minimumMachine()->setChecked(true);
        EXPECT_FALSE(chooser->machine()->isEnabled());
        chooser->specificMachine()->setChecked(true);
        chooser->missingMachine()->setChecked(true);
        chooser->backup()->setChecked(true);
        QTest::mouseClick(chooser->buttons()->button(QDialogButtonBox::Ok), Qt::LeftButton);
    });
    entry->trigger();
    ASSERT_TRUE(!loaded.isEmpty() || loaded.wait(60000));
    EXPECT_EQ(initial, (std::vector<bool>{true, true, false, true, false, false}));
    EXPECT_EQ(shownTexts(), std::vector<std::string>{"1 profiles were updated"});
    EXPECT_EQ(column("Games", machineOf), (std::vector<std::string>{"MSX2 - C-BIOS", "Alpha"}));
    EXPECT_TRUE(std::filesystem::exists(dir.file("Games_0.db")));
    EXPECT_EQ(window.profileModel()->rowCount(), 2);
}

TEST_F(RewriteToolsTest, AdjustRelativePathNeedsAFolderAndRefusesAnEmptyCurrentPath) {
    dir.write("Games.db", profile("A", "", "/old/roms/a.rom") + profile("B", "", "/old/b.rom"));
    writeSettings("Games");
    startApp();
    AdjustPathsOperation operation(app->store(), app->texts());
    {
        ProfileFilePathDlg dialog(operation, app->prompter(), app->languages());
        dialog.show();
        EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Adjust Relative Path"));
        EXPECT_EQ(dialog.currentPath()->text(), QStringLiteral("/old/"));
        EXPECT_FALSE(dialog.okButton()->isEnabled());
        dialog.setNewFolder(QStringLiteral("/new"));
        EXPECT_EQ(dialog.newPath()->text(), QStringLiteral("/new/"));
        EXPECT_TRUE(dialog.okButton()->isEnabled());
        const auto result =
            runToEnd(dialog.run(), [&] { QTest::mouseClick(dialog.okButton(), Qt::LeftButton); });
        EXPECT_EQ(result, OperationResult::Done);
        EXPECT_EQ(dialog.result(), QDialog::Accepted);
        EXPECT_EQ(shownTexts(),
                  std::vector<std::string>{"Adjusted current relative path successfully"});
        EXPECT_EQ(column("Games", romOf),
                  (std::vector<std::string>{"/new/roms/a.rom", "/new/b.rom"}));
    }

    // Paths that share no folder: the window says why and stays open, and nothing changes.
    dir.write("Other.db", profile("C", "", "D:\\c.rom"));
    const std::string before = readFile(dir.file("Games.db"));
    prompter.messages.clear();
    ProfileFilePathDlg dialog(operation, app->prompter(), app->languages());
    dialog.show();
    EXPECT_EQ(dialog.currentPath()->text(), QString());
    dialog.setNewFolder(QStringLiteral("/newer/"));
    QTest::mouseClick(dialog.okButton(), Qt::LeftButton);
    ASSERT_EQ(shownTexts().size(), 1u);
    EXPECT_NE(shownTexts()[0].find("no current relative path"), std::string::npos);
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(readFile(dir.file("Games.db")), before);
}

}  // namespace
}  // namespace corvane
