// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/editor/GameSettingsDlg.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabBar>
#include <QTabWidget>
#include <QUrl>
#include <filesystem>
#include <memory>

#include "app/CCorvaneLauncherApp.h"
#include "emulator/EmulatorHandler.h"
#include "i18n/LanguageIds.h"
#include "i18n/MenuIds.h"
#include "model/DatabaseStore.h"
#include "platform/CommandLine.h"
#include "support/FakeEmulator.h"
#include "support/ScriptedPrompter.h"
#include "support/TempDir.h"
#include "ui/ChooserAndDrop.h"
#include "ui/ModalDriver.h"
#include "ui/common/TextCodec.h"
#include "ui/editor/EditorIds.h"
#include "ui/editor/GameSettingsCorvaneDataDlg.h"
#include "ui/editor/GameSettingsDiskDlg.h"
#include "ui/editor/GameSettingsEmulatorsDlg.h"
#include "ui/editor/GameSettingsGeneralDlg.h"
#include "ui/editor/GameSettingsHarddiskDlg.h"
#include "ui/editor/GameSettingsMoreDlg.h"
#include "ui/editor/GameSettingsRomDlg.h"
#include "ui/editor/GameSettingsScreenshotDlg.h"
#include "ui/editor/GameSettingsTapeDlg.h"
#include "ui/editor/ZipMediumBox.h"
#include "ui/settings/PathRow.h"

namespace corvane {
namespace {

using test::FakeEmulator;
using test::readFile;
using test::ScriptedPrompter;
using test::TempDir;

QString q(const char* utf8) {
    return QString::fromUtf8(utf8);
}

QStringList itemTexts(const QComboBox* box) {
    QStringList texts;
    for (int i = 0; i < box->count(); ++i)
        texts << box->itemText(i);
    return texts;
}

QAction* launchEntry(const GameSettingsDlg& dlg, int id) {
    for (QAction* entry : dlg.launchMenu()->actions())
        if (entry->data().toInt() == id)
            return entry;
    return nullptr;
}

class GameSettingsDlgTest : public ::testing::Test {
protected:
    void SetUp() override {
        emulator.addMachine("MSX2 - C-BIOS", "[Slots]\r\n");
        emulator.addMachine("Sony HB-F1XD", "[Slots]\r\n");
        emulator.addMachine("Broken", "no slots here\r\n");
    }
    // Settings lines after the Corvane Path and the default database Games.
    void start(const std::string& moreSettings = "") {
        dir.write("settings.ini", emulator.path() + "\r\n\r\nGames\r\n" + moreSettings);
        app = std::make_unique<CCorvaneLauncherApp>(dir.path(), prompter);
        app->loadSettings();
    }
    std::unique_ptr<GameSettingsDlg> open(const Game* edited = nullptr) {
        auto dlg = std::make_unique<GameSettingsDlg>(*app, edited);
        dlg->show();
        return dlg;
    }
    std::vector<Game> stored() const { return DatabaseStore::readProfiles(dir.file("Games.db")); }
    std::vector<std::string> messages() const {
        std::vector<std::string> texts;
        for (const ScriptedPrompter::Shown& shown : prompter.messages)
            texts.push_back(shown.text);
        return texts;
    }

    FakeEmulator emulator;
    TempDir dir;
    ScriptedPrompter prompter;
    std::unique_ptr<CCorvaneLauncherApp> app;
};

TEST_F(GameSettingsDlgTest, ANewProfileStartsOnNinePagesWithCBiosAndNothingChosen) {
    start();
    auto dlg = open();
    EXPECT_EQ(dlg->windowTitle(), q("Game / Program Data"));
    QStringList tabs;
    for (int i = 0; i < dlg->tabs()->count(); ++i)
        tabs << dlg->tabs()->tabText(i);
    EXPECT_EQ(tabs,
              (QStringList{q("General"), q("ROM"), q("Disk"), q("Tape"), q("Hard Disk"),
                           q("Screenshots"), q("Emulators"), q("Basic Data"), q("Extra Data")}));
    EXPECT_EQ(dlg->launchButton()->text(), q("Launch"));
    EXPECT_EQ(dlg->saveButton()->text(), q("Save"));
    EXPECT_EQ(dlg->closeButton()->text(), q("Close"));

    const GameSettingsGeneralDlg* general = dlg->general();
    EXPECT_EQ(general->nameEdit()->text(), QString());
    // Only usable machines are offered; the new profile's is chosen.
    QStringList machines = itemTexts(general->machineBox());
    machines.sort();
    EXPECT_EQ(machines, (QStringList{q("MSX2 - C-BIOS"), q("Sony HB-F1XD")}));
    EXPECT_EQ(general->machineBox()->currentText(), q("MSX2 - C-BIOS"));

    for (int slot = 0; slot < 2; ++slot) {
        const GameSettingsRomDlg* rom = dlg->rom();
        EXPECT_FALSE(rom->specialCheck(slot)->isChecked());
        EXPECT_FALSE(rom->specialBox(slot)->isEnabled());
        EXPECT_TRUE(rom->slotBox(slot)->fileRow()->isEnabled());
        EXPECT_EQ(itemTexts(rom->specialBox(slot)),
                  (QStringList{q("SCC Cartridge"), q("SCC+ Cartridge"), q("FM-PAC Cartridge"),
                               q("PAC Cartridge"), q("Sunrise IDE")}));
    }
    EXPECT_EQ(dlg->rom()->slotBox(1)->title(), q("Slot 2"));
    EXPECT_EQ(dlg->disk()->driveB()->zipEntryLabel()->text(), q("Name in ZIP"));
    EXPECT_TRUE(dlg->hardDisk()->findChild<QLabel*>()->text().contains(q("Sunrise IDE")));

    // Images only while specific files are chosen.
    GameSettingsScreenshotDlg* shots = dlg->screenshots();
    EXPECT_TRUE(shots->defaultChoice()->isChecked());
    EXPECT_FALSE(shots->imageRow(0)->isEnabled());
    shots->specificChoice()->click();
    EXPECT_TRUE(shots->imageRow(1)->isEnabled());

    // Basic data: the emulator's values, "Select..." everywhere, the lists off until Specify.
    GameSettingsCorvaneDataDlg* basic = dlg->basicData();
    EXPECT_TRUE(basic->corvaneChoice()->isChecked());
    for (QComboBox* box :
         {basic->companyBox(), basic->yearBox(), basic->countryBox(), basic->systemBox()}) {
        EXPECT_EQ(box->currentText(), q("Select..."));
        EXPECT_FALSE(box->isEnabled());
    }
    EXPECT_EQ(basic->companyBox()->itemText(1), q("Activision"));
    EXPECT_EQ(basic->yearBox()->itemText(1), q("1982"));
    EXPECT_EQ(itemTexts(basic->systemBox()),
              (QStringList{q("Select..."), q("MSX"), q("SVI"), q("Coleco"), q("Sega")}));
    // Countries by name, each carrying its code.
    EXPECT_EQ(itemTexts(basic->countryBox()).mid(0, 5),
              (QStringList{q("Select..."), q("Brazil"), q("Canada"), q("England"), q("Finland")}));
    EXPECT_EQ(basic->countryBox()->itemData(3).toByteArray(), QByteArray("GB"));
    basic->specifyChoice()->click();
    EXPECT_TRUE(basic->countryEdit()->isEnabled());
    EXPECT_TRUE(basic->systemBox()->isEnabled());

    // The second genre only after a first.
    GameSettingsMoreDlg* extra = dlg->extraData();
    EXPECT_EQ(extra->genreBox(0)->itemText(0), q("Select..."));
    EXPECT_EQ(extra->genreBox(0)->itemText(1), q("Action"));
    EXPECT_EQ(extra->genreBox(0)->count(), 51);
    EXPECT_FALSE(extra->genreBox(1)->isEnabled());
    extra->genreBox(0)->setCurrentIndex(3);
    EXPECT_TRUE(extra->genreBox(1)->isEnabled());
    extra->genreBox(0)->setCurrentIndex(0);
    EXPECT_FALSE(extra->genreBox(1)->isEnabled());

    // Emulators without a path cannot be tried.
    ASSERT_EQ(dlg->launchMenu()->actions().size(), 3);
    EXPECT_EQ(launchEntry(*dlg, kMenuLaunchCorvane)->text(), q("on Corvane"));
    EXPECT_TRUE(launchEntry(*dlg, kMenuLaunchCorvane)->isEnabled());
    EXPECT_FALSE(launchEntry(*dlg, kMenuLaunchOpenMsx)->isEnabled());
    EXPECT_FALSE(launchEntry(*dlg, kMenuLaunchFmsx)->isEnabled());
}

TEST_F(GameSettingsDlgTest, CaptionsFollowTheLanguage) {
    // Language line 14: German.
    start("\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n7\r\n");
    auto dlg = open();
    EXPECT_EQ(dlg->windowTitle(), fromBytes(app->languages().textForId(kDlgGameSettings)));
    EXPECT_EQ(dlg->tabs()->tabText(0), q("Allgemein"));
    EXPECT_EQ(dlg->rom()->specialCheck(0)->text(), q("Spezial"));
    EXPECT_EQ(dlg->tape()->tape()->zipEntryLabel()->text(), q("Name im ZIP"));
    EXPECT_EQ(dlg->saveButton()->text(), q("Speichern"));
    EXPECT_EQ(dlg->basicData()->companyBox()->itemText(0), q("Auswählen..."));
    EXPECT_EQ(dlg->rom()->specialBox(0)->itemText(0), fromBytes(app->languages().text("scc")));
    EXPECT_EQ(dlg->general()->infoFileRow()->browseButton()->text(), q("Durchsuchen..."));
}

TEST_F(GameSettingsDlgTest, EveryTabAndCaptionIsWholeInEveryLanguage) {
    for (const LanguageEntry& language : kLanguages) {
        // Language on line 14.
        start("\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n" + std::to_string(language.id) + "\r\n");
        auto dlg = open();
        const QTabBar* bar = dlg->tabs()->tabBar();
        EXPECT_LE(bar->tabRect(bar->count() - 1).right(), bar->width()) << language.code;
        for (int page = 0; page < dlg->tabs()->count(); ++page) {
            dlg->tabs()->setCurrentIndex(page);
            QApplication::processEvents();
            for (const QWidget* control : dlg->tabs()->widget(page)->findChildren<QWidget*>()) {
                const auto* label = qobject_cast<const QLabel*>(control);
                const auto* button = qobject_cast<const QAbstractButton*>(control);
                if ((!label && !button) || (label && label->wordWrap()))
                    continue;
                const QString text = label ? label->text() : button->text();
                EXPECT_GE(control->width(), control->sizeHint().width())
                    << language.code << " " << text.toStdString();
            }
        }
    }
}

TEST_F(GameSettingsDlgTest, SaveChecksInOrderAndClosesTheWindowEvenAfterAFailure) {
    start();
    dir.write("Games.db", "");
    const std::string original = readFile(dir.file("Games.db"));

    // A name of blanks is no name.
    auto dlg = open();
    dlg->general()->nameEdit()->setText(q("   "));
    dlg->rom()->slotBox(0)->fileRow()->edit()->setText(q("x.rom"));
    dlg->rom()->slotBox(0)->zipEntryEdit()->setText(q("member"));
    dlg->saveButton()->click();
    EXPECT_EQ(messages(), std::vector<std::string>{"Name field empty"});
    EXPECT_EQ(prompter.messages.back().kind, MessageKind::Error);
    EXPECT_FALSE(dlg->isVisible());
    EXPECT_FALSE(dlg->saved());

    dlg = open();
    dlg->general()->nameEdit()->setText(q("Knight"));
    dlg->rom()->slotBox(0)->fileRow()->edit()->setText(q("x.rom"));
    dlg->rom()->slotBox(0)->zipEntryEdit()->setText(q("member"));
    dlg->saveButton()->click();
    EXPECT_EQ(prompter.messages.back().text, "Slot 1 does not contain a ZIP file");
    EXPECT_FALSE(dlg->isVisible());

    // A value that would split the line names its field.
    dlg = open();
    dlg->general()->nameEdit()->setText(q("Knight"));
    dlg->hardDisk()->secondaryRow()->edit()->setText(q("a|b.dsk"));
    dlg->saveButton()->click();
    EXPECT_EQ(prompter.messages.back().text,
              "The field cannot contain \"|\" or a line break: Hard Disk - Secondary");
    EXPECT_FALSE(dlg->saved());
    EXPECT_EQ(readFile(dir.file("Games.db")), original);

    dlg = open();
    dlg->general()->nameEdit()->setText(q("  Knight  "));
    dlg->rom()->slotBox(0)->fileRow()->edit()->setText(q("games\\a.zip"));
    dlg->rom()->slotBox(0)->zipEntryEdit()->setText(q("knight"));
    dlg->screenshots()->specificChoice()->click();
    dlg->saveButton()->click();
    EXPECT_EQ(prompter.messages.back().text, "Image 1 field empty");
    dlg = open();
    dlg->general()->nameEdit()->setText(q("  Knight  "));
    dlg->rom()->slotBox(0)->fileRow()->edit()->setText(q("games\\a.zip"));
    dlg->rom()->slotBox(0)->zipEntryEdit()->setText(q("knight"));
    dlg->saveButton()->click();
    EXPECT_EQ(prompter.messages.back().text, "\"Knight\" was saved successfully");
    EXPECT_EQ(prompter.messages.back().kind, MessageKind::Info);
    EXPECT_TRUE(dlg->saved());
    EXPECT_EQ(dlg->result(), QDialog::Accepted);
    ASSERT_EQ(stored().size(), 1u);
    EXPECT_EQ(stored()[0].name, "Knight");
    EXPECT_EQ(stored()[0].slot1ZipEntry, "knight.rom");
    EXPECT_EQ(stored()[0].machine, "MSX2 - C-BIOS");
    EXPECT_EQ(prompter.messages.size(), 5u);
}

TEST_F(GameSettingsDlgTest, ANewProfileReplacesOneOfItsNameOnlyWhenTheUserAgrees) {
    start();
    Game old;
    old.name = "A";
    old.slot1File = "old.rom";
    dir.write("Games.db", old.ToLine() + "\r\n");
    const std::string before = readFile(dir.file("Games.db"));

    prompter.confirmAnswers = {false};
    auto dlg = open();
    dlg->general()->nameEdit()->setText(q("A"));
    dlg->saveButton()->click();
    EXPECT_EQ(prompter.confirmations,
              std::vector<std::string>{"\"A\" already exists in target database. Replace?"});
    EXPECT_TRUE(prompter.messages.empty());
    EXPECT_EQ(readFile(dir.file("Games.db")), before);

    prompter.confirmAnswers = {true};
    dlg = open();
    dlg->general()->nameEdit()->setText(q("A"));
    dlg->saveButton()->click();
    EXPECT_EQ(messages(), std::vector<std::string>{"\"A\" was saved successfully"});
    ASSERT_EQ(stored().size(), 1u);
    EXPECT_EQ(stored()[0].slot1File, "");
}

TEST_F(GameSettingsDlgTest, EditingKeepsWhatWasNotTouchedAndFavoritesFollowARename) {
    start();
    Game g;
    g.name = "Caf\xe9";  // written on Windows: not UTF-8
    g.slot1Special = "C:\\Corvane\\Machines\\Shared Roms\\SUNRISEIDE.rom";
    g.slot2File = "D:\\Spiele\\M\xfcll.rom";
    g.machine = "Gone Machine";
    g.company = "Home Brew";
    g.country = "JP";
    g.year = "2023";
    g.hardDiskPrimary = "hd.dsk";
    g.genre1 = 30;
    g.generationMsxId = "777";
    Game other;
    other.name = "Other";
    dir.write("Games.db", g.ToLine() + "\r\n" + other.ToLine() + "\r\n");
    dir.write("favorites.bml", "Caf\xe9|Games\r\nOther|Games\r\n");

    auto dlg = open(&g);
    EXPECT_EQ(dlg->general()->nameEdit()->text(), q("Caf\xc3\xa9"));
    EXPECT_EQ(dlg->general()->machineBox()->currentText(), q("Gone Machine"));
    EXPECT_TRUE(dlg->rom()->specialCheck(0)->isChecked());
    EXPECT_EQ(dlg->rom()->specialBox(0)->currentText(), q("Sunrise IDE"));
    EXPECT_FALSE(dlg->rom()->slotBox(0)->fileRow()->isEnabled());
    EXPECT_EQ(dlg->basicData()->companyBox()->currentText(), q("Select..."));
    EXPECT_EQ(dlg->basicData()->companyEdit()->text(), q("Home Brew"));
    EXPECT_EQ(dlg->basicData()->countryBox()->currentText(), q("Japan"));
    EXPECT_EQ(dlg->basicData()->yearBox()->currentText(), q("2023"));
    EXPECT_EQ(dlg->extraData()->genreBox(0)->currentText(), q("RPG"));
    dlg->saveButton()->click();
    EXPECT_EQ(messages(), std::vector<std::string>{"\"Caf\xe9\" was saved successfully"});
    // The edited profile goes to the end of the file, its bytes and its id as they were.
    std::vector<Game> profiles = stored();
    ASSERT_EQ(profiles.size(), 2u);
    Game expected = g;
    expected.slot1Special = "sunriseide";
    EXPECT_EQ(profiles[1], expected);
    EXPECT_EQ(readFile(dir.file("favorites.bml")), "Caf\xe9|Games\r\nOther|Games\r\n");

    // Renamed: the favorite follows, the id stays.
    dlg = open(&profiles[1]);
    dlg->general()->nameEdit()->setText(q("Renamed"));
    dlg->saveButton()->click();
    profiles = stored();
    ASSERT_EQ(profiles.size(), 2u);
    EXPECT_EQ(profiles[1].name, "Renamed");
    EXPECT_EQ(profiles[1].generationMsxId, "777");
    EXPECT_EQ(readFile(dir.file("favorites.bml")), "Renamed|Games\r\nOther|Games\r\n");

    // Renamed onto a profile that exists: nothing changes, the favorites neither.
    const std::string before = readFile(dir.file("Games.db"));
    dlg = open(&profiles[1]);
    dlg->general()->nameEdit()->setText(q("Other"));
    dlg->saveButton()->click();
    EXPECT_EQ(prompter.messages.back().text, "New name already exists in database");
    EXPECT_EQ(prompter.messages.back().kind, MessageKind::Error);
    EXPECT_FALSE(dlg->isVisible());
    EXPECT_EQ(readFile(dir.file("Games.db")), before);
    EXPECT_EQ(readFile(dir.file("favorites.bml")), "Renamed|Games\r\nOther|Games\r\n");
}

TEST_F(GameSettingsDlgTest, AFileBesideASpecialCartridgeIsShownAndSavedBackUnchanged) {
    start();
    Game g;
    g.name = "Both";
    g.slot1File = "/x/cart.rom";
    g.slot1Special = "sunriseide";
    g.slot2File = "/x/set.zip";
    g.slot2ZipEntry = "b.mx2";
    g.slot2Special = "scc";
    g.hardDiskPrimary = "/x/hd.dsk";
    g.machine = "MSX2 - C-BIOS";
    dir.write("Games.db", g.ToLine() + "\r\n");
    const std::string before = readFile(dir.file("Games.db"));

    auto dlg = open(&g);
    GameSettingsRomDlg* rom = dlg->rom();
    EXPECT_TRUE(rom->specialCheck(0)->isChecked());
    EXPECT_EQ(rom->specialBox(0)->currentText(), q("Sunrise IDE"));
    EXPECT_EQ(rom->slotBox(0)->fileRow()->edit()->text(), q("/x/cart.rom"));
    EXPECT_FALSE(rom->slotBox(0)->fileRow()->isEnabled());
    EXPECT_EQ(rom->slotBox(1)->fileRow()->edit()->text(), q("/x/set.zip"));
    EXPECT_EQ(rom->slotBox(1)->zipEntryEdit()->text(), q("b.mx2"));
    EXPECT_TRUE(rom->specialCheck(1)->isChecked());
    dlg->saveButton()->click();
    EXPECT_EQ(messages(), std::vector<std::string>{"\"Both\" was saved successfully"});
    EXPECT_EQ(readFile(dir.file("Games.db")), before);

    // Unticked, the slot's file stays and the special cartridge goes.
    dlg = open(&g);
    dlg->rom()->specialCheck(0)->click();
    EXPECT_TRUE(dlg->rom()->slotBox(0)->fileRow()->isEnabled());
    dlg->saveButton()->click();
    ASSERT_EQ(stored().size(), 1u);
    EXPECT_EQ(stored()[0].slot1File, "/x/cart.rom");
    EXPECT_EQ(stored()[0].slot1Special, "");
    EXPECT_EQ(stored()[0].slot2Special, "scc");
}

TEST_F(GameSettingsDlgTest, PagesGiveWhatTheyShowWhicheverChoiceIsMade) {
    start();
    auto dlg = open();
    GameSettingsRomDlg* rom = dlg->rom();
    rom->slotBox(1)->fileRow()->edit()->setText(q("b.rom"));
    rom->specialCheck(1)->click();
    EXPECT_FALSE(rom->slotBox(1)->fileRow()->isEnabled());
    EXPECT_FALSE(rom->slotBox(1)->zipEntryEdit()->isEnabled());
    EXPECT_TRUE(rom->specialBox(1)->isEnabled());
    rom->specialBox(1)->setCurrentIndex(1);
    CollectResult result = collectProfile(dlg->form(), CollectMode::Trying);
    ASSERT_TRUE(result.profile);
    EXPECT_EQ(result.profile->slot2Special, "scc+");
    EXPECT_EQ(result.profile->slot2File, "b.rom");
    rom->specialCheck(1)->click();
    EXPECT_TRUE(rom->slotBox(1)->fileRow()->isEnabled());
    EXPECT_FALSE(rom->specialBox(1)->isEnabled());
    result = collectProfile(dlg->form(), CollectMode::Trying);
    EXPECT_EQ(result.profile->slot2Special, "");
    EXPECT_EQ(result.profile->slot2File, "b.rom");

    // Basic data are read with the emulator's values chosen as well.
    GameSettingsCorvaneDataDlg* basic = dlg->basicData();
    basic->companyBox()->setCurrentIndex(basic->companyBox()->findText(q("Konami")));
    basic->companyEdit()->setText(q("Not used"));
    basic->countryEdit()->setText(q(" Atlantis "));
    basic->yearBox()->setCurrentIndex(basic->yearBox()->findText(q("1986")));
    result = collectProfile(dlg->form(), CollectMode::Trying);
    EXPECT_EQ(result.profile->basicDataSpecified, "");
    EXPECT_EQ(result.profile->company, "Konami");
    EXPECT_EQ(result.profile->country, "Atlantis");
    EXPECT_EQ(result.profile->year, "1986");
    basic->specifyChoice()->click();
    basic->companyBox()->setCurrentIndex(0);
    basic->countryBox()->setCurrentIndex(basic->countryBox()->findText(q("Netherlands")));
    result = collectProfile(dlg->form(), CollectMode::Trying);
    EXPECT_EQ(result.profile->basicDataSpecified, "T");
    EXPECT_EQ(result.profile->company, "Not used");
    EXPECT_EQ(result.profile->country, "NL");

    GameSettingsMoreDlg* extra = dlg->extraData();
    extra->generationCheck(2)->click();
    extra->soundCheck(7)->click();
    extra->genreBox(0)->setCurrentIndex(extra->genreBox(0)->findText(q("Puzzle")));
    extra->genreBox(1)->setCurrentIndex(extra->genreBox(1)->findText(q("Action")));
    dlg->emulators()->openMsxOverride()->click();
    dlg->emulators()->fmsxEdit()->setText(q("-ntsc"));
    result = collectProfile(dlg->form(), CollectMode::Trying);
    EXPECT_EQ(result.profile->GenerationText(), "MSX2+");
    EXPECT_EQ(result.profile->SoundText(), "MIDI");
    EXPECT_EQ(result.profile->GenreText(), "Puzzle, Action");
    EXPECT_EQ(result.profile->openMsxOverride, "T");
    EXPECT_EQ(result.profile->fmsxArguments, "-ntsc");
}

TEST_F(GameSettingsDlgTest, LaunchTriesTheUnsavedProfileAndKeepsTheWindowOpen) {
    const std::string openMsx = emulator.addProgram("openmsx-bin/openmsx");
    // openMSX Path on line 12.
    start("\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n" +
          std::filesystem::path(openMsx).parent_path().string() + "\r\n");
    auto dlg = open();
    EXPECT_TRUE(launchEntry(*dlg, kMenuLaunchOpenMsx)->isEnabled());
    EXPECT_FALSE(launchEntry(*dlg, kMenuLaunchFmsx)->isEnabled());

    // No name and no image 1 are needed to try a profile.
    const std::string rom = dir.write("my roms/a game.zip", "zip");
    dlg->rom()->slotBox(0)->fileRow()->edit()->setText(fromBytes(" " + rom + " "));
    dlg->rom()->slotBox(0)->zipEntryEdit()->setText(q("game"));
    dlg->general()->machineBox()->setCurrentIndex(
        dlg->general()->machineBox()->findText(q("Sony HB-F1XD")));
    dlg->screenshots()->specificChoice()->click();
    launchEntry(*dlg, kMenuLaunchCorvane)->trigger();
    auto calls = emulator.waitForCalls(1);
    ASSERT_EQ(calls.size(), 1u);
    EXPECT_EQ(calls[0].program, emulator.executable());
    EXPECT_EQ(calls[0].arguments,
              (std::vector<std::string>{"/rom1", rom, "/rom1zip", "game.rom", "/theme", "",
                                        "/fullscreen", "/machine", "Sony HB-F1XD"}));
    EXPECT_TRUE(prompter.messages.empty());
    EXPECT_TRUE(dlg->isVisible());
    EXPECT_FALSE(std::filesystem::exists(dir.file("Games.db")));

    launchEntry(*dlg, kMenuLaunchOpenMsx)->trigger();
    calls = emulator.waitForCalls(2);
    ASSERT_EQ(calls.size(), 2u);
    EXPECT_EQ(calls[1].program, openMsx);
    EXPECT_EQ(calls[1].arguments, (std::vector<std::string>{"-carta", rom}));

    // With the command line shown first, Cancel starts nothing.
    app->flags().showCommandLine = true;
    QString shown;
    test::onNextModal([&shown](QDialog* dialog) {
        shown = dialog->findChild<QPlainTextEdit*>()->toPlainText();
        dialog->reject();
    });
    launchEntry(*dlg, kMenuLaunchOpenMsx)->trigger();
    EXPECT_EQ(splitCommandLine(toBytes(shown)), (std::vector<std::string>{openMsx, "-carta", rom}));
    EXPECT_TRUE(prompter.messages.empty());
    EXPECT_EQ(emulator.waitForCalls(3, std::chrono::milliseconds(300)).size(), 2u);
    app->flags().showCommandLine = false;

    // A failed check starts nothing and shows the field.
    dlg->tape()->tape()->fileRow()->edit()->setText(q("t.zip"));
    dlg->tape()->tape()->zipEntryEdit()->setText(q("side|a"));
    launchEntry(*dlg, kMenuLaunchCorvane)->trigger();
    EXPECT_EQ(messages(),
              std::vector<std::string>{
                  "The field cannot contain \"|\" or a line break: Tape - Name in ZIP"});
    EXPECT_EQ(dlg->tabs()->currentWidget(), dlg->tape());
    EXPECT_EQ(emulator.waitForCalls(3, std::chrono::milliseconds(300)).size(), 2u);
    EXPECT_TRUE(dlg->isVisible());

    dlg->closeButton()->click();
    EXPECT_FALSE(dlg->isVisible());
    EXPECT_FALSE(dlg->saved());
    EXPECT_FALSE(std::filesystem::exists(dir.file("Games.db")));
}

TEST_F(GameSettingsDlgTest, ChoosersOfferTheirMediaAndFieldsTakeDroppedFiles) {
    start();
    auto dlg = open();
    struct Expected {
        PathRow* row;
        QStringList filters;
        QString suffix;
    };
    const QString all = q("All Files (*)");
    const Expected choosers[] = {
        {dlg->general()->infoFileRow(), {all}, q("htm")},
        {dlg->rom()->slotBox(0)->fileRow(),
         {q("ROM Image (*.rom *.ri *.mx1 *.mx2 *.col *.sc *.sg *.sms *.zip)"), all},
         q("rom")},
        {dlg->disk()->driveB()->fileRow(),
         {q("Disk Image (*.dsk *.di1 *.di2 *.360 *.720 *.sf7 *.zip)"), all},
         q("dsk")},
        {dlg->hardDisk()->primaryRow(),
         {q("Disk Image (*.dsk *.di1 *.di2 *.360 *.720 *.sf7 *.zip)"), all},
         q("dsk")},
        {dlg->tape()->tape()->fileRow(), {q("Tape Image (*.cas *.zip)"), all}, q("cas")},
        {dlg->screenshots()->imageRow(1), {q("Images (*.png *.bmp *.jpg *.gif)"), all}, q("png")},
    };
    dlg->screenshots()->specificChoice()->click();
    for (const Expected& expected : choosers) {
        QStringList filters;
        QString suffix;
        test::answerNextChooser([&](QFileDialog& chooser) {
            filters = chooser.nameFilters();
            suffix = chooser.defaultSuffix();
            chooser.reject();
        });
        expected.row->browseButton()->click();
        EXPECT_EQ(filters, expected.filters);
        EXPECT_EQ(suffix, expected.suffix);
    }

    // The chosen file replaces the path; the member name stays.
    const std::string picked = dir.write("roms/picked.rom", "x");
    ZipMediumBox* slot = dlg->rom()->slotBox(0);
    slot->zipEntryEdit()->setText(q("kept"));
    test::answerNextChooser([&](QFileDialog& chooser) {
        test::typeInto(chooser, fromBytes(picked));
        static_cast<QDialog&>(chooser).accept();
    });
    slot->fileRow()->browseButton()->click();
    EXPECT_EQ(slot->fileRow()->edit()->text(), fromBytes(picked));
    EXPECT_EQ(slot->zipEntryEdit()->text(), q("kept"));
    // Eject empties the file only.
    slot->fileRow()->ejectButton()->click();
    EXPECT_EQ(slot->fileRow()->edit()->text(), QString());
    EXPECT_EQ(slot->zipEntryEdit()->text(), q("kept"));

    const std::string dropped = dir.write("disks/dropped.dsk", "x");
    ASSERT_TRUE(test::dropUrls(dlg->disk()->driveA()->fileRow()->edit(),
                               {QUrl::fromLocalFile(fromBytes(dropped))}));
    EXPECT_EQ(dlg->disk()->driveA()->fileRow()->edit()->text(), fromBytes(dropped));
}

}  // namespace
}  // namespace corvane
