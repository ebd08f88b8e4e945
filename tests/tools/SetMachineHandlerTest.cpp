// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "emulator/MachineCatalogue.h"
#include "model/Game.h"
#include "support/FakeEmulator.h"
#include "support/TempDir.h"
#include "tools/ImportExtraDataHandler.h"
#include "tools/SetMachineHandler.h"

using namespace corvane;
using corvane::test::FakeEmulator;
using corvane::test::TempDir;

namespace {

// The usable machines of an installation with "MSX2" and "Sony HB-F1XD"; "Broken" lacks slots.
std::vector<std::string> usableMachines() {
    FakeEmulator emulator;
    emulator.addMachine("MSX2", "[Slots]\r\n");
    emulator.addMachine("Sony HB-F1XD", "[Slots]\r\n");
    emulator.addMachine("Broken", "no slots here\r\n");
    MachineCatalogue catalogue(emulator.path());
    return catalogue.machineList();
}

Game withMachine(std::string machine) {
    Game game;
    game.machine = std::move(machine);
    return game;
}

}  // namespace

TEST(SetMachine, ChosenMachineCountsEveryProfileItReaches) {
    const std::vector<std::string> machines = usableMachines();
    ASSERT_EQ(machines.size(), 2u);
    const ImportExtraDataHandler noExtraData(TempDir().path());
    int hashed = 0;
    const auto sha1 = [&hashed] {
        ++hashed;
        return std::string(40, 'a');
    };

    SetMachineOptions all;
    EXPECT_EQ(all.machine, "MSX2 - C-BIOS");
    all.machine = "Sony HB-F1XD";
    const SetMachineHandler everyProfile(all, machines, noExtraData);
    for (const char* before : {"MSX2", "Sony HB-F1XD", "Broken", ""}) {
        Game game = withMachine(before);
        EXPECT_TRUE(everyProfile.SetMachine(game, sha1)) << before;
        EXPECT_EQ(game.machine, "Sony HB-F1XD") << before;
    }

    // Only machines the list lacks are replaced; the comparison is exact.
    SetMachineOptions missing = all;
    missing.onlyMissing = true;
    const SetMachineHandler onlyMissing(missing, machines, noExtraData);
    for (const char* kept : {"MSX2", "Sony HB-F1XD"}) {
        Game game = withMachine(kept);
        EXPECT_FALSE(onlyMissing.SetMachine(game, sha1)) << kept;
        EXPECT_EQ(game.machine, kept);
    }
    for (const char* replaced : {"Broken", "msx2", "MSX2 ", "Gone", ""}) {
        Game game = withMachine(replaced);
        EXPECT_TRUE(onlyMissing.SetMachine(game, sha1)) << replaced;
        EXPECT_EQ(game.machine, "Sony HB-F1XD") << replaced;
    }
    // A chosen machine needs no SHA-1.
    EXPECT_EQ(hashed, 0);
}

TEST(SetMachine, MinimumMachineComesFromTheGenerationOfTheExtraData) {
    const std::vector<std::string> machines = usableMachines();
    TempDir dir;
    dir.write("extra-data.dat", "#1\n6,0,0,\n" + std::string(40, 'a') + "\n#2\n0,1,0,\n" +
                                    std::string(40, 'b') + "\n");
    const ImportExtraDataHandler extraData(dir.path(), true);
    std::vector<std::string> asked;
    const auto sha1Of = [&asked](char digit) {
        return [&asked, digit] {
            asked.push_back(std::string(1, digit));
            return std::string(40, digit);
        };
    };

    SetMachineOptions minimum;
    minimum.minimumMachine = true;
    const SetMachineHandler everyProfile(minimum, machines, extraData);
    Game game = withMachine("Sony HB-F1XD");
    EXPECT_TRUE(everyProfile.SetMachine(game, sha1Of('a')));
    EXPECT_EQ(game.machine, "MSX2");
    // A record without a generation, or no record at all: kept and not counted.
    for (char digit : {'b', 'c'}) {
        game = withMachine("Sony HB-F1XD");
        EXPECT_FALSE(everyProfile.SetMachine(game, sha1Of(digit))) << digit;
        EXPECT_EQ(game.machine, "Sony HB-F1XD") << digit;
    }
    EXPECT_EQ(asked, (std::vector<std::string>{"a", "b", "c"}));

    // Profiles passed over are not hashed.
    minimum.onlyMissing = true;
    const SetMachineHandler onlyMissing(minimum, machines, extraData);
    asked.clear();
    game = withMachine("MSX2");
    EXPECT_FALSE(onlyMissing.SetMachine(game, sha1Of('a')));
    game = withMachine("Gone");
    EXPECT_TRUE(onlyMissing.SetMachine(game, sha1Of('a')));
    EXPECT_EQ(game.machine, "MSX2");
    EXPECT_EQ(asked, std::vector<std::string>{"a"});
}
