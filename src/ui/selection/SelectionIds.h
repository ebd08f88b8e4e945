// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace corvane {

// Catalogue identifiers of the filter, favorites and search dialogs and their controls.
inline constexpr int kDlgFilters = 246;
inline constexpr int kDlgSearch = 263;
inline constexpr int kDlgOrganizeFavorites = 303;
inline constexpr int kDlgOrganizeFilters = 308;

inline constexpr int kIdMedium = 1258;
inline constexpr int kIdSystem = 1264;
inline constexpr int kIdCompany = 1265;
inline constexpr int kIdYear = 1266;
inline constexpr int kIdCountry = 1267;
inline constexpr int kIdGeneration = 1398;
inline constexpr int kIdSound = 1231;
inline constexpr int kIdGenre = 1235;
inline constexpr int kIdCompanyCustom = 1113;
inline constexpr int kIdCountryCustom = 1108;
inline constexpr int kIdSystemCustom = 1111;
inline constexpr int kIdSaveAs = 1423;
inline constexpr int kIdReset = 105;

inline constexpr int kIdRename = 1426;
inline constexpr int kIdDelete = 1369;
inline constexpr int kIdSort = 1405;

inline constexpr int kIdFind = 106;
inline constexpr int kIdSearchName = 1314;
inline constexpr int kIdSearchHint = 1270;
inline constexpr int kIdFound = 1269;
inline constexpr int kIdLocateQuestion = 1254;

// Every identifier above, for the check that each language has them all.
inline constexpr int kSelectionIds[] = {
    kDlgFilters,         kDlgSearch,       kDlgOrganizeFavorites,
    kDlgOrganizeFilters, kIdMedium,        kIdSystem,
    kIdCompany,          kIdYear,          kIdCountry,
    kIdGeneration,       kIdSound,         kIdGenre,
    kIdCompanyCustom,    kIdCountryCustom, kIdSystemCustom,
    kIdSaveAs,           kIdReset,         kIdRename,
    kIdDelete,           kIdSort,          kIdFind,
    kIdSearchName,       kIdSearchHint,    kIdFound,
    kIdLocateQuestion};

}  // namespace corvane
