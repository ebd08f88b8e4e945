// SPDX-License-Identifier: GPL-3.0-or-later
#include "i18n/LanguageDutch.h"

namespace corvane {

LanguageDutch::LanguageDutch() {
    fill();
}

void LanguageDutch::fill() {
    fillKeys();
    fillDialogIds();
    fillMenuIds();
    fillControlIds();
}

// Fragments with leading or trailing blanks are joined with names and numbers by their
// callers; the blanks belong to the text, and the wording must read well in that order.
void LanguageDutch::fillKeys() {
    add("LOC_MENU_OPTIONS", "&Opties");
    add("LOC_MENU_ACTION", "&Actie");
    add("LOC_MENU_TOOLS", "&Extra");
    add("LOC_MENU_HELP", "&Help");
    add("SELECTION_ALL", "Alle");
    add("MEDIUM_ROM", "ROM");
    add("MEDIUM_DISK", "Diskette");
    add("MEDIUM_TAPE", "Cassette");
    add("MEDIUM_HARDDISK", "Harde schijf");
    add("L_NAME", "Naam");
    add("L_DATABASE", "Database");
    add("L_GENERAL", "Algemeen");
    add("L_SCREENSHOTS", "Schermafbeeldingen");
    add("L_BACKGROUND", "Achtergrond");
    add("L_EMULATORS", "Emulators");
    add("L_CORVANE_DATA", "Basisgegevens");
    add("L_EXTRA_DATA", "Extra gegevens");
    add("L_LANGUAGE", "Taal");
    add("L_ENTRIES", "Profielen");
    add("L_BACKUPS", "Back-ups");
    add("L_LAUNCHER", "Launcher");
    add("L_CORVANE_DB", "Corvane-database");
    add("L_CAPTURES", "Opnamen");
    add("L_CLOSE", "Sluiten");
    add("L_SCANNING", "Bezig met scannen...");
    add("L_DEFAULT", "Geen wijziging");
    add("L_CLASSIC", "Klassiek");
    add("L_SELECT", "Selecteren...");
    add("BG_IMAGE_LAYOUT_CENTRED", "Gecentreerd");
    add("BG_IMAGE_LAYOUT_STRETCHED", "Uitgerekt");
    add("BG_IMAGE_LAYOUT_TILED", "Naast elkaar");
    add("M_ENTER_DB_NAME", "Geef de naam van de nieuwe database op:");
    add("M_INVALID_NAME", "Ongeldige naam");
    add("M_ERROR", "Fout");
    add("M_FOUND_LAUNCHER", "Profiel is gevonden.");
    add("M_CONFIRM", "Bevestiging");
    add("M_MSG", "Bericht");
    add("M_NOT_FOUND_LAUNCHER", "Profiel is niet gevonden in Launcher");
    add("M_INFO", "Info");
    add("M_NOT_FOUND_CORVANE", "Profiel is niet gevonden in de Corvane-database");
    add("M_ENTER_DB_NEW_NAME", "Nieuwe naam voor database ");
    add("M_ERROR_RENAME_DB", "Fout bij het hernoemen van de database");
    add("M_DELETE_DB", "Database verwijderen ");
    add("M_REMOVE_BACKUPS_DB", "Back-ups verwijderen van database ");
    add("M_ERROR_DELETE_DB", "Fout bij het verwijderen van de database");
    add("M_RESTORE_DB", "Database herstellen ");
    add("M_ERR_START_EMUL", "Fout bij het starten van de emulator");
    add("M_ERR_EMUL_QUIT", " stopte meteen, met afsluitcode ");
    add("M_ERR_EMUL_PATH_INVALID",
        "Het pad naar de emulator is ongeldig - stel het in via Opties->Instellingen");
    add("M_REMOVE_SEL_ENTRY", "Geselecteerd profiel verwijderen?");
    add("M_REMOVE_SEL_ENTRIES", "Geselecteerde profielen verwijderen?");
    add("M_SEL_TARGET_DB",
        "Selecteer de doeldatabase waarnaar de geselecteerde profielen worden verplaatst:");
    add("M_ERR_START_VIEWER", "Fout bij het starten van de viewer voor infobestanden");
    add("M_ERR_NO_HELP", "Geen Help-bestand beschikbaar");
    add("M_ERR_NO_DB_SEL", "Geen database geselecteerd");
    add("M_ERR_DB_NAME_EXIST", "Databasenaam bestaat al");
    add("M_ERR_DIR_EXIST", "Map bestaat al");
    add("M_SEL_MEDIUM", "Geef minstens één medium op: ROM, diskette, cassette of harde schijf");
    add("M_ADDING_FILES", "Bestanden toevoegen...");
    add("M_PROCESS_FILES", "Bestanden verwerken...");
    add("M_ERR_START_EXPOLRER", "Fout bij het starten van de bestandsbeheerder");
    add("M_ERR_SLOT1_NO_ZIP", "Slot 1 bevat geen ZIP-bestand");
    add("M_ERR_SLOT2_NO_ZIP", "Slot 2 bevat geen ZIP-bestand");
    add("M_ERR_DISKA_NO_ZIP", "Diskette A bevat geen ZIP-bestand");
    add("M_ERR_DISKB_NO_ZIP", "Diskette B bevat geen ZIP-bestand");
    add("M_ERR_TAPE_NO_ZIP", "Cassette bevat geen ZIP-bestand");
    add("M_ADDED_TO_DB", " nieuwe profielen zijn toegevoegd aan database ");
    add("M_ERR_FILE_EXIST", "Bestand bestaat al");
    add("M_CREATED_DB", " is aangemaakt. Aantal profielen: ");
    add("M_GAME_SAVED", " is opgeslagen");
    add("M_ERR_NO_DIR_SEL", "Geen mappen geselecteerd");
    add("M_ERR_NO_MEDIUM_SEL", "Geen medium geselecteerd");
    add("M_ERR_NO_ADDED_TO_DB", "Er zijn geen nieuwe profielen aan de database toegevoegd");
    add("M_ERR_NO_NEW_DB_ENTERED", "Er is geen nieuwe database opgegeven");
    add("M_ERR_NO_FILE_DIR_SEL", "Geen bestanden of mappen geselecteerd");
    add("M_FILL_NOT_READ", "Overgeslagen bestanden en mappen die niet gelezen konden worden: ");
    add("M_SOFTWARE_DB_NOT_READ",
        "Overgeslagen softwaredatabases die niet gelezen konden worden: ");
    add("M_ERR_NAME_IN_DB_EXIST", " bestaat al in de doeldatabase. Vervangen?");
    add("M_ERR_GAME_NAME_EMPTY", "Het veld Naam is leeg");
    add("M_ERR_GAME_IMAGE1_EMPTY", "Het veld Afbeelding 1 is leeg");
    add("M_ERR_FIELD_CHARACTERS", "Het veld mag geen \"|\" of regeleinde bevatten: ");
    add("M_ERR_NO_CORVANE_DB", "Geen databases gevonden in Corvane");
    add("M_ERR_GAME_NOT_FOUND_IN_DB", "Profiel niet gevonden");
    add("M_ERR_NEW_NAME_IN_DB_EXIST", "Nieuwe naam bestaat al in de database");
    add("M_ERR_FILE_IO", "Fout bij I/O-bewerking");
    add("M_ERR_BASE_DIR_BUSY",
        "Een ander programma schrijft naar de databases in deze map. Er is niets gewijzigd; "
        "probeer het opnieuw wanneer het klaar is.");
    add("M_ERR_BASE_DIR_BUSY_REST",
        "Een ander programma schrijft naar de databases in deze map. De niet genoemde databases "
        "zijn niet gewijzigd; probeer het opnieuw wanneer het klaar is.");
    add("M_WAITING_FOR_WRITER",
        "Een ander programma schrijft naar de databases in deze map; er wordt gewacht tot het "
        "klaar is...");
    add("M_EXTRA_DATA_IMPORTED_IN", "Extra gegevens zijn geïmporteerd in deze databases: ");
    add("M_ERR_PROFILE_CHANGED",
        "Een ander programma heeft dit profiel gewijzigd nadat de lijst werd getoond. Er is niets "
        "gewijzigd; de lijst toont het profiel nu zoals het is.");
    add("M_ERR_FILE_IO_TARGET", "Fout bij I/O-bewerking in de doeldatabase");
    add("M_ERR_FILE_IO_SOURCE", "Fout bij I/O-bewerking in de brondatabase");
    add("M_SEL_DIR", "Map selecteren:");
    add("M_CSV_FULL_GEN", "CSV-bestand is volledig gegenereerd");
    add("M_CSV_PART_GEN", "CSV-bestand is gedeeltelijk gegenereerd");
    add("M_ERR_CSV_EMPTY_FILENAME", "Lege bestandsnaam");
    add("M_FILE_EXIST_REPLACE", "Bestand bestaat al. Vervangen?");
    add("M_PROFILES_MODIFIED", " profielen zijn bijgewerkt");
    add("M_INVALID_PROFILE", "Ongeldig profiel");
    add("M_ENTER_FILTER_NEW_NAME", "Nieuwe naam voor filter ");
    add("M_ERR_FILTER_ALREADY_EXISTS", "Filternaam bestaat al");
    add("M_NOT_IMPORTED", "Niet geïmporteerd");
    add("M_PATCH_APPLIED", "Patch is toegepast");
    add("M_ERR_INVALID_IPS", "Ongeldig IPS-bestand");
    add("M_ERR_NOT_FOUND_IPS", "IPS-bestand niet gevonden");
    add("M_ERR_NOT_FOUND_ROM_TO_PATCH", "Te patchen bestand niet gevonden");
    add("M_ERR_CANNOT_PATCH_TARGET", "Kan gepatcht bestand niet opslaan");
    add("M_ERR_PATCH_IPS_EMPTY", "Het veld IPS-bestand is leeg");
    add("M_ERR_PATCH_SRC_EMPTY", "Het veld Bronbestand is leeg");
    add("M_ERR_PATCH_TARGET_EMPTY", "Het veld Doelbestand is leeg");
    add("M_ERR_PATCH_SHA1_NOT_MATCH", "SHA1-waarden komen niet overeen");
    add("M_ERR_PATCH_SRC_TOO_BIG", "Bronbestand is te groot om te patchen");
    add("M_ADJUSTED_ALL_PATHS", "Huidig relatief pad is aangepast");
    add("M_ERR_NO_RELATIVE_PATH",
        "De paden van de media hebben geen gemeenschappelijke map, dus er is geen huidig relatief "
        "pad om aan te passen. Er is niets gewijzigd.");
    add("M_ERR_NO_MACHINE_SEL", "Geen machine geselecteerd");
    add("M_PATHS_ADJUSTED_IN", "De paden zijn aangepast in deze databases: ");
    add("M_PATHS_ADJUSTED_NONE", "Er is geen database gewijzigd.");
    add("PR_SEARCH_LAUNCHER", "Launcher doorzoeken...");
    add("PR_SEARCH_CORVANE", "Corvane-databases doorzoeken...");
    add("PR_CALCULATE_SHA1", "SHA1 berekenen...");
    add("PR_GENERATE_CSV", "CSV-bestand genereren...");
    add("PR_IMPORT_EXTRA_DATA", "Extra gegevens importeren...");
    add("PR_SET_MACHINE", "Machine instellen...");
    add("PR_PATCH", "Patch toepassen...");
    add("PR_ADJUST_PATHS", "Relatieve paden aanpassen...");
    add("scc", "SCC-cartridge");
    add("scc+", "SCC+-cartridge");
    add("fmpac", "FM-PAC-cartridge");
    add("fmpak", "PAC-cartridge");
    add("sunriseide", "Sunrise IDE");
    add("L_ROM_IMAGE", "ROM-image");
    add("L_DISK_IMAGE", "Diskette-image");
    add("L_TAPE_IMAGE", "Cassette-image");
    add("L_ALL_FILES", "Alle bestanden");
    add("L_IMAGES", "Afbeeldingen");
    add("L_EXECUTABLES", "Programma's");
    add("L_CSV_FILES", "CSV-bestanden");
    add("L_IPS_FILES", "IPS-bestanden");
    // CSV column titles are joined by commas in the file header, so none may hold a comma.
    add("CSV_NAME_IN_LAUNCHER", "Naam in Launcher");
    add("CSV_MAIN_ENTRY_MEDIUM", "Hoofdmedium");
    add("CSV_MAIN_ENTRY_SIZE", "Grootte hoofdmedium");
    add("CSV_MAIN_INFO_FILE", "Infobestand");
    add("CSV_SLOT1_SPEC", "Slot 1: speciaal");
    add("CSV_SLOT1_NAME_ZIP", "Slot 1: naam in ZIP");
    add("CSV_SLOT2_SPEC", "Slot 2: speciaal");
    add("CSV_SLOT2_NAME_ZIP", "Slot 2: naam in ZIP");
    add("CSV_DISKA_NAME_ZIP", "Diskette A: naam in ZIP");
    add("CSV_DISKB_NAME_ZIP", "Diskette B: naam in ZIP");
    add("CSV_TAPE_NAME_ZIP", "Cassette: naam in ZIP");
    add("CSV_HARDDISK_PRI", "Harde schijf: primair");
    add("CSV_HARDDISK_SEC", "Harde schijf: secundair");
    add("CSV_OPENMSX_OVERRIDE", "openMSX-overschrijving");
    add("CSV_FMSX_OVERRIDE", "fMSX-overschrijving");
    add("CSV_CORVANE_DB", "Corvane-databasebestand");
    add("CSV_TITLE_IN_CORVANE_DB", "Titel in Corvane-database");
    add("CSV_ROM_START", "ROM-start");
    add("CSV_DISK_TAPE_START_COMMAND", "Startopdracht diskette / cassette");
    add("CSV_LAUNCHER_DATABASE", "Launcher-database");
    add("CSV_MACHINE", "Machine");
    add("CSV_SLOT1", "Slot 1");
    add("CSV_SLOT2", "Slot 2");
    add("CSV_DISKA", "Diskette A");
    add("CSV_DISKB", "Diskette B");
    add("CSV_TAPE", "Cassette");
    add("CSV_IMAGE1", "Afbeelding 1");
    add("CSV_IMAGE2", "Afbeelding 2");
    add("CSV_OPENMSX_ARGUMENTS", "openMSX-argumenten");
    add("CSV_FMSX_ARGUMENTS", "fMSX-argumenten");
    add("CSV_SHA1", "SHA1");
    add("CSV_SYSTEM", "Systeem");
    add("CSV_COMPANY", "Bedrijf");
    add("CSV_YEAR", "Jaar");
    add("CSV_COUNTRY", "Land");
    add("CSV_GOOD_MSX", "Good MSX");
    add("CSV_MAPPER", "Mapper");
    add("CSV_REMARK", "Opmerking");
    add("CSV_GENERATION", "Generatie");
    add("CSV_SOUND", "Geluid");
    add("CSV_GENRE", "Genre");
    add("BR", "Brazilië");
    add("CA", "Canada");
    add("GB", "Engeland");
    add("FI", "Finland");
    add("FR", "Frankrijk");
    add("DE", "Duitsland");
    add("IT", "Italië");
    add("JP", "Japan");
    add("KR", "Korea");
    add("KW", "Koeweit");
    add("NL", "Nederland");
    add("RU", "Rusland");
    add("ES", "Spanje");
    add("SE", "Zweden");
    add("US", "VS");
    add("NZ", "Nieuw-Zeeland");
    add("SA", "Saoedi-Arabië");
    add("FILTER_YR_EQ", "Gelijk");
    add("FILTER_YR_EQ_G", "Gelijk of groter");
    add("FILTER_YR_EQ_L", "Gelijk of kleiner");
    add("M_NEED_EMULATOR_PATH", "Stel het pad van openMSX, fMSX of Corvane in bij ");
    add("M_NEED_OPENMSX_PATH", "Stel het pad van openMSX in bij ");
    add("M_NEED_FMSX_PATH", "Stel het pad van fMSX in bij ");
    add("M_NEED_DATABASE",
        "Vereist een database: maak er eerst een met Database vullen of Lege database maken");
    add("M_NEED_SECOND_DATABASE",
        "Vereist een tweede database om de profielen naar te verplaatsen");
    add("M_NEED_INFO_FILE", "Dit profiel heeft geen infobestand");
    add("M_NEED_ONE_PROFILE", "Selecteer één profiel");
    add("M_NEED_PROFILES", "Selecteer een of meer profielen");
    add("M_EMPTY_LIST_HINT",
        "Deze lijst is leeg. Sleep mediabestanden of mappen hierheen, of gebruik “Database "
        "vullen”.");
    add("M_ERR_FILTER_COMMA",
        "Een filter met een komma in een eigen tekst kan niet worden opgeslagen");
}

// Dialog titles, shared buttons and the names of the ten languages as Dutch speakers call
// them.
void LanguageDutch::fillDialogIds() {
    add(187, "Databasebeheer");
    add(1, "OK");
    add(2, "Annuleren");
    add(246, "Filters");
    add(105, "Opnieuw instellen");
    add(263, "Zoeken");
    add(106, "Zoeken");
    add(136, "Instellingen");
    add(204, "Invoer");
    add(224, "Selectie");
    add(180, "SHA1-centrum");
    add(103, "Zoeken");
    add(234, "Voortgang");
    add(221, "Eigenschappen");
    add(159, "Database vullen");
    add(209, "Opdrachtregeluitvoer");
    add(129, "Spel-/programmagegevens");
    add(240, "Machineselectie");
    add(179, "Toevoegen aan huidige database");
    add(232, "Bestanden hernoemen");
    add(236, "Bevestiging");
    add(238, "Bevestiging");
    add(104, "Nee");
    add(107, "Nee op alles");
    add(235, "Resultaat van het hernoemen van bestanden");
    add(100, "Over Corvane Launcher");
    add(290, "Exporteren naar CSV");
    add(303, "Favorieten beheren");
    add(306, "Extra profielgegevens importeren");
    add(307, "Andere dumps");
    add(308, "Filters beheren");
    add(329, "Extra profielgegevens instellen");
    add(330, "IPS-centrum");
    add(332, "Relatief pad aanpassen");
    add(9, "Engels");
    add(3, "Catalaans");
    add(19, "Nederlands");
    add(11, "Fins");
    add(12, "Frans");
    add(10, "Spaans");
    add(22, "Portugees");
    add(16, "Italiaans");
    add(7, "Duits");
    add(29, "Zweeds");
}

// Captions of menu commands; the menu code appends shortcut texts itself. Mnemonics are
// unique within each menu group of MenuLayout.cpp.
void LanguageDutch::fillMenuIds() {
    // Options menu
    add(32790, "Bevestigen voor &verwijderen");
    add(32789, "&Opdrachtregeluitvoer weergeven");
    add(32816, "Profielen &markeren");
    add(32817, "indien &ongeldig (oranje)");
    add(32818, "indien &generatiewaarde ontbreekt (paars)");
    add(32819, "indien ge&luidswaarde ontbreekt (groen)");
    add(32820, "indien genre&waarde ontbreekt (geel)");
    add(32797, "&Filters");
    add(32823, "Filters &instellen...");
    add(32825, "Filters &opnieuw instellen");
    add(32824, "Opgeslagen filters &beheren...");
    add(32777, "&Instellingen...");
    // Action menu
    add(32802, "&Zoeken...");
    add(32814, "&Favorieten beheren...");
    add(32801, "&Lege database maken...");
    add(32803, "&Database vullen...");
    add(32815, "&Machine instellen...");
    add(32821, "Extra profielgegevens &importeren...");
    add(32828, "Relatief pad &aanpassen...");
    add(32788, "Bestanden &hernoemen...");
    add(32804, "&Exporteren naar CSV...");
    // Tools menu
    add(32780, "&SHA1-centrum...");
    add(32827, "&IPS-centrum...");
    add(32781, "&Databasebeheer...");
    // Help menu
    add(32779, "&Helponderwerpen");
    add(32778, "&Info");
    // Profile list context menu
    add(32782, "Starten");
    add(32792, "met opgeslagen instellingen");
    add(32793, "op generieke MSX");
    add(32794, "op generieke MSX2");
    add(32796, "op generieke MSX2+");
    add(32795, "op generieke Turbo-R");
    add(32800, "met openMSX");
    add(32830, "met fMSX");
    add(32783, "Verwijderen");
    add(32784, "Bewerken...");
    add(32787, "Info");
    add(32791, "Kopiëren");
    add(32786, "Verplaatsen...");
    add(32813, "Toevoegen aan favorieten");
    add(32798, "Weergeven in bestandsbeheerder");
    add(32822, "Andere dumps...");
    add(32826, "Extra gegevens instellen...");
    add(32799, "Alles selecteren");
    add(32785, "Eigenschappen");
    // Profile editor's Launch button
    add(32829, "met Corvane");
}

// Captions of dialog controls. A control shared by several dialogs has one entry, listed
// with the first dialog that uses it.
void LanguageDutch::fillControlIds() {
    // Main window
    add(1226, "DATABASE");
    add(1230, "AANTAL");
    add(1236, "MEDIUM");
    add(1238, "SYSTEEM");
    add(1217, "BEDRIJF");
    add(1214, "JAAR");
    add(1221, "LAND");
    add(1228, "GENERATIE");
    add(1225, "GELUID");
    add(1223, "GENRE");
    add(1000, "STARTEN");
    add(1001, "VERWIJDEREN");
    add(1002, "TOEVOEGEN");
    add(1003, "BEWERKEN");
    add(1004, "INFO");
    add(1121, "Filters");
    add(1007, "Zoeken");
    add(1262, "Favorieten");
    // Settings
    add(1271, "Corvane-pad");
    add(1272, "Viewer voor infobestanden");
    add(1371, "Standaardviewer voor elk infobestand gebruiken");
    add(1372, "Specifieke viewer gebruiken");
    add(1273, "Standaarddatabase");
    add(1275, "Emulatorvenster");
    add(1021, "Volledig scherm");
    add(1276, "Thema :");
    add(1096, "Schermafbeeldingen inschakelen");
    add(1277, "Aantal schermafbeeldingen :");
    add(1278, "Afbeeldingstype :");
    add(1337, "Let op: de optimale afbeeldingsgrootte is 272x240 (RAlt+F11 in Corvane)");
    add(1280, "Achtergrondafbeelding");
    add(1103, "Standaard");
    add(1109, "Aangepaste afbeelding");
    add(1281, "Indeling :");
    add(1282, "openMSX-instellingen");
    add(1283, "Pad");
    add(1284, "Argumenten");
    add(1460, "fMSX-instellingen");
    add(1464, "Pad");
    add(1465, "Argumenten");
    add(1354, "Taal :");
    // Database Manager
    add(1085, "Database hernoemen");
    add(1083, "Database verwijderen");
    add(1082, "Back-ups verwijderen");
    add(1088, "Database herstellen");
    add(1087, "Database vullen");
    add(1316, "Sluiten");
    add(1286, "Statistieken");
    add(1287, "Totaal aantal databases");
    add(1288, "Totaal aantal profielen");
    add(1289, "Totaal aantal back-ups");
    // Export to CSV (also the column titles of the file; those among them hold no comma,
    // since the header joins them with commas)
    add(1365, "Databases");
    add(1359, "Alle");
    add(1360, "Specifiek :");
    add(1367, "CSV-bestandsnaam");
    add(1263, "Bestand");
    add(1344, "Launcher-database");
    add(1317, "Machine");
    add(1320, "Slot 1");
    add(1321, "Slot 2");
    add(1326, "Diskette A");
    add(1327, "Diskette B");
    add(1330, "Cassette");
    add(1335, "Afbeelding 1");
    add(1336, "Afbeelding 2");
    add(1339, "openMSX-argumenten");
    add(1466, "fMSX-argumenten");
    add(1154, "SHA1");
    add(1264, "Systeem");
    add(1265, "Bedrijf");
    add(1266, "Jaar");
    add(1267, "Land");
    add(1301, "Good MSX");
    add(1167, "Mapper");
    add(1302, "Opmerking");
    add(1156, "Generatie");
    add(1158, "Geluid");
    add(1161, "Genre");
    add(1374, "Corvane-waarden gebruiken indien beschikbaar");
    // Adjust Relative Path
    add(1457, "Huidig relatief pad");
    add(1443, "Nieuw relatief pad");
    add(1456, "Back-up van alle databases maken");
    // Command Line Output and the profile editor
    add(1315, "Starten");
    add(1015, "Opslaan");
    // Profile editor
    add(1700, "Infobestand");
    add(1701, "Naam in ZIP");
    add(1702, "Speciaal");
    add(1703, "Primair");
    add(1704, "Secundair");
    add(1380,
        "Let op: op Corvane hebben de harde schijven de Sunrise IDE-interface nodig. Kies de "
        "speciale ROM \"Sunrise IDE\" op het tabblad ROM.");
    add(1705, "Standaardlocatie gebruiken (map Screenshots in Corvane)");
    add(1706, "Specifieke afbeeldingsbestanden gebruiken");
    add(1707, "openMSX-argumenten uit de Launcher-instellingen vervangen");
    add(1708, "fMSX-argumenten uit de Launcher-instellingen vervangen");
    add(1709, "Opgeven");
    add(1710, "of");
    add(1711, "MSX-generatie");
    add(1712, "en");
    // Machine Selection
    add(1242, "Minimaal vereiste machine");
    add(1101, "Machine instellen voor alle profielen");
    add(1107, "Machine instellen voor profielen met een niet-bestaande machine");
    add(1056, "Back-up van bestaande database maken");
    // Fill Database (several also Rename Files and Add to Current Database)
    add(1046, "Map toevoegen");
    add(1048, "Verwijderen");
    add(1049, "Submappen doorzoeken");
    add(1066, "Bestaande");
    add(1067, "Nieuwe");
    add(1053, "Toevoegen aan database");
    add(1057, "Database overschrijven");
    add(1064, "Bestandsnaam gebruiken");
    add(1065, "Ophalen uit Corvane");
    add(1191, "ROM");
    add(1193, "Diskette");
    add(1260, "Cassette");
    add(1063, "ZIP-bestanden");
    add(1474, "Extra profielgegevens importeren");
    // SHA1 Center
    add(1071, "Bladeren");
    add(1072, "Berekenen");
    add(1173, "Zoeken op SHA1-code in");
    add(1100, "Launcher");
    add(1106, "Corvane-database");
    add(1254,
        "Dit venster sluiten en het geselecteerde profiel opzoeken in het hoofdvenster van "
        "Launcher?");
    // Properties
    add(1650, "In ZIP-bestand");
    add(1651, "Grootte");
    add(1652, "Titel");
    add(1653, "Start");
    add(1654, "Snelle opslagen :");
    add(1655, "Schermafbeeldingen :");
    add(1656, "Video-opnamen :");
    add(1657, "Audio-opnamen :");
    add(1658, "Weergeven");
    // Progress
    add(1115, "Annuleren");
    // IPS Center
    add(1446, "Bladeren");
    add(1441, "IPS");
    add(1364, "Bladeren");
    add(1445, "Bron");
    add(1453, "SHA1 afdwingen");
    add(1448, "Locatie van gepatcht bestand opgeven");
    add(1366, "Bladeren");
    add(1447, "Bron direct patchen");
    add(1450, "Doel");
    add(1451, "Uitvoer");
    add(1440, "Invoer");
    // Rename Files, its confirmation and its result
    add(1176, "8.3-indeling");
    add(1177, "Gelijk aan naam in Launcher");
    add(1178, "Gelijk aan titel in Corvane-database");
    add(1345, "Bestanden hernoemen in database:");
    add(1196, "Harde schijf");
    add(1346, "Te hernoemen media");
    add(1347, "Weet u zeker dat u de bestanden wilt hernoemen?");
    add(1348,
        "WAARSCHUWING: als u op OK klikt, worden bestanden op de doelschijf hernoemd. Deze "
        "bewerking kan niet ongedaan worden gemaakt. Maak daarom een back-up van deze bestanden "
        "op een andere locatie als u later naar de oude bestandsnamen wilt terugkeren.");
    add(1370, "Doorgaan");
    add(1349, "Resultaten");
    add(1350, "Totaal aantal hernoemde bestanden");
    add(1351, "Totaal aantal niet-hernoemde bestanden");
    add(1352, "Launcher-profielen met een of meer bestanden die niet zijn hernoemd :");
    // Other Dumps
    add(1314, "Naam");
    add(1032, "Database");
    add(1293, "Bekende dumps");
    add(1406, "Andere dumps zoeken in Launcher");
    add(1295, "Andere dumps gevonden in Launcher:");
    // Import and Set Extra Profile Data
    add(1402, "Opties voor extra gegevens");
    add(1404, "Overslaan");
    add(1407, "Overschrijven");
    add(1408, "Samenvoegen");
    add(1409, "Overslaan");
    add(1410, "Overschrijven");
    add(1411, "Samenvoegen");
    add(1412, "Overslaan");
    add(1413, "Overschrijven");
    add(1414, "Samenvoegen");
    add(1415, "Infobestand - link naar Generation-MSX-site");
    add(1416, "Overslaan");
    add(1417, "Overschrijven");
    add(1418, "Instellen indien leeg");
    add(1419, "Schermafbeeldingen");
    add(1420, "Overslaan");
    add(1421, "Overschrijven");
    add(1422, "Instellen indien leeg");
    add(1439, "Back-up van betrokken databases maken");
    add(1430, "Geselecteerde profielen");
    // Filters
    add(1258, "Medium");
    add(1398, "Generatie");
    add(1231, "Geluid");
    add(1235, "Genre");
    add(1113, "Aangepast");
    add(1108, "Aangepast");
    add(1111, "Aangepast");
    add(1423, "Opslaan als");
    // Organize Filters (Delete and Sort also Organize Favorites)
    add(1426, "Hernoemen");
    add(1369, "Verwijderen");
    add(1405, "Sorteren");
    // Search
    add(1270,
        "( Voer een volledige of gedeeltelijke naam in. Zoeken is niet hoofdlettergevoelig )");
    add(1269, "Gevonden :");
    // Add to Current Database
    add(1051, "Bestand toevoegen");
    add(1069, "Toevoegen");
    // Five-answer confirmation
    add(1600, "Ja");
    add(1601, "Ja op alles");
    // About box
    add(1602,
        "Houdt uw MSX-softwareverzameling op orde en start deze met Corvane, openMSX of fMSX.");
    add(1690, "Versie");
    add(1691,
        "Gelicentieerd onder de GNU General Public License, versie 3 of een latere versie. Dit "
        "programma wordt geleverd zonder enige garantie.");
    add(1692, "Gemaakt met deze bibliotheken:");
    // Path rows of the settings pages
    add(1610, "Bladeren...");
    add(1611, "Leegmaken");
    add(1616, "Standaardemulator");
    add(1617, "Automatisch");
    // Fill Database and Add to Current Database: group and row captions
    add(1640, "Te doorzoeken mappen");
    add(1641, "Doeldatabase");
    add(1642, "Toevoegmodus :");
    add(1643, "Profielnaam in Launcher :");
    add(1644, "Te zoeken media");
    add(1645, "Machine :");
    add(1646, "Toe te voegen bestanden en mappen");
    // Captions of the tool windows still to come: Machine Selection
    add(1244, "Specifieke machine :");
    add(1660, "Database");
    add(1661, "Machine");
    add(1662, "Opties");
}

}  // namespace corvane
