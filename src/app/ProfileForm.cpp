// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/ProfileForm.h"

#include <algorithm>

#include "emulator/MachineCatalogue.h"
#include "model/ValueLists.h"

namespace corvane {

namespace {

bool listed(const std::vector<std::string>& list, const std::string& value) {
    return std::find(list.begin(), list.end(), value) != list.end();
}

ProfileForm::RomSlot slotOf(const std::string& file, const std::string& entry,
                            const std::string& special) {
    // A file stored beside a special cartridge is shown too: saving must give it back.
    ProfileForm::RomSlot slot;
    slot.medium = {file, entry};
    slot.special = !special.empty();
    if (slot.special)
        slot.specialChoice = MachineCatalogue::specialCartridgeChoice(special);
    return slot;
}

}  // namespace

ProfileForm newProfileForm() {
    ProfileForm form;
    form.machine = MachineCatalogue::kUsualMachine;
    return form;
}

ProfileForm profileFormOf(const Game& profile) {
    ProfileForm form;
    form.name = profile.name;
    form.machine = profile.machine;
    form.infoFile = profile.infoFile;
    form.slot1 = slotOf(profile.slot1File, profile.slot1ZipEntry, profile.slot1Special);
    form.slot2 = slotOf(profile.slot2File, profile.slot2ZipEntry, profile.slot2Special);
    form.diskA = {profile.diskAFile, profile.diskAZipEntry};
    form.diskB = {profile.diskBFile, profile.diskBZipEntry};
    form.tape = {profile.tapeFile, profile.tapeZipEntry};
    form.hardDiskPrimary = profile.hardDiskPrimary;
    form.hardDiskSecondary = profile.hardDiskSecondary;
    // Screenshots of the emulator's folder are used whenever image 1 is empty.
    form.specificImages = !profile.image1.empty();
    form.image1 = profile.image1;
    form.image2 = profile.image2;
    form.openMsxArguments = profile.openMsxArguments;
    form.openMsxOverride = !profile.openMsxOverride.empty();
    form.fmsxArguments = profile.fmsxArguments;
    form.fmsxOverride = !profile.fmsxOverride.empty();
    form.specifyBasicData = profile.basicDataSpecified == "T";
    (listed(companyList(), profile.company) ? form.companyChoice : form.companyText) =
        profile.company;
    form.year = profile.year;
    (listed(countryList(), profile.country) ? form.countryChoice : form.countryText) =
        profile.country;
    form.system = profile.system;
    form.generation = profile.generation;
    form.sound = profile.sound;
    form.genre1 = profile.genre1;
    form.genre2 = profile.genre2;
    return form;
}

}  // namespace corvane
