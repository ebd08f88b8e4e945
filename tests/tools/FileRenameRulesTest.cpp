// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <set>

#include "common/AsciiCase.h"
#include "tools/FatShortName.h"
#include "tools/FileRenameRules.h"

using namespace corvane;

namespace {

// A folder's other names, compared as FAT compares them.
NameTaken takenAmong(std::set<std::string> names) {
    return [names = std::move(names)](std::string_view alias) {
        for (const std::string& name : names)
            if (equalsIgnoreCase(name, alias))
                return true;
        return false;
    };
}

const NameTaken kNothingTaken = [](std::string_view) { return false; };

}  // namespace

TEST(FatShortName, AliasesOfLongAndAwkwardNames) {
    const auto alias = [](std::string_view name) { return fatShortName(name, kNothingTaken); };
    // Names that fit keep their characters, upper-cased, with no tail.
    EXPECT_EQ(alias("game.rom"), "GAME.ROM");
    EXPECT_EQ(alias("Zanac-Ex.dsk"), "ZANAC-EX.DSK");
    EXPECT_EQ(alias("README"), "README");
    EXPECT_EQ(alias("a$b(1)~2.r_m"), "A$B(1)~2.R_M");
    // Too long: six characters of basis, three of extension.
    EXPECT_EQ(alias("Knightmare.rom"), "KNIGHT~1.ROM");
    EXPECT_EQ(alias("game.rom1"), "GAME~1.ROM");
    // Blanks and all but the last dot are dropped, and that alone needs a tail.
    EXPECT_EQ(alias("a b.rom"), "AB~1.ROM");
    EXPECT_EQ(alias("Metal Gear 2 - Solid Snake (1990).rom"), "METALG~1.ROM");
    EXPECT_EQ(alias("my.game.v1.rom"), "MYGAME~1.ROM");
    EXPECT_EQ(alias("game.r m"), "GAME~1.RM");
    // Leading dots make no extension; a final dot makes none either.
    EXPECT_EQ(alias(".profile"), "PROFIL~1");
    EXPECT_EQ(alias("..rom"), "ROM~1");
    EXPECT_EQ(alias("game."), "GAME~1");
    // Characters FAT refuses become "_", one per character however many bytes it takes.
    EXPECT_EQ(alias("a+b.rom"), "A_B~1.ROM");
    EXPECT_EQ(alias("x[1];y=2,z.dsk"), "X_1__Y~1.DSK");
    EXPECT_EQ(alias("a\"b*c?.cas"), "A_B_C_~1.CAS");
    EXPECT_EQ(alias("caf\xC3\xA9.rom"), "CAF_~1.ROM");
    EXPECT_EQ(alias("caf\xE9.rom"), "CAF_~1.ROM");
    EXPECT_EQ(alias("tab\there.rom"), "TAB_HE~1.ROM");
    // Nothing valid left.
    EXPECT_EQ(alias(" . "), std::nullopt);
    EXPECT_EQ(alias(""), std::nullopt);
}

TEST(FatShortName, TakenTailsMoveOn) {
    const NameTaken taken = takenAmong({"knight~1.rom", "KNIGHT~2.ROM", "other~3.rom"});
    EXPECT_EQ(fatShortName("Knightmare.rom", taken), "KNIGHT~3.ROM");
    // A different extension is a different alias.
    EXPECT_EQ(fatShortName("Knightmare.dsk", taken), "KNIGHT~1.DSK");

    // Past ~9 the basis gives way to the longer tail, so the alias stays eight characters.
    std::set<std::string> nine;
    for (int n = 1; n <= 9; ++n)
        nine.insert("KNIGHT~" + std::to_string(n) + ".ROM");
    EXPECT_EQ(fatShortName("Knightmare.rom", takenAmong(nine)), "KNIGH~10.ROM");
    nine.insert("KNIGH~10.ROM");
    EXPECT_EQ(fatShortName("Knightmare.rom", takenAmong(nine)), "KNIGH~11.ROM");
}

// A byte-order mark at the start of a file name is a character like any other non-ASCII one, so
// the alias can never be the name of the file without it.
TEST(FatShortName, LeadingByteOrderMarkIsPartOfTheName) {
    EXPECT_EQ(fatShortName("\xEF\xBB\xBFgame.rom", kNothingTaken), "_GAME~1.ROM");
    EXPECT_EQ(fatShortName("\xEF\xBB\xBF%", takenAmong({"%"})), "_%~1");
    EXPECT_EQ(shortFormatName("\xEF\xBB\xBFgame.rom", takenAmong({"GAME.ROM"})), "_game~1.rom");
}

TEST(FileRenameRules, ShortFormatLowerCasesAndLeavesFittingNames) {
    EXPECT_EQ(shortFormatName("Knightmare.rom", kNothingTaken), "knight~1.rom");
    EXPECT_EQ(shortFormatName("Knightmare.rom", takenAmong({"KNIGHT~1.ROM"})), "knight~2.rom");
    // Already 8.3 in lower case: no new name, whatever the folder holds.
    EXPECT_EQ(shortFormatName("game.rom", kNothingTaken), std::nullopt);
    EXPECT_EQ(shortFormatName("game.rom", takenAmong({"GAME.ROM"})), std::nullopt);
    // Fits 8.3 but in capitals: only the case changes.
    EXPECT_EQ(shortFormatName("GAME.ROM", kNothingTaken), "game.rom");
    EXPECT_EQ(shortFormatName(" ", kNothingTaken), std::nullopt);
}

TEST(FileRenameRules, NameWithExtensionOnAwkwardNames) {
    const NameTaken taken = takenAmong({"Taken.rom"});
    // The extension is the file's own, from its last dot, case kept.
    EXPECT_EQ(nameWithExtension("Knightmare", "kn.v1.ROM", kNothingTaken), "Knightmare.ROM");
    EXPECT_EQ(nameWithExtension("Knightmare", "noextension", kNothingTaken), "Knightmare");
    EXPECT_EQ(nameWithExtension("Knightmare", ".rom", kNothingTaken), "Knightmare.rom");
    // Characters a FAT would refuse are kept; the name is used as it comes.
    EXPECT_EQ(nameWithExtension("Yie Ar Kung-Fu: \"II\"?", "y.rom", kNothingTaken),
              "Yie Ar Kung-Fu: \"II\"?.rom");
    EXPECT_EQ(nameWithExtension("Caf\xE9", "c.dsk", kNothingTaken), "Caf\xE9.dsk");
    // An existing file of that name, exactly: no new name.
    EXPECT_EQ(nameWithExtension("Taken", "t.rom", taken), std::nullopt);
    EXPECT_EQ(nameWithExtension("Taken", "t.dsk", taken), "Taken.dsk");
    // Names that would not read back as one file of one line.
    for (std::string_view bad : {"", "A/B", "A\\B", "A|B", "A\rB", "A\nB"})
        EXPECT_EQ(nameWithExtension(bad, "x.rom", kNothingTaken), std::nullopt) << bad;
    EXPECT_EQ(nameWithExtension(std::string_view("A\0B", 3), "x.rom", kNothingTaken), std::nullopt);
    EXPECT_EQ(nameWithExtension(".", "noextension", kNothingTaken), std::nullopt);
    EXPECT_EQ(nameWithExtension(".", "x.", kNothingTaken), std::nullopt);
}
