// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace corvane {

// Catalogue identifiers of Other Dumps and its captioned controls.
inline constexpr int kDlgOtherDumps = 307;
inline constexpr int kIdOtherDumpsName = 1314;
inline constexpr int kIdOtherDumpsDatabase = 1032;
inline constexpr int kIdKnownDumps = 1293;
inline constexpr int kIdFindOtherDumps = 1406;
inline constexpr int kIdOtherDumpsFound = 1295;
inline constexpr int kIdLocateChosen = 1254;

// Every identifier above, for the check that each language has them all.
inline constexpr int kOtherDumpsIds[] = {kDlgOtherDumps, kIdOtherDumpsName, kIdOtherDumpsDatabase,
                                         kIdKnownDumps,  kIdFindOtherDumps, kIdOtherDumpsFound,
                                         kIdLocateChosen};

}  // namespace corvane
