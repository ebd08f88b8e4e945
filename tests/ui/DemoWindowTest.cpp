// SPDX-License-Identifier: GPL-3.0-or-later
// The main window on the demo base directory, as `make run` starts it the first time.
#include <gtest/gtest.h>

#include <QImage>
#include <QLabel>
#include <QListView>
#include <QPixmap>
#include <QPushButton>
#include <QSignalSpy>

#include "app/CCorvaneLauncherApp.h"
#include "demo/DemoFixture.h"
#include "model/Settings.h"
#include "support/FakeEmulator.h"
#include "support/RecordingShell.h"
#include "support/RecordingStarter.h"
#include "support/ScopedWorkingDirectory.h"
#include "support/ScriptedPrompter.h"
#include "ui/KeyPress.h"
#include "ui/WindowStart.h"
#include "ui/main/CCorvaneLauncherDlg.h"
#include "ui/main/ProfileListModel.h"

using namespace corvane;
using namespace corvane::test;

namespace {

using Arguments = std::vector<std::string>;

class DemoWindowTest : public ::testing::Test {
protected:
    DemoWindowTest() : demoDir(generateDemo(dir)), inDemo(demoDir) {}

    void start() {
        auto recording = std::make_unique<RecordingStarter>();
        starter = recording.get();
        app = std::make_unique<CCorvaneLauncherApp>(demoDir, prompter, std::move(recording),
                                                    std::make_unique<RecordingShell>());
        window = std::make_unique<CCorvaneLauncherDlg>(*app);
        indexReady =
            std::make_unique<QSignalSpy>(window.get(), &CCorvaneLauncherDlg::softwareIndexReady);
        startWindow(*window);
    }
    int rows() const { return window->profileModel()->rowCount(); }
    void select(const std::string& name) {
        for (int row = 0; row < rows(); ++row) {
            if (window->profileModel()->profileAtRow(row)->name == name) {
                window->profileList()->selectionModel()->setCurrentIndex(
                    window->profileModel()->index(row), QItemSelectionModel::ClearAndSelect);
                return;
            }
        }
        ADD_FAILURE() << "no profile " << name;
    }
    std::string status() const { return window->statusLine()->text().toStdString(); }
    // The two screenshot panels, top first.
    std::vector<QImage> screenshots() const {
        std::vector<QImage> shown;
        for (QLabel* label : window->findChildren<QLabel*>()) {
            if (label->size() == QSize(272, 240))
                shown.push_back(label->pixmap().toImage().convertToFormat(QImage::Format_RGB32));
        }
        return shown;
    }
    static QImage picture(const std::string& path) {
        return QImage(QString::fromStdString(path)).convertToFormat(QImage::Format_RGB32);
    }
    RecordingStarter::Started launchOnOpenMsx(const std::string& name) {
        select(name);
        const size_t before = starter->started.size();
        typeKey(window->profileList(), Qt::Key_O, Qt::ControlModifier | Qt::AltModifier);
        EXPECT_EQ(starter->started.size(), before + 1) << name;
        return starter->started.empty() ? RecordingStarter::Started{} : starter->started.back();
    }

    TempDir dir;
    std::string demoDir;
    ScopedWorkingDirectory inDemo;
    ScriptedPrompter prompter;
    RecordingStarter* starter = nullptr;
    std::unique_ptr<CCorvaneLauncherApp> app;
    std::unique_ptr<CCorvaneLauncherDlg> window;
    std::unique_ptr<QSignalSpy> indexReady;
};

}  // namespace

TEST_F(DemoWindowTest, ShowsTheCollectionWithItsDataAndScreenshots) {
    start();
    EXPECT_EQ(rows(), 7);

    select("Hello MSX");
    EXPECT_EQ(status(), "Corvane Demo 2025 - 16 KB");
    const std::vector<QImage> shown = screenshots();
    ASSERT_EQ(shown.size(), 2u);
    EXPECT_EQ(shown[0], picture("screenshots/hello-msx-1.png"));
    EXPECT_EQ(shown[1], picture("screenshots/hello-msx-2.png"));
    EXPECT_TRUE(window->infoButton()->isEnabled());

    // Pictures of a profile without its own come from the emulator's screenshot folder.
    select("SCC in Slot 2");
    EXPECT_EQ(status(), "Corvane Demo 2024 - 16 KB");
    EXPECT_EQ(screenshots()[0], picture("Corvane/Screenshots/scc-in-slot-2_0000.PNG"));
    EXPECT_EQ(screenshots()[1], picture("Corvane/Screenshots/scc-in-slot-2_0001.PNG"));

    select("Demo Hard Disk");
    EXPECT_EQ(status(), "Corvane Demo 2025 - 1024 KB");
    select("Demo Disk");
    EXPECT_EQ(status(), "Corvane Demo 2024 - 720 KB");
    // Its data lives in the emulator's software database, which needs the emulator.
    select("Hello from a ZIP");
    EXPECT_EQ(status(), "16 KB");
    EXPECT_TRUE(prompter.messages.empty());
}

TEST_F(DemoWindowTest, CtrlAltOStartsOpenMsxWithTheExactArguments) {
    start();
    const RecordingStarter::Started hello = launchOnOpenMsx("Hello MSX");
    EXPECT_EQ(hello.program, "/usr/bin/openmsx");
    EXPECT_EQ(hello.arguments,
              (Arguments{"-carta", "media/hello-msx.rom", "-machine", "C-BIOS_MSX2"}));
    EXPECT_EQ(launchOnOpenMsx("Hello from a ZIP").arguments,
              (Arguments{"-carta", "media/hello-from-a-zip.zip", "-machine", "C-BIOS_MSX2"}));
    EXPECT_EQ(launchOnOpenMsx("Two Cartridges").arguments,
              (Arguments{"-carta", "media/two-cartridges.rom", "-cartb", "media/companion.rom",
                         "-machine", "C-BIOS_MSX2"}));
    EXPECT_EQ(
        launchOnOpenMsx("SCC in Slot 2").arguments,
        (Arguments{"-carta", "media/scc-in-slot-2.rom", "-machine", "C-BIOS_MSX2", "-ext", "scc"}));
    EXPECT_EQ(launchOnOpenMsx("Demo Tape").arguments,
              (Arguments{"-cartb", "media/demo-tape-greeter.rom", "-cassetteplayer",
                         "media/demo-tape.cas", "-machine", "C-BIOS_MSX2"}));
    EXPECT_EQ(launchOnOpenMsx("Demo Disk").arguments,
              (Arguments{"-diska", "media/demo-disk.zip", "-machine", "C-BIOS_MSX2"}));
    EXPECT_EQ(launchOnOpenMsx("Demo Hard Disk").arguments,
              (Arguments{"-hda", "media/demo-harddisk.dsk", "-machine", "C-BIOS_MSX2"}));
    for (const RecordingStarter::Started& started : starter->started)
        EXPECT_EQ(started.program, "/usr/bin/openmsx");
    EXPECT_TRUE(prompter.messages.empty());
}

TEST_F(DemoWindowTest, WithTheEmulatorInstalledItsSoftwareDatabaseDescribesTheDemo) {
    FakeEmulator emulator;
    emulator.addDatabase("demo.xml", readFile(demo::DemoGenerator::kSoftwareDatabase));
    Settings settings = loadSettings(demoDir);
    settings.emulatorDirectory = emulator.path();
    ASSERT_TRUE(saveSettings(demoDir, settings));
    start();
    ASSERT_TRUE(received(*indexReady));
    select("Hello from a ZIP");
    EXPECT_EQ(status(), "Corvane Demo 2025 - 16 KB");
    EXPECT_TRUE(prompter.messages.empty());
}
