// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <string>

#include "model/Game.h"

namespace corvane {

// What the profile editor's pages hold, as plain values: typed texts as typed, list choices as
// the values they stand for (empty where "Select..." is chosen).
struct ProfileForm {
    // A medium that may be a member of a ZIP archive.
    struct Medium {
        std::string file;
        std::string zipEntry;
    };
    struct RomSlot {
        Medium medium;
        bool special = false;
        std::string specialChoice;  // "scc", ..., "sunriseide", or a stored value kept as it was
    };

    std::string name;
    std::string machine;  // the machine list's choice; empty when none is chosen
    std::string infoFile;
    RomSlot slot1;
    RomSlot slot2;
    Medium diskA;
    Medium diskB;
    Medium tape;
    std::string hardDiskPrimary;
    std::string hardDiskSecondary;
    bool specificImages = false;
    std::string image1;
    std::string image2;
    std::string openMsxArguments;
    bool openMsxOverride = false;
    std::string fmsxArguments;
    bool fmsxOverride = false;
    bool specifyBasicData = false;
    std::string companyChoice;  // one of the company list
    std::string companyText;    // free text, used when no company is chosen
    std::string year;
    std::string countryChoice;  // a country code of the country list
    std::string countryText;    // free text, used when no country is chosen
    std::string system;
    std::array<bool, kGenerationCount> generation{};
    std::array<bool, kSoundCount> sound{};
    int genre1 = 0;
    int genre2 = 0;
};

// The pages of a new profile; its machine is the usual one of the catalogue.
ProfileForm newProfileForm();
// The pages of a stored profile. A company or country that is not in its list becomes free text.
ProfileForm profileFormOf(const Game& profile);

}  // namespace corvane
