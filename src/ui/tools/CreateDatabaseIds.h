// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace corvane {

// Catalogue identifiers of Fill Database and its captioned controls. Several serve the drop
// dialog as well.
inline constexpr int kDlgFillDatabase = 159;
inline constexpr int kIdDirectoriesGroup = 1640;
inline constexpr int kIdAddDirectory = 1046;
inline constexpr int kIdRemoveEntry = 1048;
inline constexpr int kIdSearchSubdirectories = 1049;
inline constexpr int kIdTargetGroup = 1641;
inline constexpr int kIdExistingDatabase = 1066;
inline constexpr int kIdNewDatabase = 1067;
inline constexpr int kIdAddModeLabel = 1642;
inline constexpr int kIdAppend = 1053;
inline constexpr int kIdOverwrite = 1057;
inline constexpr int kIdBackup = 1056;
inline constexpr int kIdNamingLabel = 1643;
inline constexpr int kIdUseFileName = 1064;
inline constexpr int kIdNameFromEmulator = 1065;
inline constexpr int kIdMediaGroup = 1644;
inline constexpr int kIdRom = 1191;
inline constexpr int kIdDisk = 1193;
inline constexpr int kIdTape = 1260;
inline constexpr int kIdZipFiles = 1063;
inline constexpr int kIdMachineLabel = 1645;
inline constexpr int kIdExtraData = 1474;

// Every identifier above, for the check that each language has them all.
inline constexpr int kCreateDatabaseIds[] = {kDlgFillDatabase,
                                             kIdDirectoriesGroup,
                                             kIdAddDirectory,
                                             kIdRemoveEntry,
                                             kIdSearchSubdirectories,
                                             kIdTargetGroup,
                                             kIdExistingDatabase,
                                             kIdNewDatabase,
                                             kIdAddModeLabel,
                                             kIdAppend,
                                             kIdOverwrite,
                                             kIdBackup,
                                             kIdNamingLabel,
                                             kIdUseFileName,
                                             kIdNameFromEmulator,
                                             kIdMediaGroup,
                                             kIdRom,
                                             kIdDisk,
                                             kIdTape,
                                             kIdZipFiles,
                                             kIdMachineLabel,
                                             kIdExtraData};

}  // namespace corvane
