// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace corvane {

// Catalogue identifiers of the database manager and its controls.
inline constexpr int kDlgDatabaseManager = 187;
inline constexpr int kIdRenameDatabase = 1085;
inline constexpr int kIdDeleteDatabase = 1083;
inline constexpr int kIdDeleteBackups = 1082;
inline constexpr int kIdRestoreDatabase = 1088;
inline constexpr int kIdFillDatabase = 1087;
inline constexpr int kIdClose = 1316;
inline constexpr int kIdStats = 1286;
inline constexpr int kIdTotalDatabases = 1287;
inline constexpr int kIdTotalProfiles = 1288;
inline constexpr int kIdTotalBackups = 1289;

// Every identifier above, for the check that each language has them all.
inline constexpr int kDatabaseManagerIds[] = {
    kDlgDatabaseManager, kIdRenameDatabase, kIdDeleteDatabase, kIdDeleteBackups,
    kIdRestoreDatabase,  kIdFillDatabase,   kIdClose,          kIdStats,
    kIdTotalDatabases,   kIdTotalProfiles,  kIdTotalBackups};

}  // namespace corvane
