// SPDX-License-Identifier: GPL-3.0-or-later
#include "i18n/MenuLayout.h"

#include "i18n/MenuIds.h"

namespace corvane {

const std::vector<MenuGroup>& menuLayout() {
    static const std::vector<MenuGroup> layout{
        {"Options",
         "LOC_MENU_OPTIONS",
         0,
         {kMenuConfirmRemove, kMenuShowCommandLine, kMenuMarkProfiles, kMenuRule, kMenuFilters,
          kMenuRule, kMenuSettings}},
        {"Mark Profiles",
         "",
         kMenuMarkProfiles,
         {kMenuMarkInvalid, kMenuRule, kMenuMarkMissingGeneration, kMenuMarkMissingSound,
          kMenuMarkMissingGenre}},
        {"Filters", "", kMenuFilters, {kMenuSetFilters, kMenuResetFilters, kMenuOrganizeFilters}},
        {"Action",
         "LOC_MENU_ACTION",
         0,
         {kMenuSearch, kMenuOrganizeFavorites, kMenuRule, kMenuCreateEmptyDatabase,
          kMenuFillDatabase, kMenuRule, kMenuSetMachine, kMenuImportExtraData,
          kMenuAdjustRelativePath, kMenuRule, kMenuRenameFiles, kMenuExportCsv}},
        {"Tools",
         "LOC_MENU_TOOLS",
         0,
         {kMenuSha1Center, kMenuIpsCenter, kMenuRule, kMenuDatabaseManager}},
        {"Help", "LOC_MENU_HELP", 0, {kMenuHelpTopics, kMenuRule, kMenuAbout}},
        {"Profile list",
         "",
         0,
         {kMenuLaunch, kMenuRemove, kMenuEdit, kMenuInfo, kMenuRule, kMenuCopy, kMenuMove,
          kMenuAddToFavorites, kMenuExplore, kMenuRule, kMenuOtherDumps, kMenuSetExtraData,
          kMenuRule, kMenuSelectAll, kMenuRule, kMenuProperties}},
        {"Launch",
         "",
         kMenuLaunch,
         {kMenuLaunchSaved, kMenuRule, kMenuLaunchMsx, kMenuLaunchMsx2, kMenuLaunchMsx2Plus,
          kMenuLaunchTurboR, kMenuRule, kMenuLaunchOpenMsx, kMenuLaunchFmsx}},
        {"Database popup", "", 0, {kMenuCreateEmptyDatabase}},
        {"Favorites popup", "", 0, {kMenuOrganizeFavorites}},
        {"Saved filters popup", "", 0, {kMenuSetFilters, kMenuResetFilters, kMenuOrganizeFilters}},
        {"List copy", "", 0, {kMenuCopy, kMenuSelectAll}},
        {"Editor launch", "", 0, {kMenuLaunchCorvane, kMenuLaunchOpenMsx, kMenuLaunchFmsx}},
    };
    return layout;
}

}  // namespace corvane
