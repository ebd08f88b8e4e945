// SPDX-License-Identifier: GPL-3.0-or-later
#include "emulator/EmulatorHandler.h"

#include <gtest/gtest.h>

#include "platform/CommandLine.h"

using namespace corvane;

namespace {

Settings plainSettings() {
    Settings s;
    s.emulatorDirectory = "/opt/corvane";
    s.theme = "default";
    s.fullScreen = false;
    return s;
}

// The text the command-line window shows; it reads back to exactly the started vector.
std::string line(const EmulatorArguments& arguments) {
    EXPECT_EQ(splitCommandLine(arguments.text()), arguments.arguments()) << arguments.text();
    return arguments.text();
}

std::string line(const Game& g, const Settings& s, std::optional<std::string> machine = {}) {
    return line(EmulatorHandler::corvaneArguments(g, s, machine));
}

}  // namespace

TEST(EmulatorHandler, CorvaneLines) {
    const Settings s = plainSettings();
    Game zip;
    zip.slot1File = "C:\\g\\a.zip";
    zip.slot1ZipEntry = "knight.rom";
    zip.machine = "MSX2 - C-BIOS";
    EXPECT_EQ(line(zip, s),
              " /rom1 \"C:\\g\\a.zip\" /rom1zip \"knight.rom\" /machine \"MSX2 - C-BIOS\"");
    EXPECT_EQ(line(zip, s, "MSX2"),
              " /rom1 \"C:\\g\\a.zip\" /rom1zip \"knight.rom\" /machine \"MSX2\"");

    Game orphans;  // member names without their files, an empty machine
    orphans.slot1ZipEntry = orphans.diskAZipEntry = orphans.tapeZipEntry = "x";
    EXPECT_EQ(line(orphans, s), " /machine \"\"");

    Game all;
    all.slot1File = "s1.rom";
    all.slot2File = "s2.zip";
    all.slot2ZipEntry = "s2.rom";
    all.diskAFile = "a.dsk";
    all.diskBFile = "b.zip";
    all.diskBZipEntry = "b inner.dsk";
    all.tapeFile = "t.zip";
    all.tapeZipEntry = "t.cas";
    all.hardDiskPrimary = "/hd/1.dsk";
    all.hardDiskSecondary = "/hd/2.dsk";
    all.machine = "Philips NMS 8250";
    Settings themed = s;
    themed.theme = "Amber";
    themed.fullScreen = true;
    EXPECT_EQ(
        line(all, themed),
        " /rom1 \"s1.rom\" /rom2 \"s2.zip\" /rom2zip \"s2.rom\" /diskA \"a.dsk\" /diskB \"b.zip\""
        " /diskBzip \"b inner.dsk\" /cas \"t.zip\" /caszip \"t.cas\" /ide1primary \"/hd/1.dsk\""
        " /ide1secondary \"/hd/2.dsk\" /theme \"Amber\" /fullscreen /machine \"Philips NMS 8250\"");

    themed.fullScreen = false;
    themed.theme = "";
    EXPECT_EQ(line(Game{}, themed), " /theme \"\" /machine \"\"");
    themed.theme = "Default";  // only the exact text "default" means no change
    EXPECT_EQ(line(Game{}, themed), " /theme \"Default\" /machine \"\"");
}

TEST(EmulatorHandler, SpecialCartridges) {
    const Settings s = plainSettings();
    const std::string sunrise = " /rom1 \"/opt/corvane/Machines/Shared Roms/SUNRISEIDE.rom\"";
    Game g;
    g.slot2Special = "scc";
    EXPECT_EQ(line(g, s), " /romtype2 \"scc\" /machine \"\"");
    g.slot2Special.clear();
    for (const char* value : {"sunriseide", "D:\\old\\Shared Roms\\SUNRISEIDE.rom"}) {
        g.slot1Special = value;
        EXPECT_EQ(line(g, s), sunrise + " /machine \"\"");
    }
    g.slot1Special = "sunriseIDE";
    EXPECT_EQ(line(g, s), " /romtype1 \"sunriseIDE\" /machine \"\"");
    // A file in the slot wins over the special cartridge; a member name alone does not.
    g.slot1File = "game.rom";
    g.slot2ZipEntry = "orphan.rom";
    g.slot2Special = "fmpac";
    EXPECT_EQ(line(g, s), " /rom1 \"game.rom\" /romtype2 \"fmpac\" /machine \"\"");
    EXPECT_EQ(line(EmulatorHandler::specialRomArgument("sunriseide", 1, "/opt/corvane/")), sunrise);
}

TEST(EmulatorHandler, OpenMsxAndFmsxLines) {
    Game g;
    g.slot1File = "C:\\MSX\\c 1.rom";
    g.slot2File = "c2.rom";
    g.diskAFile = "a.dsk";
    g.tapeFile = "t.cas";
    g.hardDiskPrimary = "hd.dsk";
    g.hardDiskSecondary = g.slot1ZipEntry = g.slot2Special = g.machine = "never";
    g.openMsxArguments = "-ext gfx9000";
    g.fmsxArguments = "-ram 8";
    Settings s = plainSettings();
    s.theme = "never";
    s.openMsxArguments = "-machine \"Panasonic FS-A1GT\"";
    s.fmsxArguments = "-msx2";
    EXPECT_EQ(line(EmulatorHandler::openMsxArguments(g, s)),
              " -carta \"C:\\MSX\\c 1.rom\" -cartb \"c2.rom\" -diska \"a.dsk\" -cassetteplayer"
              " \"t.cas\" -hda \"hd.dsk\" -machine \"Panasonic FS-A1GT\" -ext gfx9000");
    // fMSX takes the cartridges last.
    EXPECT_EQ(line(EmulatorHandler::fmsxArguments(g, s)),
              " -diska \"a.dsk\" -tape \"t.cas\" -msx2 -ram 8 \"C:\\MSX\\c 1.rom\" \"c2.rom\"");

    Game empty;
    // An empty free-form field adds no argument.
    EXPECT_EQ(line(EmulatorHandler::openMsxArguments(empty, s)), " -machine \"Panasonic FS-A1GT\"");
    empty.openMsxOverride = "T";
    empty.fmsxOverride = "any text";
    empty.diskBFile = "b.dsk";
    EXPECT_EQ(line(EmulatorHandler::openMsxArguments(empty, s)), " -diskb \"b.dsk\"");
    EXPECT_EQ(line(EmulatorHandler::fmsxArguments(empty, s)), " -diskb \"b.dsk\"");
}

TEST(EmulatorHandler, FieldsStayOneArgumentWhateverTheyHold) {
    Game g;
    g.slot1File = "x.rom\" -command \"exec touch PWNED; exit";
    g.slot1ZipEntry = "a\nb";
    g.machine = "C:\\m\\";
    Settings s = plainSettings();
    s.theme = "$(id) `id`";
    EXPECT_EQ(line(g, s),
              " /rom1 \"x.rom\\\" -command \\\"exec touch PWNED; exit\" /rom1zip \"a\nb\""
              " /theme \"$(id) `id`\" /machine \"C:\\m\\\\\"");
    EXPECT_EQ(EmulatorHandler::corvaneArguments(g, s, {}).arguments(),
              (std::vector<std::string>{"/rom1", g.slot1File, "/rom1zip", g.slot1ZipEntry, "/theme",
                                        s.theme, "/machine", g.machine}));
    EXPECT_EQ(EmulatorHandler::openMsxArguments(g, s).arguments(),
              (std::vector<std::string>{"-carta", g.slot1File}));
    EXPECT_EQ(EmulatorHandler::fmsxArguments(g, s).arguments(),
              std::vector<std::string>{g.slot1File});
}

TEST(EmulatorHandler, AFileThatLooksLikeAnOptionStaysAFile) {
    // fMSX reads any argument that starts with "-" as an option, wherever it stands: a database
    // could make it write its printer output over a file of the user's.
    Game g;
    g.slot1File = "-printer";
    g.slot2File = "/home/u/.profile";
    g.diskAFile = "-script";
    const Settings s = plainSettings();
    EXPECT_EQ(EmulatorHandler::fmsxArguments(g, s).arguments(),
              (std::vector<std::string>{"-diska", "-script", "./-printer", "/home/u/.profile"}));
    EXPECT_EQ(line(EmulatorHandler::fmsxArguments(g, s)),
              " -diska \"-script\" \"./-printer\" \"/home/u/.profile\"");
    // After an option, the value is taken as that option's, whatever it looks like.
    EXPECT_EQ(EmulatorHandler::openMsxArguments(g, s).arguments(),
              (std::vector<std::string>{"-carta", "-printer", "-cartb", "/home/u/.profile",
                                        "-diska", "-script"}));
}
