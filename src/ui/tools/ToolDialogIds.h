// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace corvane {

// Catalogue identifiers of Machine Selection (Set Machine) and Adjust Relative Path, and their
// captioned controls.
inline constexpr int kDlgMachineSelection = 240;
inline constexpr int kIdDatabaseGroup = 1660;
inline constexpr int kIdMachineGroup = 1661;
inline constexpr int kIdOptionsGroup = 1662;
inline constexpr int kIdSpecificMachine = 1244;
inline constexpr int kIdMinimumMachine = 1242;
inline constexpr int kIdAllProfiles = 1101;
inline constexpr int kIdMissingMachine = 1107;
inline constexpr int kIdBackupDatabase = 1056;

inline constexpr int kDlgAdjustRelativePath = 332;
inline constexpr int kIdCurrentRelativePath = 1457;
inline constexpr int kIdNewRelativePath = 1443;
inline constexpr int kIdBackupAllDatabases = 1456;
inline constexpr int kIdBrowseFolder = 1610;

// Every identifier above, for the check that each language has them all.
inline constexpr int kToolDialogIds[] = {
    kDlgMachineSelection,  kIdDatabaseGroup,       kIdMachineGroup,        kIdOptionsGroup,
    kIdSpecificMachine,    kIdMinimumMachine,      kIdAllProfiles,         kIdMissingMachine,
    kIdBackupDatabase,     kDlgAdjustRelativePath, kIdCurrentRelativePath, kIdNewRelativePath,
    kIdBackupAllDatabases, kIdBrowseFolder};

}  // namespace corvane
