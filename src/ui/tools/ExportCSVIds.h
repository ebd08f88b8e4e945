// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace corvane {

// Catalogue identifiers of Export to CSV and its captioned controls.
inline constexpr int kDlgExportCsv = 290;
inline constexpr int kIdCsvDatabasesGroup = 1365;
inline constexpr int kIdCsvAll = 1359;
inline constexpr int kIdCsvSpecific = 1360;
inline constexpr int kIdCsvFilenameGroup = 1367;
inline constexpr int kIdCsvFile = 1263;
// The same word as the SHA-1 calculator's Browse.
inline constexpr int kIdCsvBrowse = 1071;

// Every identifier above, for the check that each language has them all.
inline constexpr int kExportCsvIds[] = {kDlgExportCsv,  kIdCsvDatabasesGroup, kIdCsvAll,
                                        kIdCsvSpecific, kIdCsvFilenameGroup,  kIdCsvFile,
                                        kIdCsvBrowse};

}  // namespace corvane
