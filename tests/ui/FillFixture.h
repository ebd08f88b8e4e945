// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <gtest/gtest.h>

#include <QSignalSpy>
#include <chrono>
#include <condition_variable>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "app/CCorvaneLauncherApp.h"
#include "app/FillOperation.h"
#include "model/DatabaseStore.h"
#include "model/Game.h"
#include "support/FakeEmulator.h"
#include "support/ScriptedPrompter.h"
#include "support/TempDir.h"
#include "ui/common/ProgressWindow.h"
#include "ui/tools/FillChoices.h"
#include "ui/tools/ToolRun.h"

namespace corvane::test {

// Records on which thread each message was shown.
class ThreadRecordingPrompter : public ScriptedPrompter {
public:
    void message(const std::string& text, MessageKind kind) override {
        threads.push_back(std::this_thread::get_id());
        ScriptedPrompter::message(text, kind);
    }
    std::vector<std::thread::id> threads;
};

// Holds a run at its first file while the test acts on the window's thread, with the progress
// window shown, so that a test acts while the run is in the middle.
class FirstFileGate {
public:
    // For ToolRun::setWindowSetup: act runs once the window has appeared and the run has reached
    // its first file; the run goes on when act has returned.
    std::function<void(ProgressWindow&)> setup(std::function<void(ProgressWindow&)> act) {
        return [this, act = std::move(act)](ProgressWindow& window) {
            window.setAppearDelay(std::chrono::milliseconds(0));
            window.setDetailObserver([this] { holdFirst(); });
            QObject::connect(
                &window, &ProgressWindow::appeared, &window,
                [this, act, &window] {
                    waitUntilReached();
                    act(window);
                    release();
                },
                Qt::QueuedConnection);
        };
    }

private:
    // On the worker.
    void holdFirst() {
        std::unique_lock lock(mutex_);
        if (reached_)
            return;
        reached_ = true;
        changed_.notify_all();
        changed_.wait(lock, [this] { return released_; });
    }
    void waitUntilReached() {
        std::unique_lock lock(mutex_);
        changed_.wait(lock, [this] { return reached_; });
    }
    void release() {
        std::lock_guard lock(mutex_);
        released_ = true;
        changed_.notify_all();
    }

    std::mutex mutex_;
    std::condition_variable changed_;
    bool reached_ = false;
    bool released_ = false;
};

// A base directory whose emulator is a fake installation with two machines and a software
// database, a folder of media, and the application over them.
class FillFixture : public ::testing::Test {
protected:
    FillFixture() {
        emulator.addMachine("Alpha", "[Slots]\r\n");
        emulator.addMachine("MSX2 - C-BIOS", "[Slots]\r\n");
        emulator.addDatabase("software.xml", "<softwaredb></softwaredb>\r\n");
    }

    // settings.ini with the emulator and the default database.
    void writeSettings(const std::string& defaultDatabase,
                       const std::optional<std::string>& emulatorPath = std::nullopt) {
        dir.write("settings.ini",
                  emulatorPath.value_or(emulator.path()) + "\r\n\r\n" + defaultDatabase + "\r\n");
    }
    void startApp() {
        app = std::make_unique<CCorvaneLauncherApp>(dir.path(), prompter);
        app->loadSettings();
        fill = std::make_unique<FillOperation>(app->store(), app->favorites(), app->sha1Cache(),
                                               app->texts());
    }
    // What the main window hands to a fill dialog.
    FillSetup setup() { return {*fill, app->softwareSources(), app->machineList()}; }
    static std::string line(const std::string& name, const std::string& rom = {}) {
        Game game;
        game.name = name;
        game.slot1File = rom;
        return game.ToLine() + "\r\n";
    }
    std::vector<std::string> profileNames(const std::string& database) const {
        std::vector<std::string> names;
        for (const Game& game : DatabaseStore::readProfiles(dir.file(database + ".db")))
            names.push_back(game.name);
        return names;
    }
    std::vector<std::string> shownTexts() const {
        std::vector<std::string> texts;
        for (const auto& shown : prompter.messages)
            texts.push_back(shown.text);
        return texts;
    }
    // Runs what click starts to its end; none when no run ended.
    static std::optional<OperationResult> runToEnd(ToolRun& run,
                                                   const std::function<void()>& click) {
        std::optional<OperationResult> result;
        QObject context;
        QObject::connect(&run, &ToolRun::ended, &context,
                         [&result](OperationResult ended) { result = ended; });
        QSignalSpy ended(&run, &ToolRun::ended);
        click();
        if (ended.isEmpty() && !ended.wait(60000))
            return std::nullopt;
        return result;
    }

    TempDir dir;
    TempDir media;
    FakeEmulator emulator;
    ThreadRecordingPrompter prompter;
    std::unique_ptr<CCorvaneLauncherApp> app;
    std::unique_ptr<FillOperation> fill;
};

}  // namespace corvane::test
