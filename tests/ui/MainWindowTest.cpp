// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <filesystem>

#include <QAction>
#include <QApplication>
#include <QBrush>
#include <QClipboard>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMenu>
#include <QMenuBar>
#include <QProcess>
#include <QPushButton>
#include <QSignalSpy>
#include <tuple>
#include <vector>

#include "app/CCorvaneLauncherApp.h"
#include "i18n/MenuIds.h"
#include "model/Game.h"
#include "support/Fifo.h"
#include "support/ScriptedPrompter.h"
#include "support/TempDir.h"
#include "ui/KeyPress.h"
#include "ui/ModalDriver.h"
#include "ui/PrivateRuntimeFolder.h"
#include "ui/WindowStart.h"
#include "ui/common/SingleInstance.h"
#include "ui/common/UserInputDropdownDlg.h"
#include "ui/main/CCorvaneLauncherDlg.h"
#include "ui/main/IndicatorLight.h"
#include "ui/main/ProfileListModel.h"
#include "ui/main/SelectorPanel.h"
#include "ui/main/WindowPopups.h"

using namespace corvane;
using namespace corvane::test;

namespace {

std::string line(const std::string& name, int genre = 0) {
    Game g;
    g.name = name;
    g.genre1 = genre;
    return g.ToLine() + "\r\n";
}

class MainWindowTest : public ::testing::Test {
protected:
    TempDir dir;
    ScriptedPrompter prompter;
    std::unique_ptr<CCorvaneLauncherApp> app;
    std::unique_ptr<CCorvaneLauncherDlg> window;

    void start(const std::string& settings = "\r\n\r\nGames\r\n") {
        if (!settings.empty())
            dir.write("settings.ini", settings);
        app = std::make_unique<CCorvaneLauncherApp>(dir.path(), prompter);
        window = std::make_unique<CCorvaneLauncherDlg>(*app);
        startWindow(*window);
    }
    QStringList shownNames() const { return test::shownNames(*window); }
    void selectRows(std::initializer_list<int> rows) { test::selectRows(*window, rows); }
    void press(QWidget* target, int key, Qt::KeyboardModifiers mods = Qt::NoModifier) {
        typeKey(target, key, mods);
    }
    std::vector<std::string> namesIn(const std::string& db) {
        std::vector<std::string> names;
        for (const Game& g : DatabaseStore::readProfiles(dir.file(db + ".db")))
            names.push_back(g.name);
        return names;
    }
};

}  // namespace

TEST_F(MainWindowTest, StartsEmptyWithoutSettingsOrDatabases) {
    start("");
    EXPECT_EQ(window->profileModel()->rowCount(), 0);
    EXPECT_EQ(window->countPanel()->value(), QStringLiteral("0"));
    EXPECT_FALSE(window->action(kMenuMarkProfiles)->isEnabled());
    EXPECT_FALSE(window->action(kMenuConfirmRemove)->isEnabled());
    EXPECT_TRUE(window->action(kMenuConfirmRemove)->isChecked());
    QMenu* popup = window->popups().database();
    ASSERT_EQ(popup->actions().size(), 1);
    EXPECT_EQ(popup->actions().front()->text(), QStringLiteral("&Create Empty Database..."));
    delete popup;
    EXPECT_FALSE(QFile::exists(QString::fromStdString(dir.file("settings.ini"))));
}

TEST_F(MainWindowTest, ListsSortedNamesWithCountsAndDecodesOldBytes) {
    dir.write("Games.db", line("Bb") + line("zeta") + "\r\n" + line("bA") + line("Caf\xe9") +
                              line("Gr\xc3\xbc\xc3\x9f") + "garbage line without separators\r\n");
    dir.write("Other.db", line("x"));
    start();
    EXPECT_EQ(
        shownNames(),
        (QStringList{QStringLiteral("bA"), QStringLiteral("Bb"), QString::fromUtf8("Caf\xc3\xa9"),
                     QStringLiteral("garbage line without separators"),
                     QString::fromUtf8("Gr\xc3\xbc\xc3\x9f"), QStringLiteral("zeta")}));
    EXPECT_EQ(window->countPanel()->value(), QStringLiteral("6"));
    EXPECT_EQ(window->databasePanel()->value(), QStringLiteral("Games"));
    EXPECT_TRUE(window->action(kMenuMarkProfiles)->isEnabled());

    QMenu* popup = window->popups().database();
    ASSERT_EQ(popup->actions().size(), 4);
    EXPECT_EQ(popup->actions()[1]->text(), QStringLiteral("Other"));
    popup->actions()[1]->trigger();
    delete popup;
    QCoreApplication::processEvents();  // the item's command runs once the popup is gone
    EXPECT_EQ(shownNames(), QStringList{QStringLiteral("x")});
    EXPECT_EQ(app->store().currentDatabaseName(), "Other");
}

TEST_F(MainWindowTest, MarkModesSwitchAndToggle) {
    dir.write("Games.db", line("A", 3) + line("B"));
    start();
    const auto background = [this](int row) {
        return window->profileModel()
            ->data(window->profileModel()->index(row), Qt::BackgroundRole)
            .value<QBrush>()
            .color();
    };
    window->chooseMark(ProfileMark::MissingGenre);
    EXPECT_FALSE(window->profileModel()->isMarked(0));
    EXPECT_TRUE(window->profileModel()->isMarked(1));
    EXPECT_EQ(background(1), QColor(240, 228, 66));  // yellow
    EXPECT_TRUE(window->action(kMenuMarkMissingGenre)->isChecked());
    window->chooseMark(ProfileMark::MissingSound);
    EXPECT_TRUE(window->profileModel()->isMarked(0));
    EXPECT_EQ(background(0), QColor(0, 158, 115));  // green
    EXPECT_FALSE(window->action(kMenuMarkMissingGenre)->isChecked());
    EXPECT_TRUE(window->action(kMenuMarkMissingSound)->isChecked());
    window->chooseMark(ProfileMark::MissingSound);
    EXPECT_FALSE(window->profileModel()->isMarked(0));
    EXPECT_EQ(app->flags().markMode, ProfileMark::None);
}

TEST_F(MainWindowTest, KeysNeverCloseTheWindowAndSelectionRulesHold) {
    Game g;
    g.FromLine(line("Solo"));
    g.basicDataSpecified = "T";
    g.sound[1] = true;
    dir.write("Games.db", g.ToLine() + "\r\n" + line("Two"));
    start();
    QListView* list = window->profileList();
    list->setFocus();
    press(list, Qt::Key_Return);
    press(list, Qt::Key_Escape);
    press(window->databasePanel(), Qt::Key_Escape);
    EXPECT_TRUE(window->isVisible());

    EXPECT_FALSE(window->removeButton()->isEnabled());
    selectRows({0});
    EXPECT_TRUE(window->removeButton()->isEnabled());
    // Specified data with empty company and year: a single blank, no size for a medium-less
    // profile.
    EXPECT_EQ(window->statusLine()->text(), QStringLiteral(" "));
    EXPECT_TRUE(window->indicators()[1]->isLit());

    press(list, Qt::Key_A, Qt::ControlModifier);
    EXPECT_EQ(window->selectedNames(), (std::vector<std::string>{"Solo", "Two"}));
    EXPECT_FALSE(window->indicators()[1]->isLit());
    EXPECT_TRUE(window->statusLine()->text().isEmpty());

    press(list, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral("Solo\r\nTwo"));

    const QRect below = list->visualRect(window->profileModel()->index(1));
    EXPECT_EQ(window->prepareContextMenu(QPoint(below.center().x(), below.bottom() + 40)), nullptr);
    list->clearSelection();
    selectRows({1});
    ASSERT_NE(
        window->prepareContextMenu(list->visualRect(window->profileModel()->index(0)).center()),
        nullptr);
    EXPECT_EQ(window->selectedNames(), std::vector<std::string>{"Solo"});
    EXPECT_FALSE(window->action(kMenuMove)->isEnabled());
}

TEST_F(MainWindowTest, KeysLiveOnTheirActionsAndShowInTheirEntries) {
    dir.write("Games.db", line("A") + line("B"));
    start();
    QListView* list = window->profileList();
    const std::pair<int, const char*> shown[] = {{kMenuLaunchSaved, "Enter"},
                                                 {kMenuLaunchOpenMsx, "Ctrl+Alt+O"},
                                                 {kMenuLaunchFmsx, "Ctrl+Alt+L"},
                                                 {kMenuRemove, "Del"},
                                                 {kMenuInfo, "F1"},
                                                 {kMenuProperties, "Ctrl+F1"},
                                                 {kMenuCopy, "Ctrl+C"},
                                                 {kMenuMove, "Ctrl+X"},
                                                 {kMenuAddToFavorites, "Ctrl+D"},
                                                 {kMenuSelectAll, "Ctrl+A"},
                                                 {kMenuSearch, "Ctrl+F"},
                                                 {kMenuSetFilters, "Ctrl+Q"},
                                                 {kMenuResetFilters, "Ctrl+R"}};
    for (const auto& [id, key] : shown) {
        const QString caption = QString::fromStdString(app->languages().textForId(id));
        EXPECT_EQ(window->action(id)->text(), caption + QLatin1Char('\t') + QLatin1String(key));
    }
    for (int id : {kMenuExplore, kMenuOrganizeFavorites, kMenuSettings}) {
        EXPECT_TRUE(window->action(id)->shortcut().isEmpty()) << id;
        EXPECT_FALSE(window->action(id)->text().contains(QLatin1Char('\t'))) << id;
    }

    // The key reaches the command through its action.
    QSignalSpy copies(window->action(kMenuCopy), &QAction::triggered);
    selectRows({1});
    press(list, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(copies.size(), 1);
    EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral("B"));

    // With two lines selected the one-profile entries are off; the key still acts, by the
    // selection when it is pressed.
    selectRows({0, 1});
    ASSERT_NE(
        window->prepareContextMenu(list->visualRect(window->profileModel()->index(0)).center()),
        nullptr);
    ASSERT_FALSE(window->action(kMenuAddToFavorites)->isEnabled());
    press(list, Qt::Key_D, Qt::ControlModifier);
    EXPECT_TRUE(app->favorites().items().empty());
    selectRows({1});
    press(list, Qt::Key_D, Qt::ControlModifier);
    ASSERT_EQ(app->favorites().items().size(), 1u);
    EXPECT_EQ(app->favorites().items()[0].profile, "B");

    // Other Ctrl keys do nothing to a multiple selection, not even move the caret.
    selectRows({0, 1});
    press(list, Qt::Key_End, Qt::ControlModifier);
    EXPECT_EQ(list->currentIndex().row(), 0);
    EXPECT_EQ(window->selectedNames(), (std::vector<std::string>{"A", "B"}));
    selectRows({0});
    press(list, Qt::Key_End, Qt::ControlModifier);
    EXPECT_EQ(list->currentIndex().row(), 1);
}

TEST_F(MainWindowTest, WindowKeysActWithTheirMenusOffButNotUnderADialog) {
    start("");
    ASSERT_FALSE(window->action(kMenuSearch)->isEnabled());
    ASSERT_FALSE(window->action(kMenuFilters)->isEnabled());
    QStringList opened;
    const auto recordAndClose = [&opened] {
        onNextModal([&opened](QDialog* dialog) {
            opened << QString::fromLatin1(dialog->metaObject()->className());
            dialog->reject();
        });
    };
    recordAndClose();
    press(window->profileList(), Qt::Key_F, Qt::ControlModifier);
    recordAndClose();
    press(window->databasePanel(), Qt::Key_Q, Qt::ControlModifier);
    EXPECT_EQ(opened, (QStringList{QStringLiteral("corvane::SearchDlg"),
                                   QStringLiteral("corvane::FiltersDlg")}));

    // A dialog over the window takes the keys; the window's own do nothing meanwhile.
    bool popupOpened = true;
    onNextModal([&popupOpened](QDialog* dialog) {
        QLineEdit* edit = dialog->findChild<QLineEdit*>();
        for (Qt::Key key : {Qt::Key_W, Qt::Key_T, Qt::Key_I})
            typeKey(edit, key, Qt::ControlModifier);
        popupOpened = QApplication::activePopupWidget() != nullptr;
        dialog->reject();
    });
    window->action(kMenuCreateEmptyDatabase)->trigger();
    EXPECT_FALSE(popupOpened);
    EXPECT_EQ(QApplication::activePopupWidget(), nullptr);
}

TEST_F(MainWindowTest, RemoveAsksUnlessConfirmationIsOff) {
    dir.write("Games.db", line("A") + line("B") + line("C"));
    start();
    selectRows({0, 2});
    prompter.confirmAnswers = {false};
    press(window->profileList(), Qt::Key_Delete);
    ASSERT_EQ(prompter.confirmations.size(), 1u);
    EXPECT_EQ(prompter.confirmations[0], "Remove selected profiles?");
    EXPECT_EQ(namesIn("Games"), (std::vector<std::string>{"A", "B", "C"}));

    prompter.confirmAnswers = {true};
    window->removeSelected();
    EXPECT_EQ(namesIn("Games"), std::vector<std::string>{"B"});
    EXPECT_EQ(window->countPanel()->value(), QStringLiteral("1"));

    window->action(kMenuConfirmRemove)->trigger();
    EXPECT_FALSE(app->flags().confirmRemove);
    selectRows({0});
    window->removeSelected();
    EXPECT_EQ(prompter.confirmations.size(), 2u);
    EXPECT_TRUE(namesIn("Games").empty());
}

TEST_F(MainWindowTest, MoveFollowsTheAnswersAndNeverOffersTheCurrentDatabase) {
    dir.write("Games.db", line("A") + line("B") + line("C") + line("D"));
    dir.write("Arcade.db", line("B") + line("C"));
    dir.write("Zoo.db", "");
    start();
    QStringList offered;
    onNextModal([&offered](QDialog* dialog) {
        auto* dropdown = qobject_cast<UserInputDropdownDlg*>(dialog);
        for (int i = 0; i < dropdown->combo()->count(); ++i)
            offered << dropdown->combo()->itemText(i);
        dropdown->accept();
    });
    selectRows({0, 1, 2, 3});
    prompter.multiAnswers = {MultiAnswer::No, MultiAnswer::Cancel};
    window->moveSelected();
    EXPECT_EQ(offered, (QStringList{QStringLiteral("Arcade"), QStringLiteral("Zoo")}));
    EXPECT_EQ(namesIn("Games"), (std::vector<std::string>{"B", "C", "D"}));
    EXPECT_EQ(namesIn("Arcade"), (std::vector<std::string>{"B", "C", "A"}));

    onNextModal([](QDialog* dialog) { dialog->accept(); });
    selectRows({0, 1, 2});
    prompter.multiAnswers = {MultiAnswer::YesToAll};
    window->moveSelected();
    EXPECT_TRUE(namesIn("Games").empty());
    EXPECT_EQ(namesIn("Arcade"), (std::vector<std::string>{"A", "B", "C", "D"}));
    EXPECT_EQ(prompter.multiQuestions.size(), 3u);

    onNextModal([](QDialog* dialog) { dialog->reject(); });
    window->moveSelected();
    EXPECT_EQ(namesIn("Arcade").size(), 4u);
}

TEST_F(MainWindowTest, FavoritesThatCannotBeWrittenAfterRemoveOrMoveAreReported) {
    dir.write("Games.db", line("A") + line("B") + line("C"));
    dir.write("Arcade.db", "");
    dir.write("favorites.bml", "A|Games\r\nB|Games\r\n");
    start();
    ASSERT_EQ(app->favorites().items().size(), 2u);
    // No temporary file can be made where a folder of its name stands.
    std::filesystem::create_directory(dir.file("favorites.bml.tmp"));

    selectRows({0});
    prompter.confirmAnswers = {true};
    window->removeSelected();
    EXPECT_EQ(namesIn("Games"), (std::vector<std::string>{"B", "C"}));
    ASSERT_EQ(prompter.messages.size(), 1u);
    EXPECT_EQ(prompter.messages.back().text, "Error in I/O operation");

    onNextModal([](QDialog* dialog) { dialog->accept(); });
    selectRows({0});
    window->moveSelected();
    EXPECT_EQ(namesIn("Arcade"), std::vector<std::string>{"B"});
    EXPECT_EQ(prompter.messages.size(), 2u);
    EXPECT_EQ(readFile(dir.file("favorites.bml")), "A|Games\r\nB|Games\r\n");
}

TEST_F(MainWindowTest, ADatabaseThatCannotBeRewrittenIsReportedByRemoveAndMove) {
    dir.write("Games.db", line("A") + line("B"));
    dir.write("Arcade.db", "");
    start();
    std::filesystem::create_directory(dir.file("Games.db.tmp"));

    selectRows({0});
    prompter.confirmAnswers = {true};
    window->removeSelected();
    EXPECT_EQ(namesIn("Games"), (std::vector<std::string>{"A", "B"}));
    ASSERT_EQ(prompter.messages.size(), 1u);
    EXPECT_EQ(prompter.messages[0].text, "Error in I/O operation");
    EXPECT_EQ(prompter.messages[0].kind, MessageKind::Error);

    // Written to the target, but the source keeps it: twice rather than nowhere, and said so.
    onNextModal([](QDialog* dialog) { dialog->accept(); });
    selectRows({0});
    window->moveSelected();
    EXPECT_EQ(namesIn("Games"), (std::vector<std::string>{"A", "B"}));
    EXPECT_EQ(namesIn("Arcade"), std::vector<std::string>{"A"});
    ASSERT_EQ(prompter.messages.size(), 2u);
    EXPECT_EQ(prompter.messages[1].text, "Error in I/O operation");
}

TEST_F(MainWindowTest, CreateEmptyDatabaseOutcomes) {
    dir.write("Games.db", line("A"));
    start();
    const auto typeAndAccept = [](const std::string& text) {
        onNextModal([text](QDialog* dialog) {
            dialog->findChild<QLineEdit*>()->setText(QString::fromStdString(text));
            dialog->accept();
        });
    };
    // The last two would be file names too long for the database's temporary or backup files.
    const std::vector<std::string> bad{"   ",
                                       "a|b",
                                       "../up",
                                       "with_underscore",
                                       "Demo.db",
                                       " Demo.Db ",
                                       std::string(239, 'n'),
                                       std::string(250, 'n')};
    for (const std::string& name : bad) {
        typeAndAccept(name);
        window->action(kMenuCreateEmptyDatabase)->trigger();
        ASSERT_FALSE(prompter.messages.empty()) << name;
        EXPECT_EQ(prompter.messages.back().text, "Invalid name") << name;
    }
    EXPECT_EQ(prompter.messages.size(), bad.size());
    EXPECT_FALSE(QFile::exists(QString::fromStdString(dir.file("Demo.db.db"))));
    typeAndAccept("  Games ");
    window->action(kMenuCreateEmptyDatabase)->trigger();
    EXPECT_EQ(prompter.messages.back().text, "Database name already exists");
    typeAndAccept("  New One ");
    window->action(kMenuCreateEmptyDatabase)->trigger();
    EXPECT_TRUE(QFile::exists(QString::fromStdString(dir.file("New One.db"))));
    EXPECT_EQ(app->store().currentDatabaseName(), "Games");
    EXPECT_EQ(prompter.messages.size(), bad.size() + 1);
}

TEST_F(MainWindowTest, LocateResetsToTheDatabaseAndSelectsExactName) {
    dir.write("Games.db", line("A"));
    dir.write("Other.db", line("target") + line("Target"));
    start();
    window->locate("Target", "Other");
    EXPECT_EQ(app->store().currentDatabaseName(), "Other");
    EXPECT_EQ(window->selectedNames(), std::vector<std::string>{"Target"});
    window->locate("gone", "Games");
    EXPECT_TRUE(window->selectedNames().empty());
}

TEST(SingleInstanceTest, SecondStartActivatesTheFirst) {
    const PrivateRuntimeFolder runtime;
    const QString key = QStringLiteral("corvane-test-%1").arg(QCoreApplication::applicationPid());
    SingleInstance first(key);
    ASSERT_TRUE(first.acquire());
    QSignalSpy activations(&first, &SingleInstance::activationRequested);
    SingleInstance second(key);
    EXPECT_FALSE(second.acquire());
    EXPECT_TRUE(activations.wait(2000));
    EXPECT_TRUE(QFile::exists(QString::fromStdString(runtime.dir().file(key.toStdString()))));
}

TEST(SingleInstanceTest, SecondProcessExitsAndRaisesTheFirst) {
    const PrivateRuntimeFolder runtime;
    TempDir dir;
    SingleInstance running(SingleInstance::keyFor(dir.path()));
    ASSERT_TRUE(running.acquire());
    QSignalSpy activations(&running, &SingleInstance::activationRequested);
    QProcess second;
    second.setWorkingDirectory(QString::fromStdString(dir.path()));
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    second.setProcessEnvironment(env);
    second.start(QStringLiteral(CORVANE_LAUNCHER_EXE), {});
    ASSERT_TRUE(second.waitForStarted(5000));
    EXPECT_TRUE(activations.wait(5000));
    ASSERT_TRUE(second.waitForFinished(5000));
    EXPECT_EQ(second.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(second.exitCode(), 0);
}

TEST_F(MainWindowTest, BackgroundThatIsNotAPictureFallsBackForThisRunOnly) {
    const std::string notAPicture = dir.write("background.png", "plain text, not a picture");
    const std::string settings = "\r\n\r\nGames\r\n\r\n1\r\n0\r\nPNG\r\n1\r\n1\r\n" + notAPicture +
                                 "\r\nBG_IMAGE_LAYOUT_TILED\r\n";
    start(settings);
    EXPECT_FALSE(app->settings().customBackground);
    EXPECT_EQ(readFile(dir.file("settings.ini")), settings);
    EXPECT_TRUE(prompter.messages.empty());
}

TEST_F(MainWindowTest, PipesNamedAsPicturesDoNotBlockTheWindow) {
    const std::string background = makeFifo(dir.file("background.png"));
    const std::string shot = makeFifo(dir.file("shot.png"));
    Game g;
    g.name = "Shot";
    g.image1 = shot;
    dir.write("Games.db", g.ToLine() + "\r\n");
    const std::string settings = "\r\n\r\nGames\r\n\r\n1\r\n1\r\nPNG\r\n1\r\n1\r\n" + background +
                                 "\r\nBG_IMAGE_LAYOUT_TILED\r\n";
    EXPECT_TRUE(endsWithoutWaitingOn({background, shot}, [&] {
        start(settings);
        selectRows({0});
    }));
    EXPECT_FALSE(app->settings().customBackground);
    EXPECT_EQ(window->profileModel()->rowCount(), 1);
}

TEST_F(MainWindowTest, MissingCurrentDatabaseGivesAnEmptyListWithoutMessages) {
    dir.write("Games.db", line("A"));
    start("\r\n\r\nGone\r\n");
    EXPECT_EQ(window->profileModel()->rowCount(), 0);
    EXPECT_EQ(window->countPanel()->value(), QStringLiteral("0"));
    EXPECT_EQ(window->databasePanel()->value(), QStringLiteral("Gone"));
    EXPECT_TRUE(prompter.messages.empty());
    EXPECT_FALSE(QFile::exists(QString::fromStdString(dir.file("Gone.db"))));
}
