// SPDX-License-Identifier: GPL-3.0-or-later
#include "emulator/MachineCatalogue.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>

#include "support/ChildProcess.h"
#include "support/FakeEmulator.h"

using namespace corvane;
using namespace corvane::test;
using Strings = std::vector<std::string>;

TEST(MachineCatalogue, ListsUsableMachinesOnce) {
    FakeEmulator emulator;
    emulator.addSharedRom("MSX2.rom");
    const std::string ext = emulator.addSharedRom("EXT.rom");
    emulator.addMachine(
        "MSX2",
        "Name=\"Machines/none.rom\"\r\n[Slots]\r\n"
        "0 0 \"Machines/Shared Roms/MSX2.rom\" \"Machines\\Shared Roms\\EXT.rom\"\r\n"
        "\r\n1 0 \"\" \"\"\r\n3 3 no quotes\r\n");
    emulator.addMachine("msx2 - c-bios", "[Slots]\n0 0 \"Machines/Shared Roms/MSX2.rom\"\n");
    emulator.addMachine("Broken", "[Slots]\n0 0 \"\" \"Machines/Shared Roms/MISSING.rom\"\n");
    emulator.addMachine("No Slots", "[General]\n");
    emulator.addMachine("Spaced", "[Slots] \n");
    emulator.write("Machines/Plain File", "[Slots]\n");
    std::filesystem::create_directories(emulator.path() +
                                        "/Machines/Config Is A Folder/config.ini");
    // The shared ROM folder is never a machine; another letter case is tested like any other.
    emulator.write("Machines/Shared Roms/config.ini", "[Slots]\n");
    emulator.addMachine("shared roms", "[Slots]\n");

    MachineCatalogue catalogue(emulator.path());
    EXPECT_EQ(catalogue.machineList(), (Strings{"MSX2", "msx2 - c-bios", "shared roms"}));
    std::filesystem::remove(ext);
    EXPECT_FALSE(catalogue.isMachineUsable("MSX2"));
    EXPECT_EQ(catalogue.machineList().size(), 3u);  // kept until the catalogue is rebuilt
    EXPECT_EQ(MachineCatalogue(emulator.path()).machineList(),
              (Strings{"msx2 - c-bios", "shared roms"}));

    MachineCatalogue empty("/nonexistent");
    EXPECT_TRUE(empty.machineList().empty());
}

TEST(MachineCatalogue, SlotFilesAreFoundWhateverTheLetterCaseOfTheirNames) {
    FakeEmulator emulator;
    emulator.addSharedRom("msx2.rom");
    emulator.addMachine("Upper", "[Slots]\n0 0 \"Machines/Shared Roms/MSX2.ROM\"\n");
    emulator.addMachine("Other", "[Slots]\n0 0 \"Machines/Shared Roms/MSX2P.ROM\"\n");
    const std::string link = emulator.path() + "/Machines/Shared Roms/gone.rom";
    std::filesystem::create_symlink(emulator.path() + "/nowhere.rom", link);
    emulator.addMachine("Dangling", "[Slots]\n0 0 \"Machines/Shared Roms/GONE.rom\"\n");
    EXPECT_EQ(MachineCatalogue(emulator.path()).machineList(), (Strings{"Upper"}));
}

TEST(MachineCatalogue, OddSlotLinesAndUnreadableFiles) {
    FakeEmulator emulator;
    emulator.addSharedRom("A.rom");
    MachineCatalogue catalogue(emulator.path());
    EXPECT_TRUE(catalogue.machineList().empty());
    // One quote opens no text; of three, only the first text counts.
    emulator.addMachine("One", "[Slots]\n0 0 \"Machines/MISSING.rom\n");
    emulator.addMachine("Three",
                        "[Slots]\n0 0 \"Machines/Shared Roms/A.rom\" \"Machines/MISSING.rom\n");
    emulator.addMachine("Three Bad", "[Slots]\n0 0 \"Machines/MISSING.rom\" \"x\n");
    emulator.addMachine("Unreadable", "[Slots]\n");
    ::chmod((emulator.path() + "/Machines/Unreadable/config.ini").c_str(), 0);
    // An empty list is looked for again; the unreadable machine is left out, also for root.
    EXPECT_TRUE(passesObeyingPermissions([&] {
        return catalogue.machineList() == Strings{"One", "Three"};
    }));
}

TEST(MachineCatalogue, SunriseIdeAndSelection) {
    EXPECT_EQ(MachineCatalogue::specialCartridgeChoice("C:\\Corvane\\SUNRISEIDE.rom"),
              "sunriseide");
    EXPECT_EQ(MachineCatalogue::specialCartridgeChoice("sunriseide.rom"), "sunriseide.rom");
    EXPECT_EQ(MachineCatalogue::indexOf({"MSX", "MSX2"}, "msx2", false), std::nullopt);
    EXPECT_EQ(MachineCatalogue::indexOf({"MSX", "MSX2"}, "msx2", true), 0u);
}
