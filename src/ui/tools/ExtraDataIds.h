// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace corvane {

// Catalogue identifiers of Import Extra Profile Data, Set Extra Profile Data and the options
// they share.
inline constexpr int kDlgImportExtraData = 306;
inline constexpr int kDlgSetExtraData = 329;
inline constexpr int kIdAllDatabases = 1359;
inline constexpr int kIdSpecificDatabase = 1360;
inline constexpr int kIdExtraDataOptions = 1402;
inline constexpr int kIdGenerationLabel = 1156;
inline constexpr int kIdSoundLabel = 1158;
inline constexpr int kIdGenreLabel = 1161;
// Skip, Overwrite and Merge of each of generation, sound and genre.
inline constexpr int kIdGenerationModes[] = {1404, 1407, 1408};
inline constexpr int kIdSoundModes[] = {1409, 1410, 1411};
inline constexpr int kIdGenreModes[] = {1412, 1413, 1414};
inline constexpr int kIdInfoFileGroup = 1415;
inline constexpr int kIdScreenshotsGroup = 1419;
// Skip, Overwrite and Set if empty of the info file and the screenshots.
inline constexpr int kIdInfoFileModes[] = {1416, 1417, 1418};
inline constexpr int kIdScreenshotModes[] = {1420, 1421, 1422};
inline constexpr int kIdBackupAffected = 1439;
inline constexpr int kIdSelectedProfiles = 1430;
inline constexpr int kIdBackupExisting = 1056;

// Every identifier above, for the check that each language has them all.
inline constexpr int kExtraDataIds[] = {kDlgImportExtraData,
                                        kDlgSetExtraData,
                                        kIdAllDatabases,
                                        kIdSpecificDatabase,
                                        kIdExtraDataOptions,
                                        kIdGenerationLabel,
                                        kIdSoundLabel,
                                        kIdGenreLabel,
                                        1404,
                                        1407,
                                        1408,
                                        1409,
                                        1410,
                                        1411,
                                        1412,
                                        1413,
                                        1414,
                                        kIdInfoFileGroup,
                                        kIdScreenshotsGroup,
                                        1416,
                                        1417,
                                        1418,
                                        1420,
                                        1421,
                                        1422,
                                        kIdBackupAffected,
                                        kIdSelectedProfiles,
                                        kIdBackupExisting};

}  // namespace corvane
