// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

#include "tools/ImportExtraDataHandler.h"
#include "tools/ProfileDetails.h"
#include "tools/TOSECHandler.h"

namespace corvane {

// The details Fill Database gives a new profile: the extra data of its SHA-1 from the base
// directory's extra-data.dat, and for a medium the emulator does not know, the year, company and
// country of a TOSEC-style file name.
class FillDetails : public ProfileDetails {
public:
    explicit FillDetails(const std::string& baseDirectory);
    void apply(Game& profile, const std::string& sha1, bool knownToEmulator,
               const std::string& fileName) const override;

private:
    ImportExtraDataHandler extraData_;
    TOSECHandler tosec_;
};

}  // namespace corvane
