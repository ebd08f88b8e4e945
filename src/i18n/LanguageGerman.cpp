// SPDX-License-Identifier: GPL-3.0-or-later
#include "i18n/LanguageGerman.h"

namespace corvane {

LanguageGerman::LanguageGerman() {
    fill();
}

void LanguageGerman::fill() {
    fillKeys();
    fillDialogIds();
    fillMenuIds();
    fillControlIds();
}

// Fragments with leading or trailing blanks are joined with names and numbers by their
// callers; the blanks belong to the text, and the wording must read well in that order.
void LanguageGerman::fillKeys() {
    add("LOC_MENU_OPTIONS", "&Optionen");
    add("LOC_MENU_ACTION", "&Aktion");
    add("LOC_MENU_TOOLS", "&Extras");
    add("LOC_MENU_HELP", "&Hilfe");
    add("SELECTION_ALL", "Alle");
    add("MEDIUM_ROM", "ROM");
    add("MEDIUM_DISK", "Diskette");
    add("MEDIUM_TAPE", "Kassette");
    add("MEDIUM_HARDDISK", "Festplatte");
    add("L_NAME", "Name");
    add("L_DATABASE", "Datenbank");
    add("L_GENERAL", "Allgemein");
    add("L_SCREENSHOTS", "Screenshots");
    add("L_BACKGROUND", "Hintergrund");
    add("L_EMULATORS", "Emulatoren");
    add("L_CORVANE_DATA", "Basisdaten");
    add("L_EXTRA_DATA", "Zusatzdaten");
    add("L_LANGUAGE", "Sprache");
    add("L_ENTRIES", "Profile");
    add("L_BACKUPS", "Sicherungen");
    add("L_LAUNCHER", "Launcher");
    add("L_CORVANE_DB", "Corvane-Datenbank");
    add("L_CAPTURES", "Aufnahmen");
    add("L_CLOSE", "Schließen");
    add("L_SCANNING", "Wird durchsucht...");
    add("L_DEFAULT", "Keine Änderung");
    add("L_CLASSIC", "Klassisch");
    add("L_SELECT", "Auswählen...");
    add("BG_IMAGE_LAYOUT_CENTRED", "Zentriert");
    add("BG_IMAGE_LAYOUT_STRETCHED", "Gestreckt");
    add("BG_IMAGE_LAYOUT_TILED", "Gekachelt");
    add("M_ENTER_DB_NAME", "Name der neuen Datenbank eingeben:");
    add("M_INVALID_NAME", "Ungültiger Name");
    add("M_ERROR", "Fehler");
    add("M_FOUND_LAUNCHER", "Profil wurde gefunden.");
    add("M_CONFIRM", "Bestätigung");
    add("M_MSG", "Meldung");
    add("M_NOT_FOUND_LAUNCHER", "Profil wurde im Launcher nicht gefunden");
    add("M_INFO", "Info");
    add("M_NOT_FOUND_CORVANE", "Profil wurde in der Corvane-Datenbank nicht gefunden");
    add("M_ENTER_DB_NEW_NAME", "Neuer Name für Datenbank ");
    add("M_ERROR_RENAME_DB", "Fehler beim Umbenennen der Datenbank");
    add("M_DELETE_DB", "Datenbank löschen ");
    add("M_REMOVE_BACKUPS_DB", "Sicherungen löschen für Datenbank ");
    add("M_ERROR_DELETE_DB", "Fehler beim Löschen der Datenbank");
    add("M_RESTORE_DB", "Datenbank wiederherstellen ");
    add("M_ERR_START_EMUL", "Fehler beim Starten des Emulators");
    add("M_ERR_EMUL_QUIT", " wurde sofort beendet, mit dem Exit-Status ");
    add("M_ERR_EMUL_PATH_INVALID",
        "Der Emulatorpfad ist ungültig - bitte unter Optionen->Einstellungen festlegen");
    add("M_REMOVE_SEL_ENTRY", "Ausgewähltes Profil entfernen?");
    add("M_REMOVE_SEL_ENTRIES", "Ausgewählte Profile entfernen?");
    add("M_SEL_TARGET_DB",
        "Zieldatenbank auswählen, in die die ausgewählten Profile verschoben werden:");
    add("M_ERR_START_VIEWER", "Fehler beim Starten des Anzeigeprogramms für Infodateien");
    add("M_ERR_NO_HELP", "Keine Hilfedatei vorhanden");
    add("M_ERR_NO_DB_SEL", "Keine Datenbank ausgewählt");
    add("M_ERR_DB_NAME_EXIST", "Datenbankname ist bereits vorhanden");
    add("M_ERR_DIR_EXIST", "Ordner ist bereits vorhanden");
    add("M_SEL_MEDIUM",
        "Mindestens einen Datenträger angeben: ROM, Diskette, Kassette oder Festplatte");
    add("M_ADDING_FILES", "Dateien werden hinzugefügt...");
    add("M_PROCESS_FILES", "Dateien werden verarbeitet...");
    add("M_ERR_START_EXPOLRER", "Fehler beim Starten des Dateimanagers");
    add("M_ERR_SLOT1_NO_ZIP", "Slot 1 enthält keine ZIP-Datei");
    add("M_ERR_SLOT2_NO_ZIP", "Slot 2 enthält keine ZIP-Datei");
    add("M_ERR_DISKA_NO_ZIP", "Diskette A enthält keine ZIP-Datei");
    add("M_ERR_DISKB_NO_ZIP", "Diskette B enthält keine ZIP-Datei");
    add("M_ERR_TAPE_NO_ZIP", "Kassette enthält keine ZIP-Datei");
    add("M_ADDED_TO_DB", " neue Profile wurden der Datenbank hinzugefügt: ");
    add("M_ERR_FILE_EXIST", "Datei ist bereits vorhanden");
    add("M_CREATED_DB", " wurde erstellt. Anzahl der Profile: ");
    add("M_GAME_SAVED", " wurde erfolgreich gespeichert");
    add("M_ERR_NO_DIR_SEL", "Keine Ordner ausgewählt");
    add("M_ERR_NO_MEDIUM_SEL", "Kein Datenträger ausgewählt");
    add("M_ERR_NO_ADDED_TO_DB", "Der Datenbank wurden keine neuen Profile hinzugefügt");
    add("M_ERR_NO_NEW_DB_ENTERED", "Keine neue Datenbank angegeben");
    add("M_ERR_NO_FILE_DIR_SEL", "Keine Dateien oder Ordner ausgewählt");
    add("M_FILL_NOT_READ", "Übersprungene Dateien und Ordner, die nicht gelesen werden konnten: ");
    add("M_SOFTWARE_DB_NOT_READ",
        "Übersprungene Software-Datenbanken, die nicht gelesen werden konnten: ");
    add("M_ERR_NAME_IN_DB_EXIST", " ist in der Zieldatenbank bereits vorhanden. Ersetzen?");
    add("M_ERR_GAME_NAME_EMPTY", "Feld „Name“ ist leer");
    add("M_ERR_GAME_IMAGE1_EMPTY", "Feld „Bild 1“ ist leer");
    add("M_ERR_FIELD_CHARACTERS", "Das Feld darf weder „|“ noch einen Zeilenumbruch enthalten: ");
    add("M_ERR_NO_CORVANE_DB", "Keine Datenbanken in Corvane gefunden");
    add("M_ERR_GAME_NOT_FOUND_IN_DB", "Profil nicht gefunden");
    add("M_ERR_NEW_NAME_IN_DB_EXIST", "Neuer Name ist in der Datenbank bereits vorhanden");
    add("M_ERR_FILE_IO", "Fehler bei einem E/A-Vorgang");
    add("M_ERR_BASE_DIR_BUSY",
        "Ein anderes Programm schreibt gerade in die Datenbanken dieses Ordners. Es wurde nichts "
        "geändert; versuchen Sie es erneut, wenn es fertig ist.");
    add("M_ERR_BASE_DIR_BUSY_REST",
        "Ein anderes Programm schreibt gerade in die Datenbanken dieses Ordners. Die nicht "
        "genannten Datenbanken wurden nicht geändert; versuchen Sie es erneut, wenn es fertig "
        "ist.");
    add("M_WAITING_FOR_WRITER",
        "Ein anderes Programm schreibt gerade in die Datenbanken dieses Ordners; es wird gewartet, "
        "bis es fertig ist...");
    add("M_EXTRA_DATA_IMPORTED_IN", "Zusätzliche Daten wurden in diese Datenbanken importiert: ");
    add("M_ERR_PROFILE_CHANGED",
        "Ein anderes Programm hat dieses Profil geändert, nachdem die Liste angezeigt wurde. Es "
        "wurde nichts geändert; die Liste zeigt das Profil jetzt so, wie es ist.");
    add("M_ERR_FILE_IO_TARGET", "Fehler bei einem E/A-Vorgang der Zieldatenbank");
    add("M_ERR_FILE_IO_SOURCE", "Fehler bei einem E/A-Vorgang der Quelldatenbank");
    add("M_SEL_DIR", "Ordner auswählen:");
    add("M_CSV_FULL_GEN", "CSV-Datei wurde erfolgreich erstellt");
    add("M_CSV_PART_GEN", "CSV-Datei wurde teilweise erstellt");
    add("M_ERR_CSV_EMPTY_FILENAME", "Leerer Dateiname");
    add("M_FILE_EXIST_REPLACE", "Datei ist bereits vorhanden. Ersetzen?");
    add("M_PROFILES_MODIFIED", " Profile wurden aktualisiert");
    add("M_INVALID_PROFILE", "Ungültiges Profil");
    add("M_ENTER_FILTER_NEW_NAME", "Neuer Name für Filter ");
    add("M_ERR_FILTER_ALREADY_EXISTS", "Filtername ist bereits vorhanden");
    add("M_NOT_IMPORTED", "Nicht importiert");
    add("M_PATCH_APPLIED", "Patch wurde erfolgreich angewendet");
    add("M_ERR_INVALID_IPS", "Ungültige IPS-Datei");
    add("M_ERR_NOT_FOUND_IPS", "IPS-Datei nicht gefunden");
    add("M_ERR_NOT_FOUND_ROM_TO_PATCH", "Zu patchende Datei nicht gefunden");
    add("M_ERR_CANNOT_PATCH_TARGET", "Gepatchte Datei kann nicht gespeichert werden");
    add("M_ERR_PATCH_IPS_EMPTY", "Feld „IPS-Datei“ ist leer");
    add("M_ERR_PATCH_SRC_EMPTY", "Feld „Quelldatei“ ist leer");
    add("M_ERR_PATCH_TARGET_EMPTY", "Feld „Zieldatei“ ist leer");
    add("M_ERR_PATCH_SHA1_NOT_MATCH", "SHA1-Werte stimmen nicht überein");
    add("M_ERR_PATCH_SRC_TOO_BIG", "Quelldatei ist zu groß zum Patchen");
    add("M_ADJUSTED_ALL_PATHS", "Aktueller relativer Pfad wurde erfolgreich angepasst");
    add("M_ERR_NO_RELATIVE_PATH",
        "Die Pfade der Medien haben keinen gemeinsamen Ordner, daher gibt es keinen aktuellen "
        "relativen Pfad zum Anpassen. Es wurde nichts geändert.");
    add("M_ERR_NO_MACHINE_SEL", "Keine Maschine ausgewählt");
    add("M_PATHS_ADJUSTED_IN", "Die Pfade wurden in diesen Datenbanken angepasst: ");
    add("M_PATHS_ADJUSTED_NONE", "Es wurde keine Datenbank geändert.");
    add("PR_SEARCH_LAUNCHER", "Launcher wird durchsucht...");
    add("PR_SEARCH_CORVANE", "Corvane-Datenbanken werden durchsucht...");
    add("PR_CALCULATE_SHA1", "SHA1 wird berechnet...");
    add("PR_GENERATE_CSV", "CSV-Datei wird erstellt...");
    add("PR_IMPORT_EXTRA_DATA", "Zusatzdaten werden importiert...");
    add("PR_SET_MACHINE", "Maschine wird festgelegt...");
    add("PR_PATCH", "Patch wird angewendet...");
    add("PR_ADJUST_PATHS", "Relative Pfade werden angepasst...");
    add("scc", "SCC-Modul");
    add("scc+", "SCC+-Modul");
    add("fmpac", "FM-PAC-Modul");
    add("fmpak", "PAC-Modul");
    add("sunriseide", "Sunrise IDE");
    add("L_ROM_IMAGE", "ROM-Abbild");
    add("L_DISK_IMAGE", "Disketten-Abbild");
    add("L_TAPE_IMAGE", "Kassetten-Abbild");
    add("L_ALL_FILES", "Alle Dateien");
    add("L_IMAGES", "Bilder");
    add("L_EXECUTABLES", "Programme");
    add("L_CSV_FILES", "CSV-Dateien");
    add("L_IPS_FILES", "IPS-Dateien");
    // CSV column titles are joined by commas in the file header, so none may hold a comma.
    add("CSV_NAME_IN_LAUNCHER", "Name im Launcher");
    add("CSV_MAIN_ENTRY_MEDIUM", "Hauptdatenträger");
    add("CSV_MAIN_ENTRY_SIZE", "Größe des Hauptdatenträgers");
    add("CSV_MAIN_INFO_FILE", "Infodatei");
    add("CSV_SLOT1_SPEC", "Slot 1: Spezial");
    add("CSV_SLOT1_NAME_ZIP", "Slot 1: Name im ZIP");
    add("CSV_SLOT2_SPEC", "Slot 2: Spezial");
    add("CSV_SLOT2_NAME_ZIP", "Slot 2: Name im ZIP");
    add("CSV_DISKA_NAME_ZIP", "Diskette A: Name im ZIP");
    add("CSV_DISKB_NAME_ZIP", "Diskette B: Name im ZIP");
    add("CSV_TAPE_NAME_ZIP", "Kassette: Name im ZIP");
    add("CSV_HARDDISK_PRI", "Festplatte: Primär");
    add("CSV_HARDDISK_SEC", "Festplatte: Sekundär");
    add("CSV_OPENMSX_OVERRIDE", "openMSX-Überschreibung");
    add("CSV_FMSX_OVERRIDE", "fMSX-Überschreibung");
    add("CSV_CORVANE_DB", "Corvane-Datenbankdatei");
    add("CSV_TITLE_IN_CORVANE_DB", "Titel in Corvane-Datenbank");
    add("CSV_ROM_START", "ROM-Start");
    add("CSV_DISK_TAPE_START_COMMAND", "Disketten- / Kassetten-Startbefehl");
    add("CSV_LAUNCHER_DATABASE", "Launcher-Datenbank");
    add("CSV_MACHINE", "Maschine");
    add("CSV_SLOT1", "Slot 1");
    add("CSV_SLOT2", "Slot 2");
    add("CSV_DISKA", "Diskette A");
    add("CSV_DISKB", "Diskette B");
    add("CSV_TAPE", "Kassette");
    add("CSV_IMAGE1", "Bild 1");
    add("CSV_IMAGE2", "Bild 2");
    add("CSV_OPENMSX_ARGUMENTS", "openMSX-Argumente");
    add("CSV_FMSX_ARGUMENTS", "fMSX-Argumente");
    add("CSV_SHA1", "SHA1");
    add("CSV_SYSTEM", "System");
    add("CSV_COMPANY", "Firma");
    add("CSV_YEAR", "Jahr");
    add("CSV_COUNTRY", "Land");
    add("CSV_GOOD_MSX", "Good MSX");
    add("CSV_MAPPER", "Mapper");
    add("CSV_REMARK", "Bemerkung");
    add("CSV_GENERATION", "Generation");
    add("CSV_SOUND", "Sound");
    add("CSV_GENRE", "Genre");
    add("BR", "Brasilien");
    add("CA", "Kanada");
    add("GB", "England");
    add("FI", "Finnland");
    add("FR", "Frankreich");
    add("DE", "Deutschland");
    add("IT", "Italien");
    add("JP", "Japan");
    add("KR", "Korea");
    add("KW", "Kuwait");
    add("NL", "Niederlande");
    add("RU", "Russland");
    add("ES", "Spanien");
    add("SE", "Schweden");
    add("US", "USA");
    add("NZ", "Neuseeland");
    add("SA", "Saudi-Arabien");
    add("FILTER_YR_EQ", "Gleich");
    add("FILTER_YR_EQ_G", "Gleich oder größer");
    add("FILTER_YR_EQ_L", "Gleich oder kleiner");
    add("M_NEED_EMULATOR_PATH", "Legen Sie den Pfad von openMSX, fMSX oder Corvane fest unter ");
    add("M_NEED_OPENMSX_PATH", "Legen Sie den openMSX-Pfad fest unter ");
    add("M_NEED_FMSX_PATH", "Legen Sie den fMSX-Pfad fest unter ");
    add("M_NEED_DATABASE",
        "Benötigt eine Datenbank: erstellen Sie zuerst eine mit Datenbank füllen oder Leere "
        "Datenbank erstellen");
    add("M_NEED_SECOND_DATABASE",
        "Benötigt eine zweite Datenbank, in die die Profile verschoben werden");
    add("M_NEED_INFO_FILE", "Dieses Profil hat keine Infodatei");
    add("M_NEED_ONE_PROFILE", "Wählen Sie ein Profil aus");
    add("M_NEED_PROFILES", "Wählen Sie ein oder mehrere Profile aus");
    add("M_EMPTY_LIST_HINT",
        "Diese Liste ist leer. Ziehen Sie Mediendateien oder Ordner hierher oder verwenden Sie "
        "„Datenbank füllen“.");
    add("M_ERR_FILTER_COMMA",
        "Ein Filter mit einem Komma in einem eigenen Text kann nicht gespeichert werden");
}

// Dialog titles, shared buttons and the names of the ten languages as German speakers call
// them.
void LanguageGerman::fillDialogIds() {
    add(187, "Datenbankverwaltung");
    add(1, "OK");
    add(2, "Abbrechen");
    add(246, "Filter");
    add(105, "Zurücksetzen");
    add(263, "Suchen");
    add(106, "Suchen");
    add(136, "Einstellungen");
    add(204, "Eingabe");
    add(224, "Auswahl");
    add(180, "SHA1-Center");
    add(103, "Suchen");
    add(234, "Fortschritt");
    add(221, "Eigenschaften");
    add(159, "Datenbank füllen");
    add(209, "Befehlszeilenausgabe");
    add(129, "Spiel-/Programmdaten");
    add(240, "Maschinenauswahl");
    add(179, "Zur aktuellen Datenbank hinzufügen");
    add(232, "Dateien umbenennen");
    add(236, "Bestätigung");
    add(238, "Bestätigung");
    add(104, "Nein");
    add(107, "Nein, alle");
    add(235, "Ergebnis der Dateiumbenennung");
    add(100, "Über Corvane Launcher");
    add(290, "Als CSV exportieren");
    add(303, "Favoriten verwalten");
    add(306, "Profil-Zusatzdaten importieren");
    add(307, "Andere Dumps");
    add(308, "Filter verwalten");
    add(329, "Profil-Zusatzdaten festlegen");
    add(330, "IPS-Center");
    add(332, "Relativen Pfad anpassen");
    add(9, "Englisch");
    add(3, "Katalanisch");
    add(19, "Niederländisch");
    add(11, "Finnisch");
    add(12, "Französisch");
    add(10, "Spanisch");
    add(22, "Portugiesisch");
    add(16, "Italienisch");
    add(7, "Deutsch");
    add(29, "Schwedisch");
}

// Captions of menu commands; the menu code appends shortcut texts itself. Mnemonics are
// unique within each menu group of MenuLayout.cpp.
void LanguageGerman::fillMenuIds() {
    // Options menu
    add(32790, "Vor dem Entfernen &bestätigen");
    add(32789, "Befehlszeilen&ausgabe anzeigen");
    add(32816, "Profile &markieren");
    add(32817, "wenn &ungültig (orange)");
    add(32818, "wenn &Generationswert fehlt (violett)");
    add(32819, "wenn &Soundwert fehlt (grün)");
    add(32820, "wenn Genre&wert fehlt (gelb)");
    add(32797, "&Filter");
    add(32823, "Filter &festlegen...");
    add(32825, "Filter &zurücksetzen");
    add(32824, "Gespeicherte Filter &verwalten...");
    add(32777, "&Einstellungen...");
    // Action menu
    add(32802, "&Suchen...");
    add(32814, "&Favoriten verwalten...");
    add(32801, "&Leere Datenbank erstellen...");
    add(32803, "&Datenbank füllen...");
    add(32815, "&Maschine festlegen...");
    add(32821, "Profil-Zusatzdaten &importieren...");
    add(32828, "Relativen Pfad &anpassen...");
    add(32788, "Dateien &umbenennen...");
    add(32804, "Als CSV &exportieren...");
    // Tools menu
    add(32780, "&SHA1-Center...");
    add(32827, "&IPS-Center...");
    add(32781, "&Datenbankverwaltung...");
    // Help menu
    add(32779, "&Hilfethemen");
    add(32778, "&Über");
    // Profile list context menu
    add(32782, "Starten");
    add(32792, "mit gespeicherten Einstellungen");
    add(32793, "auf generischem MSX");
    add(32794, "auf generischem MSX2");
    add(32796, "auf generischem MSX2+");
    add(32795, "auf generischem Turbo-R");
    add(32800, "mit openMSX");
    add(32830, "mit fMSX");
    add(32783, "Entfernen");
    add(32784, "Bearbeiten...");
    add(32787, "Info");
    add(32791, "Kopieren");
    add(32786, "Verschieben...");
    add(32813, "Zu Favoriten hinzufügen");
    add(32798, "Im Dateimanager anzeigen");
    add(32822, "Andere Dumps...");
    add(32826, "Zusatzdaten festlegen...");
    add(32799, "Alles auswählen");
    add(32785, "Eigenschaften");
    // Profile editor's Launch button
    add(32829, "mit Corvane");
}

// Captions of dialog controls. A control shared by several dialogs has one entry, listed
// with the first dialog that uses it.
void LanguageGerman::fillControlIds() {
    // Main window
    add(1226, "DATENBANK");
    add(1230, "ANZAHL");
    add(1236, "DATENTRÄGER");
    add(1238, "SYSTEM");
    add(1217, "FIRMA");
    add(1214, "JAHR");
    add(1221, "LAND");
    add(1228, "GENERATION");
    add(1225, "SOUND");
    add(1223, "GENRE");
    add(1000, "STARTEN");
    add(1001, "ENTFERNEN");
    add(1002, "HINZUFÜGEN");
    add(1003, "BEARBEITEN");
    add(1004, "INFO");
    add(1121, "Filter");
    add(1007, "Suchen");
    add(1262, "Favoriten");
    // Settings
    add(1271, "Corvane-Pfad");
    add(1272, "Anzeigeprogramm für Infodateien");
    add(1371, "Standardprogramm für jede Infodatei verwenden");
    add(1372, "Bestimmtes Anzeigeprogramm verwenden");
    add(1273, "Standarddatenbank");
    add(1275, "Emulatorfenster");
    add(1021, "Vollbild");
    add(1276, "Design :");
    add(1096, "Screenshots aktivieren");
    add(1277, "Anzahl der Screenshots :");
    add(1278, "Bildtyp :");
    add(1337, "Hinweis: Die optimale Bildgröße ist 272x240 (RAlt+F11 in Corvane)");
    add(1280, "Hintergrundbild");
    add(1103, "Standard");
    add(1109, "Benutzerdefiniertes Bild");
    add(1281, "Anordnung :");
    add(1282, "openMSX-Einstellungen");
    add(1283, "Pfad");
    add(1284, "Argumente");
    add(1460, "fMSX-Einstellungen");
    add(1464, "Pfad");
    add(1465, "Argumente");
    add(1354, "Sprache :");
    // Database Manager
    add(1085, "Datenbank umbenennen");
    add(1083, "Datenbank löschen");
    add(1082, "Sicherungen löschen");
    add(1088, "Datenbank wiederherstellen");
    add(1087, "Datenbank füllen");
    add(1316, "Schließen");
    add(1286, "Statistik");
    add(1287, "Datenbanken gesamt");
    add(1288, "Profile gesamt");
    add(1289, "Sicherungen gesamt");
    // Export to CSV (also the column titles of the file; those among them hold no comma,
    // since the header joins them with commas)
    add(1365, "Datenbanken");
    add(1359, "Alle");
    add(1360, "Bestimmte :");
    add(1367, "CSV-Dateiname");
    add(1263, "Datei");
    add(1344, "Launcher-Datenbank");
    add(1317, "Maschine");
    add(1320, "Slot 1");
    add(1321, "Slot 2");
    add(1326, "Diskette A");
    add(1327, "Diskette B");
    add(1330, "Kassette");
    add(1335, "Bild 1");
    add(1336, "Bild 2");
    add(1339, "openMSX-Argumente");
    add(1466, "fMSX-Argumente");
    add(1154, "SHA1");
    add(1264, "System");
    add(1265, "Firma");
    add(1266, "Jahr");
    add(1267, "Land");
    add(1301, "Good MSX");
    add(1167, "Mapper");
    add(1302, "Bemerkung");
    add(1156, "Generation");
    add(1158, "Sound");
    add(1161, "Genre");
    add(1374, "Corvane-Werte verwenden, falls vorhanden");
    // Adjust Relative Path
    add(1457, "Aktueller relativer Pfad");
    add(1443, "Neuer relativer Pfad");
    add(1456, "Alle Datenbanken sichern");
    // Command Line Output and the profile editor
    add(1315, "Starten");
    add(1015, "Speichern");
    // Profile editor
    add(1700, "Infodatei");
    add(1701, "Name im ZIP");
    add(1702, "Spezial");
    add(1703, "Primär");
    add(1704, "Sekundär");
    add(1380,
        "Hinweis: Auf Corvane brauchen die Festplatten die Sunrise-IDE-Schnittstelle. Wählen Sie "
        "das Spezial-ROM „Sunrise IDE“ auf der Registerkarte ROM.");
    add(1705, "Standardort verwenden (Screenshots-Verzeichnis in Corvane)");
    add(1706, "Bestimmte Bilddateien verwenden");
    add(1707, "openMSX-Argumente aus den Launcher-Einstellungen ersetzen");
    add(1708, "fMSX-Argumente aus den Launcher-Einstellungen ersetzen");
    add(1709, "Angeben");
    add(1710, "oder");
    add(1711, "MSX-Generation");
    add(1712, "und");
    // Machine Selection
    add(1242, "Mindestens erforderliche Maschine");
    add(1101, "Maschine für alle Profile festlegen");
    add(1107, "Maschine für Profile mit nicht vorhandener Maschine festlegen");
    add(1056, "Vorhandene Datenbank sichern");
    // Fill Database (several also Rename Files and Add to Current Database)
    add(1046, "Ordner hinzufügen");
    add(1048, "Entfernen");
    add(1049, "Unterordner durchsuchen");
    add(1066, "Vorhandene");
    add(1067, "Neue");
    add(1053, "An Datenbank anhängen");
    add(1057, "Datenbank überschreiben");
    add(1064, "Dateinamen verwenden");
    add(1065, "Von Corvane übernehmen");
    add(1191, "ROM");
    add(1193, "Diskette");
    add(1260, "Kassette");
    add(1063, "ZIP-Dateien");
    add(1474, "Profil-Zusatzdaten importieren");
    // SHA1 Center
    add(1071, "Durchsuchen");
    add(1072, "Berechnen");
    add(1173, "Nach SHA1-Code suchen in");
    add(1100, "Launcher");
    add(1106, "Corvane-Datenbank");
    add(1254,
        "Dieses Fenster schließen und das ausgewählte Profil im Launcher-Hauptfenster "
        "anzeigen?");
    // Properties
    add(1650, "Im ZIP");
    add(1651, "Größe");
    add(1652, "Titel");
    add(1653, "Start");
    add(1654, "Schnellspeicherstände :");
    add(1655, "Screenshots :");
    add(1656, "Videoaufnahmen :");
    add(1657, "Audioaufnahmen :");
    add(1658, "Anzeigen");
    // Progress
    add(1115, "Abbrechen");
    // IPS Center
    add(1446, "Durchsuchen");
    add(1441, "IPS");
    add(1364, "Durchsuchen");
    add(1445, "Quelle");
    add(1453, "SHA1 erzwingen");
    add(1448, "Speicherort der gepatchten Datei angeben");
    add(1366, "Durchsuchen");
    add(1447, "Quelle direkt patchen");
    add(1450, "Ziel");
    add(1451, "Ausgabe");
    add(1440, "Eingaben");
    // Rename Files, its confirmation and its result
    add(1176, "8.3-Format");
    add(1177, "Wie Name im Launcher");
    add(1178, "Wie Titel in der Corvane-Datenbank");
    add(1345, "Dateien umbenennen in Datenbank:");
    add(1196, "Festplatte");
    add(1346, "Umzubenennende Datenträger");
    add(1347, "Möchten Sie die Dateien wirklich umbenennen?");
    add(1348,
        "WARNUNG: Wenn Sie auf OK klicken, werden Dateien auf dem Ziellaufwerk umbenannt. "
        "Dieser Vorgang kann nicht rückgängig gemacht werden. Sichern Sie diese Dateien daher "
        "an einem anderen Ort, falls Sie zu den alten Dateinamen zurückkehren möchten.");
    add(1370, "Fortfahren");
    add(1349, "Ergebnisse");
    add(1350, "Umbenannte Dateien gesamt");
    add(1351, "Nicht umbenannte Dateien gesamt");
    add(1352, "Launcher-Profile mit einer oder mehreren nicht umbenannten Dateien :");
    // Other Dumps
    add(1314, "Name");
    add(1032, "Datenbank");
    add(1293, "Bekannte Dumps");
    add(1406, "Andere Dumps im Launcher suchen");
    add(1295, "Im Launcher gefundene andere Dumps:");
    // Import and Set Extra Profile Data
    add(1402, "Optionen für Zusatzdaten");
    add(1404, "Überspringen");
    add(1407, "Überschreiben");
    add(1408, "Zusammenführen");
    add(1409, "Überspringen");
    add(1410, "Überschreiben");
    add(1411, "Zusammenführen");
    add(1412, "Überspringen");
    add(1413, "Überschreiben");
    add(1414, "Zusammenführen");
    add(1415, "Infodatei - Link zur Generation-MSX-Website");
    add(1416, "Überspringen");
    add(1417, "Überschreiben");
    add(1418, "Festlegen, falls leer");
    add(1419, "Screenshots");
    add(1420, "Überspringen");
    add(1421, "Überschreiben");
    add(1422, "Festlegen, falls leer");
    add(1439, "Betroffene Datenbanken sichern");
    add(1430, "Ausgewählte Profile");
    // Filters
    add(1258, "Datenträger");
    add(1398, "Generation");
    add(1231, "Sound");
    add(1235, "Genre");
    add(1113, "Benutzerdefiniert");
    add(1108, "Benutzerdefiniert");
    add(1111, "Benutzerdefiniert");
    add(1423, "Speichern unter");
    // Organize Filters (Delete and Sort also Organize Favorites)
    add(1426, "Umbenennen");
    add(1369, "Löschen");
    add(1405, "Sortieren");
    // Search
    add(1270,
        "( Vollständigen oder teilweisen Namen eingeben. Groß-/Kleinschreibung wird nicht "
        "beachtet )");
    add(1269, "Gefunden :");
    // Add to Current Database
    add(1051, "Datei hinzufügen");
    add(1069, "Hinzufügen");
    // Five-answer confirmation
    add(1600, "Ja");
    add(1601, "Ja, alle");
    // About box
    add(1602,
        "Hält Ihre MSX-Softwaresammlung in Ordnung und startet sie mit Corvane, openMSX oder "
        "fMSX.");
    add(1690, "Version");
    add(1691,
        "Lizenziert unter der GNU General Public License, Version 3 oder jeder späteren Version. "
        "Dieses Programm wird ohne jede Gewährleistung angeboten.");
    add(1692, "Erstellt mit diesen Bibliotheken:");
    // Path rows of the settings pages
    add(1610, "Durchsuchen...");
    add(1611, "Leeren");
    add(1616, "Standard-Emulator");
    add(1617, "Automatisch");
    // Fill Database and Add to Current Database: group and row captions
    add(1640, "Zu durchsuchende Ordner");
    add(1641, "Zieldatenbank");
    add(1642, "Hinzufügemodus :");
    add(1643, "Profilname im Launcher :");
    add(1644, "Zu suchende Datenträger");
    add(1645, "Maschine :");
    add(1646, "Hinzuzufügende Dateien und Ordner");
    // Captions of the tool windows still to come: Machine Selection
    add(1244, "Bestimmte Maschine :");
    add(1660, "Datenbank");
    add(1661, "Maschine");
    add(1662, "Optionen");
}

}  // namespace corvane
