// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QImage>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>

#include "app/CCorvaneLauncherApp.h"
#include "i18n/LanguageIds.h"
#include "i18n/MenuIds.h"
#include "i18n/MenuLayout.h"
#include "support/ScriptedPrompter.h"
#include "support/TempDir.h"
#include "ui/WindowStart.h"
#include "ui/main/CCorvaneLauncherDlg.h"
#include "ui/main/SelectorPanel.h"
#include "ui/main/WindowPopups.h"

namespace corvane {
namespace {

using test::ScriptedPrompter;
using test::TempDir;

class MainWindowLookTest : public ::testing::Test {
protected:
    void start(int languageId) {
        window.reset();
        dir.write("settings.ini",
                  "\r\n\r\nGames\r\n\r\n1\r\n0\r\nPNG\r\n1\r\n0\r\n\r\n\r\n\r\n\r\n" +
                      std::to_string(languageId) + "\r\n");
        app = std::make_unique<CCorvaneLauncherApp>(dir.path(), prompter);
        window = std::make_unique<CCorvaneLauncherDlg>(*app);
        test::startWindow(*window);
    }
    std::vector<SelectorPanel*> panels() const {
        std::vector<SelectorPanel*> all{window->databasePanel(), window->countPanel()};
        for (int i = 0; i <= static_cast<int>(FilterCriterion::Genre); ++i)
            all.push_back(window->filterPanel(static_cast<FilterCriterion>(i)));
        return all;
    }

    TempDir dir;
    ScriptedPrompter prompter;
    std::unique_ptr<CCorvaneLauncherApp> app;
    std::unique_ptr<CCorvaneLauncherDlg> window;
};

// The pixels a label's text covers, drawn without any background.
int inkPixels(QLabel& label) {
    QImage image(label.size(), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    label.render(&image, QPoint(), QRegion(), QWidget::DrawChildren);
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            count += qAlpha(image.pixel(x, y)) != 0;
    return count;
}

// The same text in a label with room on every side: nothing of it can be cut there.
int unclippedInkPixels(const QLabel& shown) {
    QLabel roomy;
    roomy.setFont(shown.font());
    roomy.setTextFormat(shown.textFormat());
    roomy.setAlignment(shown.alignment());
    roomy.setContentsMargins(shown.contentsMargins());
    roomy.setText(shown.text());
    // Even growth keeps a centred line on whole pixels, so both draw the same glyphs.
    roomy.resize(shown.width() + 40, shown.height() + 40);
    return inkPixels(roomy);
}

TEST_F(MainWindowLookTest, PanelCaptionsAreWholeInEveryLanguage) {
    dir.write("Games.db", "");
    for (const LanguageEntry& entry : kLanguages) {
        start(entry.id);
        for (SelectorPanel* panel : panels()) {
            QLabel& caption = *panel->caption();
            const QString text = caption.text();
            ASSERT_FALSE(text.isEmpty()) << entry.code;
            // Captions are capitals, accented ones included.
            EXPECT_EQ(text, text.toUpper()) << entry.code;
            EXPECT_LE(caption.fontMetrics().horizontalAdvance(text), caption.contentsRect().width())
                << entry.code << " " << text.toStdString();
            EXPECT_GE(caption.height(), caption.sizeHint().height())
                << entry.code << " " << text.toStdString();
            // Marks over capitals (MÄÄRÄ, SOCIÉTÉ, ÅR) and under them (GERAÇÃO) are drawn.
            EXPECT_EQ(inkPixels(caption), unclippedInkPixels(caption))
                << entry.code << " " << text.toStdString();
        }
    }
}

// A menu as identifiers, kMenuRule for a separator; -1 for an item the layout does not know.
std::vector<int> shownEntries(const CCorvaneLauncherDlg& window, const QMenu& menu,
                              const MenuGroup& group) {
    std::vector<int> entries;
    for (QAction* item : menu.actions()) {
        if (!item->isVisible())
            continue;
        if (item->isSeparator()) {
            entries.push_back(kMenuRule);
            continue;
        }
        int id = -1;
        for (int candidate : group.entries)
            if (candidate != kMenuRule && window.action(candidate) == item)
                id = candidate;
        entries.push_back(id);
    }
    return entries;
}

// The layout's entries that the window has, with the rules a menu would show between them.
std::vector<int> expectedEntries(const CCorvaneLauncherDlg& window, const MenuGroup& group) {
    std::vector<int> entries;
    bool ruleDue = false;
    for (int id : group.entries) {
        if (id == kMenuRule) {
            ruleDue = !entries.empty();
            continue;
        }
        if (!window.action(id))
            continue;
        if (ruleDue)
            entries.push_back(kMenuRule);
        ruleDue = false;
        entries.push_back(id);
    }
    return entries;
}

TEST_F(MainWindowLookTest, MenusHaveTheirRules) {
    start(kLanguageEnglish);
    int checked = 0;
    const QList<QAction*> titles = window->menuBar()->actions();
    for (const MenuGroup& group : menuLayout()) {
        const QMenu* menu = nullptr;
        if (!group.titleKey.empty()) {
            const auto it =
                std::find(kMenuBarTitleKeys.begin(), kMenuBarTitleKeys.end(), group.titleKey);
            QAction* title = titles.value(static_cast<int>(it - kMenuBarTitleKeys.begin()));
            if (title && title->isVisible())
                menu = title->menu();
        } else if (group.titleId != 0 && window->action(group.titleId)) {
            menu = window->action(group.titleId)->menu();
        } else if (group.name == "Profile list") {
            menu = window->contextMenu();
        }
        if (!menu)
            continue;
        EXPECT_EQ(shownEntries(*window, *menu, group), expectedEntries(*window, group))
            << group.name;
        ++checked;
    }
    // Options, Mark Profiles, Filters, Action, Help, the context menu and its Launch submenu.
    EXPECT_GE(checked, 7);
    const std::vector<int> help{kMenuHelpTopics, kMenuRule, kMenuAbout};
    EXPECT_EQ(shownEntries(*window, *titles.value(3)->menu(), menuLayout()[5]), help);
    const QMenu* marks = window->action(kMenuMarkProfiles)->menu();
    ASSERT_GE(marks->actions().size(), 2);
    EXPECT_TRUE(marks->actions()[1]->isSeparator());
}

TEST_F(MainWindowLookTest, DatabasePopupChecksTheCurrentDatabase) {
    dir.write("Games.db", "");
    dir.write("Arcade.db", "");
    start(kLanguageEnglish);
    std::unique_ptr<QMenu> popup(window->popups().database());
    const QList<QAction*> items = popup->actions();
    ASSERT_EQ(items.size(), 4);
    EXPECT_EQ(items[0]->text(), QStringLiteral("Arcade"));
    EXPECT_TRUE(items[0]->isCheckable());
    EXPECT_FALSE(items[0]->isChecked());
    EXPECT_EQ(items[1]->text(), QStringLiteral("Games"));
    EXPECT_TRUE(items[1]->isCheckable());
    EXPECT_TRUE(items[1]->isChecked());
    EXPECT_TRUE(items[2]->isSeparator());
    EXPECT_FALSE(items[3]->isCheckable());
}

}  // namespace
}  // namespace corvane
