// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/CollectProfile.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

using namespace corvane;

namespace {

std::string failureOf(const ProfileForm& form, CollectMode mode) {
    const CollectResult result = collectProfile(form, mode);
    EXPECT_EQ(result.profile.has_value(), result.failureKey == nullptr);
    return result.failureKey ? result.failureKey : "";
}

Game collected(const ProfileForm& form, CollectMode mode = CollectMode::Saving) {
    const CollectResult result = collectProfile(form, mode);
    EXPECT_EQ(result.failureKey, nullptr) << result.failureKey;
    return result.profile.value_or(Game{});
}

}  // namespace

TEST(CollectProfileTest, ChecksFailInTheirOrderAndTryingNeedsNoNameOrImage) {
    ProfileForm form;
    form.name = "   ";
    form.slot1.medium = {"a.rom", "member"};
    form.slot2.medium = {"b.rom", "member"};
    form.diskA = {"a.dsk", "member"};
    form.diskB = {"b.dsk", "member"};
    form.tape = {"t.cas", "member"};
    form.specificImages = true;
    form.image1 = " ";

    // Each fault is mended in turn; the next one is what the user hears of.
    const std::vector<std::pair<std::string, std::function<void()>>> steps = {
        {"M_ERR_GAME_NAME_EMPTY", [&] { form.name = "Knightmare"; }},
        {"M_ERR_SLOT1_NO_ZIP", [&] { form.slot1.medium.file = "a.zip"; }},
        {"M_ERR_SLOT2_NO_ZIP", [&] { form.slot2.medium.file = "b.ZIP"; }},
        {"M_ERR_DISKA_NO_ZIP", [&] { form.diskA.file = "a.zip"; }},
        {"M_ERR_DISKB_NO_ZIP", [&] { form.diskB.file = "b.zip"; }},
        {"M_ERR_TAPE_NO_ZIP", [&] { form.tape.file = "t.zip"; }},
        {"M_ERR_GAME_IMAGE1_EMPTY", [&] { form.image1 = "shot.png"; }},
    };
    for (const auto& [key, mend] : steps) {
        EXPECT_EQ(failureOf(form, CollectMode::Saving), key);
        mend();
    }
    EXPECT_EQ(failureOf(form, CollectMode::Saving), "");

    // Trying a profile asks neither for a name nor for image 1, but for everything else.
    form.name = "  ";
    form.image1.clear();
    EXPECT_EQ(failureOf(form, CollectMode::Trying), "");
    EXPECT_EQ(collected(form, CollectMode::Trying).name, "");
    form.tape.file = "t.cas";
    EXPECT_EQ(failureOf(form, CollectMode::Trying), "M_ERR_TAPE_NO_ZIP");
}

TEST(CollectProfileTest, TypedTextsAreTrimmedAndMembersGetTheirMediumsExtension) {
    ProfileForm form;
    form.name = " \tKnight  Mare \t";
    form.slot1.medium = {"  games\\a.zip ", " knight "};
    form.slot2.medium = {"games\\b.zip", "knight.MX2"};
    form.diskA = {"d.zip", "disk1"};
    form.diskB = {"d.zip", "disk2.DI1"};
    form.tape = {"t.zip", "tape"};
    form.infoFile = " info.txt ";
    form.openMsxArguments = "  -script x.tcl ";
    form.companyText = " Home Brew ";
    form.countryText = " NZ ";
    const Game game = collected(form);
    EXPECT_EQ(game.name, "Knight  Mare");
    EXPECT_EQ(game.slot1File, "games\\a.zip");
    EXPECT_EQ(game.slot1ZipEntry, "knight.rom");
    EXPECT_EQ(game.slot2ZipEntry, "knight.MX2");
    EXPECT_EQ(game.diskAZipEntry, "disk1.dsk");
    EXPECT_EQ(game.diskBZipEntry, "disk2.DI1");
    EXPECT_EQ(game.tapeZipEntry, "tape.cas");
    EXPECT_EQ(game.infoFile, "info.txt");
    EXPECT_EQ(game.openMsxArguments, "-script x.tcl");
    EXPECT_EQ(game.company, "Home Brew");
    EXPECT_EQ(game.country, "NZ");

    // A member without its file is dropped; a file that is no archive is fine without member.
    ProfileForm loose;
    loose.name = "x";
    loose.slot1.medium = {"", "orphan.rom"};
    loose.diskA = {"x.dsk", "   "};
    loose.tape = {" ", "tape.cas"};
    const Game plain = collected(loose);
    EXPECT_EQ(plain.slot1ZipEntry, "");
    EXPECT_EQ(plain.diskAFile, "x.dsk");
    EXPECT_EQ(plain.diskAZipEntry, "");
    EXPECT_EQ(plain.tapeFile, "");
    EXPECT_EQ(plain.tapeZipEntry, "");
}

TEST(CollectProfileTest, ASpecialCartridgeKeepsTheSlotsFileAndMember) {
    ProfileForm form;
    form.name = "IDE";
    form.slot1 = {{" x.zip ", "game"}, true, "sunriseide"};
    form.slot2 = {{"y.zip", "y"}, false, "scc"};
    Game game = collected(form);
    EXPECT_EQ(game.slot1Special, "sunriseide");
    EXPECT_EQ(game.slot1File, "x.zip");
    EXPECT_EQ(game.slot1ZipEntry, "game.rom");
    // An unticked slot keeps its file and never its special choice.
    EXPECT_EQ(game.slot2Special, "");
    EXPECT_EQ(game.slot2File, "y.zip");
    EXPECT_EQ(game.slot2ZipEntry, "y.rom");

    // The member is checked against its file as in a slot without a special cartridge.
    form.slot2 = {{"y.rom", "member"}, true, "scc"};
    EXPECT_EQ(failureOf(form, CollectMode::Saving), "M_ERR_SLOT2_NO_ZIP");
}

TEST(CollectProfileTest, ValuesThatWouldSplitTheDatabaseLineAreRefusedByField) {
    const std::vector<std::pair<ProfileField, std::function<void(ProfileForm&)>>> cases = {
        {ProfileField::Name, [](ProfileForm& f) { f.name = "A|B"; }},
        {ProfileField::Slot1File, [](ProfileForm& f) { f.slot1.medium.file = "a\nb.rom"; }},
        {ProfileField::HardDiskSecondary, [](ProfileForm& f) { f.hardDiskSecondary = "h|d"; }},
        {ProfileField::TapeZipEntry,
         [](ProfileForm& f) {
             f.tape = {"t.zip", "a\r.cas"};
         }},
        {ProfileField::Machine, [](ProfileForm& f) { f.machine = "M|SX"; }},
        {ProfileField::Image2,
         [](ProfileForm& f) {
             f.specificImages = true;
             f.image1 = "1.png";
             f.image2 = "2|.png";
         }},
        {ProfileField::FmsxArguments, [](ProfileForm& f) { f.fmsxArguments = "-ram 4\n"; }},
        {ProfileField::Company, [](ProfileForm& f) { f.companyText = "A|B"; }},
        {ProfileField::Country, [](ProfileForm& f) { f.countryText = "J|P"; }},
    };
    for (const auto& [field, spoil] : cases) {
        for (CollectMode mode : {CollectMode::Saving, CollectMode::Trying}) {
            ProfileForm form;
            form.name = "Fine";
            spoil(form);
            const CollectResult result = collectProfile(form, mode);
            EXPECT_FALSE(result.profile);
            EXPECT_STREQ(result.failureKey, kFieldCharactersKey);
            EXPECT_EQ(result.field, field);
        }
    }

    // The first field read is the one named; an earlier failed check comes before it.
    ProfileForm form;
    form.name = "A|B";
    form.infoFile = "c|d";
    EXPECT_EQ(collectProfile(form, CollectMode::Saving).field, ProfileField::Name);
    form.name.clear();
    form.slot1.medium = {"e|f.zip", "x"};
    EXPECT_STREQ(collectProfile(form, CollectMode::Saving).failureKey, "M_ERR_GAME_NAME_EMPTY");
    EXPECT_EQ(collectProfile(form, CollectMode::Trying).field, ProfileField::Slot1File);
    // Hidden choices are not read: free text behind a chosen company, images of the default
    // folder. The file of a special slot is kept, so it is checked.
    ProfileForm hidden;
    hidden.name = "ok";
    hidden.companyChoice = "Konami";
    hidden.companyText = "x|y";
    hidden.image1 = "a|b";
    const Game game = collected(hidden);
    EXPECT_EQ(game.company, "Konami");
    EXPECT_EQ(game.image1, "");
    hidden.slot2 = {{"a|b", ""}, true, "scc"};
    EXPECT_EQ(collectProfile(hidden, CollectMode::Trying).field, ProfileField::Slot2File);
}

TEST(CollectProfileTest, ChoicesFlagsAndNumbersGoIntoTheirFields) {
    ProfileForm form;
    form.name = "All";
    form.machine = "Philips NMS 8250";
    form.specificImages = false;
    form.image1 = "kept out.png";
    form.openMsxOverride = true;
    form.fmsxArguments = "-ntsc";
    form.companyChoice = "T&E Soft";
    form.companyText = "ignored";
    form.year = "1987";
    form.countryChoice = "JP";
    form.countryText = "ignored";
    form.system = "MSX";
    form.generation = {false, true, true, false};
    form.sound[0] = true;
    form.sound[7] = true;
    form.genre1 = 30;
    form.genre2 = 26;
    Game game = collected(form);
    EXPECT_EQ(game.machine, "Philips NMS 8250");
    EXPECT_EQ(game.image1, "");
    EXPECT_EQ(game.openMsxOverride, "T");
    EXPECT_EQ(game.fmsxOverride, "");
    EXPECT_EQ(game.fmsxArguments, "-ntsc");
    // The basic data are kept while the emulator's values are chosen.
    EXPECT_EQ(game.basicDataSpecified, "");
    EXPECT_EQ(game.company, "T&E Soft");
    EXPECT_EQ(game.year, "1987");
    EXPECT_EQ(game.country, "JP");
    EXPECT_EQ(game.system, "MSX");
    EXPECT_EQ(game.GenerationText(), "MSX2, MSX2+");
    EXPECT_EQ(game.SoundText(), "PSG, MIDI");
    EXPECT_EQ(game.GenreText(), "RPG, Puzzle");
    EXPECT_EQ(game.generationMsxId, "");
    form.specifyBasicData = true;
    EXPECT_EQ(collected(form).basicDataSpecified, "T");
}

TEST(ProfileFormTest, AStoredProfileComesBackAsItWasStored) {
    Game g;
    g.name = "Full";
    g.slot1File = "C:\\MSX\\set.zip";
    g.slot1ZipEntry = "game.rom";
    g.slot2Special = "C:\\Corvane\\Machines\\Shared Roms\\SUNRISEIDE.rom";
    g.diskAFile = "a.dsk";
    g.diskBFile = "b.zip";
    g.diskBZipEntry = "b.dsk";
    g.tapeFile = "t.cas";
    g.machine = "Sony HB-F1XD";
    g.infoFile = "http://example.org/info";
    g.hardDiskPrimary = "hd1.dsk";
    g.hardDiskSecondary = "hd2.dsk";
    g.image1 = "1.png";
    g.image2 = "2.png";
    g.openMsxArguments = "-ext moonsound";
    g.openMsxOverride = "T";
    g.basicDataSpecified = "T";
    g.company = "Home Brew";
    g.year = "1999";
    g.country = "NZ";
    g.system = "MSX";
    g.generation = {true, false, false, true};
    g.sound = {true, false, true, false, false, false, false, true};
    g.genre1 = 3;
    g.genre2 = 50;
    g.generationMsxId = "1234";

    const ProfileForm form = profileFormOf(g);
    EXPECT_TRUE(form.slot2.special);
    EXPECT_EQ(form.slot2.specialChoice, "sunriseide");
    EXPECT_TRUE(form.specificImages);
    EXPECT_TRUE(form.openMsxOverride);
    EXPECT_FALSE(form.fmsxOverride);
    EXPECT_EQ(form.companyChoice, "");
    EXPECT_EQ(form.companyText, "Home Brew");
    EXPECT_EQ(form.countryText, "NZ");

    Game expected = g;
    expected.slot2Special = "sunriseide";
    expected.generationMsxId.clear();
    EXPECT_EQ(collected(form), expected);

    // Listed values are choices; a special slot shows its file too.
    g.company = "Konami";
    g.country = "JP";
    g.slot2File = "beside.rom";
    g.image1.clear();
    const ProfileForm listed = profileFormOf(g);
    EXPECT_EQ(listed.companyChoice, "Konami");
    EXPECT_EQ(listed.companyText, "");
    EXPECT_EQ(listed.countryChoice, "JP");
    EXPECT_EQ(listed.slot2.medium.file, "beside.rom");
    EXPECT_TRUE(listed.slot2.special);
    EXPECT_FALSE(listed.specificImages);
    EXPECT_EQ(listed.image2, "2.png");

    const ProfileForm fresh = newProfileForm();
    EXPECT_EQ(fresh.name, "");
    EXPECT_EQ(fresh.machine, "MSX2 - C-BIOS");
    EXPECT_FALSE(fresh.specifyBasicData);
    EXPECT_FALSE(fresh.slot1.special);
}
