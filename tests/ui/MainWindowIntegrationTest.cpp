// SPDX-License-Identifier: GPL-3.0-or-later
// The main window working with the emulator, the filters, the favorites and the settings.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QDialogButtonBox>
#include <QKeyEvent>
#include <QLabel>
#include <QListView>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTimer>
#include <filesystem>

#include "app/CCorvaneLauncherApp.h"
#include "emulator/EmulatorHandler.h"
#include "i18n/LanguageIds.h"
#include "i18n/MenuIds.h"
#include "platform/CommandLine.h"
#include "support/FakeEmulator.h"
#include "support/ScriptedPrompter.h"
#include "support/TempDir.h"
#include "ui/KeyPress.h"
#include "ui/ModalDriver.h"
#include "ui/WindowStart.h"
#include "ui/main/CCorvaneLauncherDlg.h"
#include "ui/main/MainWindowIds.h"
#include "ui/main/ProfileListModel.h"
#include "ui/main/SelectorPanel.h"
#include "ui/main/WindowPopups.h"
#include "ui/settings/SettingsDlg.h"
#include "ui/settings/SettingsLanguage.h"

using namespace corvane;
using namespace corvane::test;

namespace {

constexpr const char* kAbcSha1 = "a9993e364706816aba3e25717850c26c9cd0d89d";

class MainWindowIntegrationTest : public ::testing::Test {
protected:
    TempDir dir;
    ScriptedPrompter prompter;
    std::unique_ptr<CCorvaneLauncherApp> app;
    std::unique_ptr<CCorvaneLauncherDlg> window;
    std::unique_ptr<QSignalSpy> indexReady;

    void start(const std::string& emulatorPath) {
        dir.write("settings.ini", emulatorPath + "\r\n\r\nGames\r\n\r\n0\r\n");
        app = std::make_unique<CCorvaneLauncherApp>(dir.path(), prompter);
        window = std::make_unique<CCorvaneLauncherDlg>(*app);
        indexReady =
            std::make_unique<QSignalSpy>(window.get(), &CCorvaneLauncherDlg::softwareIndexReady);
        startWindow(*window);
    }
    void press(QWidget* target, int key, Qt::KeyboardModifiers mods = Qt::NoModifier) {
        typeKey(target, key, mods);
    }
    void selectRow(int row) {
        window->profileList()->selectionModel()->setCurrentIndex(
            window->profileModel()->index(row), QItemSelectionModel::ClearAndSelect);
    }
    int rows() const { return window->profileModel()->rowCount(); }
    static std::string line(const Game& g) { return g.ToLine() + "\r\n"; }
};

}  // namespace

TEST_F(MainWindowIntegrationTest, EnterStartsTheEmulatorWithExactlyTheBuiltArguments) {
    FakeEmulator emulator;
    emulator.addDatabase("db.xml",
                         std::string("<db><software><title>Alphabet</title><system>MSX</system>"
                                     "<company>Konami</company><year>1986</year><country>JP"
                                     "</country><dump><rom><hash algo=\"sha1\">") +
                             kAbcSha1 + "</hash></rom></dump></software></db>");
    Game g;
    g.name = "Odd \"name\"";
    g.slot1File = dir.write("my roms/a game.rom", "abc");
    g.machine = "x\"; touch PWNED; \"";
    g.openMsxArguments = "$(touch PWNED2) `touch PWNED3`";
    dir.write("Games.db", line(g));
    start(emulator.path());
    ASSERT_TRUE(received(*indexReady));

    selectRow(0);
    EXPECT_EQ(window->statusLine()->text(), QStringLiteral("Konami 1986 - 0 KB"));
    EXPECT_TRUE(window->launchButton()->isEnabled());
    EXPECT_FALSE(window->infoButton()->isEnabled());

    press(window->profileList(), Qt::Key_Return);
    const auto calls = emulator.waitForCalls(1);
    ASSERT_EQ(calls.size(), 1u);
    // Each field is one argument however it is quoted.
    EXPECT_EQ(calls[0].arguments, (std::vector<std::string>{"/rom1", g.slot1File, "/theme", "",
                                                            "/machine", g.machine}));
    EXPECT_EQ(calls[0].arguments,
              EmulatorHandler::corvaneArguments(g, app->settings(), {}).arguments());
    EXPECT_FALSE(std::filesystem::exists(dir.file("PWNED")));
    EXPECT_FALSE(std::filesystem::exists("PWNED"));

    window->action(kMenuShowCommandLine)->trigger();
    QString shown;
    onNextModal([&shown](QDialog* dialog) {
        shown = dialog->findChild<QPlainTextEdit*>()->toPlainText();
        dialog->reject();
    });
    press(window->profileList(), Qt::Key_Return);
    // The program first, then its arguments.
    EXPECT_EQ(shown.toStdString(),
              "\"" + emulator.executable() + "\"" +
                  EmulatorHandler::corvaneArguments(g, app->settings(), {}).text());
    std::vector<std::string> started{calls[0].program};
    started.insert(started.end(), calls[0].arguments.begin(), calls[0].arguments.end());
    EXPECT_EQ(splitCommandLine(shown.toStdString()), started);
    EXPECT_EQ(emulator.waitForCalls(2, std::chrono::milliseconds(300)).size(), 1u);
    EXPECT_TRUE(prompter.messages.empty());
    // The preview was the window's launch's own: a start made elsewhere shows none.
    bool previewed = false;
    QTimer watch;
    QObject::connect(&watch, &QTimer::timeout, [&previewed] {
        if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
            previewed = true;
            dialog->reject();
        }
    });
    watch.start(10);
    app->launcher().launch(&g, LaunchCommand::SavedSettings);
    watch.stop();
    EXPECT_FALSE(previewed);
    EXPECT_EQ(emulator.waitForCalls(2).size(), 2u);

    // openMSX has no path set: its menu entry is off, but its key still tries the start.
    const QRect first = window->profileList()->visualRect(window->profileModel()->index(0));
    ASSERT_NE(window->prepareContextMenu(first.center()), nullptr);
    EXPECT_FALSE(window->action(kMenuLaunchOpenMsx)->isEnabled());
    EXPECT_TRUE(window->action(kMenuLaunch)->isEnabled());
    window->action(kMenuShowCommandLine)->trigger();  // off again
    press(window->profileList(), Qt::Key_O, Qt::ControlModifier | Qt::AltModifier);
    ASSERT_EQ(prompter.messages.size(), 1u);
    EXPECT_EQ(prompter.messages[0].text, "Error starting the emulator");
}

TEST_F(MainWindowIntegrationTest, MissingEmulatorReportsTheFailedStart) {
    Game g;
    g.name = "A";
    g.slot1File = "a.rom";
    dir.write("Games.db", line(g));
    start(dir.file("no emulator here"));
    selectRow(0);
    window->launch(LaunchCommand::SavedSettings);
    ASSERT_EQ(prompter.messages.size(), 1u);
    EXPECT_EQ(prompter.messages[0].text, "Error starting the emulator");
}

TEST_F(MainWindowIntegrationTest, FilterMenusFavoritesAndLocate) {
    Game konami;
    konami.name = "Knightmare";
    konami.basicDataSpecified = "T";
    konami.company = "Konami";
    konami.year = "1986";
    Game sega = konami;
    sega.name = "bA";
    sega.company = "Sega";
    sega.year = "1985";
    dir.write("Games.db", line(konami) + line(sega));
    dir.write("Other.db", "");
    // Company, year, country and system filter only while the emulator's databases are there.
    FakeEmulator emulator;
    emulator.addDatabase("empty.xml", "<db/>");
    start(emulator.path());
    ASSERT_EQ(rows(), 2);

    QMenu* companies = window->popups().values(FilterCriterion::Company);
    QAction* konamiItem = nullptr;
    for (QAction* item : companies->actions())
        if (item->text() == QStringLiteral("Konami"))
            konamiItem = item;
    ASSERT_NE(konamiItem, nullptr);
    konamiItem->trigger();
    delete companies;
    QCoreApplication::processEvents();  // the item's command runs once the popup is gone
    EXPECT_EQ(rows(), 1);
    EXPECT_EQ(window->filterPanel(FilterCriterion::Company)->value(), QStringLiteral("Konami"));
    press(window->profileList(), Qt::Key_R, Qt::ControlModifier);
    EXPECT_EQ(rows(), 2);
    EXPECT_EQ(window->filterPanel(FilterCriterion::Company)->value(), QStringLiteral("All"));

    // Locating a profile the filter hides resets the filter first.
    app->filter().set(FilterCriterion::Company, "Konami");
    window->loadList();
    ASSERT_EQ(rows(), 1);
    window->locate("bA", "Games");
    EXPECT_EQ(window->selectedNames(), std::vector<std::string>{"bA"});
    EXPECT_EQ(window->filterPanel(FilterCriterion::Company)->value(), QStringLiteral("All"));

    selectRow(1);  // Knightmare, after "bA"
    press(window->profileList(), Qt::Key_D, Qt::ControlModifier);
    selectRow(0);
    press(window->profileList(), Qt::Key_D, Qt::ControlModifier);
    EXPECT_EQ(app->favorites().items().size(), 2u);

    window->action(kMenuConfirmRemove)->trigger();
    selectRow(1);
    window->removeSelected();
    ASSERT_EQ(app->favorites().items().size(), 1u);
    EXPECT_EQ(app->favorites().items()[0].profile, "bA");

    onNextModal([](QDialog* dialog) { dialog->accept(); });
    selectRow(0);
    window->moveSelected();
    EXPECT_EQ(rows(), 0);
    EXPECT_EQ(app->favorites().items()[0].database, "Other");

    QMenu* favorites = window->popups().favorites();
    ASSERT_GE(favorites->actions().size(), 1);
    favorites->actions()[0]->trigger();
    delete favorites;
    QCoreApplication::processEvents();  // the item's command runs once the popup is gone
    EXPECT_EQ(app->store().currentDatabaseName(), "Other");
    EXPECT_EQ(window->selectedNames(), std::vector<std::string>{"bA"});
}

TEST_F(MainWindowIntegrationTest, SettingsChangeLanguageAndRecaptionTheWindow) {
    dir.write("Games.db", "");
    start("");
    EXPECT_EQ(window->menuBar()->actions()[0]->text(), QStringLiteral("&Options"));
    onNextModal([](QDialog* dialog) {
        auto* settings = qobject_cast<SettingsDlg*>(dialog);
        QListWidget* languages = settings->language()->list();
        for (int i = 0; i < languages->count(); ++i)
            if (languages->item(i)->data(Qt::UserRole).toInt() == kLanguageGerman)
                languages->setCurrentRow(i);
        settings->buttons()->button(QDialogButtonBox::Ok)->click();
    });
    window->openSettings();
    EXPECT_EQ(app->languages().currentId(), kLanguageGerman);
    EXPECT_NE(window->menuBar()->actions()[0]->text(), QStringLiteral("&Options"));
    EXPECT_EQ(window->menuBar()->actions()[0]->text().toStdString(),
              app->languages().text("LOC_MENU_OPTIONS"));
    EXPECT_EQ(window->removeButton()->text().toStdString(),
              app->languages().textForId(kIdRemoveButton));
    // Keys are named as before, whatever names the language's Qt texts give them.
    EXPECT_EQ(window->action(kMenuSetFilters)->text().toStdString(),
              app->languages().textForId(kMenuSetFilters) + "\tCtrl+Q");
    EXPECT_TRUE(window->action(kMenuRemove)->text().endsWith(QStringLiteral("\tDel")));
    EXPECT_EQ(loadSettings(dir.path()).languageId, kLanguageGerman);
}

TEST_F(MainWindowIntegrationTest, ANewCorvanePathRebuildsTheSoftwareIndexInTheBackground) {
    Game g;
    g.name = "Alphabet";
    g.slot1File = dir.write("a.rom", "abc");
    dir.write("Games.db", line(g));
    start("");
    ASSERT_TRUE(received(*indexReady));
    selectRow(0);
    EXPECT_EQ(window->statusLine()->text(), QStringLiteral("0 KB"));

    const auto software = [](const char* company) {
        return std::string("<db><software><title>A</title><company>") + company +
               "</company><year>1986</year><dump><rom><hash algo=\"sha1\">" + kAbcSha1 +
               "</hash></rom></dump></software></db>";
    };
    FakeEmulator first;
    first.addDatabase("db.xml", software("Konami"));
    FakeEmulator second;
    second.addDatabase("db.xml", software("Sega"));
    // A second change while the first build may still run: only the last path counts.
    indexReady->clear();
    Settings changed = app->settings();
    changed.emulatorDirectory = first.path();
    ASSERT_TRUE(app->applySettings(changed));
    changed.emulatorDirectory = second.path();
    ASSERT_TRUE(app->applySettings(changed));
    window->loadList();
    selectRow(0);
    EXPECT_EQ(window->statusLine()->text(), QStringLiteral("0 KB"));
    // The status line of the selected profile follows once the index is in place.
    ASSERT_TRUE(received(*indexReady));
    EXPECT_EQ(window->statusLine()->text(), QStringLiteral("Sega 1986 - 0 KB"));
    QCoreApplication::processEvents();
    EXPECT_EQ(indexReady->size(), 1);
    EXPECT_TRUE(prompter.messages.empty());
}
