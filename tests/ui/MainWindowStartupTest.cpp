// SPDX-License-Identifier: GPL-3.0-or-later
// The window at start: shown and filled before the emulator's software databases are indexed.
#include <gtest/gtest.h>

#include <QLabel>
#include <QListView>
#include <QSignalSpy>
#include <chrono>

#include "app/CCorvaneLauncherApp.h"
#include "support/FakeEmulator.h"
#include "support/ScriptedPrompter.h"
#include "support/TempDir.h"
#include "ui/WindowStart.h"
#include "ui/main/CCorvaneLauncherDlg.h"
#include "ui/main/ProfileListModel.h"

using namespace corvane;
using namespace corvane::test;

namespace {

constexpr const char* kAbcSha1 = "a9993e364706816aba3e25717850c26c9cd0d89d";
constexpr const char* kLongSha1 = "84983e441c3bd26ebaae4aa1f95129e5e54670f1";
constexpr const char* kLongText = "abcdbcdecdefdefgefghfghighijhijkijkljklmklmnlmnomnopnopq";

std::string software(const char* title, const char* company, const char* sha1) {
    return std::string("<software><title>") + title + "</title><company>" + company +
           "</company><year>1986</year><dump><rom><hash algo=\"sha1\">" + sha1 +
           "</hash></rom></dump></software>";
}

class MainWindowStartupTest : public ::testing::Test {
protected:
    TempDir dir;
    FakeEmulator emulator;
    ScriptedPrompter prompter;
    std::unique_ptr<CCorvaneLauncherApp> app;
    std::unique_ptr<CCorvaneLauncherDlg> window;

    MainWindowStartupTest() {
        // Enough entries that the index is still being read when the window shows.
        std::string xml =
            "<db>" + software("Alphabet", "Konami", kAbcSha1) + software("Long", "Sega", kLongSha1);
        for (int i = 0; i < 3000; ++i)
            xml += software("Filler", "Filler", std::to_string(i).c_str());
        emulator.addDatabase("db.xml", xml + "</db>");
        dir.write("settings.ini", emulator.path() + "\r\n\r\nGames\r\n");
        Game abc;
        abc.name = "Abc";
        abc.slot1File = dir.write("abc.rom", "abc");
        Game longer;
        longer.name = "Long";
        longer.slot1File = dir.write("long.rom", kLongText);
        Game own;
        own.name = "Own";
        own.basicDataSpecified = "T";
        own.company = "Konami";
        dir.write("Games.db",
                  abc.ToLine() + "\r\n" + longer.ToLine() + "\r\n" + own.ToLine() + "\r\n");
    }
    void create() {
        app = std::make_unique<CCorvaneLauncherApp>(dir.path(), prompter);
        window = std::make_unique<CCorvaneLauncherDlg>(*app);
    }
    void selectRow(int row) {
        window->profileList()->selectionModel()->setCurrentIndex(
            window->profileModel()->index(row), QItemSelectionModel::ClearAndSelect);
    }
    QStringList shownNames() const { return test::shownNames(*window); }
};

}  // namespace

TEST_F(MainWindowStartupTest, TheListShowsBeforeTheIndexWhichThenFillsTheStatusLine) {
    create();
    QSignalSpy ready(window.get(), &CCorvaneLauncherDlg::softwareIndexReady);
    bool indexedBeforeList = true;
    QString statusBeforeIndex;
    QObject::connect(window.get(), &CCorvaneLauncherDlg::listLoaded, window.get(), [&] {
        EXPECT_TRUE(window->isVisible());
        EXPECT_TRUE(window->isEnabled());
        indexedBeforeList = app->softwareIndex().isBuilt() || !ready.isEmpty();
        selectRow(0);
        statusBeforeIndex = window->statusLine()->text();
    });
    startWindow(*window);
    EXPECT_FALSE(indexedBeforeList);
    EXPECT_EQ(window->profileModel()->rowCount(), 3);
    EXPECT_EQ(statusBeforeIndex, QStringLiteral("0 KB"));
    // The selected profile's status line follows once the index is in place.
    ASSERT_TRUE(received(ready));
    EXPECT_EQ(window->statusLine()->text(), QStringLiteral("Konami 1986 - 0 KB"));
    EXPECT_TRUE(prompter.messages.empty());
}

TEST_F(MainWindowStartupTest, AFilterChosenBeforeTheIndexWaitsForIt) {
    create();
    QSignalSpy ready(window.get(), &CCorvaneLauncherDlg::softwareIndexReady);
    // Without the event loop the window cannot have taken the index yet.
    window->initialise();
    window->loadList();
    ASSERT_TRUE(app->softwareIndexPending());
    app->filter().set(FilterCriterion::Company, "Konami");
    window->loadList();
    EXPECT_FALSE(app->softwareIndexPending());
    const QStringList early = shownNames();
    EXPECT_EQ(early, (QStringList{QStringLiteral("Abc"), QStringLiteral("Own")}));
    ASSERT_TRUE(received(ready));
    window->loadList();
    EXPECT_EQ(shownNames(), early);
    QCoreApplication::processEvents();
    EXPECT_EQ(ready.size(), 1);
}

TEST_F(MainWindowStartupTest, ClosingWhileTheIndexIsReadIsSafe) {
    // Enough that the build still runs when the window goes.
    std::string xml = "<db>";
    for (int i = 0; i < 5000; ++i)
        xml += software("More", "More", ("more" + std::to_string(i)).c_str());
    for (int file = 0; file < 6; ++file)
        emulator.addDatabase("more" + std::to_string(file) + ".xml", xml + "</db>");
    create();
    startWindow(*window);
    window->close();
    window.reset();
    // The build ends with no window left to tell.
    ASSERT_TRUE(app->waitForSoftwareIndex(std::chrono::minutes(2)));
    QCoreApplication::processEvents();
    app.reset();
    EXPECT_TRUE(prompter.messages.empty());

    // Everything closed at once: the build is stopped and its thread joined.
    create();
    window->initialise();
    window.reset();
    app.reset();
    EXPECT_TRUE(prompter.messages.empty());
}

TEST_F(MainWindowStartupTest, NoDatabasesIsReportedOnceAfterTheListShows) {
    emulator.removeDatabasesDirectory();
    emulator.write("Databases/readme.txt", "");
    create();
    QSignalSpy ready(window.get(), &CCorvaneLauncherDlg::softwareIndexReady);
    size_t messagesAtList = 1;
    QObject::connect(window.get(), &CCorvaneLauncherDlg::listLoaded, window.get(),
                     [&] { messagesAtList = prompter.messages.size(); });
    startWindow(*window);
    EXPECT_EQ(messagesAtList, 0u);
    ASSERT_TRUE(received(ready));
    ASSERT_EQ(prompter.messages.size(), 1u);
    EXPECT_EQ(prompter.messages[0].text, "No databases found in Corvane");
    app->filter().set(FilterCriterion::Company, "Konami");
    window->loadList();
    QCoreApplication::processEvents();
    EXPECT_EQ(prompter.messages.size(), 1u);
}
