// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace corvane {

// Catalogue identifiers of the main window, its about box and its command-line window.
inline constexpr int kDlgAbout = 100;
inline constexpr int kDlgCommandLineOutput = 209;

inline constexpr int kIdLaunchButton = 1000;
inline constexpr int kIdRemoveButton = 1001;
inline constexpr int kIdAddButton = 1002;
inline constexpr int kIdEditButton = 1003;
inline constexpr int kIdInfoButton = 1004;
inline constexpr int kIdSearchButton = 1007;
inline constexpr int kIdFiltersButton = 1121;
inline constexpr int kIdFavoritesButton = 1262;

// Captions of the selector panels.
inline constexpr int kIdDatabasePanel = 1226;
inline constexpr int kIdCountPanel = 1230;
inline constexpr int kIdMediumPanel = 1236;
inline constexpr int kIdSystemPanel = 1238;
inline constexpr int kIdCompanyPanel = 1217;
inline constexpr int kIdYearPanel = 1214;
inline constexpr int kIdCountryPanel = 1221;
inline constexpr int kIdGenerationPanel = 1228;
inline constexpr int kIdSoundPanel = 1225;
inline constexpr int kIdGenrePanel = 1223;

inline constexpr int kIdCommandLineLaunch = 1315;
inline constexpr int kIdAboutText = 1602;
inline constexpr int kIdAboutVersion = 1690;
inline constexpr int kIdAboutLicence = 1691;
inline constexpr int kIdAboutLibraries = 1692;

// Every identifier above, for the check that each language has them all.
inline constexpr int kMainWindowIds[] = {
    kDlgAbout,          kDlgCommandLineOutput, kIdLaunchButton,
    kIdRemoveButton,    kIdAddButton,          kIdEditButton,
    kIdInfoButton,      kIdSearchButton,       kIdFiltersButton,
    kIdFavoritesButton, kIdDatabasePanel,      kIdCountPanel,
    kIdMediumPanel,     kIdSystemPanel,        kIdCompanyPanel,
    kIdYearPanel,       kIdCountryPanel,       kIdGenerationPanel,
    kIdSoundPanel,      kIdGenrePanel,         kIdCommandLineLaunch,
    kIdAboutText,       kIdAboutVersion,       kIdAboutLicence,
    kIdAboutLibraries};

}  // namespace corvane
