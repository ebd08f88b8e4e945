// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace corvane {

// Catalogue identifiers of the SHA1 Center.
inline constexpr int kDlgSha1Center = 180;
inline constexpr int kIdBrowseFile = 1071;
inline constexpr int kIdCalculate = 1072;
inline constexpr int kIdFindBySha1 = 1173;
inline constexpr int kIdSearchLauncher = 1100;
inline constexpr int kIdSearchCorvane = 1106;
inline constexpr int kIdFindSha1 = 103;

// Every identifier above, for the check that each language has them all.
inline constexpr int kSha1CalculatorIds[] = {kDlgSha1Center, kIdBrowseFile,     kIdCalculate,
                                             kIdFindBySha1,  kIdSearchLauncher, kIdSearchCorvane,
                                             kIdFindSha1};

}  // namespace corvane
