// SPDX-License-Identifier: GPL-3.0-or-later
// Other Dumps from the main window's list, through its dialog, back to the window.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMenu>
#include <QPushButton>
#include <QTest>
#include <QTreeWidget>

#include "app/CCorvaneLauncherApp.h"
#include "i18n/MenuIds.h"
#include "media/MediaHash.h"
#include "model/DatabaseStore.h"
#include "support/FakeEmulator.h"
#include "support/ScriptedPrompter.h"
#include "support/TempDir.h"
#include "ui/ModalDriver.h"
#include "ui/WindowStart.h"
#include "ui/main/CCorvaneLauncherDlg.h"
#include "ui/main/ProfileListModel.h"
#include "ui/tools/FindOtherDumpsDlg.h"

namespace corvane {
namespace {

using namespace corvane::test;

std::string romLine(const std::string& name, const std::string& rom) {
    Game game;
    game.name = name;
    game.slot1File = rom;
    return game.ToLine() + "\r\n";
}

// What the dialog showed as it opened.
struct Opened {
    QString name;
    QString database;
    QString known;
    bool canSearch = false;
    bool okEnabled = true;
};

class MainWindowOtherDumpsTest : public ::testing::Test {
protected:
    MainWindowOtherDumpsTest() {
        const std::string first = dir.write("roms/first.rom", "first dump");
        const std::string second = dir.write("roms/second.rom", "second dump");
        dir.write("Games.db", romLine("Knightmare", first) + romLine("No medium", "") +
                                  romLine("Unknown", dir.write("roms/u.rom", "unknown")));
        dir.write("Second.db", romLine("Knightmare (alt)", second));
        dir.write("settings.ini", emulator.path() + "\r\n\r\nGames\r\n");
        emulator.addDatabase("konami.xml",
                             "<db><software><title>Knightmare</title><dump><rom><hash "
                             "algo=\"sha1\">" +
                                 MediumSha1(first, "") +
                                 "</hash></rom></dump><dump><rom><hash algo=\"sha1\">" +
                                 MediumSha1(second, "") + "</hash></rom></dump></software></db>");
        app = std::make_unique<CCorvaneLauncherApp>(dir.path(), prompter);
        window = std::make_unique<CCorvaneLauncherDlg>(*app);
        startWindow(*window);
        window->profileList()->setFocus();
    }

    void selectName(const char* name) {
        const int row = window->profileModel()->rowOfName(name);
        ASSERT_GE(row, 0);
        window->profileList()->selectionModel()->setCurrentIndex(
            window->profileModel()->index(row), QItemSelectionModel::ClearAndSelect);
    }

    // Ctrl+G; then, in the dialog, what then does before it closes.
    Opened pressOtherDumps(const std::function<void(FindOtherDumpsDlg&)>& then) {
        Opened opened;
        onNextModal([&](QDialog* dialog) {
            auto* dumps = qobject_cast<FindOtherDumpsDlg*>(dialog);
            if (!dumps) {
                dialog->reject();
                return;
            }
            opened = {dumps->nameField()->text(), dumps->databaseField()->text(),
                      dumps->knownDumpsField()->text(), dumps->findButton()->isEnabled(),
                      dumps->okButton()->isEnabled()};
            then(*dumps);
        });
        typeKey(window->profileList(), Qt::Key_G, Qt::ControlModifier);
        return opened;
    }

    TempDir dir;
    FakeEmulator emulator;
    ScriptedPrompter prompter;
    std::unique_ptr<CCorvaneLauncherApp> app;
    std::unique_ptr<CCorvaneLauncherDlg> window;
};

}  // namespace

TEST_F(MainWindowOtherDumpsTest, AChosenOtherDumpIsShownInItsDatabase) {
    selectName("Knightmare");
    const QPoint line =
        window->profileList()->visualRect(window->profileList()->currentIndex()).center();
    ASSERT_NE(window->prepareContextMenu(line), nullptr);
    EXPECT_TRUE(window->contextMenu()->actions().contains(window->action(kMenuOtherDumps)));
    EXPECT_TRUE(window->action(kMenuOtherDumps)->isEnabled());

    QStringList rows;
    bool locateShown = false;
    const Opened opened = pressOtherDumps([&](FindOtherDumpsDlg& dialog) {
        QTest::mouseClick(dialog.findButton(), Qt::LeftButton);
        QTreeWidget* list = dialog.foundList();
        for (int i = 0; i < list->topLevelItemCount(); ++i)
            rows << list->topLevelItem(i)->text(0) + QLatin1Char('|') +
                        list->topLevelItem(i)->text(1);
        EXPECT_TRUE(dialog.findButton()->isHidden());
        if (list->topLevelItemCount() > 0)
            list->setCurrentItem(list->topLevelItem(0));
        locateShown = dialog.locateLabel()->isVisibleTo(&dialog);
        QTest::mouseClick(dialog.okButton(), Qt::LeftButton);
    });
    EXPECT_EQ(opened.name, QStringLiteral("Knightmare"));
    EXPECT_EQ(opened.database, QStringLiteral("Games"));
    EXPECT_EQ(opened.known, QStringLiteral("2"));
    EXPECT_TRUE(opened.canSearch);
    EXPECT_FALSE(opened.okEnabled);
    EXPECT_EQ(rows, QStringList{QStringLiteral("Knightmare (alt)|Second")});
    EXPECT_TRUE(locateShown);
    EXPECT_EQ(app->store().currentDatabaseName(), "Second");
    EXPECT_EQ(window->selectedNames(), std::vector<std::string>{"Knightmare (alt)"});
}

TEST_F(MainWindowOtherDumpsTest, WithoutAKnownSoftwareThereIsNothingToSearch) {
    selectName("Unknown");
    const Opened unknown = pressOtherDumps([](FindOtherDumpsDlg& dialog) { dialog.reject(); });
    EXPECT_EQ(unknown.known, QStringLiteral("0"));
    EXPECT_FALSE(unknown.canSearch);
    EXPECT_EQ(app->store().currentDatabaseName(), "Games");

    // A profile without a medium has no SHA-1 to start from: no dialog, its message.
    selectName("No medium");
    typeKey(window->profileList(), Qt::Key_G, Qt::ControlModifier);
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    ASSERT_EQ(prompter.messages.size(), 1u);
    EXPECT_EQ(prompter.messages[0].text, "Invalid profile");
    EXPECT_EQ(prompter.messages[0].kind, MessageKind::Error);
}

}  // namespace corvane
