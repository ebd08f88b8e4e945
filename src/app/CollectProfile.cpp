// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/CollectProfile.h"

#include <string_view>

#include "common/AsciiCase.h"
#include "model/StoredField.h"

namespace corvane {

namespace {

// Reads the values one by one, stopping at the first that fails.
class Collector {
public:
    explicit Collector(CollectResult& result) : result_(result) {}

    bool failed() const { return result_.failureKey != nullptr; }

    void fail(const char* key) {
        if (!failed())
            result_.failureKey = key;
    }

    // A typed text without its outer blanks.
    void typed(std::string& out, const std::string& value, ProfileField field) {
        chosen(out, std::string(trimBlanks(value)), field);
    }

    void chosen(std::string& out, const std::string& value, ProfileField field) {
        if (failed())
            return;
        if (!fitsDatabaseLine(value)) {
            fail(kFieldCharactersKey);
            result_.field = field;
            return;
        }
        out = value;
    }

    // The member of a ZIP archive: only with a file, which must then be an archive; a member
    // that is not of the medium's kind by its extension gets the medium's extension.
    void member(std::string& out, const std::string& file, const std::string& value,
                ProfileField field, const char* notZipKey, bool (*isOfKind)(std::string_view),
                const char* extension) {
        if (failed() || file.empty())
            return;
        typed(out, value, field);
        if (failed() || out.empty())
            return;
        if (!IsZipFile(file)) {
            fail(notZipKey);
            return;
        }
        if (!isOfKind(out))
            out += extension;
    }

private:
    CollectResult& result_;
};

std::string flag(bool on) {
    return on ? "T" : "";
}

}  // namespace

CollectResult collectProfile(const ProfileForm& form, CollectMode mode) {
    CollectResult result;
    Collector read(result);
    Game game;

    read.typed(game.name, form.name, ProfileField::Name);
    if (!read.failed() && game.name.empty() && mode == CollectMode::Saving)
        read.fail("M_ERR_GAME_NAME_EMPTY");

    // A slot's file is read whatever "Special" says: a file stored beside a special cartridge
    // is the profile's main medium, and dropping it would lose it on a save with no change.
    read.typed(game.slot1File, form.slot1.medium.file, ProfileField::Slot1File);
    read.typed(game.slot2File, form.slot2.medium.file, ProfileField::Slot2File);
    read.typed(game.diskAFile, form.diskA.file, ProfileField::DiskAFile);
    read.typed(game.diskBFile, form.diskB.file, ProfileField::DiskBFile);
    read.typed(game.tapeFile, form.tape.file, ProfileField::TapeFile);
    read.typed(game.hardDiskPrimary, form.hardDiskPrimary, ProfileField::HardDiskPrimary);
    read.typed(game.hardDiskSecondary, form.hardDiskSecondary, ProfileField::HardDiskSecondary);

    // The member goes with its file, so the emulator is still given the same medium.
    if (form.slot1.special)
        game.slot1Special = form.slot1.specialChoice;
    read.member(game.slot1ZipEntry, game.slot1File, form.slot1.medium.zipEntry,
                ProfileField::Slot1ZipEntry, "M_ERR_SLOT1_NO_ZIP", IsRomImage, ".rom");
    if (form.slot2.special)
        game.slot2Special = form.slot2.specialChoice;
    read.member(game.slot2ZipEntry, game.slot2File, form.slot2.medium.zipEntry,
                ProfileField::Slot2ZipEntry, "M_ERR_SLOT2_NO_ZIP", IsRomImage, ".rom");
    read.member(game.diskAZipEntry, game.diskAFile, form.diskA.zipEntry,
                ProfileField::DiskAZipEntry, "M_ERR_DISKA_NO_ZIP", IsDiskImage, ".dsk");
    read.member(game.diskBZipEntry, game.diskBFile, form.diskB.zipEntry,
                ProfileField::DiskBZipEntry, "M_ERR_DISKB_NO_ZIP", IsDiskImage, ".dsk");
    read.member(game.tapeZipEntry, game.tapeFile, form.tape.zipEntry, ProfileField::TapeZipEntry,
                "M_ERR_TAPE_NO_ZIP", IsTapeImage, ".cas");

    read.chosen(game.machine, form.machine, ProfileField::Machine);
    read.typed(game.infoFile, form.infoFile, ProfileField::InfoFile);

    if (form.specificImages) {
        read.typed(game.image1, form.image1, ProfileField::Image1);
        if (!read.failed() && game.image1.empty() && mode == CollectMode::Saving)
            read.fail("M_ERR_GAME_IMAGE1_EMPTY");
        read.typed(game.image2, form.image2, ProfileField::Image2);
    }

    read.typed(game.openMsxArguments, form.openMsxArguments, ProfileField::OpenMsxArguments);
    game.openMsxOverride = flag(form.openMsxOverride);
    read.typed(game.fmsxArguments, form.fmsxArguments, ProfileField::FmsxArguments);
    game.fmsxOverride = flag(form.fmsxOverride);

    // Kept whichever choice is made, so switching back to "Specify" finds them again.
    game.basicDataSpecified = flag(form.specifyBasicData);
    if (form.companyChoice.empty())
        read.typed(game.company, form.companyText, ProfileField::Company);
    else
        read.chosen(game.company, form.companyChoice, ProfileField::Company);
    read.chosen(game.year, form.year, ProfileField::Year);
    if (form.countryChoice.empty())
        read.typed(game.country, form.countryText, ProfileField::Country);
    else
        read.chosen(game.country, form.countryChoice, ProfileField::Country);
    read.chosen(game.system, form.system, ProfileField::System);

    game.generation = form.generation;
    game.sound = form.sound;
    game.genre1 = form.genre1;
    game.genre2 = form.genre2;

    if (!read.failed())
        result.profile = std::move(game);
    return result;
}

}  // namespace corvane
