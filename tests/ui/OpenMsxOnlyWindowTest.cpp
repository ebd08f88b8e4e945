// SPDX-License-Identifier: GPL-3.0-or-later
// Building a collection in a base directory whose only emulator is openMSX, and databases that
// another program makes while the window is open.
#include <gtest/gtest.h>

#include <QAction>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QHelpEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QToolButton>
#include <QToolTip>
#include <QTreeWidget>
#include <algorithm>
#include <functional>
#include <memory>

#include "app/CCorvaneLauncherApp.h"
#include "i18n/MenuIds.h"
#include "model/DatabaseStore.h"
#include "support/FakeEmulator.h"
#include "support/ScopedVariable.h"
#include "support/ScriptedPrompter.h"
#include "support/TempDir.h"
#include "ui/ModalDriver.h"
#include "ui/WindowStart.h"
#include "ui/editor/GameSettingsDlg.h"
#include "ui/editor/GameSettingsGeneralDlg.h"
#include "ui/main/CCorvaneLauncherDlg.h"
#include "ui/main/ProfileListModel.h"
#include "ui/main/SelectorPanel.h"
#include "ui/main/WindowPopups.h"
#include "ui/settings/PathRow.h"
#include "ui/settings/SettingsDlg.h"
#include "ui/settings/SettingsEmulators.h"
#include "ui/settings/SettingsLanguage.h"
#include "ui/tools/CreateDatabase.h"
#include "ui/tools/DatabaseManagerDlg.h"
#include "ui/tools/PathList.h"

namespace corvane {
namespace {

using test::FakeEmulator;
using test::TempDir;

// SHA-1 of the bytes "abc".
constexpr const char* kAbc = "a9993e364706816aba3e25717850c26c9cd0d89d";

std::string line(const std::string& name) {
    Game game;
    game.name = name;
    return game.ToLine() + "\r\n";
}

// settings.ini with the openMSX folder and the default database, and no Corvane Path unless given.
std::string settingsFile(const std::string& openMsx, const std::string& database,
                         const std::string& corvane = "") {
    std::string lines[17];
    lines[0] = corvane;
    lines[2] = database;
    lines[11] = openMsx;
    std::string text;
    for (const std::string& entry : lines)
        text += entry + "\r\n";
    return text;
}

class OpenMsxOnlyWindowTest : public ::testing::Test {
protected:
    OpenMsxOnlyWindowTest() {
        openMsx.addProgram("bin/openmsx");
        openMsx.write("share/openmsx/softwaredb.xml",
                      std::string("<?xml version=\"1.0\"?>\n<softwaredb>\n<software>"
                                  "<title>Known Title</title><system>MSX</system>"
                                  "<company>Konami</company><year>1987</year>"
                                  "<dump><rom><hash>") +
                          kAbc + "</hash></rom></dump></software>\n</softwaredb>\n");
    }

    void start(const std::string& openMsxFolder, const std::string& database = "Games",
               const std::string& corvane = "") {
        dir.write("settings.ini", settingsFile(openMsxFolder, database, corvane));
        app = std::make_unique<CCorvaneLauncherApp>(dir.path(), prompter);
        window = std::make_unique<CCorvaneLauncherDlg>(*app);
        test::startWindow(*window);
    }
    std::string openMsxFolder() const { return openMsx.path() + "/bin"; }
    std::vector<std::string> messages() const {
        std::vector<std::string> texts;
        for (const auto& shown : prompter.messages)
            texts.push_back(shown.text);
        return texts;
    }
    // What the next modal dialog of type D shows, read by look; the dialog is then closed.
    template <class D, class T>
    std::shared_ptr<T> readNext(std::function<T(D*)> look) {
        auto seen = std::make_shared<T>();
        test::onNextModal([seen, look](QDialog* dialog) {
            if (auto* wanted = qobject_cast<D*>(dialog))
                *seen = look(wanted);
            dialog->reject();
        });
        return seen;
    }

    TempDir home;
    const test::ScopedVariable homeVariable{"HOME", home.path()};
    FakeEmulator openMsx;
    TempDir dir;
    TempDir media;
    test::ScriptedPrompter prompter;
    std::unique_ptr<CCorvaneLauncherApp> app;
    std::unique_ptr<CCorvaneLauncherDlg> window;
};

TEST_F(OpenMsxOnlyWindowTest, InsertAndEditOpenTheEditorAndSaveWithTheUsualMachine) {
    dir.write("Games.db", line("Old"));
    start(openMsxFolder());

    auto machine = std::make_shared<QString>(QStringLiteral("no editor"));
    test::onNextModal([machine](QDialog* dialog) {
        auto* editor = qobject_cast<GameSettingsDlg*>(dialog);
        if (!editor) {
            dialog->reject();
            return;
        }
        *machine = editor->general()->machineBox()->currentText();
        editor->general()->nameEdit()->setText(QStringLiteral("New one"));
        editor->save();
    });
    test::typeKey(window->profileList(), Qt::Key_Insert);
    EXPECT_EQ(*machine, QStringLiteral("MSX2 - C-BIOS"));
    std::vector<Game> stored = DatabaseStore::readProfiles(dir.file("Games.db"));
    ASSERT_EQ(stored.size(), 2u);
    EXPECT_EQ(stored[1].name, "New one");
    EXPECT_EQ(stored[1].machine, "MSX2 - C-BIOS");

    // Ctrl+E opens a stored profile as well.
    test::selectRows(*window, {0});
    auto edited = readNext<GameSettingsDlg, QString>(
        [](GameSettingsDlg* editor) { return editor->general()->nameEdit()->text(); });
    test::typeKey(window->profileList(), Qt::Key_E, Qt::ControlModifier);
    EXPECT_EQ(*edited, QStringLiteral("New one"));
    EXPECT_EQ(messages(), std::vector<std::string>{"\"New one\" was saved successfully"});
}

TEST_F(OpenMsxOnlyWindowTest, FillDatabaseIsEnabledAndNamesFromOpenMsxData) {
    media.write("known.rom", "abc");
    media.write("other.rom", "xyz");
    start(openMsxFolder(), "");
    QAction* fill = window->action(kMenuFillDatabase);
    ASSERT_TRUE(fill->isEnabled());

    auto managerFill = readNext<DatabaseManagerDlg, bool>(
        [](DatabaseManagerDlg* manager) { return manager->fillButton()->isEnabled(); });
    window->action(kMenuDatabaseManager)->trigger();
    EXPECT_TRUE(QTest::qWaitFor([&] { return *managerFill; }, 60000));

    auto chosenMachine = std::make_shared<QString>();
    QSignalSpy loaded(window.get(), &CCorvaneLauncherDlg::listLoaded);
    test::onNextModal([this, chosenMachine](QDialog* dialog) {
        auto* fillDialog = qobject_cast<CreateDatabase*>(dialog);
        if (!fillDialog) {
            dialog->reject();
            return;
        }
        *chosenMachine = fillDialog->machine()->currentText();
        fillDialog->directories()->addPath(media.path());
        fillDialog->newName()->setText(QStringLiteral("Fresh"));
        fillDialog->naming()->setCurrentIndex(1);  // from the emulator's database
        QTest::mouseClick(fillDialog->okButton(), Qt::LeftButton);
    });
    fill->trigger();
    ASSERT_TRUE(!loaded.isEmpty() || loaded.wait(60000));
    EXPECT_EQ(*chosenMachine, QStringLiteral("MSX2 - C-BIOS"));
    std::vector<std::string> names;
    for (const Game& game : DatabaseStore::readProfiles(dir.file("Fresh.db"))) {
        names.push_back(game.name);
        EXPECT_EQ(game.machine, "MSX2 - C-BIOS");
    }
    std::sort(names.begin(), names.end());
    // A medium openMSX does not know is named after its file.
    EXPECT_EQ(names, (std::vector<std::string>{"Known Title", "other"}));
    EXPECT_EQ(messages(), std::vector<std::string>{"Fresh was created. Number of profiles: 2"});
}

TEST_F(OpenMsxOnlyWindowTest, AFolderWithoutTheProgramIsNoEmulator) {
    dir.write("Games.db", line("Old"));
    start(dir.path());  // set, but holds no openmsx
    EXPECT_FALSE(window->action(kMenuFillDatabase)->isEnabled());
    auto managerFill = readNext<DatabaseManagerDlg, int>(
        [](DatabaseManagerDlg* manager) { return manager->fillButton()->isEnabled() ? 1 : 2; });
    window->action(kMenuDatabaseManager)->trigger();
    EXPECT_TRUE(QTest::qWaitFor([&] { return *managerFill != 0; }, 60000));
    EXPECT_EQ(*managerFill, 2);
    window->addButton()->click();
    EXPECT_EQ(messages(),
              std::vector<std::string>{"Emulator path is invalid - set it in Options->Settings"});
}

TEST_F(OpenMsxOnlyWindowTest, ADisabledCommandTellsWhatItNeedsUntilTheNeedIsMet) {
    start(dir.path(), "");  // a folder without openmsx, and no database
    QAction* fill = window->action(kMenuFillDatabase);
    QMenu* menu = window->menuBar()->actions().at(1)->menu();
    menu->popup(QPoint(0, 0));
    const auto hover = [menu](QAction* entry) {
        const QPoint point = menu->actionGeometry(entry).center();
        QHelpEvent help(QEvent::ToolTip, point, menu->mapToGlobal(point));
        QApplication::sendEvent(menu, &help);
        return QToolTip::isVisible() ? QToolTip::text().toStdString() : std::string();
    };
    // An enabled entry shows no tooltip; a disabled one names the menus as they are captioned.
    EXPECT_EQ(hover(window->action(kMenuCreateEmptyDatabase)), "");
    EXPECT_FALSE(fill->isEnabled());
    EXPECT_EQ(hover(fill), "Set the openMSX, fMSX or Corvane path in Options > Settings");
    menu->close();
    EXPECT_EQ(window->filterPanel(FilterCriterion::Company)->button()->toolTip().toStdString(),
              "Needs a database: make one first with Fill Database or Create Empty Database");
    EXPECT_EQ(window->launchButton()->toolTip(), QStringLiteral("Select one profile"));

    test::onNextModal([this](QDialog* dialog) {
        auto* settings = qobject_cast<SettingsDlg*>(dialog);
        ASSERT_NE(settings, nullptr);
        settings->emulators()->openMsxPath()->edit()->setText(
            QString::fromStdString(openMsxFolder()));
        settings->language()->list()->setCurrentRow(3);  // Finnish
        settings->buttons()->button(QDialogButtonBox::Ok)->click();
    });
    window->openSettings();
    EXPECT_TRUE(fill->isEnabled());
    EXPECT_EQ(fill->toolTip(), fill->text().remove(QLatin1Char('&')).remove(QStringLiteral("...")));
    EXPECT_EQ(window->launchButton()->toolTip(), QStringLiteral("Valitse yksi profiili"));
    EXPECT_EQ(window->filterPanel(FilterCriterion::Company)->button()->toolTip().toStdString(),
              "Tarvitaan tietokanta: luo ensin sellainen komennolla Täytä tietokanta tai Luo tyhjä "
              "tietokanta");
}

TEST_F(OpenMsxOnlyWindowTest, DatabasesMadeOutsideTheWindowAppearWhereDatabasesAreChosen) {
    dir.write("Games.db", line("A"));
    start(openMsxFolder());
    auto popupNames = [this] {
        std::unique_ptr<QMenu> popup(window->popups().database());
        QStringList names;
        for (QAction* item : popup->actions()) {
            if (item->isCheckable())
                names << item->text();
        }
        return names;
    };
    ASSERT_EQ(popupNames(), QStringList{QStringLiteral("Games")});

    // As another program would: a new database, and the current one left as it was.
    dir.write("Made.db", line("M"));
    QSignalSpy loaded(window.get(), &CCorvaneLauncherDlg::listLoaded);
    EXPECT_EQ(popupNames(), (QStringList{QStringLiteral("Games"), QStringLiteral("Made")}));
    EXPECT_TRUE(loaded.isEmpty());

    dir.write("Copied.db", line("C"));
    auto managerRows = readNext<DatabaseManagerDlg, int>(
        [](DatabaseManagerDlg* manager) { return manager->list()->topLevelItemCount(); });
    window->action(kMenuDatabaseManager)->trigger();
    EXPECT_TRUE(QTest::qWaitFor([&] { return *managerRows != 0; }, 60000));
    EXPECT_EQ(*managerRows, 3);

    dir.write("Later.db", line("L"));
    auto fillChoices = readNext<CreateDatabase, int>(
        [](CreateDatabase* fill) { return static_cast<int>(fill->databases()->count()); });
    window->action(kMenuFillDatabase)->trigger();
    EXPECT_TRUE(QTest::qWaitFor([&] { return *fillChoices != 0; }, 60000));
    EXPECT_EQ(*fillChoices, 4);
}

TEST_F(OpenMsxOnlyWindowTest, EnterStartsTheDefaultEmulator) {
    dir.write("Games.db", line("Game"));
    start(openMsxFolder());
    test::selectRows(*window, {0});
    test::typeKey(window->profileList(), Qt::Key_Return);
    std::vector<FakeEmulator::Call> calls = openMsx.waitForCalls(1);
    ASSERT_EQ(calls.size(), 1u);
    EXPECT_EQ(calls[0].program, openMsxFolder() + "/openmsx");
    EXPECT_TRUE(prompter.messages.empty());
}

TEST_F(OpenMsxOnlyWindowTest, TheChoiceInSettingsOverridesThePrimaryEmulator) {
    FakeEmulator corvane;
    dir.write("Games.db", line("Game"));
    start(openMsxFolder(), "Games", corvane.path());
    test::selectRows(*window, {0});
    // Automatic takes the primary emulator when it is installed.
    test::typeKey(window->profileList(), Qt::Key_Return);
    ASSERT_EQ(corvane.waitForCalls(1).size(), 1u) << testing::PrintToString(messages());

    test::onNextModal([](QDialog* dialog) {
        auto* settings = qobject_cast<SettingsDlg*>(dialog);
        QComboBox* box = settings->emulators()->defaultEmulatorBox();
        EXPECT_EQ(box->currentText(), QStringLiteral("Automatic"));
        box->setCurrentIndex(box->findText(QStringLiteral("openMSX")));
        settings->buttons()->button(QDialogButtonBox::Ok)->click();
    });
    window->openSettings();
    test::selectRows(*window, {0});
    test::typeKey(window->profileList(), Qt::Key_Return);
    std::vector<FakeEmulator::Call> calls = openMsx.waitForCalls(1);
    ASSERT_EQ(calls.size(), 1u) << testing::PrintToString(messages());
    EXPECT_EQ(calls[0].program, openMsxFolder() + "/openmsx");
    EXPECT_EQ(corvane.waitForCalls(1).size(), 1u);
    EXPECT_EQ(readDefaultEmulator(dir.path()), DefaultEmulator::OpenMSX);

    // settings.ini keeps its fixed lines; the choice outlives a restart.
    const std::string settingsText = test::readFile(dir.file("settings.ini"));
    EXPECT_EQ(std::count(settingsText.begin(), settingsText.end(), '\n'), 17);
    window.reset();
    app = std::make_unique<CCorvaneLauncherApp>(dir.path(), prompter);
    EXPECT_EQ(app->launcher().defaultCommand(), LaunchCommand::OpenMSX);
}

}  // namespace
}  // namespace corvane
