// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/FillDetails.h"

namespace corvane {

FillDetails::FillDetails(const std::string& baseDirectory)
    : extraData_(baseDirectory, /*load=*/true) {}

void FillDetails::apply(Game& profile, const std::string& sha1, bool knownToEmulator,
                        const std::string& fileName) const {
    extraData_.ApplyToNewProfile(profile, sha1);
    if (!knownToEmulator)
        tosec_.Apply(profile, fileName);
}

}  // namespace corvane
