// SPDX-License-Identifier: GPL-3.0-or-later
// Choosing an item from the main window's popups, as the user does: the popup opens from its
// key or button, the item is chosen with the keyboard or a click, and the list reloads.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListView>
#include <QMenu>
#include <QPointer>
#include <QTest>
#include <QToolButton>
#include <filesystem>

#include "app/CCorvaneLauncherApp.h"
#include "support/FakeEmulator.h"
#include "support/ScriptedPrompter.h"
#include "support/TempDir.h"
#include "ui/KeyPress.h"
#include "ui/ModalDriver.h"
#include "ui/WindowStart.h"
#include "ui/main/CCorvaneLauncherDlg.h"
#include "ui/main/ProfileListModel.h"
#include "ui/main/SelectorPanel.h"

using namespace corvane;
using namespace corvane::test;

namespace {

std::string line(const std::string& name, int generation) {
    Game g;
    g.name = name;
    g.generation[generation] = true;
    return g.ToLine() + "\r\n";
}

class PopupChoiceTest : public ::testing::Test {
protected:
    FakeEmulator emulator;
    TempDir dir;
    ScriptedPrompter prompter;
    std::unique_ptr<CCorvaneLauncherApp> app;
    std::unique_ptr<CCorvaneLauncherDlg> window;

    PopupChoiceTest() {
        emulator.addDatabase("empty.xml", "<db/>");
        dir.write("Games.db", line("Alpha", 0) + line("Beta", 1) + line("Gamma", 1));
        dir.write("Other.db", line("Omega", 2) + line("Target", 3));
        dir.write("settings.ini", emulator.path() + "\r\n\r\nGames\r\n\r\n0\r\n");
        app = std::make_unique<CCorvaneLauncherApp>(dir.path(), prompter);
        window = std::make_unique<CCorvaneLauncherDlg>(*app);
        startWindow(*window);
    }
    ~PopupChoiceTest() override {
        // Nothing of a popup may stay open or pending for the next test.
        QCoreApplication::processEvents();
    }

    QStringList shownNames() const { return test::shownNames(*window); }
    void pressOnList(int key, Qt::KeyboardModifiers mods) {
        typeKey(window->profileList(), key, mods);
    }
    static QMenu* openPopup() { return qobject_cast<QMenu*>(QApplication::activePopupWidget()); }
    static QAction* item(QMenu* menu, const QString& text) {
        for (QAction* action : menu->actions())
            if (action->text() == text)
                return action;
        return nullptr;
    }
    // Down as often as asked, then Return, each as a press and a release to the open menu.
    static void chooseByKeys(QMenu* menu, int downs) {
        QPointer<QMenu> open(menu);
        for (int i = 0; i < downs; ++i)
            QTest::keyClick(menu, Qt::Key_Down);
        QTest::keyPress(menu, Qt::Key_Return);
        // The menu's key handler has returned: the menu must still exist (it deletes itself
        // later, from the event loop), or Qt's handler has been working on freed memory.
        ASSERT_FALSE(open.isNull()) << "the popup was deleted inside its own key handler";
        QTest::keyRelease(menu, Qt::Key_Return);
        settle(open);
    }
    static void chooseByClick(QMenu* menu, const QString& text) {
        QAction* chosen = item(menu, text);
        ASSERT_NE(chosen, nullptr) << text.toStdString();
        QPointer<QMenu> open(menu);
        QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(chosen).center());
        ASSERT_FALSE(open.isNull()) << "the popup was deleted inside its own mouse handler";
        settle(open);
    }
    // Returns to the event loop as the application would after the input, then checks that the
    // menu closed and deleted itself.
    static void settle(const QPointer<QMenu>& menu) {
        QCoreApplication::processEvents();
        EXPECT_TRUE(menu.isNull());
        EXPECT_EQ(QApplication::activePopupWidget(), nullptr);
    }
};

}  // namespace

TEST_F(PopupChoiceTest, DatabasePopupSwitchesAndCreates) {
    pressOnList(Qt::Key_W, Qt::ControlModifier);
    QMenu* menu = openPopup();
    ASSERT_NE(menu, nullptr);
    chooseByKeys(menu, 2);  // Games, Other
    EXPECT_EQ(app->store().currentDatabaseName(), "Other");
    EXPECT_EQ(window->databasePanel()->value(), QStringLiteral("Other"));
    EXPECT_EQ(shownNames(), (QStringList{QStringLiteral("Omega"), QStringLiteral("Target")}));

    window->databasePanel()->button()->click();
    menu = openPopup();
    ASSERT_NE(menu, nullptr);
    chooseByClick(menu, QStringLiteral("Games"));
    EXPECT_EQ(app->store().currentDatabaseName(), "Games");
    EXPECT_EQ(shownNames().size(), 3);

    // The last item opens the name dialog; it runs once the menu is gone.
    onNextModal([](QDialog* dialog) {
        dialog->findChild<QLineEdit*>()->setText(QStringLiteral("Fresh"));
        dialog->accept();
    });
    pressOnList(Qt::Key_W, Qt::ControlModifier);
    menu = openPopup();
    ASSERT_NE(menu, nullptr);
    chooseByKeys(menu, 3);  // Games, Other, Create Empty Database
    EXPECT_TRUE(std::filesystem::is_regular_file(dir.file("Fresh.db")));

    // The new, empty database is first in the popup now.
    pressOnList(Qt::Key_W, Qt::ControlModifier);
    menu = openPopup();
    ASSERT_NE(menu, nullptr);
    chooseByKeys(menu, 1);
    EXPECT_EQ(app->store().currentDatabaseName(), "Fresh");
    EXPECT_TRUE(shownNames().isEmpty());
    EXPECT_TRUE(prompter.messages.empty());
}

TEST_F(PopupChoiceTest, FilterValuePopupFiltersTheList) {
    SelectorPanel* panel = window->filterPanel(FilterCriterion::Generation);
    panel->button()->click();
    QMenu* menu = openPopup();
    ASSERT_NE(menu, nullptr);
    chooseByKeys(menu, 2);  // All, MSX
    EXPECT_EQ(app->filter().generation, "MSX");
    EXPECT_EQ(panel->value(), QStringLiteral("MSX"));
    EXPECT_EQ(shownNames(), QStringList{QStringLiteral("Alpha")});

    panel->button()->click();
    menu = openPopup();
    ASSERT_NE(menu, nullptr);
    EXPECT_TRUE(item(menu, QStringLiteral("MSX"))->isChecked());
    chooseByClick(menu, QStringLiteral("MSX2"));
    EXPECT_EQ(app->filter().generation, "MSX2");
    EXPECT_EQ(shownNames(), (QStringList{QStringLiteral("Beta"), QStringLiteral("Gamma")}));
}

TEST_F(PopupChoiceTest, SavedFiltersPopupAppliesAndResets) {
    FilterState msx2;
    msx2.generation = "MSX2";
    ASSERT_EQ(app->savedFilters().add("Second generation", msx2), SavedFilterResult::Written);

    pressOnList(Qt::Key_T, Qt::ControlModifier);
    QMenu* menu = openPopup();
    ASSERT_NE(menu, nullptr);
    chooseByKeys(menu, 1);
    EXPECT_EQ(app->filter(), msx2);
    EXPECT_EQ(window->filterPanel(FilterCriterion::Generation)->value(), QStringLiteral("MSX2"));
    EXPECT_EQ(shownNames(), (QStringList{QStringLiteral("Beta"), QStringLiteral("Gamma")}));

    // The window's own commands in the popup act the same way.
    pressOnList(Qt::Key_T, Qt::ControlModifier);
    menu = openPopup();
    ASSERT_NE(menu, nullptr);
    chooseByClick(menu, QStringLiteral("&Reset Filters\tCtrl+R"));
    EXPECT_TRUE(app->filter().isDefault());
    EXPECT_EQ(shownNames().size(), 3);
}

TEST_F(PopupChoiceTest, FavoritesPopupLocatesTheProfile) {
    ASSERT_EQ(app->favorites().add("Target", "Other"), FavoriteResult::Written);
    app->filter().set(FilterCriterion::Generation, "MSX");
    window->loadList();
    ASSERT_EQ(shownNames(), QStringList{QStringLiteral("Alpha")});

    pressOnList(Qt::Key_I, Qt::ControlModifier);
    QMenu* menu = openPopup();
    ASSERT_NE(menu, nullptr);
    chooseByKeys(menu, 1);
    EXPECT_EQ(app->store().currentDatabaseName(), "Other");
    EXPECT_TRUE(app->filter().isDefault());
    EXPECT_EQ(window->selectedNames(), std::vector<std::string>{"Target"});

    window->locate("Alpha", "Games");
    ASSERT_EQ(app->store().currentDatabaseName(), "Games");
    pressOnList(Qt::Key_I, Qt::ControlModifier);
    menu = openPopup();
    ASSERT_NE(menu, nullptr);
    chooseByClick(menu, QString::fromStdString(Favorites::popupCaption({"Target", "Other"})));
    EXPECT_EQ(app->store().currentDatabaseName(), "Other");
    EXPECT_EQ(window->selectedNames(), std::vector<std::string>{"Target"});
}

TEST_F(PopupChoiceTest, KeysInAnOpenPopupAreThePopupsOnly) {
    window->profileList()->selectionModel()->setCurrentIndex(window->profileModel()->index(0),
                                                             QItemSelectionModel::ClearAndSelect);
    prompter.confirmAnswers = {true};
    pressOnList(Qt::Key_W, Qt::ControlModifier);
    QPointer<QMenu> menu = openPopup();
    ASSERT_FALSE(menu.isNull());
    // The list's keys and the window's act on nothing while the popup is open.
    QTest::keyClick(menu, Qt::Key_Delete);
    QTest::keyClick(menu, Qt::Key_I, Qt::ControlModifier);
    QCoreApplication::processEvents();
    EXPECT_TRUE(prompter.confirmations.empty());
    EXPECT_EQ(shownNames().size(), 3);
    EXPECT_EQ(openPopup(), menu.data());
    chooseByKeys(menu, 2);  // the popup's own keys still work
    EXPECT_EQ(app->store().currentDatabaseName(), "Other");
}
