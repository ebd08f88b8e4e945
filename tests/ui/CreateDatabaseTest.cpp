// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/tools/CreateDatabase.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <filesystem>
#include <thread>

#include "ui/ChooserAndDrop.h"
#include "ui/FillFixture.h"
#include "ui/KeyPress.h"
#include "ui/common/ProgressWindow.h"
#include "ui/common/TextCodec.h"
#include "ui/tools/PathList.h"

namespace corvane {
namespace {

using test::readFile;

QStringList items(const QComboBox* combo) {
    QStringList out;
    for (int i = 0; i < combo->count(); ++i)
        out << combo->itemText(i);
    return out;
}

class CreateDatabaseTest : public test::FillFixture {
protected:
    std::unique_ptr<CreateDatabase> open() {
        if (!app)
            startApp();
        auto dlg = std::make_unique<CreateDatabase>(setup(), app->prompter(), app->languages());
        dlg->show();
        return dlg;
    }
    // The enabled states of the existing side and of the new name.
    std::vector<bool> targetSide(const CreateDatabase& dlg) const {
        return {dlg.existingTarget()->isEnabled(), dlg.databases()->isEnabled(),
                dlg.addModeLabel()->isEnabled(),   dlg.addMode()->isEnabled(),
                dlg.backup()->isEnabled(),         dlg.newName()->isEnabled()};
    }
    std::optional<OperationResult> pressOk(CreateDatabase& dlg) {
        return runToEnd(dlg.run(), [&dlg] { QTest::mouseClick(dlg.okButton(), Qt::LeftButton); });
    }
    void chooseFolder(CreateDatabase& dlg, const std::string& folder) {
        test::answerNextChooser([folder](QFileDialog& chooser) {
            chooser.setDirectory(fromBytes(folder));
            static_cast<QDialog&>(chooser).accept();
        });
        QTest::mouseClick(dlg.addDirectoryButton(), Qt::LeftButton);
    }
};

TEST_F(CreateDatabaseTest, WithoutADatabaseOnlyANewOneCanBeFilled) {
    writeSettings("");
    auto dlg = open();
    EXPECT_EQ(dlg->windowTitle(), QStringLiteral("Fill Database"));
    EXPECT_TRUE(dlg->newTarget()->isChecked());
    EXPECT_EQ(targetSide(*dlg), (std::vector<bool>{false, false, false, false, false, true}));
    QTest::keyClicks(dlg->newName(), QStringLiteral("abcdefghijklmnopqrstuvwxyz0123"));
    EXPECT_EQ(dlg->newName()->text(), QStringLiteral("abcdefghijklmnopqrstuvwxy"));
}

TEST_F(CreateDatabaseTest, AnEmulatorWithoutMachinesStillGivesTheUsualOne) {
    const test::TempDir bare;
    writeSettings("", bare.path());
    auto dlg = open();
    EXPECT_EQ(items(dlg->machine()), QStringList{QStringLiteral("MSX2 - C-BIOS")});
    EXPECT_EQ(dlg->machine()->currentText(), QStringLiteral("MSX2 - C-BIOS"));
}

TEST_F(CreateDatabaseTest, ChoicesStartAsTheyShouldAndTheTargetSidesSwitch) {
    dir.write("Games.db", line("A"));
    dir.write("Arcade.db", "");
    writeSettings("Games");
    auto dlg = open();
    EXPECT_TRUE(dlg->existingTarget()->isChecked());
    EXPECT_EQ(items(dlg->databases()),
              (QStringList{QStringLiteral("Arcade"), QStringLiteral("Games")}));
    EXPECT_EQ(dlg->databases()->currentText(), QStringLiteral("Games"));
    EXPECT_EQ(targetSide(*dlg), (std::vector<bool>{true, true, true, true, true, false}));
    EXPECT_EQ(items(dlg->addMode()), (QStringList{QStringLiteral("Append to database"),
                                                  QStringLiteral("Overwrite database")}));
    EXPECT_EQ(dlg->addMode()->currentIndex(), 0);
    EXPECT_EQ(items(dlg->naming()),
              (QStringList{QStringLiteral("Use file name"), QStringLiteral("Get from Corvane")}));
    EXPECT_EQ(dlg->naming()->currentIndex(), 0);
    EXPECT_EQ(items(dlg->machine()).size(), 2);
    EXPECT_EQ(dlg->machine()->currentText(), QStringLiteral("MSX2 - C-BIOS"));
    QStringList ticked;
    for (QCheckBox* box : dlg->findChildren<QCheckBox*>())
        if (box->isChecked())
            ticked << box->text();
    ticked.sort();
    EXPECT_EQ(ticked,
              (QStringList{QStringLiteral("Backup existing database"), QStringLiteral("Disk"),
                           QStringLiteral("Import extra profile data"), QStringLiteral("ROM"),
                           QStringLiteral("Search subdirectories"), QStringLiteral("Tape"),
                           QStringLiteral("ZIP files")}));
    EXPECT_EQ(dlg->addModeLabel()->text(), QStringLiteral("Add mode :"));

    QTest::mouseClick(dlg->newTarget(), Qt::LeftButton);
    EXPECT_EQ(targetSide(*dlg), (std::vector<bool>{true, false, false, false, false, true}));
    QTest::mouseClick(dlg->existingTarget(), Qt::LeftButton);
    EXPECT_EQ(targetSide(*dlg), (std::vector<bool>{true, true, true, true, true, false}));
}

TEST_F(CreateDatabaseTest, DirectoryListAndRefusalsKeepTheDialogOpen) {
    dir.write("Games.db", line("A"));
    writeSettings("Games");
    auto dlg = open();
    QTest::mouseClick(dlg->okButton(), Qt::LeftButton);
    chooseFolder(*dlg, media.path());
    chooseFolder(*dlg, media.path());
    EXPECT_EQ(dlg->directories()->paths(), std::vector<std::string>{media.path()});
    for (QCheckBox* box : {dlg->medium(0), dlg->medium(1), dlg->medium(2), dlg->medium(3)})
        box->setChecked(false);
    QTest::mouseClick(dlg->okButton(), Qt::LeftButton);
    dlg->medium(2)->setChecked(true);
    dlg->databases()->setCurrentIndex(-1);
    QTest::mouseClick(dlg->okButton(), Qt::LeftButton);

    QTest::mouseClick(dlg->newTarget(), Qt::LeftButton);
    dlg->newName()->setText(QStringLiteral("   "));
    QTest::mouseClick(dlg->okButton(), Qt::LeftButton);
    dlg->newName()->setText(QStringLiteral(" Games "));
    QTest::mouseClick(dlg->okButton(), Qt::LeftButton);

    EXPECT_EQ(shownTexts(), (std::vector<std::string>{
                                "No directories selected", "Directory already exists",
                                "No medium selected", "No database selected",
                                "No new database was entered", "Database name already exists"}));
    for (const auto& shown : prompter.messages)
        EXPECT_EQ(shown.kind, MessageKind::Error);
    EXPECT_TRUE(dlg->isVisible());
    EXPECT_TRUE(dlg->isEnabled());
    EXPECT_FALSE(dlg->run().running());
    EXPECT_EQ(readFile(dir.file("Games.db")), line("A"));

    dlg->directories()->setCurrentRow(0);
    QTest::mouseClick(dlg->removeButton(), Qt::LeftButton);
    EXPECT_TRUE(dlg->directories()->paths().empty());
}

TEST_F(CreateDatabaseTest, AFillMakesTheDatabaseCurrentAndSaysWhatItDid) {
    writeSettings("");
    media.write("Game.rom", "rom");
    media.write("sub/Game.dsk", "disk");
    media.write("sub/deeper/Other.cas", "tape");
    std::filesystem::create_symlink(media.file("gone.rom"), media.file("dangling.rom"));
    auto dlg = open();
    dlg->directories()->addPath(media.path());
    dlg->newName()->setText(QStringLiteral(" Fresh "));
    EXPECT_EQ(pressOk(*dlg), OperationResult::Done);
    EXPECT_EQ(shownTexts(), std::vector<std::string>{
                                "Fresh was created. Number of profiles: 3\nFiles and folders "
                                "passed over because they could not be read: 1"});
    EXPECT_EQ(prompter.messages[0].kind, MessageKind::Message);
    EXPECT_EQ(dlg->result(), QDialog::Accepted);
    EXPECT_FALSE(dlg->isVisible());
    EXPECT_EQ(dlg->run().progressWindow(), nullptr);
    EXPECT_EQ(app->store().currentDatabaseName(), "Fresh");
    std::vector<std::string> names = profileNames("Fresh");
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, (std::vector<std::string>{"Game", "Game__0", "Other"}));

    // Appending takes only what the database lacks, after a backup.
    media.write("New.rom", "new");
    prompter.messages.clear();
    auto again = open();
    again->directories()->addPath(media.path());
    EXPECT_TRUE(again->existingTarget()->isChecked());
    EXPECT_EQ(again->databases()->currentText(), QStringLiteral("Fresh"));
    EXPECT_EQ(pressOk(*again), OperationResult::Done);
    EXPECT_EQ(shownTexts(),
              std::vector<std::string>{"1 new profiles were added to database \"Fresh\"\nFiles and "
                                       "folders passed over because they could not be read: 1"});
    EXPECT_EQ(profileNames("Fresh").size(), 4u);
    EXPECT_TRUE(std::filesystem::exists(dir.file("Fresh_0.db")));
}

TEST_F(CreateDatabaseTest, CancelInTheMiddleLeavesTheDatabaseAndTheDialogAsTheyWere) {
    for (int i = 0; i < 40; ++i)
        media.write("g" + std::to_string(i) + ".rom", std::to_string(i));
    dir.write("Games.db", line("Kept"));
    writeSettings("Games");
    auto dlg = open();
    dlg->directories()->addPath(media.path());
    dlg->backup()->setChecked(false);
    test::FirstFileGate gate;
    bool acted = false;
    dlg->run().setWindowSetup(gate.setup([&](ProgressWindow& scanning) {
        acted = true;
        EXPECT_TRUE(scanning.isVisible());
        EXPECT_EQ(scanning.windowTitle(), QStringLiteral("Scanning..."));
        EXPECT_EQ(scanning.windowModality(), Qt::ApplicationModal);
        EXPECT_FALSE(dlg->isEnabled());
        EXPECT_TRUE(scanning.cancelButton()->isEnabled());
        // Escape asks for what Cancel does.
        test::typeKey(&scanning, Qt::Key_Escape);
        EXPECT_TRUE(scanning.cancelled());
        EXPECT_FALSE(scanning.cancelButton()->isEnabled());
    }));
    std::optional<OperationResult> result =
        runToEnd(dlg->run(), [&] { QTest::mouseClick(dlg->okButton(), Qt::LeftButton); });
    EXPECT_TRUE(acted);
    EXPECT_EQ(result, OperationResult::NothingDone);
    EXPECT_TRUE(shownTexts().empty());
    EXPECT_EQ(readFile(dir.file("Games.db")), line("Kept"));
    EXPECT_TRUE(dlg->isVisible());
    EXPECT_TRUE(dlg->isEnabled());
    EXPECT_EQ(dlg->run().progressWindow(), nullptr);

    // The dialog can run again.
    dlg->run().setWindowSetup({});
    EXPECT_EQ(pressOk(*dlg), OperationResult::Done);
    EXPECT_EQ(shownTexts(),
              std::vector<std::string>{"40 new profiles were added to database \"Games\""});
    EXPECT_EQ(profileNames("Games").size(), 41u);
}

TEST_F(CreateDatabaseTest, AFailedRunIsReportedAndTheDialogStaysOpen) {
    media.write("New.rom", "new");
    dir.write("Games.db", line("Kept"));
    writeSettings("Games");
    std::filesystem::create_directory(dir.file("Games_0.db.tmp"));  // no backup can be made
    auto dlg = open();
    dlg->directories()->addPath(media.path());
    EXPECT_EQ(pressOk(*dlg), OperationResult::BackupFailed);
    dlg->backup()->setChecked(false);
    dlg->addMode()->setCurrentIndex(1);
    std::filesystem::create_directory(dir.file("Games.db.tmp"));  // nor the database rewritten
    EXPECT_EQ(pressOk(*dlg), OperationResult::FileError);
    EXPECT_EQ(shownTexts(),
              (std::vector<std::string>{"Error in I/O operation", "Error in I/O operation"}));
    EXPECT_EQ(readFile(dir.file("Games.db")), line("Kept"));
    EXPECT_TRUE(dlg->isVisible());
    EXPECT_TRUE(dlg->isEnabled());
}

TEST_F(CreateDatabaseTest, NoticesOfTheRunAreShownOnTheWindowsThread) {
    emulator.removeDatabasesDirectory();
    emulator.write("Databases/readme.txt", "no software database here");
    writeSettings("");
    auto dlg = open();
    dlg->newName()->setText(QStringLiteral("Empty"));
    EXPECT_EQ(pressOk(*dlg), OperationResult::Done);
    EXPECT_EQ(shownTexts(), (std::vector<std::string>{app->texts().text("M_ERR_NO_CORVANE_DB"),
                                                      "Empty was created. Number of profiles: 0"}));
    ASSERT_EQ(prompter.threads.size(), 2u);
    EXPECT_EQ(prompter.threads[0], std::this_thread::get_id());
    EXPECT_EQ(readFile(dir.file("Empty.db")), "");
}

}  // namespace
}  // namespace corvane
