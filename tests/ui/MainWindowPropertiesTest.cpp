// SPDX-License-Identifier: GPL-3.0-or-later
// The main window opening the properties view of the profile of the current line.
#include <gtest/gtest.h>

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMenu>
#include <QTabWidget>

#include "app/CCorvaneLauncherApp.h"
#include "i18n/MenuIds.h"
#include "media/MediaHash.h"
#include "support/FakeEmulator.h"
#include "support/RecordingShell.h"
#include "support/RecordingStarter.h"
#include "support/ScriptedPrompter.h"
#include "support/TempDir.h"
#include "ui/ModalDriver.h"
#include "ui/WindowStart.h"
#include "ui/main/CCorvaneLauncherDlg.h"
#include "ui/main/ProfileListModel.h"
#include "ui/properties/GamePropertiesCapturesDlg.h"
#include "ui/properties/GamePropertiesCorvaneDlg.h"
#include "ui/properties/GamePropertiesDlg.h"
#include "ui/properties/GamePropertiesLauncherDlg.h"

namespace corvane {
namespace {

using namespace corvane::test;

// Catalogue and test texts are UTF-8.
QStringList strings(std::initializer_list<const char*> texts) {
    QStringList list;
    for (const char* text : texts)
        list << QString::fromUtf8(text);
    return list;
}

struct Seen {
    QString dialog;
    QStringList tabs;
    QString sha1;
    QString title;
    QString screenshots;
};

class MainWindowPropertiesTest : public ::testing::Test {
protected:
    MainWindowPropertiesTest() {
        Game knight;
        knight.name = "Knightmare";
        knight.slot1File = dir.write("roms/knight.rom", "knightmare bytes");
        sha1 = MediumSha1(knight.slot1File, "");
        Game bare;
        bare.name = "Other";
        dir.write("Games.db", knight.ToLine() + "\r\n" + bare.ToLine() + "\r\n");
        dir.write("settings.ini", emulator.path() + "\r\n\r\nGames\r\n");
        emulator.addDatabase("konami.xml",
                             "<db><software><title>Knightmare</title><dump><rom>"
                             "<hash algo=\"sha1\">" +
                                 sha1 + "</hash></rom></dump></software></db>");
        emulator.write("Screenshots/knight_0000.png", "p");
        emulator.write("Screenshots/knight_0001.png", "p");
        emulator.write("Screenshots/knight_01.png", "p");
        auto shellOwned = std::make_unique<RecordingShell>();
        shell = shellOwned.get();
        app = std::make_unique<CCorvaneLauncherApp>(
            dir.path(), prompter, std::make_unique<RecordingStarter>(), std::move(shellOwned));
        window = std::make_unique<CCorvaneLauncherDlg>(*app);
        startWindow(*window);
        window->profileList()->setFocus();
    }

    void selectRows(std::initializer_list<int> rows) {
        QItemSelectionModel* selection = window->profileList()->selectionModel();
        selection->clearSelection();
        for (int row : rows)
            selection->setCurrentIndex(window->profileModel()->index(row),
                                       QItemSelectionModel::Select);
    }

    // Presses Ctrl+F1 and notes what the view showed before closing it.
    Seen pressProperties() {
        Seen seen;
        onNextModal([&seen](QDialog* dialog) {
            seen.dialog = QString::fromLatin1(dialog->metaObject()->className());
            if (auto* properties = qobject_cast<GamePropertiesDlg*>(dialog)) {
                for (int i = 0; i < properties->tabs()->count(); ++i)
                    seen.tabs << properties->tabs()->tabText(i);
                seen.sha1 = properties->launcherPage()->value(PropertyField::Sha1)->text();
                if (properties->corvanePage())
                    seen.title = properties->corvanePage()->value(PropertyField::Title)->text();
                seen.screenshots =
                    properties->capturesPage()->count(CaptureKind::Screenshots)->text();
            }
            dialog->accept();
        });
        typeKey(window->profileList(), Qt::Key_F1, Qt::ControlModifier);
        return seen;
    }

    TempDir dir;
    FakeEmulator emulator;
    ScriptedPrompter prompter;
    RecordingShell* shell = nullptr;
    std::unique_ptr<CCorvaneLauncherApp> app;
    std::unique_ptr<CCorvaneLauncherDlg> window;
    std::string sha1;
};

}  // namespace

TEST_F(MainWindowPropertiesTest, CtrlF1ShowsTheProfileOfTheCurrentLine) {
    selectRows({0});
    const Seen knight = pressProperties();
    EXPECT_EQ(knight.dialog, QStringLiteral("corvane::GamePropertiesDlg"));
    EXPECT_EQ(knight.tabs,
              (strings({"Launcher", "Corvane Database", "Captures", "Generation-MSX"})));
    EXPECT_EQ(knight.sha1, QString::fromStdString(sha1));
    EXPECT_EQ(knight.title, QStringLiteral("Knightmare"));
    EXPECT_EQ(knight.screenshots, QStringLiteral("2"));

    // Without a medium there is nothing to look up in the emulator's databases.
    selectRows({1});
    const Seen bare = pressProperties();
    EXPECT_EQ(bare.tabs, (strings({"Launcher", "Captures", "Generation-MSX"})));
    EXPECT_EQ(bare.sha1, QString());
    EXPECT_EQ(bare.screenshots, QStringLiteral("0"));
    EXPECT_TRUE(prompter.messages.empty());

    // The context menu offers it, last, for one profile only.
    const QPoint first =
        window->profileList()->visualRect(window->profileModel()->index(0)).center();
    ASSERT_NE(window->prepareContextMenu(first), nullptr);
    EXPECT_TRUE(window->action(kMenuProperties)->isEnabled());
    EXPECT_EQ(window->contextMenu()->actions().back(), window->action(kMenuProperties));
    selectRows({0, 1});
    ASSERT_NE(window->prepareContextMenu(first), nullptr);
    EXPECT_FALSE(window->action(kMenuProperties)->isEnabled());
}

}  // namespace corvane
