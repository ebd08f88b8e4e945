// SPDX-License-Identifier: GPL-3.0-or-later
// An emulator that quits at once is reported by the window; one that runs on is left alone.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QListView>
#include <QTest>
#include <QThread>

#include "app/CCorvaneLauncherApp.h"
#include "model/Settings.h"
#include "support/FakeEmulator.h"
#include "support/Fifo.h"
#include "support/ScriptedPrompter.h"
#include "support/TempDir.h"
#include "ui/WindowStart.h"
#include "ui/main/CCorvaneLauncherDlg.h"

using namespace corvane;
using namespace corvane::test;

namespace {

// Also notes whether each message came on the window's thread, the only one that may show it.
class ThreadNotingPrompter : public ScriptedPrompter {
public:
    void message(const std::string& text, MessageKind kind) override {
        onWindowThread.push_back(QThread::currentThread() ==
                                 QCoreApplication::instance()->thread());
        ScriptedPrompter::message(text, kind);
    }
    std::vector<bool> onWindowThread;
};

}  // namespace

TEST(EmulatorQuitReportTest, TheWindowShowsWhyAnEmulatorQuitAndNeverWaitsForOneThatRuns) {
    TempDir base;
    TempDir corvane;
    TempDir openMsx;
    const std::string fifo = makeFifo(base.file("corvane.fifo"));
    const ReleaseOnExit release({fifo});
    writeScript(corvane, "Corvane", "read go < \"" + fifo + "\"\nexit 0\n");
    writeScript(openMsx, "openmsx",
                "echo 'Fatal error: No disk drive A present to put image' >&2\nexit 1\n");
    Settings settings;
    settings.emulatorDirectory = corvane.path();
    settings.openMsxDirectory = openMsx.path();
    settings.defaultDatabaseName = "Games";
    ASSERT_TRUE(saveSettings(base.path(), settings));
    Game game;
    game.name = "Game";
    game.diskAFile = base.write("game.dsk", "disk");
    base.write("Games.db", game.ToLine() + "\r\n");

    ThreadNotingPrompter prompter;
    CCorvaneLauncherApp app(base.path(), prompter);
    CCorvaneLauncherDlg window(app);
    startWindow(window);
    window.profileList()->setCurrentIndex(window.profileModel()->index(0));

    // Enter returns while the emulator it started waits.
    EXPECT_TRUE(
        endsWithoutWaitingOn({fifo}, [&] { typeKey(window.profileList(), Qt::Key_Return); }));
    typeKey(window.profileList(), Qt::Key_O, Qt::ControlModifier | Qt::AltModifier);
    EXPECT_TRUE(QTest::qWaitFor([&] { return !prompter.messages.empty(); }, 30000));
    ASSERT_EQ(prompter.messages.size(), 1u);
    EXPECT_EQ(prompter.messages[0].text,
              "openmsx quit at once, with exit status 1\n\n"
              "Fatal error: No disk drive A present to put image");
    EXPECT_EQ(prompter.messages[0].kind, MessageKind::Error);
    EXPECT_EQ(prompter.onWindowThread, std::vector<bool>{true});
}
