// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace corvane {

// Catalogue identifiers of the Settings dialog: its title and the captions of its controls.
inline constexpr int kDlgSettings = 136;

inline constexpr int kIdCorvanePath = 1271;
inline constexpr int kIdInfoViewer = 1272;
inline constexpr int kIdUseDefaultViewer = 1371;
inline constexpr int kIdUseSpecificViewer = 1372;
inline constexpr int kIdDefaultDatabase = 1273;
inline constexpr int kIdEmulatorWindow = 1275;
inline constexpr int kIdFullScreen = 1021;
inline constexpr int kIdTheme = 1276;

inline constexpr int kIdEnableScreenshots = 1096;
inline constexpr int kIdScreenshotCount = 1277;
inline constexpr int kIdImageType = 1278;
inline constexpr int kIdScreenshotNote = 1337;

inline constexpr int kIdBackgroundImage = 1280;
inline constexpr int kIdDefaultBackground = 1103;
inline constexpr int kIdCustomBackground = 1109;
inline constexpr int kIdLayout = 1281;

inline constexpr int kIdOpenMsxSettings = 1282;
inline constexpr int kIdOpenMsxPath = 1283;
inline constexpr int kIdOpenMsxArguments = 1284;
inline constexpr int kIdFmsxSettings = 1460;
inline constexpr int kIdFmsxPath = 1464;
inline constexpr int kIdFmsxArguments = 1465;
inline constexpr int kIdDefaultEmulator = 1616;
inline constexpr int kIdAutomaticEmulator = 1617;

inline constexpr int kIdLanguageLabel = 1354;

// Buttons next to the path boxes.
inline constexpr int kIdBrowse = 1610;
inline constexpr int kIdEject = 1611;

// Every identifier above, for the check that each language has them all.
inline constexpr int kSettingsIds[] = {kDlgSettings,
                                       kIdCorvanePath,
                                       kIdInfoViewer,
                                       kIdUseDefaultViewer,
                                       kIdUseSpecificViewer,
                                       kIdDefaultDatabase,
                                       kIdEmulatorWindow,
                                       kIdFullScreen,
                                       kIdTheme,
                                       kIdEnableScreenshots,
                                       kIdScreenshotCount,
                                       kIdImageType,
                                       kIdScreenshotNote,
                                       kIdBackgroundImage,
                                       kIdDefaultBackground,
                                       kIdCustomBackground,
                                       kIdLayout,
                                       kIdOpenMsxSettings,
                                       kIdOpenMsxPath,
                                       kIdOpenMsxArguments,
                                       kIdFmsxSettings,
                                       kIdFmsxPath,
                                       kIdFmsxArguments,
                                       kIdDefaultEmulator,
                                       kIdAutomaticEmulator,
                                       kIdLanguageLabel,
                                       kIdBrowse,
                                       kIdEject};

}  // namespace corvane
