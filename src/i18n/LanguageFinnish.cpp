// SPDX-License-Identifier: GPL-3.0-or-later
#include "i18n/LanguageFinnish.h"

namespace corvane {

LanguageFinnish::LanguageFinnish() {
    fill();
}

void LanguageFinnish::fill() {
    fillKeys();
    fillDialogIds();
    fillMenuIds();
    fillControlIds();
}

// Fragments with leading or trailing blanks are joined with names and numbers by their
// callers; the blanks belong to the text.
// Program and emulator names are joined to Finnish nouns with a hyphen ("Corvane-tietokanta")
// so that the names themselves never take case endings.
void LanguageFinnish::fillKeys() {
    add("LOC_MENU_OPTIONS", "&Valinnat");
    add("LOC_MENU_ACTION", "&Toiminnot");
    add("LOC_MENU_TOOLS", "T&yökalut");
    add("LOC_MENU_HELP", "&Ohje");
    add("SELECTION_ALL", "Kaikki");
    add("MEDIUM_ROM", "ROM");
    add("MEDIUM_DISK", "Levyke");
    add("MEDIUM_TAPE", "Kasetti");
    add("MEDIUM_HARDDISK", "Kiintolevy");
    add("L_NAME", "Nimi");
    add("L_DATABASE", "Tietokanta");
    add("L_GENERAL", "Yleiset");
    add("L_SCREENSHOTS", "Kuvakaappaukset");
    add("L_BACKGROUND", "Tausta");
    add("L_EMULATORS", "Emulaattorit");
    add("L_CORVANE_DATA", "Perustiedot");
    add("L_EXTRA_DATA", "Lisätiedot");
    add("L_LANGUAGE", "Kieli");
    add("L_ENTRIES", "Profiilit");
    add("L_BACKUPS", "Varmuuskopiot");
    add("L_LAUNCHER", "Launcher");
    add("L_CORVANE_DB", "Corvane-tietokanta");
    add("L_CAPTURES", "Tallenteet");
    add("L_CLOSE", "Sulje");
    add("L_SCANNING", "Tutkitaan...");
    add("L_DEFAULT", "Ei muutosta");
    add("L_CLASSIC", "Klassinen");
    add("L_SELECT", "Valitse...");
    add("BG_IMAGE_LAYOUT_CENTRED", "Keskitetty");
    add("BG_IMAGE_LAYOUT_STRETCHED", "Venytetty");
    add("BG_IMAGE_LAYOUT_TILED", "Vierekkäin");
    add("M_ENTER_DB_NAME", "Anna uuden tietokannan nimi:");
    add("M_INVALID_NAME", "Virheellinen nimi");
    add("M_ERROR", "Virhe");
    add("M_FOUND_LAUNCHER", "Profiili löytyi.");
    add("M_CONFIRM", "Vahvistus");
    add("M_MSG", "Viesti");
    add("M_NOT_FOUND_LAUNCHER", "Profiilia ei löytynyt Launcher-tietokannoista");
    add("M_INFO", "Tiedote");
    add("M_NOT_FOUND_CORVANE", "Profiilia ei löytynyt Corvane-tietokannasta");
    add("M_ENTER_DB_NEW_NAME", "Anna uusi nimi tietokannalle ");
    add("M_ERROR_RENAME_DB", "Virhe nimettäessä tietokantaa uudelleen");
    add("M_DELETE_DB", "Poistetaanko tietokanta ");
    add("M_REMOVE_BACKUPS_DB", "Poistetaanko varmuuskopiot, jotka on tehty tietokannasta ");
    add("M_ERROR_DELETE_DB", "Virhe poistettaessa tietokantaa");
    add("M_RESTORE_DB", "Palautetaanko tietokanta ");
    add("M_ERR_START_EMUL", "Virhe käynnistettäessä emulaattoria");
    add("M_ERR_EMUL_QUIT", " lopetti heti, paluuarvo ");
    add("M_ERR_EMUL_PATH_INVALID",
        "Emulaattorin polku on virheellinen - aseta se kohdassa Valinnat->Asetukset");
    add("M_REMOVE_SEL_ENTRY", "Poistetaanko valittu profiili?");
    add("M_REMOVE_SEL_ENTRIES", "Poistetaanko valitut profiilit?");
    add("M_SEL_TARGET_DB", "Valitse kohdetietokanta, johon valitut profiilit siirretään:");
    add("M_ERR_START_VIEWER", "Virhe käynnistettäessä infotiedostojen katseluohjelmaa");
    add("M_ERR_NO_HELP", "Ohjetiedostoa ei ole saatavilla");
    add("M_ERR_NO_DB_SEL", "Tietokantaa ei ole valittu");
    add("M_ERR_DB_NAME_EXIST", "Samanniminen tietokanta on jo olemassa");
    add("M_ERR_DIR_EXIST", "Kansio on jo olemassa");
    add("M_SEL_MEDIUM", "Määritä vähintään yksi media: ROM, levyke, kasetti tai kiintolevy");
    add("M_ADDING_FILES", "Lisätään tiedostoja...");
    add("M_PROCESS_FILES", "Käsitellään tiedostoja...");
    add("M_ERR_START_EXPOLRER", "Virhe käynnistettäessä tiedostonhallintaa");
    add("M_ERR_SLOT1_NO_ZIP", "Korttipaikka 1 ei sisällä ZIP-tiedostoa");
    add("M_ERR_SLOT2_NO_ZIP", "Korttipaikka 2 ei sisällä ZIP-tiedostoa");
    add("M_ERR_DISKA_NO_ZIP", "Levyke A ei sisällä ZIP-tiedostoa");
    add("M_ERR_DISKB_NO_ZIP", "Levyke B ei sisällä ZIP-tiedostoa");
    add("M_ERR_TAPE_NO_ZIP", "Kasetti ei sisällä ZIP-tiedostoa");
    add("M_ADDED_TO_DB", " uutta profiilia lisättiin tietokantaan ");
    add("M_ERR_FILE_EXIST", "Tiedosto on jo olemassa");
    add("M_CREATED_DB", " luotiin. Profiilien määrä: ");
    add("M_GAME_SAVED", " tallennettiin onnistuneesti");
    add("M_ERR_NO_DIR_SEL", "Kansioita ei ole valittu");
    add("M_ERR_NO_MEDIUM_SEL", "Mediaa ei ole valittu");
    add("M_ERR_NO_ADDED_TO_DB", "Tietokantaan ei lisätty uusia profiileja");
    add("M_ERR_NO_NEW_DB_ENTERED", "Uuden tietokannan nimeä ei annettu");
    add("M_ERR_NO_FILE_DIR_SEL", "Tiedostoja tai kansioita ei ole valittu");
    add("M_FILL_NOT_READ", "Ohitetut tiedostot ja kansiot, joita ei voitu lukea: ");
    add("M_SOFTWARE_DB_NOT_READ", "Ohitetut ohjelmistotietokannat, joita ei voitu lukea: ");
    add("M_ERR_NAME_IN_DB_EXIST", " on jo kohdetietokannassa. Korvataanko?");
    add("M_ERR_GAME_NAME_EMPTY", "Nimi-kenttä on tyhjä");
    add("M_ERR_GAME_IMAGE1_EMPTY", "Kuva 1 -kenttä on tyhjä");
    add("M_ERR_FIELD_CHARACTERS", "Kentässä ei voi olla merkkiä \"|\" eikä rivinvaihtoa: ");
    add("M_ERR_NO_CORVANE_DB", "Corvane-emulaattorista ei löytynyt tietokantoja");
    add("M_ERR_GAME_NOT_FOUND_IN_DB", "Profiilia ei löytynyt");
    add("M_ERR_NEW_NAME_IN_DB_EXIST", "Uusi nimi on jo tietokannassa");
    add("M_ERR_FILE_IO", "Virhe luku- tai kirjoitustoiminnossa");
    add("M_ERR_BASE_DIR_BUSY",
        "Toinen ohjelma kirjoittaa parhaillaan tämän kansion tietokantoihin. Mitään ei muutettu; "
        "yritä uudelleen, kun se on valmis.");
    add("M_ERR_BASE_DIR_BUSY_REST",
        "Toinen ohjelma kirjoittaa parhaillaan tämän kansion tietokantoihin. Muita kuin mainittuja "
        "tietokantoja ei muutettu; yritä uudelleen, kun se on valmis.");
    add("M_WAITING_FOR_WRITER",
        "Toinen ohjelma kirjoittaa parhaillaan tämän kansion tietokantoihin; odotetaan, kunnes se "
        "on valmis...");
    add("M_EXTRA_DATA_IMPORTED_IN", "Lisätiedot tuotiin näihin tietokantoihin: ");
    add("M_ERR_PROFILE_CHANGED",
        "Toinen ohjelma muutti tätä profiilia luettelon näyttämisen jälkeen. Mitään ei muutettu; "
        "luettelo näyttää nyt profiilin sellaisena kuin se on.");
    add("M_ERR_FILE_IO_TARGET", "Virhe kohdetietokannan luku- tai kirjoitustoiminnossa");
    add("M_ERR_FILE_IO_SOURCE", "Virhe lähdetietokannan luku- tai kirjoitustoiminnossa");
    add("M_SEL_DIR", "Valitse kansio:");
    add("M_CSV_FULL_GEN", "CSV-tiedosto luotiin onnistuneesti");
    add("M_CSV_PART_GEN", "CSV-tiedosto luotiin osittain");
    add("M_ERR_CSV_EMPTY_FILENAME", "Tiedostonimi on tyhjä");
    add("M_FILE_EXIST_REPLACE", "Tiedosto on jo olemassa. Korvataanko?");
    add("M_PROFILES_MODIFIED", " profiilia päivitettiin");
    add("M_INVALID_PROFILE", "Virheellinen profiili");
    add("M_ENTER_FILTER_NEW_NAME", "Anna uusi nimi suodattimelle ");
    add("M_ERR_FILTER_ALREADY_EXISTS", "Samanniminen suodatin on jo olemassa");
    add("M_NOT_IMPORTED", "Ei tuotu");
    add("M_PATCH_APPLIED", "Paikkaus tehtiin onnistuneesti");
    add("M_ERR_INVALID_IPS", "Virheellinen IPS-tiedosto");
    add("M_ERR_NOT_FOUND_IPS", "IPS-tiedostoa ei löytynyt");
    add("M_ERR_NOT_FOUND_ROM_TO_PATCH", "Paikattavaa tiedostoa ei löytynyt");
    add("M_ERR_CANNOT_PATCH_TARGET", "Paikattua tiedostoa ei voi tallentaa");
    add("M_ERR_PATCH_IPS_EMPTY", "IPS-tiedoston kenttä on tyhjä");
    add("M_ERR_PATCH_SRC_EMPTY", "Lähdetiedoston kenttä on tyhjä");
    add("M_ERR_PATCH_TARGET_EMPTY", "Kohdetiedoston kenttä on tyhjä");
    add("M_ERR_PATCH_SHA1_NOT_MATCH", "SHA1-arvot eivät täsmää");
    add("M_ERR_PATCH_SRC_TOO_BIG", "Lähdetiedosto on liian suuri paikattavaksi");
    add("M_ADJUSTED_ALL_PATHS", "Nykyinen suhteellinen polku muutettiin onnistuneesti");
    add("M_ERR_NO_RELATIVE_PATH",
        "Mediatiedostojen poluilla ei ole yhteistä kansiota, joten nykyistä suhteellista polkua ei "
        "voi muuttaa. Mitään ei muutettu.");
    add("M_ERR_NO_MACHINE_SEL", "Konetta ei ole valittu");
    add("M_PATHS_ADJUSTED_IN", "Polut muutettiin näissä tietokannoissa: ");
    add("M_PATHS_ADJUSTED_NONE", "Mitään tietokantaa ei muutettu.");
    add("PR_SEARCH_LAUNCHER", "Haetaan Launcher-tietokannoista...");
    add("PR_SEARCH_CORVANE", "Haetaan Corvane-tietokannoista...");
    add("PR_CALCULATE_SHA1", "Lasketaan SHA1...");
    add("PR_GENERATE_CSV", "Luodaan CSV-tiedostoa...");
    add("PR_IMPORT_EXTRA_DATA", "Tuodaan lisätietoja...");
    add("PR_SET_MACHINE", "Asetetaan konetta...");
    add("PR_PATCH", "Otetaan korjausta käyttöön...");
    add("PR_ADJUST_PATHS", "Muutetaan suhteellisia polkuja...");
    add("scc", "SCC-moduuli");
    add("scc+", "SCC+-moduuli");
    add("fmpac", "FM-PAC-moduuli");
    add("fmpak", "PAC-moduuli");
    add("sunriseide", "Sunrise IDE");
    add("L_ROM_IMAGE", "ROM-kuva");
    add("L_DISK_IMAGE", "Levykekuva");
    add("L_TAPE_IMAGE", "Kasettikuva");
    add("L_ALL_FILES", "Kaikki tiedostot");
    add("L_IMAGES", "Kuvat");
    add("L_EXECUTABLES", "Ohjelmatiedostot");
    add("L_CSV_FILES", "CSV-tiedostot");
    add("L_IPS_FILES", "IPS-tiedostot");
    add("CSV_NAME_IN_LAUNCHER", "Nimi Launcher-tietokannassa");
    add("CSV_MAIN_ENTRY_MEDIUM", "Profiilin päämedia");
    add("CSV_MAIN_ENTRY_SIZE", "Profiilin päämedian koko");
    add("CSV_MAIN_INFO_FILE", "Infotiedosto");
    add("CSV_SLOT1_SPEC", "Korttipaikka 1: Erikoismoduuli");
    add("CSV_SLOT1_NAME_ZIP", "Korttipaikka 1: Nimi ZIP-tiedostossa");
    add("CSV_SLOT2_SPEC", "Korttipaikka 2: Erikoismoduuli");
    add("CSV_SLOT2_NAME_ZIP", "Korttipaikka 2: Nimi ZIP-tiedostossa");
    add("CSV_DISKA_NAME_ZIP", "Levyke A: Nimi ZIP-tiedostossa");
    add("CSV_DISKB_NAME_ZIP", "Levyke B: Nimi ZIP-tiedostossa");
    add("CSV_TAPE_NAME_ZIP", "Kasetti: Nimi ZIP-tiedostossa");
    add("CSV_HARDDISK_PRI", "Kiintolevy: Ensisijainen");
    add("CSV_HARDDISK_SEC", "Kiintolevy: Toissijainen");
    add("CSV_OPENMSX_OVERRIDE", "openMSX: korvaavat asetukset");
    add("CSV_FMSX_OVERRIDE", "fMSX: korvaavat asetukset");
    add("CSV_CORVANE_DB", "Corvane-tietokantatiedosto");
    add("CSV_TITLE_IN_CORVANE_DB", "Nimike Corvane-tietokannassa");
    add("CSV_ROM_START", "ROM-käynnistys");
    add("CSV_DISK_TAPE_START_COMMAND", "Levykkeen / kasetin käynnistyskomento");
    add("CSV_LAUNCHER_DATABASE", "Launcher-tietokanta");
    add("CSV_MACHINE", "Kone");
    add("CSV_SLOT1", "Korttipaikka 1");
    add("CSV_SLOT2", "Korttipaikka 2");
    add("CSV_DISKA", "Levyke A");
    add("CSV_DISKB", "Levyke B");
    add("CSV_TAPE", "Kasetti");
    add("CSV_IMAGE1", "Kuva 1");
    add("CSV_IMAGE2", "Kuva 2");
    add("CSV_OPENMSX_ARGUMENTS", "openMSX-parametrit");
    add("CSV_FMSX_ARGUMENTS", "fMSX-parametrit");
    add("CSV_SHA1", "SHA1");
    add("CSV_SYSTEM", "Järjestelmä");
    add("CSV_COMPANY", "Yhtiö");
    add("CSV_YEAR", "Vuosi");
    add("CSV_COUNTRY", "Maa");
    add("CSV_GOOD_MSX", "Good MSX");
    add("CSV_MAPPER", "Mapper");
    add("CSV_REMARK", "Huomautus");
    add("CSV_GENERATION", "Sukupolvi");
    add("CSV_SOUND", "Ääni");
    add("CSV_GENRE", "Lajityyppi");
    add("BR", "Brasilia");
    add("CA", "Kanada");
    add("GB", "Englanti");
    add("FI", "Suomi");
    add("FR", "Ranska");
    add("DE", "Saksa");
    add("IT", "Italia");
    add("JP", "Japani");
    add("KR", "Korea");
    add("KW", "Kuwait");
    add("NL", "Alankomaat");
    add("RU", "Venäjä");
    add("ES", "Espanja");
    add("SE", "Ruotsi");
    add("US", "Yhdysvallat");
    add("NZ", "Uusi-Seelanti");
    add("SA", "Saudi-Arabia");
    add("FILTER_YR_EQ", "Yhtä kuin");
    add("FILTER_YR_EQ_G", "Yhtä suuri tai suurempi");
    add("FILTER_YR_EQ_L", "Yhtä suuri tai pienempi");
    add("M_NEED_EMULATOR_PATH", "Aseta openMSX-, fMSX- tai Corvane-polku kohdassa ");
    add("M_NEED_OPENMSX_PATH", "Aseta openMSX-polku kohdassa ");
    add("M_NEED_FMSX_PATH", "Aseta fMSX-polku kohdassa ");
    add("M_NEED_DATABASE",
        "Tarvitaan tietokanta: luo ensin sellainen komennolla Täytä tietokanta tai Luo tyhjä "
        "tietokanta");
    add("M_NEED_SECOND_DATABASE", "Tarvitaan toinen tietokanta, johon profiilit siirretään");
    add("M_NEED_INFO_FILE", "Tällä profiililla ei ole tietotiedostoa");
    add("M_NEED_ONE_PROFILE", "Valitse yksi profiili");
    add("M_NEED_PROFILES", "Valitse yksi tai useampi profiili");
    add("M_EMPTY_LIST_HINT",
        "Luettelo on tyhjä. Pudota tähän mediatiedostoja tai kansioita tai käytä toimintoa ”Täytä "
        "tietokanta”.");
    add("M_ERR_FILTER_COMMA", "Suodatinta, jonka omassa tekstissä on pilkku, ei voi tallentaa");
}

// Dialog titles, shared buttons and the names of the ten languages.
void LanguageFinnish::fillDialogIds() {
    add(187, "Tietokantojen hallinta");
    add(1, "OK");
    add(2, "Peruuta");
    add(246, "Suodattimet");
    add(105, "Nollaa");
    add(263, "Haku");
    add(106, "Etsi");
    add(136, "Asetukset");
    add(204, "Syöte");
    add(224, "Valinta");
    add(180, "SHA1-keskus");
    add(103, "Etsi");
    add(234, "Edistyminen");
    add(221, "Ominaisuudet");
    add(159, "Täytä tietokanta");
    add(209, "Komentorivin tuloste");
    add(129, "Pelin / ohjelman tiedot");
    add(240, "Koneen valinta");
    add(179, "Lisää nykyiseen tietokantaan");
    add(232, "Nimeä tiedostot uudelleen");
    add(236, "Vahvistus");
    add(238, "Vahvistus");
    add(104, "Ei");
    add(107, "Ei kaikkiin");
    add(235, "Tiedostojen uudelleennimeämisen tulos");
    add(100, "Tietoja: Corvane Launcher");
    add(290, "Vie CSV-muotoon");
    add(303, "Järjestä suosikit");
    add(306, "Tuo profiilien lisätiedot");
    add(307, "Muut vedokset");
    add(308, "Järjestä suodattimet");
    add(329, "Aseta profiilien lisätiedot");
    add(330, "IPS-keskus");
    add(332, "Muuta suhteellista polkua");
    add(9, "Englanti");
    add(3, "Katalaani");
    add(19, "Hollanti");
    add(11, "Suomi");
    add(12, "Ranska");
    add(10, "Espanja");
    add(22, "Portugali");
    add(16, "Italia");
    add(7, "Saksa");
    add(29, "Ruotsi");
}

// Captions of menu commands; the menu code appends shortcut texts itself.
void LanguageFinnish::fillMenuIds() {
    // Options menu
    add(32790, "&Vahvista ennen poistamista");
    add(32789, "Näytä &komentorivin tuloste");
    add(32816, "&Merkitse profiilit");
    add(32817, "jos &virheellinen (oranssi)");
    add(32818, "jos &sukupolviarvo puuttuu (violetti)");
    add(32819, "jos &ääniarvo puuttuu (vihreä)");
    add(32820, "jos &lajityyppiarvo puuttuu (keltainen)");
    add(32797, "&Suodattimet");
    add(32823, "&Aseta suodattimet...");
    add(32825, "&Nollaa suodattimet");
    add(32824, "&Järjestä tallennetut suodattimet...");
    add(32777, "&Asetukset...");
    // Action menu
    add(32802, "&Hae...");
    add(32814, "&Järjestä suosikit...");
    add(32801, "&Luo tyhjä tietokanta...");
    add(32803, "&Täytä tietokanta...");
    add(32815, "Aseta &kone...");
    add(32821, "T&uo profiilien lisätiedot...");
    add(32828, "&Muuta suhteellista polkua...");
    add(32788, "&Nimeä tiedostot uudelleen...");
    add(32804, "&Vie CSV-muotoon...");
    // Tools menu
    add(32780, "&SHA1-keskus...");
    add(32827, "&IPS-keskus...");
    add(32781, "&Tietokantojen hallinta...");
    // Help menu
    add(32779, "&Ohjeaiheet");
    add(32778, "&Tietoja");
    // Profile list context menu
    add(32782, "Käynnistä");
    add(32792, "tallennetuilla asetuksilla");
    add(32793, "yleisellä MSX-koneella");
    add(32794, "yleisellä MSX2-koneella");
    add(32796, "yleisellä MSX2+-koneella");
    add(32795, "yleisellä Turbo-R-koneella");
    add(32800, "openMSX-emulaattorilla");
    add(32830, "fMSX-emulaattorilla");
    add(32783, "Poista");
    add(32784, "Muokkaa...");
    add(32787, "Info");
    add(32791, "Kopioi");
    add(32786, "Siirrä...");
    add(32813, "Lisää suosikkeihin");
    add(32798, "Avaa kansio");
    add(32822, "Muut vedokset...");
    add(32826, "Aseta lisätiedot...");
    add(32799, "Valitse kaikki");
    add(32785, "Ominaisuudet");
    // Profile editor's Launch button
    add(32829, "Corvane-emulaattorilla");
}

// Captions of dialog controls. A control shared by several dialogs has one entry, listed
// with the first dialog that uses it.
void LanguageFinnish::fillControlIds() {
    // Main window
    add(1226, "TIETOKANTA");
    add(1230, "MÄÄRÄ");
    add(1236, "MEDIA");
    add(1238, "JÄRJESTELMÄ");
    add(1217, "YHTIÖ");
    add(1214, "VUOSI");
    add(1221, "MAA");
    add(1228, "SUKUPOLVI");
    add(1225, "ÄÄNI");
    add(1223, "LAJITYYPPI");
    add(1000, "KÄYNNISTÄ");
    add(1001, "POISTA");
    add(1002, "LISÄÄ");
    add(1003, "MUOKKAA");
    add(1004, "INFO");
    add(1121, "Suodattimet");
    add(1007, "Haku");
    add(1262, "Suosikit");
    // Settings
    add(1271, "Corvane-polku");
    add(1272, "Infotiedostojen katseluohjelma");
    add(1371, "Käytä kunkin infotiedoston oletuskatseluohjelmaa");
    add(1372, "Käytä tiettyä katseluohjelmaa");
    add(1273, "Oletustietokanta");
    add(1275, "Emulaattorin ikkuna");
    add(1021, "Koko näyttö");
    add(1276, "Teema :");
    add(1096, "Ota kuvakaappaukset käyttöön");
    add(1277, "Kuvakaappausten määrä :");
    add(1278, "Kuvatyyppi :");
    add(1337, "Huom: paras kuvakoko on 272x240 (RAlt+F11 Corvane-emulaattorissa)");
    add(1280, "Taustakuva");
    add(1103, "Oletus");
    add(1109, "Oma kuva");
    add(1281, "Asettelu :");
    add(1282, "openMSX-asetukset");
    add(1283, "Polku");
    add(1284, "Parametrit");
    add(1460, "fMSX-asetukset");
    add(1464, "Polku");
    add(1465, "Parametrit");
    add(1354, "Kieli :");
    // Database Manager
    add(1085, "Nimeä tietokanta uudelleen");
    add(1083, "Poista tietokanta");
    add(1082, "Poista varmuuskopiot");
    add(1088, "Palauta tietokanta");
    add(1087, "Täytä tietokanta");
    add(1316, "Sulje");
    add(1286, "Tilastot");
    add(1287, "Tietokantoja yhteensä");
    add(1288, "Profiileja yhteensä");
    add(1289, "Varmuuskopioita yhteensä");
    // Export to CSV (also the column titles of the file)
    add(1365, "Tietokannat");
    add(1359, "Kaikki");
    add(1360, "Tietty :");
    add(1367, "CSV-tiedoston nimi");
    add(1263, "Tiedosto");
    add(1344, "Launcher-tietokanta");
    add(1317, "Kone");
    add(1320, "Korttipaikka 1");
    add(1321, "Korttipaikka 2");
    add(1326, "Levyke A");
    add(1327, "Levyke B");
    add(1330, "Kasetti");
    add(1335, "Kuva 1");
    add(1336, "Kuva 2");
    add(1339, "openMSX-parametrit");
    add(1466, "fMSX-parametrit");
    add(1154, "SHA1");
    add(1264, "Järjestelmä");
    add(1265, "Yhtiö");
    add(1266, "Vuosi");
    add(1267, "Maa");
    add(1301, "Good MSX");
    add(1167, "Mapper");
    add(1302, "Huomautus");
    add(1156, "Sukupolvi");
    add(1158, "Ääni");
    add(1161, "Lajityyppi");
    add(1374, "Käytä Corvane-arvoja, jos saatavilla");
    // Adjust Relative Path
    add(1457, "Nykyinen suhteellinen polku");
    add(1443, "Uusi suhteellinen polku");
    add(1456, "Varmuuskopioi kaikki tietokannat");
    // Command Line Output and the profile editor
    add(1315, "Käynnistä");
    add(1015, "Tallenna");
    // Profile editor
    add(1700, "Infotiedosto");
    add(1701, "Nimi ZIP-tiedostossa");
    add(1702, "Erikoismoduuli");
    add(1703, "Ensisijainen");
    add(1704, "Toissijainen");
    add(1380,
        "Huom: Corvanessa kiintolevyt tarvitsevat Sunrise IDE -liitännän. Valitse erikois-ROM "
        "\"Sunrise IDE\" ROM-välilehdeltä.");
    add(1705, "Käytä oletussijaintia (Corvanen Screenshots-hakemisto)");
    add(1706, "Käytä tiettyjä kuvatiedostoja");
    add(1707, "Korvaa Launcherin asetuksissa annetut openMSX-argumentit");
    add(1708, "Korvaa Launcherin asetuksissa annetut fMSX-argumentit");
    add(1709, "Määritä");
    add(1710, "tai");
    add(1711, "MSX-sukupolvi");
    add(1712, "ja");
    // Machine Selection
    add(1242, "Vaadittu vähimmäiskone");
    add(1101, "Aseta kone kaikille profiileille");
    add(1107, "Aseta kone profiileille, joiden konetta ei ole olemassa");
    add(1056, "Varmuuskopioi olemassa oleva tietokanta");
    // Fill Database (several also Rename Files and Add to Current Database)
    add(1046, "Lisää kansio");
    add(1048, "Poista");
    add(1049, "Hae alikansioista");
    add(1066, "Olemassa oleva");
    add(1067, "Uusi");
    add(1053, "Lisää tietokannan loppuun");
    add(1057, "Korvaa tietokanta");
    add(1064, "Käytä tiedostonimeä");
    add(1065, "Hae Corvane-tietokannasta");
    add(1191, "ROM");
    add(1193, "Levyke");
    add(1260, "Kasetti");
    add(1063, "ZIP-tiedostot");
    add(1474, "Tuo profiilien lisätiedot");
    // SHA1 Center
    add(1071, "Selaa");
    add(1072, "Laske");
    add(1173, "Etsi SHA1-koodilla kohteesta");
    add(1100, "Launcher-tietokannat");
    add(1106, "Corvane-tietokanta");
    add(1254, "Suljetaanko tämä ikkuna ja etsitään valittu profiili Launcher-pääikkunasta?");
    // Properties
    add(1650, "ZIP-tiedostossa");
    add(1651, "Koko");
    add(1652, "Nimike");
    add(1653, "Käynnistys");
    add(1654, "Pikatallennukset :");
    add(1655, "Kuvakaappaukset :");
    add(1656, "Videotallenteet :");
    add(1657, "Äänitallenteet :");
    add(1658, "Näytä");
    // Progress
    add(1115, "Peruuta");
    // IPS Center
    add(1446, "Selaa");
    add(1441, "IPS");
    add(1364, "Selaa");
    add(1445, "Lähde");
    add(1453, "Pakota SHA1-tarkistus");
    add(1448, "Määritä paikatun tiedoston sijainti");
    add(1366, "Selaa");
    add(1447, "Paikkaa lähdetiedosto suoraan");
    add(1450, "Kohde");
    add(1451, "Tulos");
    add(1440, "Syötteet");
    // Rename Files, its confirmation and its result
    add(1176, "8.3-muoto");
    add(1177, "Sama kuin nimi Launcher-tietokannassa");
    add(1178, "Sama kuin nimike Corvane-tietokannassa");
    add(1345, "Nimeä uudelleen tiedostot tietokannassa:");
    add(1196, "Kiintolevy");
    add(1346, "Uudelleennimettävät mediat");
    add(1347, "Haluatko varmasti jatkaa tiedostojen uudelleennimeämistä?");
    add(1348,
        "VAROITUS: Kun napsautat OK, kohdelevyn tiedostot nimetään uudelleen. Toimintoa ei voi "
        "kumota, joten varmuuskopioi tiedostot erilliseen sijaintiin, jos aiot palata vanhoihin "
        "tiedostonimiin.");
    add(1370, "Jatka");
    add(1349, "Tulokset");
    add(1350, "Uudelleennimettyjä tiedostoja yhteensä");
    add(1351, "Nimeämättä jääneitä tiedostoja yhteensä");
    add(1352, "Launcher-profiilit, joiden yksi tai useampi tiedosto jäi nimeämättä :");
    // Other Dumps
    add(1314, "Nimi");
    add(1032, "Tietokanta");
    add(1293, "Tunnetut vedokset");
    add(1406, "Etsi muita vedoksia Launcher-tietokannoista");
    add(1295, "Muita vedoksia löytyi Launcher-tietokannoista:");
    // Import and Set Extra Profile Data
    add(1402, "Lisätietojen asetukset");
    add(1404, "Ohita");
    add(1407, "Korvaa");
    add(1408, "Yhdistä");
    add(1409, "Ohita");
    add(1410, "Korvaa");
    add(1411, "Yhdistä");
    add(1412, "Ohita");
    add(1413, "Korvaa");
    add(1414, "Yhdistä");
    add(1415, "Infotiedosto - Generation-MSX-sivuston linkki");
    add(1416, "Ohita");
    add(1417, "Korvaa");
    add(1418, "Aseta, jos tyhjä");
    add(1419, "Kuvakaappaukset");
    add(1420, "Ohita");
    add(1421, "Korvaa");
    add(1422, "Aseta, jos tyhjä");
    add(1439, "Varmuuskopioi muuttuvat tietokannat");
    add(1430, "Valitut profiilit");
    // Filters
    add(1258, "Media");
    add(1398, "Sukupolvi");
    add(1231, "Ääni");
    add(1235, "Lajityyppi");
    add(1113, "Mukautettu");
    add(1108, "Mukautettu");
    add(1111, "Mukautettu");
    add(1423, "Tallenna nimellä");
    // Organize Filters (Delete and Sort also Organize Favorites)
    add(1426, "Nimeä uudelleen");
    add(1369, "Poista");
    add(1405, "Lajittele");
    // Search
    add(1270, "( Anna koko nimi tai sen osa. Haku ei erottele isoja ja pieniä kirjaimia )");
    add(1269, "Löytyi :");
    // Add to Current Database
    add(1051, "Lisää tiedosto");
    add(1069, "Lisää");
    // Five-answer confirmation
    add(1600, "Kyllä");
    add(1601, "Kyllä kaikkiin");
    // About box
    add(1602,
        "Pitää MSX-ohjelmakokoelmasi järjestyksessä ja käynnistää ohjelmat Corvane-, openMSX- tai "
        "fMSX-emulaattorissa.");
    add(1690, "Versio");
    add(1691,
        "Lisensoitu GNU General Public License -lisenssin version 3 tai minkä tahansa myöhemmän "
        "version ehdoin. Ohjelmalla ei ole mitään takuuta.");
    add(1692, "Tehty näillä kirjastoilla:");
    // Path rows of the settings pages
    add(1610, "Selaa...");
    add(1611, "Tyhjennä");
    add(1616, "Oletusemulaattori");
    add(1617, "Automaattinen");
    // Fill Database and Add to Current Database: group and row captions
    add(1640, "Tutkittavat kansiot");
    add(1641, "Kohdetietokanta");
    add(1642, "Lisäystapa :");
    add(1643, "Profiilin nimi Launcherissa :");
    add(1644, "Etsittävät mediat");
    add(1645, "Kone :");
    add(1646, "Lisättävät tiedostot ja kansiot");
    // Captions of the tool windows still to come: Machine Selection
    add(1244, "Tietty kone :");
    add(1660, "Tietokanta");
    add(1661, "Kone");
    add(1662, "Asetukset");
}

}  // namespace corvane
