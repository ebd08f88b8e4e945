// SPDX-License-Identifier: GPL-3.0-or-later
// Filling databases from the main window: the Action menu entry and files dropped on it.
#include <gtest/gtest.h>

#include <QAction>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QUrl>

#include "i18n/MenuIds.h"
#include "ui/ChooserAndDrop.h"
#include "ui/FillFixture.h"
#include "ui/ModalDriver.h"
#include "ui/WindowStart.h"
#include "ui/main/ProfileListModel.h"
#include "ui/main/SelectorPanel.h"
#include "ui/tools/CreateDatabase.h"
#include "ui/tools/DragAndDrop.h"
#include "ui/tools/PathList.h"

namespace corvane {
namespace {

QUrl fileUrl(const std::string& path) {
    return QUrl::fromLocalFile(QString::fromUtf8(path.data(), static_cast<qsizetype>(path.size())));
}

class MainWindowFillTest : public test::FillFixture {
protected:
    void start() {
        startApp();
        window = std::make_unique<CCorvaneLauncherDlg>(*app);
        test::startWindow(*window);
    }
    // Runs what starts a modal fill dialog, answering it with answer; true once the window has
    // reloaded its list afterwards.
    bool reloadsAfter(const std::function<void()>& open, std::function<void(QDialog*)> answer) {
        QSignalSpy loaded(window.get(), &CCorvaneLauncherDlg::listLoaded);
        test::onNextModal(std::move(answer));
        open();
        return !loaded.isEmpty() || loaded.wait(60000);
    }

    std::unique_ptr<CCorvaneLauncherDlg> window;
};

TEST_F(MainWindowFillTest, DroppedFilesAreAddedToTheCurrentDatabase) {
    dir.write("Games.db", line("Kept"));
    writeSettings("Games");
    // A name that is not UTF-8 reaches the engine as its own bytes.
    const std::string latin = media.write("caf\xe9.rom", "latin");
    const std::string folder = media.file("folder");
    media.write("folder/Game.rom", "game");
    const std::string second = media.write("b.rom", "b");
    start();
    ASSERT_EQ(window->profileModel()->rowCount(), 1);
    const QUrl latinUrl = QUrl::fromEncoded(
        QByteArray("file://") + QByteArray::fromStdString(latin).toPercentEncoding("/"));
    std::vector<std::string> offered;
    ASSERT_TRUE(reloadsAfter(
        [&] {
            ASSERT_TRUE(test::dropUrls(
                window.get(), {fileUrl(second), QUrl(QStringLiteral("https://example.org/x.rom")),
                               latinUrl, fileUrl(folder)}));
        },
        [&](QDialog* dialog) {
            auto* add = qobject_cast<DragAndDrop*>(dialog);
            ASSERT_NE(add, nullptr);
            offered = add->paths()->paths();
            QTest::mouseClick(add->addButton(), Qt::LeftButton);
        }));
    EXPECT_EQ(offered, (std::vector<std::string>{second, latin, folder}));
    EXPECT_EQ(shownTexts(),
              std::vector<std::string>{"3 new profiles were added to database \"Games\""});
    EXPECT_EQ(profileNames("Games"), (std::vector<std::string>{"Kept", "b", "caf\xe9", "Game"}));
    EXPECT_EQ(window->profileModel()->rowCount(), 4);
    EXPECT_EQ(window->countPanel()->value(), QStringLiteral("4"));
}

TEST_F(MainWindowFillTest, DropsNeedACurrentDatabase) {
    const std::string rom = media.write("a.rom", "a");
    writeSettings("");
    start();
    EXPECT_FALSE(test::dropUrls(window.get(), {fileUrl(rom)}));  // no database at all
    window.reset();
    dir.write("Games.db", "");
    start();
    EXPECT_FALSE(test::dropUrls(window.get(), {fileUrl(rom)}));  // none is current
    window.reset();
    writeSettings("Games");
    start();
    EXPECT_FALSE(test::dropUrls(window.get(), {QUrl(QStringLiteral("https://example.org/a.rom"))}));
    bool asked = false;
    test::onNextModal([&asked](QDialog* dialog) {
        asked = qobject_cast<DragAndDrop*>(dialog) != nullptr;
        dialog->reject();
    });
    QSignalSpy loaded(window.get(), &CCorvaneLauncherDlg::listLoaded);
    EXPECT_TRUE(test::dropUrls(window.get(), {fileUrl(rom)}));
    // A dialog cancelled changes nothing, and the list is not loaded again.
    EXPECT_TRUE(QTest::qWaitFor([&asked] { return asked; }, 60000));
    EXPECT_TRUE(loaded.isEmpty());
    EXPECT_TRUE(shownTexts().empty());
}

TEST_F(MainWindowFillTest, TheMenuEntryNeedsTheEmulatorAndMakesTheFilledDatabaseCurrent) {
    media.write("One.rom", "one");
    writeSettings("");
    start();
    QAction* entry = window->action(kMenuFillDatabase);
    ASSERT_NE(entry, nullptr);
    EXPECT_EQ(entry->text(), QStringLiteral("&Fill Database..."));
    EXPECT_TRUE(entry->isEnabled());
    EXPECT_FALSE(window->action(kMenuSearch)->isEnabled());  // no database yet

    ASSERT_TRUE(reloadsAfter([entry] { entry->trigger(); },
                             [this](QDialog* dialog) {
                                 auto* fill = qobject_cast<CreateDatabase*>(dialog);
                                 ASSERT_NE(fill, nullptr);
                                 fill->directories()->addPath(media.path());
                                 fill->newName()->setText(QStringLiteral("Fresh"));
                                 QTest::mouseClick(fill->okButton(), Qt::LeftButton);
                             }));
    EXPECT_EQ(shownTexts(), std::vector<std::string>{"Fresh was created. Number of profiles: 1"});
    EXPECT_EQ(window->databasePanel()->value(), QStringLiteral("Fresh"));
    EXPECT_EQ(window->profileModel()->rowCount(), 1);
    EXPECT_TRUE(window->action(kMenuSearch)->isEnabled());

    // Without the emulator's software databases the entry is off once the menu opens again.
    emulator.removeDatabasesDirectory();
    QMenu* actions = window->menuBar()->actions().at(1)->menu();
    actions->popup(QPoint());
    actions->hide();
    EXPECT_FALSE(entry->isEnabled());
    window.reset();
    writeSettings("Fresh", std::string());
    start();
    EXPECT_FALSE(window->action(kMenuFillDatabase)->isEnabled());
}

}  // namespace
}  // namespace corvane
