// SPDX-License-Identifier: GPL-3.0-or-later
// The main window handing files to the desktop, and its launch shortcuts and command-line window.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDeadlineTimer>
#include <QKeyEvent>
#include <QListView>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTextBlock>
#include <QTextLayout>
#include <QThread>
#include <filesystem>
#include <functional>

#include "app/CCorvaneLauncherApp.h"
#include "emulator/EmulatorHandler.h"
#include "support/FakeEmulator.h"
#include "support/ScopedVariable.h"
#include "support/ScriptedPrompter.h"
#include "support/TempDir.h"
#include "ui/KeyPress.h"
#include "ui/ModalDriver.h"
#include "ui/WindowStart.h"
#include "ui/main/CCorvaneLauncherDlg.h"
#include "ui/main/CommandLineOutputDlg.h"
#include "ui/main/ProfileListModel.h"

using namespace corvane;
using namespace corvane::test;

namespace {

// Lets the window's event loop run until the condition holds; bounded so that a report that
// never arrives fails the test instead of hanging it.
bool processEventsUntil(const std::function<bool()>& condition) {
    QDeadlineTimer deadline(30000);
    while (!condition() && !deadline.hasExpired()) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        QThread::msleep(2);
    }
    return condition();
}

class MainWindowDesktopTest : public ::testing::Test {
protected:
    // The desktop's helpers are stand-ins in a folder of their own, found before the system's.
    MainWindowDesktopTest() : path_("PATH", tools.path() + ":/usr/bin:/bin") {}

    void start(const std::string& settings, const Game& profile) {
        dir.write("settings.ini", settings);
        dir.write("Games.db", profile.ToLine() + "\r\n");
        app = std::make_unique<CCorvaneLauncherApp>(dir.path(), prompter);
        window = std::make_unique<CCorvaneLauncherDlg>(*app);
        startWindow(*window);
        window->profileList()->setFocus();
        window->profileList()->selectionModel()->setCurrentIndex(
            window->profileModel()->index(0), QItemSelectionModel::ClearAndSelect);
    }
    // A helper that logs its arguments, one line per call, and exits with the status.
    void addTool(const std::string& name, int status, const std::string& before = "") {
        writeScript(tools, name,
                    before + "printf '%s\\n' \"$*\" >> '" + tools.file(name + ".log") + "'\nexit " +
                        std::to_string(status) + "\n");
    }
    std::string toolLog(const std::string& name) const {
        std::error_code ec;
        if (!std::filesystem::exists(tools.file(name + ".log"), ec))
            return {};
        return readFile(tools.file(name + ".log"));
    }
    std::vector<std::string> shownTexts() const {
        std::vector<std::string> texts;
        for (const auto& m : prompter.messages)
            texts.push_back(m.text);
        return texts;
    }
    void press(int key, Qt::KeyboardModifiers mods) { typeKey(window->profileList(), key, mods); }

    TempDir dir;
    TempDir tools;
    ScriptedPrompter prompter;
    std::unique_ptr<CCorvaneLauncherApp> app;
    std::unique_ptr<CCorvaneLauncherDlg> window;

private:
    ScopedVariable path_;
};

// Settings with the default viewer for info files and nothing else set.
const std::string kDefaultViewer =
    "\r\n\r\nGames\r\n\r\n0\r\n0\r\nPNG\r\n1\r\n0\r\n\r\n0\r\n\r\n\r\n0\r\n1\r\n";

}  // namespace

TEST_F(MainWindowDesktopTest, AnInfoFileThatIsMissingOrThatNothingOpensIsReported) {
    addTool("xdg-open", 0);
    Game g;
    g.name = "Knightmare";
    g.infoFile = dir.file("docs/missing manual.txt");
    start(kDefaultViewer, g);
    window->showInfo();
    ASSERT_TRUE(processEventsUntil([&] { return !prompter.messages.empty(); }));
    EXPECT_EQ(shownTexts(), std::vector<std::string>{"Error starting the info viewer"});
    EXPECT_EQ(toolLog("xdg-open"), "");  // never handed over

    // The file is there, but the desktop's opener finds nothing to open it with.
    dir.write("docs/missing manual.txt", "manual");
    addTool("xdg-open", 4);
    window->showInfo();
    ASSERT_TRUE(processEventsUntil([&] { return prompter.messages.size() == 2; }));
    EXPECT_EQ(prompter.messages[1].text, "Error starting the info viewer");
    EXPECT_EQ(toolLog("xdg-open"), g.infoFile + "\n");
}

TEST_F(MainWindowDesktopTest, ExploreWaitsForTheFileManagerWithoutHoldingTheWindow) {
    // The file manager answers only once the test, running on the window's thread, lets it.
    const std::string go = tools.file("go");
    addTool("dbus-send", 0, "while [ ! -e '" + go + "' ]; do sleep 0.01; done\n");
    addTool("xdg-open", 0);
    Game g;
    g.name = "Knightmare";
    g.slot1File = dir.write("roms/knightmare.rom", "rom");
    start(kDefaultViewer, g);
    window->explore();
    tools.write("go", "");
    ASSERT_TRUE(processEventsUntil([&] { return !toolLog("dbus-send").empty(); }));
    EXPECT_NE(toolLog("dbus-send").find("file://" + dir.file("roms/knightmare.rom")),
              std::string::npos);

    // A medium in a folder that does not exist shows nothing, and says so.
    std::filesystem::remove(go);
    std::filesystem::remove_all(dir.file("roms"));
    window->explore();
    ASSERT_TRUE(processEventsUntil([&] { return !prompter.messages.empty(); }));
    EXPECT_EQ(shownTexts(), std::vector<std::string>{"Error starting the file manager"});
    EXPECT_EQ(toolLog("xdg-open"), "");
}

TEST_F(MainWindowDesktopTest, LaunchShortcutsTryEmulatorsWithoutAPath) {
    FakeEmulator emulator;
    Game g;
    g.name = "Knightmare";
    g.slot1File = dir.write("roms/knightmare.rom", "rom");
    start(emulator.path() + "\r\n\r\nGames\r\n", g);
    // The index is built in the background; its message must come before the keys are tried.
    QSignalSpy indexed(window.get(), &CCorvaneLauncherDlg::softwareIndexReady);
    ASSERT_TRUE(!app->softwareIndexPending() || received(indexed));
    ASSERT_TRUE(app->settings().openMsxDirectory.empty());
    ASSERT_TRUE(app->settings().fmsxDirectory.empty());
    prompter.messages.clear();  // the installation has no software databases
    press(Qt::Key_O, Qt::ControlModifier | Qt::AltModifier);
    press(Qt::Key_L, Qt::ControlModifier | Qt::AltModifier);
    EXPECT_EQ(shownTexts(), std::vector<std::string>(2, "Error starting the emulator"));

    // The command-line window shows which emulator each key tried.
    app->flags().showCommandLine = true;
    std::vector<QString> shown;
    for (int key : {Qt::Key_O, Qt::Key_L}) {
        onNextModal([&shown](QDialog* dialog) {
            shown.push_back(dialog->findChild<QPlainTextEdit*>()->toPlainText());
            dialog->accept();
        });
        press(key, Qt::ControlModifier | Qt::AltModifier);
    }
    ASSERT_EQ(shown.size(), 2u);
    EXPECT_EQ(shown[0].toStdString(),
              "\"openmsx\"" + EmulatorHandler::openMsxArguments(g, app->settings()).text());
    EXPECT_EQ(shown[1].toStdString(),
              "\"fmsx\"" + EmulatorHandler::fmsxArguments(g, app->settings()).text());
    EXPECT_EQ(shownTexts(), std::vector<std::string>(4, "Error starting the emulator"));
    EXPECT_TRUE(emulator.waitForCalls(0).empty());
}

TEST_F(MainWindowDesktopTest, CommandLineOutputShowsTheWholeLineReadOnly) {
    app = std::make_unique<CCorvaneLauncherApp>(dir.path(), prompter);
    const QString line =
        QStringLiteral("-machine Panasonic_FS-A1GT -carta ") +
        QString::fromUtf8(
            "\"/home/user/MSX/Software collections/Cartridges/Konami/"
            "Knightmare III - Shalom (1987)(Konami)(JP)[RC-743] caf\xc3\xa9.rom\"") +
        QStringLiteral(" -ext fmpac -ext scc+ -diska /") + QString(300, QLatin1Char('x'));
    for (bool launch : {true, false}) {
        CommandLineOutputDlg dialog(app->languages(), line);
        dialog.show();
        QPlainTextEdit* box = dialog.findChild<QPlainTextEdit*>();
        ASSERT_NE(box, nullptr);
        EXPECT_EQ(box->toPlainText(), line);
        EXPECT_TRUE(box->isReadOnly());
        EXPECT_TRUE(box->textInteractionFlags() & Qt::TextSelectableByKeyboard);
        // Every line of it fits the box, a path without blanks too.
        QApplication::processEvents();
        const QTextLayout* wrapped = box->document()->firstBlock().layout();
        EXPECT_GT(wrapped->lineCount(), 2);
        for (int i = 0; i < wrapped->lineCount(); ++i)
            EXPECT_LE(wrapped->lineAt(i).naturalTextWidth(), box->viewport()->width());
        // Enter launches, Esc cancels, as before, with the box holding the focus.
        box->setFocus();
        QKeyEvent key(QEvent::KeyPress, launch ? Qt::Key_Return : Qt::Key_Escape, Qt::NoModifier);
        QApplication::sendEvent(box, &key);
        EXPECT_EQ(dialog.result(), launch ? QDialog::Accepted : QDialog::Rejected);
        EXPECT_FALSE(dialog.isVisible());
    }
}
