// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace corvane {

// Catalogue identifiers of Rename Files, its confirmation and its result.
inline constexpr int kDlgRenameFiles = 232;
inline constexpr int kDlgRenameConfirmation = 236;
inline constexpr int kDlgRenameResult = 235;
inline constexpr int kIdRenameDatabaseGroup = 1344;
inline constexpr int kIdRenameRuleLabel = 1345;
inline constexpr int kIdShortFormat = 1176;
inline constexpr int kIdSameAsName = 1177;
inline constexpr int kIdSameAsTitle = 1178;
inline constexpr int kIdRenameMediaGroup = 1346;
inline constexpr int kIdRenameRom = 1191;
inline constexpr int kIdRenameDisk = 1193;
inline constexpr int kIdRenameTape = 1260;
inline constexpr int kIdRenameHardDisk = 1196;
inline constexpr int kIdRenameQuestion = 1347;
inline constexpr int kIdRenameWarning = 1348;
inline constexpr int kIdProceed = 1370;
inline constexpr int kIdResultsGroup = 1349;
inline constexpr int kIdTotalRenamed = 1350;
inline constexpr int kIdTotalNotRenamed = 1351;
inline constexpr int kIdNotRenamedList = 1352;

// Every identifier above, for the check that each language has them all.
inline constexpr int kFileRenameIds[] = {
    kDlgRenameFiles,     kDlgRenameConfirmation, kDlgRenameResult,   kIdRenameDatabaseGroup,
    kIdRenameRuleLabel,  kIdShortFormat,         kIdSameAsName,      kIdSameAsTitle,
    kIdRenameMediaGroup, kIdRenameRom,           kIdRenameDisk,      kIdRenameTape,
    kIdRenameHardDisk,   kIdRenameQuestion,      kIdRenameWarning,   kIdProceed,
    kIdResultsGroup,     kIdTotalRenamed,        kIdTotalNotRenamed, kIdNotRenamedList};

}  // namespace corvane
