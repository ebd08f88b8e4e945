// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/tools/SHA1Calculator.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTest>

#include "app/CCorvaneLauncherApp.h"
#include "i18n/MenuIds.h"
#include "media/MediaHash.h"
#include "model/Game.h"
#include "support/FakeEmulator.h"
#include "support/RecordingShell.h"
#include "support/RecordingStarter.h"
#include "support/ScriptedPrompter.h"
#include "support/TempDir.h"
#include "ui/ChooserAndDrop.h"
#include "ui/FillFixture.h"
#include "ui/KeyPress.h"
#include "ui/ModalDriver.h"
#include "ui/WindowStart.h"
#include "ui/common/TextCodec.h"
#include "ui/main/CCorvaneLauncherDlg.h"
#include "ui/properties/GamePropertiesDlg.h"
#include "ui/settings/PathEdit.h"

namespace corvane {
namespace {

using namespace corvane::test;

std::string profileLine(const std::string& name, const std::string& rom) {
    Game game;
    game.name = name;
    game.slot1File = rom;
    return game.ToLine() + "\r\n";
}

class SHA1CalculatorTest : public ::testing::Test {
protected:
    SHA1CalculatorTest() {
        rom = dir.write("media/knight.rom", "knightmare bytes");
        sha1 = MediumSha1(rom, "");
        dir.write("settings.ini", emulator.path() + "\r\n\r\nAlpha\r\n");
        dir.write("Alpha.db", profileLine("Plain", dir.file("media/none.rom")));
        dir.write("Beta.db", profileLine("Knight in Beta", rom));
        dir.write("Gamma.db", profileLine("Knight in Gamma", rom));
        emulator.addDatabase("konami.xml",
                             "<db><software><title>Knightmare</title><system>MSX</system><dump>"
                             "<rom><hash algo=\"sha1\">" +
                                 sha1 + "</hash></rom></dump></software></db>");
        app = std::make_unique<CCorvaneLauncherApp>(dir.path(), prompter,
                                                    std::make_unique<RecordingStarter>(),
                                                    std::make_unique<RecordingShell>());
        app->loadSettings();
    }
    std::unique_ptr<SHA1Calculator> open(Sha1CenterOperation& operation) {
        auto dialog = std::make_unique<SHA1Calculator>(
            Sha1CenterSetup{operation, [this](const CorvaneDBEntry& entry,
                                              QWidget*) { shownEntries.push_back(entry); }},
            prompter, app->languages());
        dialog->show();
        return dialog;
    }
    Sha1CenterOperation operation() {
        return Sha1CenterOperation(app->store(), app->sha1Cache(), app->softwareSources(),
                                   app->texts());
    }

    TempDir dir;
    FakeEmulator emulator;
    ScriptedPrompter prompter;
    std::unique_ptr<CCorvaneLauncherApp> app;
    std::string rom;
    std::string sha1;
    std::vector<CorvaneDBEntry> shownEntries;
};

}  // namespace

TEST_F(SHA1CalculatorTest, ControlsStartAsTheyShouldAndTheFileComesFromChooserOrDrop) {
    Sha1CenterOperation use = operation();
    auto dlg = open(use);
    EXPECT_EQ(dlg->windowTitle(), QStringLiteral("SHA1 Center"));
    EXPECT_TRUE(dlg->path()->text().isEmpty());
    EXPECT_TRUE(dlg->sha1()->text().isEmpty());
    EXPECT_FALSE(dlg->findBySha1()->isChecked());
    EXPECT_TRUE(dlg->launcherTarget()->isChecked());
    for (QWidget* control : std::initializer_list<QWidget*>{
             dlg->launcherTarget(), dlg->corvaneTarget(), dlg->findButton()})
        EXPECT_FALSE(control->isEnabled());
    dlg->findBySha1()->click();
    for (QWidget* control : std::initializer_list<QWidget*>{
             dlg->launcherTarget(), dlg->corvaneTarget(), dlg->findButton()})
        EXPECT_TRUE(control->isEnabled());
    dlg->findBySha1()->click();
    EXPECT_FALSE(dlg->findButton()->isEnabled());

    EXPECT_EQ(
        dlg->chooserFilters(),
        (QStringList{QStringLiteral("ROM Image (*.rom *.ri *.mx1 *.mx2 *.col *.sc *.sg *.sms)"),
                     QStringLiteral("Disk Image (*.dsk *.di1 *.di2 *.360 *.720 *.sf7)"),
                     QStringLiteral("Tape Image (*.cas *.wav)"), QStringLiteral("All Files (*)")}));
    answerNextChooser([this](QFileDialog& chooser) {
        typeInto(chooser, fromBytes(rom));
        static_cast<QDialog&>(chooser).accept();
    });
    QTest::mouseClick(dlg->browseButton(), Qt::LeftButton);
    EXPECT_EQ(toBytes(dlg->path()->text()), rom);

    const std::string other = dir.write("media/other.dsk", "disk");
    EXPECT_TRUE(dropUrls(dlg->path(), {QUrl::fromLocalFile(fromBytes(other))}));
    EXPECT_EQ(toBytes(dlg->path()->text()), other);
}

TEST_F(SHA1CalculatorTest, CalculateAndFindInTheLauncherAskBeforeGoingToTheFirstHit) {
    Sha1CenterOperation use = operation();
    auto dlg = open(use);
    dlg->path()->setText(fromBytes(dir.file("media/missing.rom")));
    dlg->sha1()->setText(QStringLiteral("old"));
    QTest::mouseClick(dlg->calculateButton(), Qt::LeftButton);
    EXPECT_EQ(dlg->sha1()->text(), QString());
    EXPECT_TRUE(prompter.messages.empty());

    // Find hashes the file, whatever the SHA-1 field holds, and does nothing without one.
    dlg->findBySha1()->click();
    dlg->sha1()->setText(QStringLiteral("typed"));
    QTest::mouseClick(dlg->findButton(), Qt::LeftButton);
    EXPECT_EQ(dlg->sha1()->text(), QStringLiteral("typed"));
    EXPECT_TRUE(prompter.messages.empty());
    EXPECT_TRUE(prompter.confirmations.empty());

    dlg->path()->setText(fromBytes(rom));
    prompter.confirmAnswers = {false};
    QTest::mouseClick(dlg->findButton(), Qt::LeftButton);
    EXPECT_EQ(toBytes(dlg->sha1()->text()), sha1);
    EXPECT_EQ(prompter.confirmations,
              std::vector<std::string>{"Profile was found. Close this Window and locate selected "
                                       "profile in main Launcher Window?"});
    EXPECT_TRUE(dlg->isVisible());
    EXPECT_FALSE(dlg->located());

    QTest::mouseClick(dlg->findButton(), Qt::LeftButton);
    EXPECT_EQ(dlg->result(), QDialog::Accepted);
    ASSERT_TRUE(dlg->located());
    EXPECT_EQ(*dlg->located(), (LauncherHit{"Beta", "Knight in Beta"}));
}

TEST_F(SHA1CalculatorTest, FindInTheEmulatorDatabasesShowsTheEntryOrSaysItIsNotThere) {
    Sha1CenterOperation use = operation();
    auto dlg = open(use);
    dlg->findBySha1()->click();
    dlg->corvaneTarget()->click();
    dlg->path()->setText(fromBytes(rom));
    QTest::mouseClick(dlg->findButton(), Qt::LeftButton);
    ASSERT_EQ(shownEntries.size(), 1u);
    EXPECT_EQ(shownEntries[0].title, "Knightmare");
    EXPECT_EQ(shownEntries[0].database, "konami.xml");
    EXPECT_TRUE(dlg->isVisible());

    dlg->path()->setText(fromBytes(dir.write("media/unknown.rom", "unknown")));
    QTest::mouseClick(dlg->findButton(), Qt::LeftButton);
    EXPECT_EQ(shownEntries.size(), 1u);
    ASSERT_EQ(prompter.messages.size(), 1u);
    EXPECT_EQ(prompter.messages[0].text, "Profile was not found in Corvane database");
    EXPECT_EQ(prompter.messages[0].kind, MessageKind::Info);
}

TEST_F(SHA1CalculatorTest, CancelLeavesTheFieldAndTellsNothing) {
    Sha1CenterOperation use = operation();
    auto dlg = open(use);
    dlg->findBySha1()->click();
    dlg->path()->setText(fromBytes(rom));
    dlg->sha1()->setText(QStringLiteral("kept"));
    FirstFileGate gate;
    bool acted = false;
    dlg->run().setWindowSetup(gate.setup([&](ProgressWindow& window) {
        acted = true;
        EXPECT_EQ(window.windowTitle(), QStringLiteral("Searching Launcher..."));
        EXPECT_FALSE(dlg->isEnabled());
        typeKey(&window, Qt::Key_Escape);
    }));
    QTest::mouseClick(dlg->findButton(), Qt::LeftButton);
    EXPECT_TRUE(acted);
    EXPECT_EQ(dlg->sha1()->text(), QStringLiteral("kept"));
    EXPECT_TRUE(prompter.messages.empty());
    EXPECT_TRUE(prompter.confirmations.empty());
    EXPECT_TRUE(dlg->isEnabled());
    EXPECT_TRUE(dlg->isVisible());
}

TEST_F(SHA1CalculatorTest, TheToolsMenuOpensItAndALauncherHitIsLocatedInTheWindow) {
    CCorvaneLauncherDlg window(*app);
    startWindow(window);
    EXPECT_EQ(app->store().currentDatabaseName(), "Alpha");
    QString opened;
    QStringList tabs;
    onNextModal([&](QDialog* dialog) {
        opened = QString::fromLatin1(dialog->metaObject()->className());
        auto* center = qobject_cast<SHA1Calculator*>(dialog);
        if (!center) {
            dialog->reject();
            return;
        }
        center->path()->setText(fromBytes(rom));
        center->findBySha1()->click();
        center->corvaneTarget()->click();
        onNextModal([&tabs](QDialog* view) {
            if (auto* properties = qobject_cast<GamePropertiesDlg*>(view))
                for (int i = 0; i < properties->tabs()->count(); ++i)
                    tabs << properties->tabs()->tabText(i);
            view->accept();
        });
        QTest::mouseClick(center->findButton(), Qt::LeftButton);
        center->launcherTarget()->click();
        QTest::mouseClick(center->findButton(), Qt::LeftButton);
    });
    QSignalSpy loaded(&window, &CCorvaneLauncherDlg::listLoaded);
    window.action(kMenuSha1Center)->trigger();
    EXPECT_EQ(opened, QStringLiteral("corvane::SHA1Calculator"));
    EXPECT_EQ(tabs, QStringList{QStringLiteral("Corvane Database")});
    EXPECT_EQ(app->store().currentDatabaseName(), "Beta");
    EXPECT_EQ(window.selectedNames(), std::vector<std::string>{"Knight in Beta"});
}

}  // namespace corvane
