// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "i18n/MenuIds.h"

namespace corvane {

// Catalogue identifiers of the profile editor: its title and the captions of its controls.
// Several captions are shared with other windows, as the catalogue lists them.
inline constexpr int kDlgGameSettings = 129;

inline constexpr int kIdEditorName = 1314;
inline constexpr int kIdEditorMachine = 1317;
inline constexpr int kIdEditorInfoFile = 1700;

inline constexpr int kIdEditorSlot1 = 1320;
inline constexpr int kIdEditorSlot2 = 1321;
inline constexpr int kIdEditorDiskA = 1326;
inline constexpr int kIdEditorDiskB = 1327;
inline constexpr int kIdEditorTape = 1330;
inline constexpr int kIdEditorFile = 1263;
inline constexpr int kIdEditorNameInZip = 1701;
inline constexpr int kIdEditorSpecial = 1702;

inline constexpr int kIdEditorPrimary = 1703;
inline constexpr int kIdEditorSecondary = 1704;
inline constexpr int kIdEditorHardDiskNote = 1380;

inline constexpr int kIdEditorDefaultImages = 1705;
inline constexpr int kIdEditorSpecificImages = 1706;
inline constexpr int kIdEditorImage1 = 1335;
inline constexpr int kIdEditorImage2 = 1336;

inline constexpr int kIdEditorOpenMsxArguments = 1339;
inline constexpr int kIdEditorOpenMsxOverride = 1707;
inline constexpr int kIdEditorFmsxArguments = 1466;
inline constexpr int kIdEditorFmsxOverride = 1708;

inline constexpr int kIdEditorCorvaneValues = 1374;
inline constexpr int kIdEditorSpecify = 1709;
inline constexpr int kIdEditorCompany = 1265;
inline constexpr int kIdEditorYear = 1266;
inline constexpr int kIdEditorCountry = 1267;
inline constexpr int kIdEditorSystem = 1264;
inline constexpr int kIdEditorOr = 1710;

inline constexpr int kIdEditorGeneration = 1711;
inline constexpr int kIdEditorSound = 1158;
inline constexpr int kIdEditorGenre = 1161;
inline constexpr int kIdEditorAnd = 1712;

inline constexpr int kIdEditorLaunch = 1315;
inline constexpr int kIdEditorSave = 1015;
inline constexpr int kIdEditorClose = 1316;

// Every identifier above and the Launch button's menu entries, for the check that each
// language has them all.
inline constexpr int kEditorIds[] = {kDlgGameSettings,
                                     kIdEditorName,
                                     kIdEditorMachine,
                                     kIdEditorInfoFile,
                                     kIdEditorSlot1,
                                     kIdEditorSlot2,
                                     kIdEditorDiskA,
                                     kIdEditorDiskB,
                                     kIdEditorTape,
                                     kIdEditorFile,
                                     kIdEditorNameInZip,
                                     kIdEditorSpecial,
                                     kIdEditorPrimary,
                                     kIdEditorSecondary,
                                     kIdEditorHardDiskNote,
                                     kIdEditorDefaultImages,
                                     kIdEditorSpecificImages,
                                     kIdEditorImage1,
                                     kIdEditorImage2,
                                     kIdEditorOpenMsxArguments,
                                     kIdEditorOpenMsxOverride,
                                     kIdEditorFmsxArguments,
                                     kIdEditorFmsxOverride,
                                     kIdEditorCorvaneValues,
                                     kIdEditorSpecify,
                                     kIdEditorCompany,
                                     kIdEditorYear,
                                     kIdEditorCountry,
                                     kIdEditorSystem,
                                     kIdEditorOr,
                                     kIdEditorGeneration,
                                     kIdEditorSound,
                                     kIdEditorGenre,
                                     kIdEditorAnd,
                                     kIdEditorLaunch,
                                     kIdEditorSave,
                                     kIdEditorClose,
                                     kMenuLaunchCorvane,
                                     kMenuLaunchOpenMsx,
                                     kMenuLaunchFmsx};

}  // namespace corvane
