// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

namespace corvane {

// The Generation-MSX software-info page of a software id is this address followed by the id.
inline constexpr std::string_view kGenerationMsxSoftwareInfo =
    "https://www.generation-msx.nl/msxdb/softwareinfo/";

// The page of a profile's Generation-MSX id; empty for an empty id. The id is normally digits;
// any byte that is not a letter, digit, "-", "_" or "~" is percent-encoded, so what a database
// line holds can never turn the link into a query or another site's address.
std::string generationMsxLink(std::string_view id);

}  // namespace corvane
