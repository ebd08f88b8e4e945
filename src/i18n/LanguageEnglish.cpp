// SPDX-License-Identifier: GPL-3.0-or-later
#include "i18n/LanguageEnglish.h"

namespace corvane {

LanguageEnglish::LanguageEnglish() {
    fill();
}

void LanguageEnglish::fill() {
    fillKeys();
    fillDialogIds();
    fillMenuIds();
    fillControlIds();
}

// Fragments with leading or trailing blanks are joined with names and numbers by their
// callers; the blanks belong to the text.
void LanguageEnglish::fillKeys() {
    add("LOC_MENU_OPTIONS", "&Options");
    add("LOC_MENU_ACTION", "&Action");
    add("LOC_MENU_TOOLS", "&Tools");
    add("LOC_MENU_HELP", "&Help");
    add("SELECTION_ALL", "All");
    add("MEDIUM_ROM", "ROM");
    add("MEDIUM_DISK", "Disk");
    add("MEDIUM_TAPE", "Tape");
    add("MEDIUM_HARDDISK", "Hard Disk");
    add("L_NAME", "Name");
    add("L_DATABASE", "Database");
    add("L_GENERAL", "General");
    add("L_SCREENSHOTS", "Screenshots");
    add("L_BACKGROUND", "Background");
    add("L_EMULATORS", "Emulators");
    add("L_CORVANE_DATA", "Basic Data");
    add("L_EXTRA_DATA", "Extra Data");
    add("L_LANGUAGE", "Language");
    add("L_ENTRIES", "Profiles");
    add("L_BACKUPS", "Backups");
    add("L_LAUNCHER", "Launcher");
    add("L_CORVANE_DB", "Corvane Database");
    add("L_CAPTURES", "Captures");
    add("L_CLOSE", "Close");
    add("L_SCANNING", "Scanning...");
    add("L_DEFAULT", "No Change");
    add("L_CLASSIC", "Classic");
    add("L_SELECT", "Select...");
    add("BG_IMAGE_LAYOUT_CENTRED", "Centered");
    add("BG_IMAGE_LAYOUT_STRETCHED", "Stretched");
    add("BG_IMAGE_LAYOUT_TILED", "Tiled");
    add("M_ENTER_DB_NAME", "Enter name of new database:");
    add("M_INVALID_NAME", "Invalid name");
    add("M_ERROR", "Error");
    add("M_FOUND_LAUNCHER", "Profile was found.");
    add("M_CONFIRM", "Confirmation");
    add("M_MSG", "Message");
    add("M_NOT_FOUND_LAUNCHER", "Profile was not found in Launcher");
    add("M_INFO", "Info");
    add("M_NOT_FOUND_CORVANE", "Profile was not found in Corvane database");
    add("M_ENTER_DB_NEW_NAME", "Enter new name for database ");
    add("M_ERROR_RENAME_DB", "Error renaming database");
    add("M_DELETE_DB", "Delete database ");
    add("M_REMOVE_BACKUPS_DB", "Delete backups for database ");
    add("M_ERROR_DELETE_DB", "Error deleting database");
    add("M_RESTORE_DB", "Restore database ");
    add("M_ERR_START_EMUL", "Error starting the emulator");
    add("M_ERR_EMUL_QUIT", " quit at once, with exit status ");
    add("M_ERR_EMUL_PATH_INVALID", "Emulator path is invalid - set it in Options->Settings");
    add("M_REMOVE_SEL_ENTRY", "Remove selected profile?");
    add("M_REMOVE_SEL_ENTRIES", "Remove selected profiles?");
    add("M_SEL_TARGET_DB", "Select target database to move selected profiles to:");
    add("M_ERR_START_VIEWER", "Error starting the info viewer");
    add("M_ERR_NO_HELP", "No help file available");
    add("M_ERR_NO_DB_SEL", "No database selected");
    add("M_ERR_DB_NAME_EXIST", "Database name already exists");
    add("M_ERR_DIR_EXIST", "Directory already exists");
    add("M_SEL_MEDIUM", "Specify at least a ROM, Disk, Tape or Hard Disk medium");
    add("M_ADDING_FILES", "Adding files...");
    add("M_PROCESS_FILES", "Processing files...");
    add("M_ERR_START_EXPOLRER", "Error starting the file manager");
    add("M_ERR_SLOT1_NO_ZIP", "Slot 1 does not contain a ZIP file");
    add("M_ERR_SLOT2_NO_ZIP", "Slot 2 does not contain a ZIP file");
    add("M_ERR_DISKA_NO_ZIP", "Disk A does not contain a ZIP file");
    add("M_ERR_DISKB_NO_ZIP", "Disk B does not contain a ZIP file");
    add("M_ERR_TAPE_NO_ZIP", "Tape does not contain a ZIP file");
    add("M_ADDED_TO_DB", " new profiles were added to database ");
    add("M_ERR_FILE_EXIST", "File already exists");
    add("M_CREATED_DB", " was created. Number of profiles: ");
    add("M_GAME_SAVED", " was saved successfully");
    add("M_ERR_NO_DIR_SEL", "No directories selected");
    add("M_ERR_NO_MEDIUM_SEL", "No medium selected");
    add("M_ERR_NO_ADDED_TO_DB", "No new profiles added to database");
    add("M_ERR_NO_NEW_DB_ENTERED", "No new database was entered");
    add("M_ERR_NO_FILE_DIR_SEL", "No files or directories selected");
    add("M_FILL_NOT_READ", "Files and folders passed over because they could not be read: ");
    add("M_SOFTWARE_DB_NOT_READ",
        "Software databases passed over because they could not be read: ");
    add("M_ERR_NAME_IN_DB_EXIST", " already exists in target database. Replace?");
    add("M_ERR_GAME_NAME_EMPTY", "Name field empty");
    add("M_ERR_GAME_IMAGE1_EMPTY", "Image 1 field empty");
    add("M_ERR_FIELD_CHARACTERS", "The field cannot contain \"|\" or a line break: ");
    add("M_ERR_NO_CORVANE_DB", "No databases found in Corvane");
    add("M_ERR_GAME_NOT_FOUND_IN_DB", "Profile not found");
    add("M_ERR_NEW_NAME_IN_DB_EXIST", "New name already exists in database");
    add("M_ERR_FILE_IO", "Error in I/O operation");
    add("M_ERR_BASE_DIR_BUSY",
        "Another program is writing to the databases in this folder. Nothing was changed; try "
        "again when it has finished.");
    add("M_ERR_BASE_DIR_BUSY_REST",
        "Another program is writing to the databases in this folder. The databases not named were "
        "not changed; try again when it has finished.");
    add("M_WAITING_FOR_WRITER",
        "Another program is writing to the databases in this folder; waiting until it has "
        "finished...");
    add("M_EXTRA_DATA_IMPORTED_IN", "Extra data was imported into these databases: ");
    add("M_ERR_PROFILE_CHANGED",
        "Another program changed this profile after the list was shown. Nothing was changed; the "
        "list now shows the profile as it is.");
    add("M_ERR_FILE_IO_TARGET", "Error in I/O operation of target database");
    add("M_ERR_FILE_IO_SOURCE", "Error in I/O operation of source database");
    add("M_SEL_DIR", "Select Directory:");
    add("M_CSV_FULL_GEN", "CSV file was successfully generated");
    add("M_CSV_PART_GEN", "CSV file was partially generated");
    add("M_ERR_CSV_EMPTY_FILENAME", "Empty filename");
    add("M_FILE_EXIST_REPLACE", "File already exists. Replace?");
    add("M_PROFILES_MODIFIED", " profiles were updated");
    add("M_INVALID_PROFILE", "Invalid profile");
    add("M_ENTER_FILTER_NEW_NAME", "Enter new name for filter ");
    add("M_ERR_FILTER_ALREADY_EXISTS", "Filter name already exists");
    add("M_NOT_IMPORTED", "Not Imported");
    add("M_PATCH_APPLIED", "Patch was applied successfully");
    add("M_ERR_INVALID_IPS", "Invalid IPS file");
    add("M_ERR_NOT_FOUND_IPS", "IPS file not found");
    add("M_ERR_NOT_FOUND_ROM_TO_PATCH", "File to patch not found");
    add("M_ERR_CANNOT_PATCH_TARGET", "Cannot save patched file");
    add("M_ERR_PATCH_IPS_EMPTY", "IPS file field empty");
    add("M_ERR_PATCH_SRC_EMPTY", "Source file field empty");
    add("M_ERR_PATCH_TARGET_EMPTY", "Target file field empty");
    add("M_ERR_PATCH_SHA1_NOT_MATCH", "SHA1 values do not match");
    add("M_ERR_PATCH_SRC_TOO_BIG", "Source file too big to be patched");
    add("M_ADJUSTED_ALL_PATHS", "Adjusted current relative path successfully");
    add("M_ERR_NO_RELATIVE_PATH",
        "The media paths share no common folder, so there is no current relative path to adjust. "
        "Nothing was changed.");
    add("M_ERR_NO_MACHINE_SEL", "No machine selected");
    add("M_PATHS_ADJUSTED_IN", "Paths were adjusted in these databases: ");
    add("M_PATHS_ADJUSTED_NONE", "No database was changed.");
    add("PR_SEARCH_LAUNCHER", "Searching Launcher...");
    add("PR_SEARCH_CORVANE", "Searching Corvane databases...");
    add("PR_CALCULATE_SHA1", "Calculating SHA1...");
    add("PR_GENERATE_CSV", "Generating CSV file...");
    add("PR_IMPORT_EXTRA_DATA", "Importing extra data...");
    add("PR_SET_MACHINE", "Setting machine...");
    add("PR_PATCH", "Applying patch...");
    add("PR_ADJUST_PATHS", "Adjusting relative paths...");
    add("scc", "SCC Cartridge");
    add("scc+", "SCC+ Cartridge");
    add("fmpac", "FM-PAC Cartridge");
    add("fmpak", "PAC Cartridge");
    add("sunriseide", "Sunrise IDE");
    add("L_ROM_IMAGE", "ROM Image");
    add("L_DISK_IMAGE", "Disk Image");
    add("L_TAPE_IMAGE", "Tape Image");
    add("L_ALL_FILES", "All Files");
    add("L_IMAGES", "Images");
    add("L_EXECUTABLES", "Executables");
    add("L_CSV_FILES", "CSV Files");
    add("L_IPS_FILES", "IPS Files");
    add("CSV_NAME_IN_LAUNCHER", "Name in Launcher");
    add("CSV_MAIN_ENTRY_MEDIUM", "Main Profile Medium");
    add("CSV_MAIN_ENTRY_SIZE", "Main Profile Size");
    add("CSV_MAIN_INFO_FILE", "Info File");
    add("CSV_SLOT1_SPEC", "Slot 1: Special");
    add("CSV_SLOT1_NAME_ZIP", "Slot 1: Name in ZIP");
    add("CSV_SLOT2_SPEC", "Slot 2: Special");
    add("CSV_SLOT2_NAME_ZIP", "Slot 2: Name in ZIP");
    add("CSV_DISKA_NAME_ZIP", "Disk A: Name in ZIP");
    add("CSV_DISKB_NAME_ZIP", "Disk B: Name in ZIP");
    add("CSV_TAPE_NAME_ZIP", "Tape: Name in ZIP");
    add("CSV_HARDDISK_PRI", "Hard Disk: Primary");
    add("CSV_HARDDISK_SEC", "Hard Disk: Secondary");
    add("CSV_OPENMSX_OVERRIDE", "openMSX Override");
    add("CSV_FMSX_OVERRIDE", "fMSX Override");
    add("CSV_CORVANE_DB", "Corvane Database File");
    add("CSV_TITLE_IN_CORVANE_DB", "Title in Corvane Database");
    add("CSV_ROM_START", "ROM Start");
    add("CSV_DISK_TAPE_START_COMMAND", "Disk / Tape Start Command");
    // The file's other column titles, which dialogs also show under identifiers: the export,
    // away from the dialogs, reads keys only.
    add("CSV_LAUNCHER_DATABASE", "Launcher Database");
    add("CSV_MACHINE", "Machine");
    add("CSV_SLOT1", "Slot 1");
    add("CSV_SLOT2", "Slot 2");
    add("CSV_DISKA", "Disk A");
    add("CSV_DISKB", "Disk B");
    add("CSV_TAPE", "Tape");
    add("CSV_IMAGE1", "Image 1");
    add("CSV_IMAGE2", "Image 2");
    add("CSV_OPENMSX_ARGUMENTS", "openMSX Arguments");
    add("CSV_FMSX_ARGUMENTS", "fMSX Arguments");
    add("CSV_SHA1", "SHA1");
    add("CSV_SYSTEM", "System");
    add("CSV_COMPANY", "Company");
    add("CSV_YEAR", "Year");
    add("CSV_COUNTRY", "Country");
    add("CSV_GOOD_MSX", "Good MSX");
    add("CSV_MAPPER", "Mapper");
    add("CSV_REMARK", "Remark");
    add("CSV_GENERATION", "Generation");
    add("CSV_SOUND", "Sound");
    add("CSV_GENRE", "Genre");
    add("BR", "Brazil");
    add("CA", "Canada");
    add("GB", "England");
    add("FI", "Finland");
    add("FR", "France");
    add("DE", "Germany");
    add("IT", "Italy");
    add("JP", "Japan");
    add("KR", "Korea");
    add("KW", "Kuwait");
    add("NL", "Netherlands");
    add("RU", "Russia");
    add("ES", "Spain");
    add("SE", "Sweden");
    add("US", "USA");
    add("NZ", "New Zealand");
    add("SA", "Saudi Arabia");
    add("FILTER_YR_EQ", "Equal");
    add("FILTER_YR_EQ_G", "Equal or greater");
    add("FILTER_YR_EQ_L", "Equal or less");
    add("M_NEED_EMULATOR_PATH", "Set the openMSX, fMSX or Corvane path in ");
    add("M_NEED_OPENMSX_PATH", "Set the openMSX path in ");
    add("M_NEED_FMSX_PATH", "Set the fMSX path in ");
    add("M_NEED_DATABASE",
        "Needs a database: make one first with Fill Database or Create Empty Database");
    add("M_NEED_SECOND_DATABASE", "Needs a second database to move the profiles to");
    add("M_NEED_INFO_FILE", "This profile has no info file");
    add("M_NEED_ONE_PROFILE", "Select one profile");
    add("M_NEED_PROFILES", "Select one or more profiles");
    add("M_EMPTY_LIST_HINT",
        "This list is empty. Drop media files or folders here, or use Fill Database.");
    add("M_ERR_FILTER_COMMA", "A filter with a comma in a Custom text cannot be saved");
}

// Dialog titles, shared buttons and the names of the ten languages.
void LanguageEnglish::fillDialogIds() {
    add(187, "Database Manager");
    add(1, "OK");
    add(2, "Cancel");
    add(246, "Filters");
    add(105, "Reset");
    add(263, "Search");
    add(106, "Find");
    add(136, "Settings");
    add(204, "Input");
    add(224, "Selection");
    add(180, "SHA1 Center");
    add(103, "Find");
    add(234, "Progress");
    add(221, "Properties");
    add(159, "Fill Database");
    add(209, "Command Line Output");
    add(129, "Game / Program Data");
    add(240, "Machine Selection");
    add(179, "Add to Current Database");
    add(232, "Rename Files");
    add(236, "Confirmation");
    add(238, "Confirmation");
    add(104, "No");
    add(107, "No to all");
    add(235, "File Rename Operation Result");
    add(100, "About Corvane Launcher");
    add(290, "Export to CSV");
    add(303, "Organize Favorites");
    add(306, "Import Extra Profile Data");
    add(307, "Other Dumps");
    add(308, "Organize Filters");
    add(329, "Set Extra Profile Data");
    add(330, "IPS Center");
    add(332, "Adjust Relative Path");
    add(9, "English");
    add(3, "Catalan");
    add(19, "Dutch");
    add(11, "Finnish");
    add(12, "French");
    add(10, "Spanish");
    add(22, "Portuguese");
    add(16, "Italian");
    add(7, "German");
    add(29, "Swedish");
}

// Captions of menu commands; the menu code appends shortcut texts itself.
void LanguageEnglish::fillMenuIds() {
    // Options menu
    add(32790, "Confirm Before &Removing");
    add(32789, "Show &Command Line Output");
    add(32816, "&Mark Profiles");
    add(32817, "if &invalid (orange)");
    add(32818, "if missing &generation value (purple)");
    add(32819, "if missing &sound value (green)");
    add(32820, "if missing genre &value (yellow)");
    add(32797, "&Filters");
    add(32823, "&Set Filters...");
    add(32825, "&Reset Filters");
    add(32824, "&Organize Saved Filters...");
    add(32777, "&Settings...");
    // Action menu
    add(32802, "&Search...");
    add(32814, "&Organize Favorites...");
    add(32801, "&Create Empty Database...");
    add(32803, "&Fill Database...");
    add(32815, "Set &Machine...");
    add(32821, "&Import Extra Profile Data...");
    add(32828, "&Adjust Relative Path...");
    add(32788, "&Rename Files...");
    add(32804, "&Export to CSV...");
    // Tools menu
    add(32780, "&SHA1 Center...");
    add(32827, "I&PS Center...");
    add(32781, "&Database Manager...");
    // Help menu
    add(32779, "&Help Topics");
    add(32778, "&About");
    // Profile list context menu
    add(32782, "Launch");
    add(32792, "using saved settings");
    add(32793, "on generic MSX");
    add(32794, "on generic MSX2");
    add(32796, "on generic MSX2+");
    add(32795, "on generic Turbo-R");
    add(32800, "on openMSX");
    add(32830, "on fMSX");
    add(32783, "Remove");
    add(32784, "Edit...");
    add(32787, "Info");
    add(32791, "Copy");
    add(32786, "Move...");
    add(32813, "Add to Favorites");
    add(32798, "Explore");
    add(32822, "Other Dumps...");
    add(32826, "Set Extra Data...");
    add(32799, "Select All");
    add(32785, "Properties");
    // Profile editor's Launch button
    add(32829, "on Corvane");
}

// Captions of dialog controls. A control shared by several dialogs has one entry, listed
// with the first dialog that uses it.
void LanguageEnglish::fillControlIds() {
    // Main window
    add(1226, "DATABASE");
    add(1230, "COUNT");
    add(1236, "MEDIUM");
    add(1238, "SYSTEM");
    add(1217, "COMPANY");
    add(1214, "YEAR");
    add(1221, "COUNTRY");
    add(1228, "GENERATION");
    add(1225, "SOUND");
    add(1223, "GENRE");
    add(1000, "LAUNCH");
    add(1001, "REMOVE");
    add(1002, "ADD");
    add(1003, "EDIT");
    add(1004, "INFO");
    add(1121, "Filters");
    add(1007, "Search");
    add(1262, "Favorites");
    // Settings
    add(1271, "Corvane Path");
    add(1272, "Info File Viewer");
    add(1371, "Use Default Viewer for Each Info File");
    add(1372, "Use Specific Viewer");
    add(1273, "Default Database");
    add(1275, "Emulator Window");
    add(1021, "Full Screen");
    add(1276, "Theme :");
    add(1096, "Enable screenshots");
    add(1277, "Number of screenshots :");
    add(1278, "Image type :");
    add(1337, "Note: optimal image size is 272x240 (RAlt+F11 in Corvane)");
    add(1280, "Background Image");
    add(1103, "Default");
    add(1109, "Custom image");
    add(1281, "Layout :");
    add(1282, "openMSX Settings");
    add(1283, "Path");
    add(1284, "Arguments");
    add(1460, "fMSX Settings");
    add(1464, "Path");
    add(1465, "Arguments");
    add(1354, "Language :");
    // Database Manager
    add(1085, "Rename Database");
    add(1083, "Delete Database");
    add(1082, "Delete Backups");
    add(1088, "Restore Database");
    add(1087, "Fill Database");
    add(1316, "Close");
    add(1286, "Stats");
    add(1287, "Total Databases");
    add(1288, "Total Profiles");
    add(1289, "Total Backups");
    // Export to CSV (also the column titles of the file)
    add(1365, "Databases");
    add(1359, "All");
    add(1360, "Specific :");
    add(1367, "CSV Filename");
    add(1263, "File");
    add(1344, "Launcher Database");
    add(1317, "Machine");
    add(1320, "Slot 1");
    add(1321, "Slot 2");
    add(1326, "Disk A");
    add(1327, "Disk B");
    add(1330, "Tape");
    add(1335, "Image 1");
    add(1336, "Image 2");
    add(1339, "openMSX Arguments");
    add(1466, "fMSX Arguments");
    add(1154, "SHA1");
    add(1264, "System");
    add(1265, "Company");
    add(1266, "Year");
    add(1267, "Country");
    add(1301, "Good MSX");
    add(1167, "Mapper");
    add(1302, "Remark");
    add(1156, "Generation");
    add(1158, "Sound");
    add(1161, "Genre");
    add(1374, "Use Corvane values if available");
    // Adjust Relative Path
    add(1457, "Current Relative Path");
    add(1443, "New Relative Path");
    add(1456, "Backup all databases");
    // Command Line Output and the profile editor
    add(1315, "Launch");
    add(1015, "Save");
    // Profile editor
    add(1700, "Info File");
    add(1701, "Name in ZIP");
    add(1702, "Special");
    add(1703, "Primary");
    add(1704, "Secondary");
    add(1380,
        "Note: on Corvane the hard disks need the Sunrise IDE interface. Choose the \"Sunrise "
        "IDE\" special ROM in the ROM tab.");
    add(1705, "Use default location (Screenshots directory in Corvane)");
    add(1706, "Use specific image files");
    add(1707, "Override openMSX arguments set in Launcher settings");
    add(1708, "Override fMSX arguments set in Launcher settings");
    add(1709, "Specify");
    add(1710, "or");
    add(1711, "MSX Generation");
    add(1712, "and");
    // Machine Selection
    add(1242, "Minimum required machine");
    add(1101, "Set machine for all profiles");
    add(1107, "Set machine for profiles with non-existent machine");
    add(1056, "Backup existing database");
    // Fill Database (several also Rename Files and Add to Current Database)
    add(1046, "Add Directory");
    add(1048, "Remove");
    add(1049, "Search subdirectories");
    add(1066, "Existing");
    add(1067, "New");
    add(1053, "Append to database");
    add(1057, "Overwrite database");
    add(1064, "Use file name");
    add(1065, "Get from Corvane");
    add(1191, "ROM");
    add(1193, "Disk");
    add(1260, "Tape");
    add(1063, "ZIP files");
    add(1474, "Import extra profile data");
    // SHA1 Center
    add(1071, "Browse");
    add(1072, "Calculate");
    add(1173, "Find by SHA1 code in");
    add(1100, "Launcher");
    add(1106, "Corvane Database");
    add(1254, "Close this Window and locate selected profile in main Launcher Window?");
    // Properties
    add(1650, "In ZIP");
    add(1651, "Size");
    add(1652, "Title");
    add(1653, "Start");
    add(1654, "Quick Saves :");
    add(1655, "Screenshots :");
    add(1656, "Video Captures :");
    add(1657, "Audio Captures :");
    add(1658, "Explore");
    // Progress
    add(1115, "Cancel");
    // IPS Center
    add(1446, "Browse");
    add(1441, "IPS");
    add(1364, "Browse");
    add(1445, "Source");
    add(1453, "Enforce SHA1");
    add(1448, "Specify location of patched file");
    add(1366, "Browse");
    add(1447, "Patch source directly");
    add(1450, "Target");
    add(1451, "Output");
    add(1440, "Inputs");
    // Rename Files, its confirmation and its result
    add(1176, "8.3 format");
    add(1177, "Same as name in Launcher");
    add(1178, "Same as title in Corvane database");
    add(1345, "Rename files in database:");
    add(1196, "Hard Disk");
    add(1346, "Media to Rename");
    add(1347, "Are you sure you want to proceed with the file renaming operation?");
    add(1348,
        "WARNING: By clicking OK, files in the destination disk will be renamed. This operation "
        "cannot be reversed, so make sure you back up these files in a separate location if you "
        "intend to go back to the old file names.");
    add(1370, "Proceed");
    add(1349, "Results");
    add(1350, "Total files renamed");
    add(1351, "Total files not renamed");
    add(1352, "List of Launcher profiles with one or more files that were not renamed :");
    // Other Dumps
    add(1314, "Name");
    add(1032, "Database");
    add(1293, "Known Dumps");
    add(1406, "Find Other Dumps in Launcher");
    add(1295, "Other dumps found in Launcher:");
    // Import and Set Extra Profile Data
    add(1402, "Extra Data Options");
    add(1404, "Skip");
    add(1407, "Overwrite");
    add(1408, "Merge");
    add(1409, "Skip");
    add(1410, "Overwrite");
    add(1411, "Merge");
    add(1412, "Skip");
    add(1413, "Overwrite");
    add(1414, "Merge");
    add(1415, "Info File - Generation-MSX Site Link");
    add(1416, "Skip");
    add(1417, "Overwrite");
    add(1418, "Set if empty");
    add(1419, "Screenshots");
    add(1420, "Skip");
    add(1421, "Overwrite");
    add(1422, "Set if empty");
    add(1439, "Backup affected databases");
    add(1430, "Selected Profiles");
    // Filters
    add(1258, "Medium");
    add(1398, "Generation");
    add(1231, "Sound");
    add(1235, "Genre");
    add(1113, "Custom");
    add(1108, "Custom");
    add(1111, "Custom");
    add(1423, "Save As");
    // Organize Filters (Delete and Sort also Organize Favorites)
    add(1426, "Rename");
    add(1369, "Delete");
    add(1405, "Sort");
    // Search
    add(1270, "( Enter complete or partial name. Search is case insensitive )");
    add(1269, "Found :");
    // Add to Current Database
    add(1051, "Add File");
    add(1069, "Add");
    // Five-answer confirmation
    add(1600, "Yes");
    add(1601, "Yes to all");
    // About box
    add(1602,
        "Keeps your MSX software collection in order and starts it on Corvane, openMSX or fMSX.");
    add(1690, "Version");
    add(1691,
        "Licensed under the GNU General Public License, version 3 or any later version. This "
        "program comes with no warranty.");
    add(1692, "Built with these libraries:");
    // Path rows of the settings pages
    add(1610, "Browse...");
    add(1611, "Eject");
    add(1616, "Default Emulator");
    add(1617, "Automatic");
    // Fill Database and Add to Current Database: group and row captions
    add(1640, "Directories to scan");
    add(1641, "Target database");
    add(1642, "Add mode :");
    add(1643, "Profile name in launcher :");
    add(1644, "Media to look for");
    add(1645, "Machine :");
    add(1646, "Files and directories to add");
    // Captions of the tool windows still to come: Machine Selection
    add(1244, "Specific machine :");
    add(1660, "Database");
    add(1661, "Machine");
    add(1662, "Options");
}

}  // namespace corvane
