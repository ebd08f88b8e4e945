// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace corvane {

// Menu command identifiers; each is also the catalogue identifier of its caption.
inline constexpr int kMenuSettings = 32777;
inline constexpr int kMenuAbout = 32778;
inline constexpr int kMenuHelpTopics = 32779;
inline constexpr int kMenuSha1Center = 32780;
inline constexpr int kMenuDatabaseManager = 32781;
inline constexpr int kMenuLaunch = 32782;
inline constexpr int kMenuRemove = 32783;
inline constexpr int kMenuEdit = 32784;
inline constexpr int kMenuProperties = 32785;
inline constexpr int kMenuMove = 32786;
inline constexpr int kMenuInfo = 32787;
inline constexpr int kMenuRenameFiles = 32788;
inline constexpr int kMenuShowCommandLine = 32789;
inline constexpr int kMenuConfirmRemove = 32790;
inline constexpr int kMenuCopy = 32791;
inline constexpr int kMenuLaunchSaved = 32792;
inline constexpr int kMenuLaunchMsx = 32793;
inline constexpr int kMenuLaunchMsx2 = 32794;
inline constexpr int kMenuLaunchTurboR = 32795;
inline constexpr int kMenuLaunchMsx2Plus = 32796;
inline constexpr int kMenuFilters = 32797;
inline constexpr int kMenuExplore = 32798;
inline constexpr int kMenuSelectAll = 32799;
inline constexpr int kMenuLaunchOpenMsx = 32800;
inline constexpr int kMenuCreateEmptyDatabase = 32801;
inline constexpr int kMenuSearch = 32802;
inline constexpr int kMenuFillDatabase = 32803;
inline constexpr int kMenuExportCsv = 32804;
inline constexpr int kMenuAddToFavorites = 32813;
inline constexpr int kMenuOrganizeFavorites = 32814;
inline constexpr int kMenuSetMachine = 32815;
inline constexpr int kMenuMarkProfiles = 32816;
inline constexpr int kMenuMarkInvalid = 32817;
inline constexpr int kMenuMarkMissingGeneration = 32818;
inline constexpr int kMenuMarkMissingSound = 32819;
inline constexpr int kMenuMarkMissingGenre = 32820;
inline constexpr int kMenuImportExtraData = 32821;
inline constexpr int kMenuOtherDumps = 32822;
inline constexpr int kMenuSetFilters = 32823;
inline constexpr int kMenuOrganizeFilters = 32824;
inline constexpr int kMenuResetFilters = 32825;
inline constexpr int kMenuSetExtraData = 32826;
inline constexpr int kMenuIpsCenter = 32827;
inline constexpr int kMenuAdjustRelativePath = 32828;
inline constexpr int kMenuLaunchCorvane = 32829;
inline constexpr int kMenuLaunchFmsx = 32830;

// Identifiers from here up are menu commands; below are dialogs, controls and languages.
inline constexpr int kFirstMenuId = 32768;

// Every menu identifier above, for the check that each language has them all.
inline constexpr int kMenuIds[] = {kMenuSettings,
                                   kMenuAbout,
                                   kMenuHelpTopics,
                                   kMenuSha1Center,
                                   kMenuDatabaseManager,
                                   kMenuLaunch,
                                   kMenuRemove,
                                   kMenuEdit,
                                   kMenuProperties,
                                   kMenuMove,
                                   kMenuInfo,
                                   kMenuRenameFiles,
                                   kMenuShowCommandLine,
                                   kMenuConfirmRemove,
                                   kMenuCopy,
                                   kMenuLaunchSaved,
                                   kMenuLaunchMsx,
                                   kMenuLaunchMsx2,
                                   kMenuLaunchTurboR,
                                   kMenuLaunchMsx2Plus,
                                   kMenuFilters,
                                   kMenuExplore,
                                   kMenuSelectAll,
                                   kMenuLaunchOpenMsx,
                                   kMenuCreateEmptyDatabase,
                                   kMenuSearch,
                                   kMenuFillDatabase,
                                   kMenuExportCsv,
                                   kMenuAddToFavorites,
                                   kMenuOrganizeFavorites,
                                   kMenuSetMachine,
                                   kMenuMarkProfiles,
                                   kMenuMarkInvalid,
                                   kMenuMarkMissingGeneration,
                                   kMenuMarkMissingSound,
                                   kMenuMarkMissingGenre,
                                   kMenuImportExtraData,
                                   kMenuOtherDumps,
                                   kMenuSetFilters,
                                   kMenuOrganizeFilters,
                                   kMenuResetFilters,
                                   kMenuSetExtraData,
                                   kMenuIpsCenter,
                                   kMenuAdjustRelativePath,
                                   kMenuLaunchCorvane,
                                   kMenuLaunchFmsx};

}  // namespace corvane
