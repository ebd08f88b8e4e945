// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QLabel>
#include <QListView>
#include <QMenu>
#include <memory>
#include <string>

#include "app/CCorvaneLauncherApp.h"
#include "i18n/LanguageIds.h"
#include "model/Game.h"
#include "support/ScriptedPrompter.h"
#include "support/TempDir.h"
#include "ui/WindowStart.h"
#include "ui/common/TextCodec.h"
#include "ui/main/CCorvaneLauncherDlg.h"
#include "ui/main/ProfileListModel.h"
#include "ui/main/WindowPopups.h"

using namespace corvane;
using namespace corvane::test;

namespace {

// settings.ini naming the current database and the language, the other lines left to defaults.
std::string settingsWith(const std::string& database, int language) {
    return "\r\n\r\n" + database + "\r\n\r\n1\r\n0\r\nPNG\r\n1\r\n0\r\n\r\n\r\n\r\n\r\n" +
           std::to_string(language) + "\r\n";
}

QLabel* hintOf(const CCorvaneLauncherDlg& window) {
    return window.profileList()->viewport()->findChild<QLabel*>(QStringLiteral("emptyListHint"));
}

void pickDatabase(CCorvaneLauncherDlg& window, const QString& name) {
    std::unique_ptr<QMenu> popup(window.popups().database());
    for (QAction* entry : popup->actions())
        if (entry->text() == name)
            entry->trigger();
    popup.reset();
    QCoreApplication::processEvents();  // the entry's command runs once the popup is gone
}

}  // namespace

TEST(EmptyListHintTest, ShownOverAnEmptyListOnlyAndNeverARow) {
    TempDir dir;
    Game game;
    game.name = "Only";
    dir.write("Empty.db", "");
    dir.write("Full.db", game.ToLine() + "\r\n");
    dir.write("settings.ini", settingsWith("Empty", kLanguageEnglish));
    ScriptedPrompter prompter;
    CCorvaneLauncherApp app(dir.path(), prompter);
    CCorvaneLauncherDlg window(app);
    QLabel* hint = hintOf(window);
    ASSERT_NE(hint, nullptr);
    // Nothing is claimed of a list that has not been loaded yet.
    EXPECT_TRUE(hint->isHidden());
    startWindow(window);
    EXPECT_TRUE(hint->isVisible());
    EXPECT_EQ(hint->text(), catalogueText(app.languages(), "M_EMPTY_LIST_HINT"));
    EXPECT_EQ(window.profileModel()->rowCount(), 0);
    // Clicks and drops on the hint reach the list itself.
    QWidget* viewport = window.profileList()->viewport();
    EXPECT_EQ(viewport->childAt(viewport->rect().center()), nullptr);
    window.profileList()->selectAll();
    EXPECT_TRUE(window.profileList()->selectionModel()->selectedIndexes().isEmpty());

    pickDatabase(window, QStringLiteral("Full"));
    ASSERT_EQ(shownNames(window), QStringList{QStringLiteral("Only")});
    EXPECT_FALSE(hint->isVisible());
    pickDatabase(window, QStringLiteral("Empty"));
    EXPECT_EQ(window.profileModel()->rowCount(), 0);
    EXPECT_TRUE(hint->isVisible());
}

TEST(EmptyListHintTest, EveryLanguageFitsTheSmallestList) {
    for (const LanguageEntry& language : kLanguages) {
        TempDir dir;
        dir.write("settings.ini", settingsWith("Games", language.id));
        ScriptedPrompter prompter;
        CCorvaneLauncherApp app(dir.path(), prompter);
        CCorvaneLauncherDlg window(app);
        startWindow(window);
        window.profileList()->resize(window.profileList()->minimumSize());
        QCoreApplication::processEvents();
        QLabel* hint = hintOf(window);
        ASSERT_NE(hint, nullptr);
        EXPECT_EQ(hint->text(), catalogueText(app.languages(), "M_EMPTY_LIST_HINT"))
            << language.code;
        EXPECT_FALSE(hint->text().isEmpty()) << language.code;
        // Wrapped at the hint's width, the whole text is within the list's visible area.
        EXPECT_LE(hint->heightForWidth(hint->width()), hint->height()) << language.code;
        EXPECT_TRUE(window.profileList()->viewport()->rect().contains(hint->geometry()))
            << language.code;
    }
}
