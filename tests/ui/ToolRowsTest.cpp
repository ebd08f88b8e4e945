// SPDX-License-Identifier: GPL-3.0-or-later
// The tool table's rows as the main window builds them: entries, keys, and what a tool acts on.
#include <gtest/gtest.h>

#include <QAction>
#include <QDialog>
#include <QListView>
#include <QMenu>
#include <QMenuBar>
#include <QTimer>

#include "app/CCorvaneLauncherApp.h"
#include "model/Game.h"
#include "support/ScriptedPrompter.h"
#include "support/TempDir.h"
#include "ui/KeyPress.h"
#include "ui/WindowStart.h"
#include "ui/main/CCorvaneLauncherDlg.h"
#include "ui/tools/ToolTable.h"

namespace corvane {
namespace {

// Every entry of the menu and of its submenus.
void collectEntries(const QList<QAction*>& actions, QList<QAction*>& entries) {
    for (QAction* action : actions) {
        entries << action;
        if (action->menu())
            collectEntries(action->menu()->actions(), entries);
    }
}

class ToolRowsTest : public ::testing::Test {
protected:
    ToolRowsTest() {
        Game a;
        a.name = "A";
        Game b;
        b.name = "B";
        dir.write("Games.db", a.ToLine() + "\r\n" + b.ToLine() + "\r\n");
        dir.write("settings.ini", "\r\n\r\nGames\r\n");
        app = std::make_unique<CCorvaneLauncherApp>(dir.path(), prompter);
        window = std::make_unique<CCorvaneLauncherDlg>(*app);
        test::startWindow(*window);
    }

    test::TempDir dir;
    test::ScriptedPrompter prompter;
    std::unique_ptr<CCorvaneLauncherApp> app;
    std::unique_ptr<CCorvaneLauncherDlg> window;
};

TEST_F(ToolRowsTest, EveryToolShowsInTheMenusOfItsRowWithItsKey) {
    QList<QAction*> menuBar;
    collectEntries(window->menuBar()->actions(), menuBar);
    const QList<QAction*> contextMenu = window->contextMenu()->actions();
    for (const ToolRow& row : toolTable()) {
        QAction* entry = window->action(row.menuId);
        ASSERT_NE(entry, nullptr) << row.menuId;
        EXPECT_EQ(menuBar.contains(entry), shownIn(row.place, MenuPlace::MenuBar)) << row.menuId;
        EXPECT_EQ(contextMenu.contains(entry), shownIn(row.place, MenuPlace::ContextMenu))
            << row.menuId;
        if (!row.key) {
            EXPECT_FALSE(entry->text().contains(QLatin1Char('\t'))) << row.menuId;
            continue;
        }
        const QString key = QKeySequence(row.key->key).toString(QKeySequence::PortableText);
        EXPECT_TRUE(entry->text().endsWith(QLatin1Char('\t') + key)) << row.menuId;
        const bool inList = row.key->scope == KeyScope::List;
        EXPECT_EQ(window->profileList()->actions().contains(entry), inList) << row.menuId;
        EXPECT_EQ(window->actions().contains(entry), !inList) << row.menuId;
    }
}

TEST_F(ToolRowsTest, AToolsKeyDoesNothingWithoutWhatItActsOn) {
    // Notes every dialog that opens, and closes it.
    QStringList opened;
    QTimer closer;
    QObject::connect(&closer, &QTimer::timeout, [&opened] {
        if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
            opened << QString::fromLatin1(dialog->metaObject()->className());
            dialog->reject();
        }
    });
    closer.start(10);
    QListView* list = window->profileList();

    // Other Dumps needs one profile; these have no medium to search by, which it tells.
    test::selectRows(*window, {0, 1});
    test::typeKey(list, Qt::Key_G, Qt::ControlModifier);
    EXPECT_TRUE(prompter.messages.empty());
    test::selectRows(*window, {1});
    test::typeKey(list, Qt::Key_G, Qt::ControlModifier);
    ASSERT_EQ(prompter.messages.size(), 1u);
    EXPECT_EQ(prompter.messages[0].text, "Invalid profile");

    // Set Extra Data needs a selected line at least.
    list->clearSelection();
    test::typeKey(list, Qt::Key_M, Qt::ControlModifier);
    EXPECT_TRUE(opened.isEmpty());
    test::selectRows(*window, {0, 1});
    test::typeKey(list, Qt::Key_M, Qt::ControlModifier);
    EXPECT_EQ(opened, QStringList{QStringLiteral("corvane::SetExtraDataDlg")});
}

}  // namespace
}  // namespace corvane
