// SPDX-License-Identifier: GPL-3.0-or-later
#include "i18n/LanguageSwedish.h"

namespace corvane {

LanguageSwedish::LanguageSwedish() {
    fill();
}

void LanguageSwedish::fill() {
    fillKeys();
    fillDialogIds();
    fillMenuIds();
    fillControlIds();
}

// Fragments with leading or trailing blanks are joined with names and numbers by their
// callers; the blanks belong to the text. "Kassett" is kept for cartridges (as in
// "ROM-kassett"), so a tape is "band" to tell the two apart.
void LanguageSwedish::fillKeys() {
    add("LOC_MENU_OPTIONS", "&Alternativ");
    add("LOC_MENU_ACTION", "&Åtgärd");
    add("LOC_MENU_TOOLS", "&Verktyg");
    add("LOC_MENU_HELP", "&Hjälp");
    add("SELECTION_ALL", "Alla");
    add("MEDIUM_ROM", "ROM");
    add("MEDIUM_DISK", "Diskett");
    add("MEDIUM_TAPE", "Band");
    add("MEDIUM_HARDDISK", "Hårddisk");
    add("L_NAME", "Namn");
    add("L_DATABASE", "Databas");
    add("L_GENERAL", "Allmänt");
    add("L_SCREENSHOTS", "Skärmbilder");
    add("L_BACKGROUND", "Bakgrund");
    add("L_EMULATORS", "Emulatorer");
    add("L_CORVANE_DATA", "Grunddata");
    add("L_EXTRA_DATA", "Extra data");
    add("L_LANGUAGE", "Språk");
    add("L_ENTRIES", "Profiler");
    add("L_BACKUPS", "Säkerhetskopior");
    add("L_LAUNCHER", "Launcher");
    add("L_CORVANE_DB", "Corvane-databas");
    add("L_CAPTURES", "Inspelningar");
    add("L_CLOSE", "Stäng");
    add("L_SCANNING", "Söker igenom...");
    add("L_DEFAULT", "Ingen ändring");
    add("L_CLASSIC", "Klassisk");
    add("L_SELECT", "Välj...");
    add("BG_IMAGE_LAYOUT_CENTRED", "Centrerad");
    add("BG_IMAGE_LAYOUT_STRETCHED", "Utsträckt");
    add("BG_IMAGE_LAYOUT_TILED", "Sida vid sida");
    add("M_ENTER_DB_NAME", "Ange namn på den nya databasen:");
    add("M_INVALID_NAME", "Ogiltigt namn");
    add("M_ERROR", "Fel");
    add("M_FOUND_LAUNCHER", "Profilen hittades.");
    add("M_CONFIRM", "Bekräftelse");
    add("M_MSG", "Meddelande");
    add("M_NOT_FOUND_LAUNCHER", "Profilen hittades inte i Launcher");
    add("M_INFO", "Information");
    add("M_NOT_FOUND_CORVANE", "Profilen hittades inte i Corvane-databasen");
    add("M_ENTER_DB_NEW_NAME", "Ange nytt namn för databasen ");
    add("M_ERROR_RENAME_DB", "Fel vid namnbyte av databasen");
    add("M_DELETE_DB", "Ta bort databasen ");
    add("M_REMOVE_BACKUPS_DB", "Ta bort säkerhetskopiorna för databasen ");
    add("M_ERROR_DELETE_DB", "Fel vid borttagning av databasen");
    add("M_RESTORE_DB", "Återställ databasen ");
    add("M_ERR_START_EMUL", "Fel vid start av emulatorn");
    add("M_ERR_EMUL_QUIT", " avslutades direkt, med slutstatus ");
    add("M_ERR_EMUL_PATH_INVALID",
        "Emulatorns sökväg är ogiltig - ange den under Alternativ->Inställningar");
    add("M_REMOVE_SEL_ENTRY", "Vill du ta bort den valda profilen?");
    add("M_REMOVE_SEL_ENTRIES", "Vill du ta bort de valda profilerna?");
    add("M_SEL_TARGET_DB", "Välj den måldatabas som de valda profilerna ska flyttas till:");
    add("M_ERR_START_VIEWER", "Fel vid start av visningsprogrammet för infofiler");
    add("M_ERR_NO_HELP", "Ingen hjälpfil finns tillgänglig");
    add("M_ERR_NO_DB_SEL", "Ingen databas är vald");
    add("M_ERR_DB_NAME_EXIST", "Databasnamnet finns redan");
    add("M_ERR_DIR_EXIST", "Mappen finns redan");
    add("M_SEL_MEDIUM", "Ange minst ett medium: ROM, diskett, band eller hårddisk");
    add("M_ADDING_FILES", "Lägger till filer...");
    add("M_PROCESS_FILES", "Bearbetar filer...");
    add("M_ERR_START_EXPOLRER", "Fel vid start av filhanteraren");
    add("M_ERR_SLOT1_NO_ZIP", "Slot 1 innehåller ingen ZIP-fil");
    add("M_ERR_SLOT2_NO_ZIP", "Slot 2 innehåller ingen ZIP-fil");
    add("M_ERR_DISKA_NO_ZIP", "Diskett A innehåller ingen ZIP-fil");
    add("M_ERR_DISKB_NO_ZIP", "Diskett B innehåller ingen ZIP-fil");
    add("M_ERR_TAPE_NO_ZIP", "Bandet innehåller ingen ZIP-fil");
    add("M_ADDED_TO_DB", " nya profiler lades till i databasen ");
    add("M_ERR_FILE_EXIST", "Filen finns redan");
    add("M_CREATED_DB", " har skapats. Antal profiler: ");
    add("M_GAME_SAVED", " har sparats");
    add("M_ERR_NO_DIR_SEL", "Inga mappar är valda");
    add("M_ERR_NO_MEDIUM_SEL", "Inget medium är valt");
    add("M_ERR_NO_ADDED_TO_DB", "Inga nya profiler lades till i databasen");
    add("M_ERR_NO_NEW_DB_ENTERED", "Ingen ny databas angavs");
    add("M_ERR_NO_FILE_DIR_SEL", "Inga filer eller mappar är valda");
    add("M_FILL_NOT_READ", "Filer och mappar som hoppades över eftersom de inte kunde läsas: ");
    add("M_SOFTWARE_DB_NOT_READ",
        "Programvarudatabaser som hoppades över eftersom de inte kunde läsas: ");
    add("M_ERR_NAME_IN_DB_EXIST", " finns redan i måldatabasen. Vill du ersätta den?");
    add("M_ERR_GAME_NAME_EMPTY", "Fältet Namn är tomt");
    add("M_ERR_GAME_IMAGE1_EMPTY", "Fältet Bild 1 är tomt");
    add("M_ERR_FIELD_CHARACTERS", "Fältet får inte innehålla \"|\" eller radbrytningar: ");
    add("M_ERR_NO_CORVANE_DB", "Inga databaser hittades i Corvane");
    add("M_ERR_GAME_NOT_FOUND_IN_DB", "Profilen hittades inte");
    add("M_ERR_NEW_NAME_IN_DB_EXIST", "Det nya namnet finns redan i databasen");
    add("M_ERR_FILE_IO", "Fel vid I/O-åtgärd");
    add("M_ERR_BASE_DIR_BUSY",
        "Ett annat program skriver till databaserna i den här mappen. Inget ändrades; försök igen "
        "när det är klart.");
    add("M_ERR_BASE_DIR_BUSY_REST",
        "Ett annat program skriver till databaserna i den här mappen. De databaser som inte nämns "
        "ändrades inte; försök igen när det är klart.");
    add("M_WAITING_FOR_WRITER",
        "Ett annat program skriver till databaserna i den här mappen; väntar tills det är "
        "klart...");
    add("M_EXTRA_DATA_IMPORTED_IN", "Extra data importerades till dessa databaser: ");
    add("M_ERR_PROFILE_CHANGED",
        "Ett annat program ändrade den här profilen efter att listan visades. Inget ändrades; "
        "listan visar nu profilen som den är.");
    add("M_ERR_FILE_IO_TARGET", "Fel vid I/O-åtgärd i måldatabasen");
    add("M_ERR_FILE_IO_SOURCE", "Fel vid I/O-åtgärd i källdatabasen");
    add("M_SEL_DIR", "Välj mapp:");
    add("M_CSV_FULL_GEN", "CSV-filen har skapats");
    add("M_CSV_PART_GEN", "CSV-filen skapades bara delvis");
    add("M_ERR_CSV_EMPTY_FILENAME", "Tomt filnamn");
    add("M_FILE_EXIST_REPLACE", "Filen finns redan. Vill du ersätta den?");
    add("M_PROFILES_MODIFIED", " profiler uppdaterades");
    add("M_INVALID_PROFILE", "Ogiltig profil");
    add("M_ENTER_FILTER_NEW_NAME", "Ange nytt namn för filtret ");
    add("M_ERR_FILTER_ALREADY_EXISTS", "Filternamnet finns redan");
    add("M_NOT_IMPORTED", "Inte importerad");
    add("M_PATCH_APPLIED", "Patchen har tillämpats");
    add("M_ERR_INVALID_IPS", "Ogiltig IPS-fil");
    add("M_ERR_NOT_FOUND_IPS", "IPS-filen hittades inte");
    add("M_ERR_NOT_FOUND_ROM_TO_PATCH", "Filen som ska patchas hittades inte");
    add("M_ERR_CANNOT_PATCH_TARGET", "Det går inte att spara den patchade filen");
    add("M_ERR_PATCH_IPS_EMPTY", "Fältet IPS-fil är tomt");
    add("M_ERR_PATCH_SRC_EMPTY", "Fältet Källfil är tomt");
    add("M_ERR_PATCH_TARGET_EMPTY", "Fältet Målfil är tomt");
    add("M_ERR_PATCH_SHA1_NOT_MATCH", "SHA1-värdena stämmer inte överens");
    add("M_ERR_PATCH_SRC_TOO_BIG", "Källfilen är för stor för att patchas");
    add("M_ADJUSTED_ALL_PATHS", "Den aktuella relativa sökvägen har justerats");
    add("M_ERR_NO_RELATIVE_PATH",
        "Mediernas sökvägar har ingen gemensam mapp, så det finns ingen aktuell relativ sökväg att "
        "justera. Inget har ändrats.");
    add("M_ERR_NO_MACHINE_SEL", "Ingen maskin vald");
    add("M_PATHS_ADJUSTED_IN", "Sökvägarna justerades i dessa databaser: ");
    add("M_PATHS_ADJUSTED_NONE", "Ingen databas ändrades.");
    add("PR_SEARCH_LAUNCHER", "Söker i Launcher...");
    add("PR_SEARCH_CORVANE", "Söker i Corvane-databaserna...");
    add("PR_CALCULATE_SHA1", "Beräknar SHA1...");
    add("PR_GENERATE_CSV", "Skapar CSV-fil...");
    add("PR_IMPORT_EXTRA_DATA", "Importerar extra data...");
    add("PR_SET_MACHINE", "Anger maskin...");
    add("PR_PATCH", "Tillämpar patch...");
    add("PR_ADJUST_PATHS", "Justerar relativa sökvägar...");
    add("scc", "SCC-kassett");
    add("scc+", "SCC+-kassett");
    add("fmpac", "FM-PAC-kassett");
    add("fmpak", "PAC-kassett");
    add("sunriseide", "Sunrise IDE");
    add("L_ROM_IMAGE", "ROM-avbild");
    add("L_DISK_IMAGE", "Diskettavbild");
    add("L_TAPE_IMAGE", "Bandavbild");
    add("L_ALL_FILES", "Alla filer");
    add("L_IMAGES", "Bilder");
    add("L_EXECUTABLES", "Körbara filer");
    add("L_CSV_FILES", "CSV-filer");
    add("L_IPS_FILES", "IPS-filer");
    add("CSV_NAME_IN_LAUNCHER", "Namn i Launcher");
    add("CSV_MAIN_ENTRY_MEDIUM", "Profilens huvudmedium");
    add("CSV_MAIN_ENTRY_SIZE", "Huvudmediets storlek");
    add("CSV_MAIN_INFO_FILE", "Infofil");
    add("CSV_SLOT1_SPEC", "Slot 1: Specialkassett");
    add("CSV_SLOT1_NAME_ZIP", "Slot 1: Namn i ZIP");
    add("CSV_SLOT2_SPEC", "Slot 2: Specialkassett");
    add("CSV_SLOT2_NAME_ZIP", "Slot 2: Namn i ZIP");
    add("CSV_DISKA_NAME_ZIP", "Diskett A: Namn i ZIP");
    add("CSV_DISKB_NAME_ZIP", "Diskett B: Namn i ZIP");
    add("CSV_TAPE_NAME_ZIP", "Band: Namn i ZIP");
    add("CSV_HARDDISK_PRI", "Hårddisk: Primär");
    add("CSV_HARDDISK_SEC", "Hårddisk: Sekundär");
    add("CSV_OPENMSX_OVERRIDE", "openMSX-åsidosättning");
    add("CSV_FMSX_OVERRIDE", "fMSX-åsidosättning");
    add("CSV_CORVANE_DB", "Corvane-databasfil");
    add("CSV_TITLE_IN_CORVANE_DB", "Titel i Corvane-databasen");
    add("CSV_ROM_START", "ROM-start");
    add("CSV_DISK_TAPE_START_COMMAND", "Startkommando för diskett / band");
    add("CSV_LAUNCHER_DATABASE", "Launcher-databas");
    add("CSV_MACHINE", "Maskin");
    add("CSV_SLOT1", "Slot 1");
    add("CSV_SLOT2", "Slot 2");
    add("CSV_DISKA", "Diskett A");
    add("CSV_DISKB", "Diskett B");
    add("CSV_TAPE", "Band");
    add("CSV_IMAGE1", "Bild 1");
    add("CSV_IMAGE2", "Bild 2");
    add("CSV_OPENMSX_ARGUMENTS", "openMSX-argument");
    add("CSV_FMSX_ARGUMENTS", "fMSX-argument");
    add("CSV_SHA1", "SHA1");
    add("CSV_SYSTEM", "System");
    add("CSV_COMPANY", "Företag");
    add("CSV_YEAR", "År");
    add("CSV_COUNTRY", "Land");
    add("CSV_GOOD_MSX", "Good MSX");
    add("CSV_MAPPER", "Mapper");
    add("CSV_REMARK", "Anmärkning");
    add("CSV_GENERATION", "Generation");
    add("CSV_SOUND", "Ljud");
    add("CSV_GENRE", "Genre");
    add("BR", "Brasilien");
    add("CA", "Kanada");
    add("GB", "England");
    add("FI", "Finland");
    add("FR", "Frankrike");
    add("DE", "Tyskland");
    add("IT", "Italien");
    add("JP", "Japan");
    add("KR", "Korea");
    add("KW", "Kuwait");
    add("NL", "Nederländerna");
    add("RU", "Ryssland");
    add("ES", "Spanien");
    add("SE", "Sverige");
    add("US", "USA");
    add("NZ", "Nya Zeeland");
    add("SA", "Saudiarabien");
    add("FILTER_YR_EQ", "Lika med");
    add("FILTER_YR_EQ_G", "Lika med eller större");
    add("FILTER_YR_EQ_L", "Lika med eller mindre");
    add("M_NEED_EMULATOR_PATH", "Ange sökvägen till openMSX, fMSX eller Corvane under ");
    add("M_NEED_OPENMSX_PATH", "Ange sökvägen till openMSX under ");
    add("M_NEED_FMSX_PATH", "Ange sökvägen till fMSX under ");
    add("M_NEED_DATABASE",
        "Kräver en databas: skapa först en med Fyll databas eller Skapa tom databas");
    add("M_NEED_SECOND_DATABASE", "Kräver en andra databas att flytta profilerna till");
    add("M_NEED_INFO_FILE", "Den här profilen har ingen infofil");
    add("M_NEED_ONE_PROFILE", "Välj en profil");
    add("M_NEED_PROFILES", "Välj en eller flera profiler");
    add("M_EMPTY_LIST_HINT",
        "Listan är tom. Släpp mediefiler eller mappar här, eller använd ”Fyll databas”.");
    add("M_ERR_FILTER_COMMA", "Ett filter med kommatecken i en egen text kan inte sparas");
}

// Dialog titles, shared buttons and the names of the ten languages.
void LanguageSwedish::fillDialogIds() {
    add(187, "Databashanterare");
    add(1, "OK");
    add(2, "Avbryt");
    add(246, "Filter");
    add(105, "Återställ");
    add(263, "Sök");
    add(106, "Hitta");
    add(136, "Inställningar");
    add(204, "Inmatning");
    add(224, "Val");
    add(180, "SHA1-center");
    add(103, "Hitta");
    add(234, "Förlopp");
    add(221, "Egenskaper");
    add(159, "Fyll databas");
    add(209, "Kommandoradsutdata");
    add(129, "Spel-/programdata");
    add(240, "Val av maskin");
    add(179, "Lägg till i aktuell databas");
    add(232, "Byt namn på filer");
    add(236, "Bekräftelse");
    add(238, "Bekräftelse");
    add(104, "Nej");
    add(107, "Nej till alla");
    add(235, "Resultat av namnbyte på filer");
    add(100, "Om Corvane Launcher");
    add(290, "Exportera till CSV");
    add(303, "Ordna favoriter");
    add(306, "Importera extra profildata");
    add(307, "Andra dumpar");
    add(308, "Ordna filter");
    add(329, "Ange extra profildata");
    add(330, "IPS-center");
    add(332, "Justera relativ sökväg");
    add(9, "Engelska");
    add(3, "Katalanska");
    add(19, "Nederländska");
    add(11, "Finska");
    add(12, "Franska");
    add(10, "Spanska");
    add(22, "Portugisiska");
    add(16, "Italienska");
    add(7, "Tyska");
    add(29, "Svenska");
}

// Captions of menu commands; the menu code appends shortcut texts itself.
void LanguageSwedish::fillMenuIds() {
    // Options menu
    add(32790, "Bekräfta före &borttagning");
    add(32789, "Visa &kommandoradsutdata");
    add(32816, "&Markera profiler");
    add(32817, "om &ogiltig (orange)");
    add(32818, "om &generationsvärde saknas (lila)");
    add(32819, "om &ljudvärde saknas (grön)");
    add(32820, "om genre&värde saknas (gul)");
    add(32797, "&Filter");
    add(32823, "&Ange filter...");
    add(32825, "&Återställ filter");
    add(32824, "&Ordna sparade filter...");
    add(32777, "&Inställningar...");
    // Action menu
    add(32802, "&Sök...");
    add(32814, "&Ordna favoriter...");
    add(32801, "Skapa &tom databas...");
    add(32803, "&Fyll databas...");
    add(32815, "Ange &maskin...");
    add(32821, "&Importera extra profildata...");
    add(32828, "&Justera relativ sökväg...");
    add(32788, "&Byt namn på filer...");
    add(32804, "&Exportera till CSV...");
    // Tools menu
    add(32780, "&SHA1-center...");
    add(32827, "I&PS-center...");
    add(32781, "&Databashanterare...");
    // Help menu
    add(32779, "&Hjälpavsnitt");
    add(32778, "&Om");
    // Profile list context menu
    add(32782, "Starta");
    add(32792, "med sparade inställningar");
    add(32793, "på generisk MSX");
    add(32794, "på generisk MSX2");
    add(32796, "på generisk MSX2+");
    add(32795, "på generisk Turbo-R");
    add(32800, "i openMSX");
    add(32830, "i fMSX");
    add(32783, "Ta bort");
    add(32784, "Redigera...");
    add(32787, "Info");
    add(32791, "Kopiera");
    add(32786, "Flytta...");
    add(32813, "Lägg till i favoriter");
    add(32798, "Utforska");
    add(32822, "Andra dumpar...");
    add(32826, "Ange extra data...");
    add(32799, "Markera allt");
    add(32785, "Egenskaper");
    // Profile editor's Launch button
    add(32829, "i Corvane");
}

// Captions of dialog controls. A control shared by several dialogs has one entry, listed
// with the first dialog that uses it.
void LanguageSwedish::fillControlIds() {
    // Main window
    add(1226, "DATABAS");
    add(1230, "ANTAL");
    add(1236, "MEDIUM");
    add(1238, "SYSTEM");
    add(1217, "FÖRETAG");
    add(1214, "ÅR");
    add(1221, "LAND");
    add(1228, "GENERATION");
    add(1225, "LJUD");
    add(1223, "GENRE");
    add(1000, "STARTA");
    add(1001, "TA BORT");
    add(1002, "LÄGG TILL");
    add(1003, "REDIGERA");
    add(1004, "INFO");
    add(1121, "Filter");
    add(1007, "Sök");
    add(1262, "Favoriter");
    // Settings
    add(1271, "Sökväg till Corvane");
    add(1272, "Visningsprogram för infofiler");
    add(1371, "Använd standardprogrammet för varje infofil");
    add(1372, "Använd ett särskilt visningsprogram");
    add(1273, "Standarddatabas");
    add(1275, "Emulatorfönster");
    add(1021, "Helskärm");
    add(1276, "Tema :");
    add(1096, "Aktivera skärmbilder");
    add(1277, "Antal skärmbilder :");
    add(1278, "Bildtyp :");
    add(1337, "Obs! Optimal bildstorlek är 272x240 (RAlt+F11 i Corvane)");
    add(1280, "Bakgrundsbild");
    add(1103, "Standard");
    add(1109, "Anpassad bild");
    add(1281, "Placering :");
    add(1282, "openMSX-inställningar");
    add(1283, "Sökväg");
    add(1284, "Argument");
    add(1460, "fMSX-inställningar");
    add(1464, "Sökväg");
    add(1465, "Argument");
    add(1354, "Språk :");
    // Database Manager
    add(1085, "Byt namn på databas");
    add(1083, "Ta bort databas");
    add(1082, "Ta bort säkerhetskopior");
    add(1088, "Återställ databas");
    add(1087, "Fyll databas");
    add(1316, "Stäng");
    add(1286, "Statistik");
    add(1287, "Totalt antal databaser");
    add(1288, "Totalt antal profiler");
    add(1289, "Totalt antal säkerhetskopior");
    // Export to CSV (also the column titles of the file)
    add(1365, "Databaser");
    add(1359, "Alla");
    add(1360, "Specifik :");
    add(1367, "CSV-filnamn");
    add(1263, "Fil");
    add(1344, "Launcher-databas");
    add(1317, "Maskin");
    add(1320, "Slot 1");
    add(1321, "Slot 2");
    add(1326, "Diskett A");
    add(1327, "Diskett B");
    add(1330, "Band");
    add(1335, "Bild 1");
    add(1336, "Bild 2");
    add(1339, "openMSX-argument");
    add(1466, "fMSX-argument");
    add(1154, "SHA1");
    add(1264, "System");
    add(1265, "Företag");
    add(1266, "År");
    add(1267, "Land");
    add(1301, "Good MSX");
    add(1167, "Mapper");
    add(1302, "Anmärkning");
    add(1156, "Generation");
    add(1158, "Ljud");
    add(1161, "Genre");
    add(1374, "Använd Corvanes värden om de finns");
    // Adjust Relative Path
    add(1457, "Aktuell relativ sökväg");
    add(1443, "Ny relativ sökväg");
    add(1456, "Säkerhetskopiera alla databaser");
    // Command Line Output and the profile editor
    add(1315, "Starta");
    add(1015, "Spara");
    // Profile editor
    add(1700, "Infofil");
    add(1701, "Namn i ZIP");
    add(1702, "Specialkassett");
    add(1703, "Primär");
    add(1704, "Sekundär");
    add(1380,
        "Obs! På Corvane behöver hårddiskarna Sunrise IDE-gränssnittet. Välj special-ROM:en "
        "\"Sunrise IDE\" på fliken ROM.");
    add(1705, "Använd standardplatsen (katalogen Screenshots i Corvane)");
    add(1706, "Använd specifika bildfiler");
    add(1707, "Åsidosätt openMSX-argumenten i Launchers inställningar");
    add(1708, "Åsidosätt fMSX-argumenten i Launchers inställningar");
    add(1709, "Ange");
    add(1710, "eller");
    add(1711, "MSX-generation");
    add(1712, "och");
    // Machine Selection
    add(1242, "Minsta maskin som krävs");
    add(1101, "Ange maskin för alla profiler");
    add(1107, "Ange maskin för profiler vars maskin inte finns");
    add(1056, "Säkerhetskopiera befintlig databas");
    // Fill Database (several also Rename Files and Add to Current Database)
    add(1046, "Lägg till mapp");
    add(1048, "Ta bort");
    add(1049, "Sök i undermappar");
    add(1066, "Befintlig");
    add(1067, "Ny");
    add(1053, "Lägg till i databasen");
    add(1057, "Skriv över databasen");
    add(1064, "Använd filnamnet");
    add(1065, "Hämta från Corvane");
    add(1191, "ROM");
    add(1193, "Diskett");
    add(1260, "Band");
    add(1063, "ZIP-filer");
    add(1474, "Importera extra profildata");
    // SHA1 Center
    add(1071, "Bläddra");
    add(1072, "Beräkna");
    add(1173, "Hitta via SHA1-kod i");
    add(1100, "Launcher");
    add(1106, "Corvane-databas");
    add(1254, "Vill du stänga fönstret och visa den valda profilen i Launchers huvudfönster?");
    // Properties
    add(1650, "I ZIP-fil");
    add(1651, "Storlek");
    add(1652, "Titel");
    add(1653, "Start");
    add(1654, "Snabbsparningar :");
    add(1655, "Skärmbilder :");
    add(1656, "Videoinspelningar :");
    add(1657, "Ljudinspelningar :");
    add(1658, "Utforska");
    // Progress
    add(1115, "Avbryt");
    // IPS Center
    add(1446, "Bläddra");
    add(1441, "IPS");
    add(1364, "Bläddra");
    add(1445, "Källa");
    add(1453, "Kräv SHA1");
    add(1448, "Ange plats för den patchade filen");
    add(1366, "Bläddra");
    add(1447, "Patcha källan direkt");
    add(1450, "Mål");
    add(1451, "Utdata");
    add(1440, "Indata");
    // Rename Files, its confirmation and its result
    add(1176, "8.3-format");
    add(1177, "Samma som namnet i Launcher");
    add(1178, "Samma som titeln i Corvane-databasen");
    add(1345, "Byt namn på filer i databas:");
    add(1196, "Hårddisk");
    add(1346, "Media att byta namn på");
    add(1347, "Vill du verkligen fortsätta och byta namn på filerna?");
    add(1348,
        "VARNING! Om du klickar på OK byter filerna på måldisken namn. Åtgärden kan inte ångras, "
        "så säkerhetskopiera filerna på en annan plats om du vill kunna gå tillbaka till de gamla "
        "filnamnen.");
    add(1370, "Fortsätt");
    add(1349, "Resultat");
    add(1350, "Totalt antal filer som bytt namn");
    add(1351, "Totalt antal filer som inte bytt namn");
    add(1352, "Lista över Launcher-profiler med en eller flera filer som inte bytt namn :");
    // Other Dumps
    add(1314, "Namn");
    add(1032, "Databas");
    add(1293, "Kända dumpar");
    add(1406, "Hitta andra dumpar i Launcher");
    add(1295, "Andra dumpar som hittades i Launcher:");
    // Import and Set Extra Profile Data
    add(1402, "Alternativ för extra data");
    add(1404, "Hoppa över");
    add(1407, "Skriv över");
    add(1408, "Sammanfoga");
    add(1409, "Hoppa över");
    add(1410, "Skriv över");
    add(1411, "Sammanfoga");
    add(1412, "Hoppa över");
    add(1413, "Skriv över");
    add(1414, "Sammanfoga");
    add(1415, "Infofil - länk till Generation-MSX-webbplatsen");
    add(1416, "Hoppa över");
    add(1417, "Skriv över");
    add(1418, "Ange om tomt");
    add(1419, "Skärmbilder");
    add(1420, "Hoppa över");
    add(1421, "Skriv över");
    add(1422, "Ange om tomt");
    add(1439, "Säkerhetskopiera berörda databaser");
    add(1430, "Valda profiler");
    // Filters
    add(1258, "Medium");
    add(1398, "Generation");
    add(1231, "Ljud");
    add(1235, "Genre");
    add(1113, "Anpassad");
    add(1108, "Anpassad");
    add(1111, "Anpassad");
    add(1423, "Spara som");
    // Organize Filters (Delete and Sort also Organize Favorites)
    add(1426, "Byt namn");
    add(1369, "Ta bort");
    add(1405, "Sortera");
    // Search
    add(1270,
        "( Ange hela namnet eller en del av det. Sökningen skiljer inte på versaler och "
        "gemener )");
    add(1269, "Hittade :");
    // Add to Current Database
    add(1051, "Lägg till fil");
    add(1069, "Lägg till");
    // Five-answer confirmation
    add(1600, "Ja");
    add(1601, "Ja till alla");
    // About box
    add(1602,
        "Håller ordning på din MSX-programsamling och startar programmen i Corvane, openMSX "
        "eller fMSX.");
    add(1690, "Version");
    add(1691,
        "Licensierat under GNU General Public License, version 3 eller senare. Programmet "
        "levereras utan några garantier.");
    add(1692, "Byggt med dessa bibliotek:");
    // Path rows of the settings pages
    add(1610, "Bläddra...");
    add(1611, "Töm");
    add(1616, "Standardemulator");
    add(1617, "Automatiskt");
    // Fill Database and Add to Current Database: group and row captions
    add(1640, "Mappar att söka igenom");
    add(1641, "Måldatabas");
    add(1642, "Tilläggsläge :");
    add(1643, "Profilnamn i Launcher :");
    add(1644, "Medier att söka efter");
    add(1645, "Maskin :");
    add(1646, "Filer och mappar att lägga till");
    // Captions of the tool windows still to come: Machine Selection
    add(1244, "Specifik maskin :");
    add(1660, "Databas");
    add(1661, "Maskin");
    add(1662, "Alternativ");
}

}  // namespace corvane
