// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace corvane {

// Catalogue identifiers of the properties view and its pages. Most row captions are shared with
// the other windows that show the same values.
inline constexpr int kDlgProperties = 221;
inline constexpr int kIdPropName = 1314;
inline constexpr int kIdPropDatabase = 1032;
inline constexpr int kIdPropFile = 1263;
inline constexpr int kIdPropMedium = 1258;
inline constexpr int kIdPropSha1 = 1154;
inline constexpr int kIdPropSystem = 1264;
inline constexpr int kIdPropCompany = 1265;
inline constexpr int kIdPropYear = 1266;
inline constexpr int kIdPropCountry = 1267;
inline constexpr int kIdPropGoodMsx = 1301;
inline constexpr int kIdPropMapper = 1167;
inline constexpr int kIdPropRemark = 1302;
inline constexpr int kIdPropGeneration = 1156;
inline constexpr int kIdPropSound = 1158;
inline constexpr int kIdPropGenre = 1161;
inline constexpr int kIdPropInZip = 1650;
inline constexpr int kIdPropSize = 1651;
inline constexpr int kIdPropTitle = 1652;
inline constexpr int kIdPropStart = 1653;
inline constexpr int kIdQuickSaves = 1654;
inline constexpr int kIdScreenshots = 1655;
inline constexpr int kIdVideoCaptures = 1656;
inline constexpr int kIdAudioCaptures = 1657;
inline constexpr int kIdExploreCapture = 1658;

// Every identifier above, for the check that each language has them all.
inline constexpr int kPropertiesIds[] = {
    kDlgProperties, kIdPropName,    kIdPropDatabase,  kIdPropFile,       kIdPropMedium,
    kIdPropSha1,    kIdPropSystem,  kIdPropCompany,   kIdPropYear,       kIdPropCountry,
    kIdPropGoodMsx, kIdPropMapper,  kIdPropRemark,    kIdPropGeneration, kIdPropSound,
    kIdPropGenre,   kIdPropInZip,   kIdPropSize,      kIdPropTitle,      kIdPropStart,
    kIdQuickSaves,  kIdScreenshots, kIdVideoCaptures, kIdAudioCaptures,  kIdExploreCapture};

}  // namespace corvane
