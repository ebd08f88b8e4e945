// SPDX-License-Identifier: GPL-3.0-or-later
#include "i18n/LanguageCatalan.h"

namespace corvane {

LanguageCatalan::LanguageCatalan() {
    fill();
}

void LanguageCatalan::fill() {
    fillKeys();
    fillDialogIds();
    fillMenuIds();
    fillControlIds();
}

// Fragments with leading or trailing blanks are joined with names and numbers by their
// callers; the blanks belong to the text.
void LanguageCatalan::fillKeys() {
    add("LOC_MENU_OPTIONS", "&Opcions");
    add("LOC_MENU_ACTION", "&Acció");
    add("LOC_MENU_TOOLS", "&Eines");
    add("LOC_MENU_HELP", "A&juda");
    add("SELECTION_ALL", "Tots");
    add("MEDIUM_ROM", "ROM");
    add("MEDIUM_DISK", "Disc");
    add("MEDIUM_TAPE", "Cinta");
    add("MEDIUM_HARDDISK", "Disc dur");
    add("L_NAME", "Nom");
    add("L_DATABASE", "Base de dades");
    add("L_GENERAL", "General");
    add("L_SCREENSHOTS", "Captures de pantalla");
    add("L_BACKGROUND", "Fons");
    add("L_EMULATORS", "Emuladors");
    add("L_CORVANE_DATA", "Dades bàsiques");
    add("L_EXTRA_DATA", "Dades addicionals");
    add("L_LANGUAGE", "Llengua");
    add("L_ENTRIES", "Perfils");
    add("L_BACKUPS", "Còpies de seguretat");
    add("L_LAUNCHER", "Launcher");
    add("L_CORVANE_DB", "Base de dades de Corvane");
    add("L_CAPTURES", "Captures");
    add("L_CLOSE", "Tanca");
    add("L_SCANNING", "S'està explorant...");
    add("L_DEFAULT", "Sense canvis");
    add("L_CLASSIC", "Clàssic");
    add("L_SELECT", "Selecciona...");
    add("BG_IMAGE_LAYOUT_CENTRED", "Centrada");
    add("BG_IMAGE_LAYOUT_STRETCHED", "Estirada");
    add("BG_IMAGE_LAYOUT_TILED", "En mosaic");
    add("M_ENTER_DB_NAME", "Introduïu el nom de la base de dades nova:");
    add("M_INVALID_NAME", "Nom no vàlid");
    add("M_ERROR", "Error");
    add("M_FOUND_LAUNCHER", "S'ha trobat el perfil.");
    add("M_CONFIRM", "Confirmació");
    add("M_MSG", "Missatge");
    add("M_NOT_FOUND_LAUNCHER", "No s'ha trobat el perfil al Launcher");
    add("M_INFO", "Informació");
    add("M_NOT_FOUND_CORVANE", "No s'ha trobat el perfil a la base de dades de Corvane");
    add("M_ENTER_DB_NEW_NAME", "Introduïu el nom nou de la base de dades ");
    add("M_ERROR_RENAME_DB", "S'ha produït un error en canviar el nom de la base de dades");
    add("M_DELETE_DB", "Voleu suprimir la base de dades ");
    add("M_REMOVE_BACKUPS_DB", "Voleu suprimir les còpies de seguretat de la base de dades ");
    add("M_ERROR_DELETE_DB", "S'ha produït un error en suprimir la base de dades");
    add("M_RESTORE_DB", "Voleu restaurar la base de dades ");
    add("M_ERR_START_EMUL", "S'ha produït un error en iniciar l'emulador");
    add("M_ERR_EMUL_QUIT", " s'ha aturat de seguida, amb el codi de sortida ");
    add("M_ERR_EMUL_PATH_INVALID",
        "El camí de l'emulador no és vàlid - definiu-lo a Opcions->Configuració");
    add("M_REMOVE_SEL_ENTRY", "Voleu eliminar el perfil seleccionat?");
    add("M_REMOVE_SEL_ENTRIES", "Voleu eliminar els perfils seleccionats?");
    add("M_SEL_TARGET_DB",
        "Seleccioneu la base de dades de destinació on es mouran els perfils seleccionats:");
    add("M_ERR_START_VIEWER", "S'ha produït un error en iniciar el visualitzador d'informació");
    add("M_ERR_NO_HELP", "No hi ha cap fitxer d'ajuda disponible");
    add("M_ERR_NO_DB_SEL", "No s'ha seleccionat cap base de dades");
    add("M_ERR_DB_NAME_EXIST", "El nom de la base de dades ja existeix");
    add("M_ERR_DIR_EXIST", "La carpeta ja existeix");
    add("M_SEL_MEDIUM", "Especifiqueu com a mínim un suport: ROM, Disc, Cinta o Disc dur");
    add("M_ADDING_FILES", "S'estan afegint fitxers...");
    add("M_PROCESS_FILES", "S'estan processant fitxers...");
    add("M_ERR_START_EXPOLRER", "S'ha produït un error en iniciar el gestor de fitxers");
    add("M_ERR_SLOT1_NO_ZIP", "La ranura 1 no conté cap fitxer ZIP");
    add("M_ERR_SLOT2_NO_ZIP", "La ranura 2 no conté cap fitxer ZIP");
    add("M_ERR_DISKA_NO_ZIP", "El disc A no conté cap fitxer ZIP");
    add("M_ERR_DISKB_NO_ZIP", "El disc B no conté cap fitxer ZIP");
    add("M_ERR_TAPE_NO_ZIP", "La cinta no conté cap fitxer ZIP");
    add("M_ADDED_TO_DB", " perfils nous s'han afegit a la base de dades ");
    add("M_ERR_FILE_EXIST", "El fitxer ja existeix");
    add("M_CREATED_DB", " s'ha creat. Nombre de perfils: ");
    add("M_GAME_SAVED", " s'ha desat correctament");
    add("M_ERR_NO_DIR_SEL", "No s'ha seleccionat cap carpeta");
    add("M_ERR_NO_MEDIUM_SEL", "No s'ha seleccionat cap suport");
    add("M_ERR_NO_ADDED_TO_DB", "No s'ha afegit cap perfil nou a la base de dades");
    add("M_ERR_NO_NEW_DB_ENTERED", "No s'ha introduït cap base de dades nova");
    add("M_ERR_NO_FILE_DIR_SEL", "No s'ha seleccionat cap fitxer ni cap carpeta");
    add("M_FILL_NOT_READ", "Fitxers i carpetes omesos perquè no s'han pogut llegir: ");
    add("M_SOFTWARE_DB_NOT_READ",
        "Bases de dades de programari omeses perquè no s'han pogut llegir: ");
    add("M_ERR_NAME_IN_DB_EXIST",
        " ja existeix a la base de dades de destinació. Voleu substituir-lo?");
    add("M_ERR_GAME_NAME_EMPTY", "El camp Nom és buit");
    add("M_ERR_GAME_IMAGE1_EMPTY", "El camp Imatge 1 és buit");
    add("M_ERR_FIELD_CHARACTERS", "El camp no pot contenir «|» ni salts de línia: ");
    add("M_ERR_NO_CORVANE_DB", "No s'ha trobat cap base de dades a Corvane");
    add("M_ERR_GAME_NOT_FOUND_IN_DB", "No s'ha trobat el perfil");
    add("M_ERR_NEW_NAME_IN_DB_EXIST", "El nom nou ja existeix a la base de dades");
    add("M_ERR_FILE_IO", "S'ha produït un error en l'operació d'E/S");
    add("M_ERR_BASE_DIR_BUSY",
        "Un altre programa està escrivint a les bases de dades d'aquesta carpeta. No s'ha canviat "
        "res; torneu-ho a provar quan hagi acabat.");
    add("M_ERR_BASE_DIR_BUSY_REST",
        "Un altre programa està escrivint a les bases de dades d'aquesta carpeta. Les bases de "
        "dades no esmentades no s'han canviat; torneu-ho a provar quan hagi acabat.");
    add("M_WAITING_FOR_WRITER",
        "Un altre programa està escrivint a les bases de dades d'aquesta carpeta; s'espera que "
        "acabi...");
    add("M_EXTRA_DATA_IMPORTED_IN", "S'han importat dades addicionals a aquestes bases de dades: ");
    add("M_ERR_PROFILE_CHANGED",
        "Un altre programa ha canviat aquest perfil després de mostrar la llista. No s'ha canviat "
        "res; ara la llista mostra el perfil tal com és.");
    add("M_ERR_FILE_IO_TARGET",
        "S'ha produït un error en l'operació d'E/S de la base de dades de destinació");
    add("M_ERR_FILE_IO_SOURCE",
        "S'ha produït un error en l'operació d'E/S de la base de dades d'origen");
    add("M_SEL_DIR", "Seleccioneu una carpeta:");
    add("M_CSV_FULL_GEN", "El fitxer CSV s'ha generat correctament");
    add("M_CSV_PART_GEN", "El fitxer CSV s'ha generat parcialment");
    add("M_ERR_CSV_EMPTY_FILENAME", "Nom de fitxer buit");
    add("M_FILE_EXIST_REPLACE", "El fitxer ja existeix. Voleu substituir-lo?");
    add("M_PROFILES_MODIFIED", " perfils s'han actualitzat");
    add("M_INVALID_PROFILE", "Perfil no vàlid");
    add("M_ENTER_FILTER_NEW_NAME", "Introduïu el nom nou del filtre ");
    add("M_ERR_FILTER_ALREADY_EXISTS", "El nom del filtre ja existeix");
    add("M_NOT_IMPORTED", "No importat");
    add("M_PATCH_APPLIED", "El pedaç s'ha aplicat correctament");
    add("M_ERR_INVALID_IPS", "Fitxer IPS no vàlid");
    add("M_ERR_NOT_FOUND_IPS", "No s'ha trobat el fitxer IPS");
    add("M_ERR_NOT_FOUND_ROM_TO_PATCH", "No s'ha trobat el fitxer que cal apedaçar");
    add("M_ERR_CANNOT_PATCH_TARGET", "No es pot desar el fitxer apedaçat");
    add("M_ERR_PATCH_IPS_EMPTY", "El camp Fitxer IPS és buit");
    add("M_ERR_PATCH_SRC_EMPTY", "El camp Fitxer d'origen és buit");
    add("M_ERR_PATCH_TARGET_EMPTY", "El camp Fitxer de destinació és buit");
    add("M_ERR_PATCH_SHA1_NOT_MATCH", "Els valors SHA1 no coincideixen");
    add("M_ERR_PATCH_SRC_TOO_BIG", "El fitxer d'origen és massa gran per apedaçar-lo");
    add("M_ADJUSTED_ALL_PATHS", "El camí relatiu actual s'ha ajustat correctament");
    add("M_ERR_NO_RELATIVE_PATH",
        "Els camins dels suports no comparteixen cap carpeta comuna, així que no hi ha cap camí "
        "relatiu actual per ajustar. No s'ha canviat res.");
    add("M_ERR_NO_MACHINE_SEL", "No s'ha seleccionat cap màquina");
    add("M_PATHS_ADJUSTED_IN", "S'han ajustat els camins d'aquestes bases de dades: ");
    add("M_PATHS_ADJUSTED_NONE", "No s'ha canviat cap base de dades.");
    add("PR_SEARCH_LAUNCHER", "S'està cercant al Launcher...");
    add("PR_SEARCH_CORVANE", "S'està cercant a les bases de dades de Corvane...");
    add("PR_CALCULATE_SHA1", "S'està calculant l'SHA1...");
    add("PR_GENERATE_CSV", "S'està generant el fitxer CSV...");
    add("PR_IMPORT_EXTRA_DATA", "S'estan important dades addicionals...");
    add("PR_SET_MACHINE", "S'està definint la màquina...");
    add("PR_PATCH", "S'està aplicant el pedaç...");
    add("PR_ADJUST_PATHS", "S'estan ajustant els camins relatius...");
    add("scc", "Cartutx SCC");
    add("scc+", "Cartutx SCC+");
    add("fmpac", "Cartutx FM-PAC");
    add("fmpak", "Cartutx PAC");
    add("sunriseide", "Sunrise IDE");
    add("L_ROM_IMAGE", "Imatge ROM");
    add("L_DISK_IMAGE", "Imatge de disc");
    add("L_TAPE_IMAGE", "Imatge de cinta");
    add("L_ALL_FILES", "Tots els fitxers");
    add("L_IMAGES", "Imatges");
    add("L_EXECUTABLES", "Fitxers executables");
    add("L_CSV_FILES", "Fitxers CSV");
    add("L_IPS_FILES", "Fitxers IPS");
    add("CSV_NAME_IN_LAUNCHER", "Nom al Launcher");
    add("CSV_MAIN_ENTRY_MEDIUM", "Suport del perfil principal");
    add("CSV_MAIN_ENTRY_SIZE", "Mida del perfil principal");
    add("CSV_MAIN_INFO_FILE", "Fitxer d'informació");
    add("CSV_SLOT1_SPEC", "Ranura 1: Especial");
    add("CSV_SLOT1_NAME_ZIP", "Ranura 1: Nom al ZIP");
    add("CSV_SLOT2_SPEC", "Ranura 2: Especial");
    add("CSV_SLOT2_NAME_ZIP", "Ranura 2: Nom al ZIP");
    add("CSV_DISKA_NAME_ZIP", "Disc A: Nom al ZIP");
    add("CSV_DISKB_NAME_ZIP", "Disc B: Nom al ZIP");
    add("CSV_TAPE_NAME_ZIP", "Cinta: Nom al ZIP");
    add("CSV_HARDDISK_PRI", "Disc dur: Primari");
    add("CSV_HARDDISK_SEC", "Disc dur: Secundari");
    add("CSV_OPENMSX_OVERRIDE", "Substitueix els arguments d'openMSX");
    add("CSV_FMSX_OVERRIDE", "Substitueix els arguments de fMSX");
    add("CSV_CORVANE_DB", "Fitxer de base de dades de Corvane");
    add("CSV_TITLE_IN_CORVANE_DB", "Títol a la base de dades de Corvane");
    add("CSV_ROM_START", "Inici de la ROM");
    add("CSV_DISK_TAPE_START_COMMAND", "Ordre d'inici de disc / cinta");
    add("CSV_LAUNCHER_DATABASE", "Base de dades del Launcher");
    add("CSV_MACHINE", "Màquina");
    add("CSV_SLOT1", "Ranura 1");
    add("CSV_SLOT2", "Ranura 2");
    add("CSV_DISKA", "Disc A");
    add("CSV_DISKB", "Disc B");
    add("CSV_TAPE", "Cinta");
    add("CSV_IMAGE1", "Imatge 1");
    add("CSV_IMAGE2", "Imatge 2");
    add("CSV_OPENMSX_ARGUMENTS", "Arguments d'openMSX");
    add("CSV_FMSX_ARGUMENTS", "Arguments de fMSX");
    add("CSV_SHA1", "SHA1");
    add("CSV_SYSTEM", "Sistema");
    add("CSV_COMPANY", "Companyia");
    add("CSV_YEAR", "Any");
    add("CSV_COUNTRY", "País");
    add("CSV_GOOD_MSX", "Good MSX");
    add("CSV_MAPPER", "Mapper");
    add("CSV_REMARK", "Observacions");
    add("CSV_GENERATION", "Generació");
    add("CSV_SOUND", "So");
    add("CSV_GENRE", "Gènere");
    add("BR", "Brasil");
    add("CA", "Canadà");
    add("GB", "Anglaterra");
    add("FI", "Finlàndia");
    add("FR", "França");
    add("DE", "Alemanya");
    add("IT", "Itàlia");
    add("JP", "Japó");
    add("KR", "Corea");
    add("KW", "Kuwait");
    add("NL", "Països Baixos");
    add("RU", "Rússia");
    add("ES", "Espanya");
    add("SE", "Suècia");
    add("US", "EUA");
    add("NZ", "Nova Zelanda");
    add("SA", "Aràbia Saudita");
    add("FILTER_YR_EQ", "Igual");
    add("FILTER_YR_EQ_G", "Igual o més gran");
    add("FILTER_YR_EQ_L", "Igual o més petit");
    add("M_NEED_EMULATOR_PATH", "Indiqueu el camí d'openMSX, fMSX o Corvane a ");
    add("M_NEED_OPENMSX_PATH", "Indiqueu el camí d'openMSX a ");
    add("M_NEED_FMSX_PATH", "Indiqueu el camí de fMSX a ");
    add("M_NEED_DATABASE",
        "Cal una base de dades: primer creeu-ne una amb Omple la base de dades o Crea una base de "
        "dades buida");
    add("M_NEED_SECOND_DATABASE", "Cal una segona base de dades on moure els perfils");
    add("M_NEED_INFO_FILE", "Aquest perfil no té fitxer d'informació");
    add("M_NEED_ONE_PROFILE", "Seleccioneu un perfil");
    add("M_NEED_PROFILES", "Seleccioneu un o més perfils");
    add("M_EMPTY_LIST_HINT",
        "Aquesta llista és buida. Deixeu anar aquí fitxers de suports o carpetes, o feu servir "
        "«Omple la base de dades».");
    add("M_ERR_FILTER_COMMA", "No es pot desar un filtre amb una coma en un text personalitzat");
}

// Dialog titles, shared buttons and the names of the ten languages.
void LanguageCatalan::fillDialogIds() {
    add(187, "Gestor de bases de dades");
    add(1, "D'acord");
    add(2, "Cancel·la");
    add(246, "Filtres");
    add(105, "Restableix");
    add(263, "Cerca");
    add(106, "Troba");
    add(136, "Configuració");
    add(204, "Entrada");
    add(224, "Selecció");
    add(180, "Centre SHA1");
    add(103, "Troba");
    add(234, "Progrés");
    add(221, "Propietats");
    add(159, "Omple la base de dades");
    add(209, "Sortida de la línia d'ordres");
    add(129, "Dades del joc / programa");
    add(240, "Selecció de la màquina");
    add(179, "Afegeix a la base de dades actual");
    add(232, "Canvia el nom dels fitxers");
    add(236, "Confirmació");
    add(238, "Confirmació");
    add(104, "No");
    add(107, "No a tot");
    add(235, "Resultat del canvi de nom dels fitxers");
    add(100, "Quant a Corvane Launcher");
    add(290, "Exporta a CSV");
    add(303, "Organitza els preferits");
    add(306, "Importa dades addicionals dels perfils");
    add(307, "Altres bolcats");
    add(308, "Organitza els filtres");
    add(329, "Defineix les dades addicionals dels perfils");
    add(330, "Centre IPS");
    add(332, "Ajusta el camí relatiu");
    add(9, "Anglès");
    add(3, "Català");
    add(19, "Neerlandès");
    add(11, "Finès");
    add(12, "Francès");
    add(10, "Espanyol");
    add(22, "Portuguès");
    add(16, "Italià");
    add(7, "Alemany");
    add(29, "Suec");
}

// Captions of menu commands; the menu code appends shortcut texts itself.
void LanguageCatalan::fillMenuIds() {
    // Options menu
    add(32790, "Confirma abans d'&eliminar");
    add(32789, "Mostra la &sortida de la línia d'ordres");
    add(32816, "&Marca els perfils");
    add(32817, "si no són &vàlids (taronja)");
    add(32818, "si falta el valor de &generació (porpra)");
    add(32819, "si falta el valor de &so (verd)");
    add(32820, "si falta el valor de gè&nere (groc)");
    add(32797, "&Filtres");
    add(32823, "&Defineix els filtres...");
    add(32825, "&Restableix els filtres");
    add(32824, "&Organitza els filtres desats...");
    add(32777, "&Configuració...");
    // Action menu
    add(32802, "&Cerca...");
    add(32814, "&Organitza els preferits...");
    add(32801, "Crea una base de dades &buida...");
    add(32803, "Om&ple la base de dades...");
    add(32815, "Defineix la &màquina...");
    add(32821, "&Importa dades addicionals dels perfils...");
    add(32828, "&Ajusta el camí relatiu...");
    add(32788, "Canvia el &nom dels fitxers...");
    add(32804, "&Exporta a CSV...");
    // Tools menu
    add(32780, "Centre &SHA1...");
    add(32827, "Centre &IPS...");
    add(32781, "&Gestor de bases de dades...");
    // Help menu
    add(32779, "&Temes d'ajuda");
    add(32778, "&Quant a");
    // Profile list context menu
    add(32782, "Executa");
    add(32792, "amb la configuració desada");
    add(32793, "en un MSX genèric");
    add(32794, "en un MSX2 genèric");
    add(32796, "en un MSX2+ genèric");
    add(32795, "en un Turbo-R genèric");
    add(32800, "amb openMSX");
    add(32830, "amb fMSX");
    add(32783, "Elimina");
    add(32784, "Edita...");
    add(32787, "Informació");
    add(32791, "Copia");
    add(32786, "Mou...");
    add(32813, "Afegeix als preferits");
    add(32798, "Explora");
    add(32822, "Altres bolcats...");
    add(32826, "Defineix les dades addicionals...");
    add(32799, "Selecciona-ho tot");
    add(32785, "Propietats");
    // Profile editor's Launch button
    add(32829, "amb Corvane");
}

// Captions of dialog controls. A control shared by several dialogs has one entry, listed
// with the first dialog that uses it.
void LanguageCatalan::fillControlIds() {
    // Main window
    add(1226, "BASE DE DADES");
    add(1230, "TOTAL");
    add(1236, "SUPORT");
    add(1238, "SISTEMA");
    add(1217, "COMPANYIA");
    add(1214, "ANY");
    add(1221, "PAÍS");
    add(1228, "GENERACIÓ");
    add(1225, "SO");
    add(1223, "GÈNERE");
    add(1000, "EXECUTA");
    add(1001, "ELIMINA");
    add(1002, "AFEGEIX");
    add(1003, "EDITA");
    add(1004, "INFO");
    add(1121, "Filtres");
    add(1007, "Cerca");
    add(1262, "Preferits");
    // Settings
    add(1271, "Camí de Corvane");
    add(1272, "Visualitzador de fitxers d'informació");
    add(1371, "Utilitza el visualitzador per defecte de cada fitxer d'informació");
    add(1372, "Utilitza un visualitzador específic");
    add(1273, "Base de dades per defecte");
    add(1275, "Finestra de l'emulador");
    add(1021, "Pantalla completa");
    add(1276, "Tema :");
    add(1096, "Activa les captures de pantalla");
    add(1277, "Nombre de captures de pantalla :");
    add(1278, "Tipus d'imatge :");
    add(1337, "Nota: la mida òptima de la imatge és 272x240 (RAlt+F11 a Corvane)");
    add(1280, "Imatge de fons");
    add(1103, "Per defecte");
    add(1109, "Imatge personalitzada");
    add(1281, "Disposició :");
    add(1282, "Configuració d'openMSX");
    add(1283, "Camí");
    add(1284, "Arguments");
    add(1460, "Configuració de fMSX");
    add(1464, "Camí");
    add(1465, "Arguments");
    add(1354, "Llengua :");
    // Database Manager
    add(1085, "Canvia el nom de la base de dades");
    add(1083, "Suprimeix la base de dades");
    add(1082, "Suprimeix les còpies de seguretat");
    add(1088, "Restaura la base de dades");
    add(1087, "Omple la base de dades");
    add(1316, "Tanca");
    add(1286, "Estadístiques");
    add(1287, "Total de bases de dades");
    add(1288, "Total de perfils");
    add(1289, "Total de còpies de seguretat");
    // Export to CSV (also the column titles of the file)
    add(1365, "Bases de dades");
    add(1359, "Totes");
    add(1360, "Específica :");
    add(1367, "Nom del fitxer CSV");
    add(1263, "Fitxer");
    add(1344, "Base de dades del Launcher");
    add(1317, "Màquina");
    add(1320, "Ranura 1");
    add(1321, "Ranura 2");
    add(1326, "Disc A");
    add(1327, "Disc B");
    add(1330, "Cinta");
    add(1335, "Imatge 1");
    add(1336, "Imatge 2");
    add(1339, "Arguments d'openMSX");
    add(1466, "Arguments de fMSX");
    add(1154, "SHA1");
    add(1264, "Sistema");
    add(1265, "Companyia");
    add(1266, "Any");
    add(1267, "País");
    add(1301, "Good MSX");
    add(1167, "Mapper");
    add(1302, "Observacions");
    add(1156, "Generació");
    add(1158, "So");
    add(1161, "Gènere");
    add(1374, "Utilitza els valors de Corvane si estan disponibles");
    // Adjust Relative Path
    add(1457, "Camí relatiu actual");
    add(1443, "Camí relatiu nou");
    add(1456, "Fes una còpia de seguretat de totes les bases de dades");
    // Command Line Output and the profile editor
    add(1315, "Executa");
    add(1015, "Desa");
    // Profile editor
    add(1700, "Fitxer d'informació");
    add(1701, "Nom al ZIP");
    add(1702, "Especial");
    add(1703, "Primari");
    add(1704, "Secundari");
    add(1380,
        "Nota: a Corvane, els discs durs necessiten la interfície Sunrise IDE. Trieu la ROM "
        "especial «Sunrise IDE» a la pestanya ROM.");
    add(1705, "Utilitza la ubicació per defecte (directori Screenshots de Corvane)");
    add(1706, "Utilitza fitxers d'imatge específics");
    add(1707, "Substitueix els arguments d'openMSX definits a la configuració del Launcher");
    add(1708, "Substitueix els arguments de fMSX definits a la configuració del Launcher");
    add(1709, "Especifica");
    add(1710, "o");
    add(1711, "Generació MSX");
    add(1712, "i");
    // Machine Selection
    add(1242, "Màquina mínima necessària");
    add(1101, "Defineix la màquina per a tots els perfils");
    add(1107, "Defineix la màquina per als perfils amb una màquina inexistent");
    add(1056, "Fes una còpia de seguretat de la base de dades existent");
    // Fill Database (several also Rename Files and Add to Current Database)
    add(1046, "Afegeix una carpeta");
    add(1048, "Elimina");
    add(1049, "Cerca a les subcarpetes");
    add(1066, "Existent");
    add(1067, "Nova");
    add(1053, "Afegeix a la base de dades");
    add(1057, "Sobreescriu la base de dades");
    add(1064, "Utilitza el nom del fitxer");
    add(1065, "Obtén de Corvane");
    add(1191, "ROM");
    add(1193, "Disc");
    add(1260, "Cinta");
    add(1063, "Fitxers ZIP");
    add(1474, "Importa dades addicionals dels perfils");
    // SHA1 Center
    add(1071, "Navega");
    add(1072, "Calcula");
    add(1173, "Cerca per codi SHA1 a");
    add(1100, "Launcher");
    add(1106, "Base de dades de Corvane");
    add(1254,
        "Voleu tancar aquesta finestra i localitzar el perfil seleccionat a la finestra principal "
        "del Launcher?");
    // Properties
    add(1650, "Dins del ZIP");
    add(1651, "Mida");
    add(1652, "Títol");
    add(1653, "Inici");
    add(1654, "Desades ràpides :");
    add(1655, "Captures de pantalla :");
    add(1656, "Captures de vídeo :");
    add(1657, "Captures d'àudio :");
    add(1658, "Explora");
    // Progress
    add(1115, "Cancel·la");
    // IPS Center
    add(1446, "Navega");
    add(1441, "IPS");
    add(1364, "Navega");
    add(1445, "Origen");
    add(1453, "Exigeix SHA1");
    add(1448, "Especifica la ubicació del fitxer apedaçat");
    add(1366, "Navega");
    add(1447, "Apedaça directament l'origen");
    add(1450, "Destinació");
    add(1451, "Sortida");
    add(1440, "Entrades");
    // Rename Files, its confirmation and its result
    add(1176, "Format 8.3");
    add(1177, "Igual que el nom al Launcher");
    add(1178, "Igual que el títol a la base de dades de Corvane");
    add(1345, "Canvia el nom dels fitxers de la base de dades:");
    add(1196, "Disc dur");
    add(1346, "Suports als quals es canviarà el nom");
    add(1347, "Esteu segur que voleu continuar amb el canvi de nom dels fitxers?");
    add(1348,
        "AVÍS: si feu clic a D'acord, es canviarà el nom dels fitxers del disc de destinació. "
        "Aquesta operació no es pot desfer; per tant, assegureu-vos de fer una còpia de seguretat "
        "d'aquests fitxers en una altra ubicació si voleu tornar als noms de fitxer antics.");
    add(1370, "Continua");
    add(1349, "Resultats");
    add(1350, "Total de fitxers amb el nom canviat");
    add(1351, "Total de fitxers sense el nom canviat");
    add(1352,
        "Llista de perfils del Launcher amb un o més fitxers als quals no s'ha canviat el nom :");
    // Other Dumps
    add(1314, "Nom");
    add(1032, "Base de dades");
    add(1293, "Bolcats coneguts");
    add(1406, "Troba altres bolcats al Launcher");
    add(1295, "Altres bolcats trobats al Launcher:");
    // Import and Set Extra Profile Data
    add(1402, "Opcions de dades addicionals");
    add(1404, "Omet");
    add(1407, "Sobreescriu");
    add(1408, "Combina");
    add(1409, "Omet");
    add(1410, "Sobreescriu");
    add(1411, "Combina");
    add(1412, "Omet");
    add(1413, "Sobreescriu");
    add(1414, "Combina");
    add(1415, "Fitxer d'informació - Enllaç al lloc Generation-MSX");
    add(1416, "Omet");
    add(1417, "Sobreescriu");
    add(1418, "Defineix si és buit");
    add(1419, "Captures de pantalla");
    add(1420, "Omet");
    add(1421, "Sobreescriu");
    add(1422, "Defineix si és buit");
    add(1439, "Fes una còpia de seguretat de les bases de dades afectades");
    add(1430, "Perfils seleccionats");
    // Filters
    add(1258, "Suport");
    add(1398, "Generació");
    add(1231, "So");
    add(1235, "Gènere");
    add(1113, "Personalitzat");
    add(1108, "Personalitzat");
    add(1111, "Personalitzat");
    add(1423, "Desa com a");
    // Organize Filters (Delete and Sort also Organize Favorites)
    add(1426, "Canvia el nom");
    add(1369, "Suprimeix");
    add(1405, "Ordena");
    // Search
    add(1270,
        "( Introduïu el nom complet o parcial. La cerca no distingeix entre majúscules i "
        "minúscules )");
    add(1269, "Trobats :");
    // Add to Current Database
    add(1051, "Afegeix un fitxer");
    add(1069, "Afegeix");
    // Five-answer confirmation
    add(1600, "Sí");
    add(1601, "Sí a tot");
    // About box
    add(1602,
        "Manté ordenada la vostra col·lecció de programari MSX i l'executa amb Corvane, openMSX o "
        "fMSX.");
    add(1690, "Versió");
    add(1691,
        "Amb llicència GNU General Public License, versió 3 o qualsevol versió posterior. Aquest "
        "programa no té cap garantia.");
    add(1692, "Fet amb aquestes biblioteques:");
    // Path rows of the settings pages
    add(1610, "Navega...");
    add(1611, "Buida");
    add(1616, "Emulador predeterminat");
    add(1617, "Automàtic");
    // Fill Database and Add to Current Database: group and row captions
    add(1640, "Carpetes a explorar");
    add(1641, "Base de dades de destinació");
    add(1642, "Mode d'addició :");
    add(1643, "Nom del perfil al Launcher :");
    add(1644, "Suports a cercar");
    add(1645, "Màquina :");
    add(1646, "Fitxers i carpetes a afegir");
    // Captions of the tool windows still to come: Machine Selection
    add(1244, "Màquina específica :");
    add(1660, "Base de dades");
    add(1661, "Màquina");
    add(1662, "Opcions");
}

}  // namespace corvane
