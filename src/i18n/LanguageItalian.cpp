// SPDX-License-Identifier: GPL-3.0-or-later
#include "i18n/LanguageItalian.h"

namespace corvane {

LanguageItalian::LanguageItalian() {
    fill();
}

void LanguageItalian::fill() {
    fillKeys();
    fillDialogIds();
    fillMenuIds();
    fillControlIds();
}

// Fragments with leading or trailing blanks are joined with names and numbers by their
// callers; the blanks belong to the text.
void LanguageItalian::fillKeys() {
    add("LOC_MENU_OPTIONS", "&Opzioni");
    add("LOC_MENU_ACTION", "&Azioni");
    add("LOC_MENU_TOOLS", "&Strumenti");
    add("LOC_MENU_HELP", "&Guida");
    add("SELECTION_ALL", "Tutti");
    add("MEDIUM_ROM", "ROM");
    add("MEDIUM_DISK", "Disco");
    add("MEDIUM_TAPE", "Cassetta");
    add("MEDIUM_HARDDISK", "Disco rigido");
    add("L_NAME", "Nome");
    add("L_DATABASE", "Database");
    add("L_GENERAL", "Generale");
    add("L_SCREENSHOTS", "Screenshot");
    add("L_BACKGROUND", "Sfondo");
    add("L_EMULATORS", "Emulatori");
    add("L_CORVANE_DATA", "Dati di base");
    add("L_EXTRA_DATA", "Dati aggiuntivi");
    add("L_LANGUAGE", "Lingua");
    add("L_ENTRIES", "Profili");
    add("L_BACKUPS", "Backup");
    add("L_LAUNCHER", "Launcher");
    add("L_CORVANE_DB", "Database Corvane");
    add("L_CAPTURES", "Catture");
    add("L_CLOSE", "Chiudi");
    add("L_SCANNING", "Scansione in corso...");
    add("L_DEFAULT", "Nessuna modifica");
    add("L_CLASSIC", "Classico");
    add("L_SELECT", "Seleziona...");
    add("BG_IMAGE_LAYOUT_CENTRED", "Centrato");
    add("BG_IMAGE_LAYOUT_STRETCHED", "Esteso");
    add("BG_IMAGE_LAYOUT_TILED", "Affiancato");
    add("M_ENTER_DB_NAME", "Immettere il nome del nuovo database:");
    add("M_INVALID_NAME", "Nome non valido");
    add("M_ERROR", "Errore");
    add("M_FOUND_LAUNCHER", "Il profilo è stato trovato.");
    add("M_CONFIRM", "Conferma");
    add("M_MSG", "Messaggio");
    add("M_NOT_FOUND_LAUNCHER", "Il profilo non è stato trovato nel Launcher");
    add("M_INFO", "Informazioni");
    add("M_NOT_FOUND_CORVANE", "Il profilo non è stato trovato nel database Corvane");
    add("M_ENTER_DB_NEW_NAME", "Immettere il nuovo nome per il database ");
    add("M_ERROR_RENAME_DB", "Errore durante la ridenominazione del database");
    add("M_DELETE_DB", "Eliminare il database ");
    add("M_REMOVE_BACKUPS_DB", "Eliminare i backup del database ");
    add("M_ERROR_DELETE_DB", "Errore durante l'eliminazione del database");
    add("M_RESTORE_DB", "Ripristinare il database ");
    add("M_ERR_START_EMUL", "Errore durante l'avvio dell'emulatore");
    add("M_ERR_EMUL_QUIT", " è terminato subito, con il codice di uscita ");
    add("M_ERR_EMUL_PATH_INVALID",
        "Il percorso dell'emulatore non è valido - impostarlo in Opzioni->Impostazioni");
    add("M_REMOVE_SEL_ENTRY", "Rimuovere il profilo selezionato?");
    add("M_REMOVE_SEL_ENTRIES", "Rimuovere i profili selezionati?");
    add("M_SEL_TARGET_DB",
        "Selezionare il database di destinazione in cui spostare i profili selezionati:");
    add("M_ERR_START_VIEWER", "Errore durante l'avvio del visualizzatore di informazioni");
    add("M_ERR_NO_HELP", "Nessun file della Guida disponibile");
    add("M_ERR_NO_DB_SEL", "Nessun database selezionato");
    add("M_ERR_DB_NAME_EXIST", "Il nome del database esiste già");
    add("M_ERR_DIR_EXIST", "La cartella esiste già");
    add("M_SEL_MEDIUM", "Specificare almeno un supporto: ROM, disco, cassetta o disco rigido");
    add("M_ADDING_FILES", "Aggiunta dei file in corso...");
    add("M_PROCESS_FILES", "Elaborazione dei file in corso...");
    add("M_ERR_START_EXPOLRER", "Errore durante l'avvio del gestore di file");
    add("M_ERR_SLOT1_NO_ZIP", "Lo slot 1 non contiene un file ZIP");
    add("M_ERR_SLOT2_NO_ZIP", "Lo slot 2 non contiene un file ZIP");
    add("M_ERR_DISKA_NO_ZIP", "Il disco A non contiene un file ZIP");
    add("M_ERR_DISKB_NO_ZIP", "Il disco B non contiene un file ZIP");
    add("M_ERR_TAPE_NO_ZIP", "La cassetta non contiene un file ZIP");
    add("M_ADDED_TO_DB", " nuovi profili sono stati aggiunti al database ");
    add("M_ERR_FILE_EXIST", "Il file esiste già");
    add("M_CREATED_DB", " è stato creato. Numero di profili: ");
    add("M_GAME_SAVED", " è stato salvato correttamente");
    add("M_ERR_NO_DIR_SEL", "Nessuna cartella selezionata");
    add("M_ERR_NO_MEDIUM_SEL", "Nessun supporto selezionato");
    add("M_ERR_NO_ADDED_TO_DB", "Nessun nuovo profilo aggiunto al database");
    add("M_ERR_NO_NEW_DB_ENTERED", "Non è stato immesso alcun nuovo database");
    add("M_ERR_NO_FILE_DIR_SEL", "Nessun file o cartella selezionati");
    add("M_FILL_NOT_READ", "File e cartelle saltati perché non leggibili: ");
    add("M_SOFTWARE_DB_NOT_READ", "Database software saltati perché non leggibili: ");
    add("M_ERR_NAME_IN_DB_EXIST", " esiste già nel database di destinazione. Sostituirlo?");
    add("M_ERR_GAME_NAME_EMPTY", "Il campo Nome è vuoto");
    add("M_ERR_GAME_IMAGE1_EMPTY", "Il campo Immagine 1 è vuoto");
    add("M_ERR_FIELD_CHARACTERS", "Il campo non può contenere \"|\" né a capo: ");
    add("M_ERR_NO_CORVANE_DB", "Nessun database trovato in Corvane");
    add("M_ERR_GAME_NOT_FOUND_IN_DB", "Profilo non trovato");
    add("M_ERR_NEW_NAME_IN_DB_EXIST", "Il nuovo nome esiste già nel database");
    add("M_ERR_FILE_IO", "Errore durante un'operazione di I/O");
    add("M_ERR_BASE_DIR_BUSY",
        "Un altro programma sta scrivendo nei database di questa cartella. Non è stato modificato "
        "nulla; riprovare quando avrà terminato.");
    add("M_ERR_BASE_DIR_BUSY_REST",
        "Un altro programma sta scrivendo nei database di questa cartella. I database non elencati "
        "non sono stati modificati; riprovare quando avrà terminato.");
    add("M_WAITING_FOR_WRITER",
        "Un altro programma sta scrivendo nei database di questa cartella; attesa che termini...");
    add("M_EXTRA_DATA_IMPORTED_IN", "I dati aggiuntivi sono stati importati in questi database: ");
    add("M_ERR_PROFILE_CHANGED",
        "Un altro programma ha modificato questo profilo dopo la visualizzazione dell'elenco. Non "
        "è stato modificato nulla; l'elenco ora mostra il profilo così com'è.");
    add("M_ERR_FILE_IO_TARGET", "Errore durante un'operazione di I/O sul database di destinazione");
    add("M_ERR_FILE_IO_SOURCE", "Errore durante un'operazione di I/O sul database di origine");
    add("M_SEL_DIR", "Selezionare la cartella:");
    add("M_CSV_FULL_GEN", "Il file CSV è stato generato correttamente");
    add("M_CSV_PART_GEN", "Il file CSV è stato generato solo in parte");
    add("M_ERR_CSV_EMPTY_FILENAME", "Nome file vuoto");
    add("M_FILE_EXIST_REPLACE", "Il file esiste già. Sostituirlo?");
    add("M_PROFILES_MODIFIED", " profili sono stati aggiornati");
    add("M_INVALID_PROFILE", "Profilo non valido");
    add("M_ENTER_FILTER_NEW_NAME", "Immettere il nuovo nome per il filtro ");
    add("M_ERR_FILTER_ALREADY_EXISTS", "Il nome del filtro esiste già");
    add("M_NOT_IMPORTED", "Non importato");
    add("M_PATCH_APPLIED", "La patch è stata applicata correttamente");
    add("M_ERR_INVALID_IPS", "File IPS non valido");
    add("M_ERR_NOT_FOUND_IPS", "File IPS non trovato");
    add("M_ERR_NOT_FOUND_ROM_TO_PATCH", "File a cui applicare la patch non trovato");
    add("M_ERR_CANNOT_PATCH_TARGET", "Impossibile salvare il file con la patch applicata");
    add("M_ERR_PATCH_IPS_EMPTY", "Il campo File IPS è vuoto");
    add("M_ERR_PATCH_SRC_EMPTY", "Il campo File di origine è vuoto");
    add("M_ERR_PATCH_TARGET_EMPTY", "Il campo File di destinazione è vuoto");
    add("M_ERR_PATCH_SHA1_NOT_MATCH", "I valori SHA1 non corrispondono");
    add("M_ERR_PATCH_SRC_TOO_BIG", "Il file di origine è troppo grande per applicarvi la patch");
    add("M_ADJUSTED_ALL_PATHS", "Il percorso relativo corrente è stato regolato correttamente");
    add("M_ERR_NO_RELATIVE_PATH",
        "I percorsi dei supporti non hanno alcuna cartella in comune, quindi non c'è un percorso "
        "relativo corrente da regolare. Non è stato modificato nulla.");
    add("M_ERR_NO_MACHINE_SEL", "Nessuna macchina selezionata");
    add("M_PATHS_ADJUSTED_IN", "I percorsi sono stati regolati in questi database: ");
    add("M_PATHS_ADJUSTED_NONE", "Nessun database è stato modificato.");
    add("PR_SEARCH_LAUNCHER", "Ricerca nel Launcher...");
    add("PR_SEARCH_CORVANE", "Ricerca nei database Corvane...");
    add("PR_CALCULATE_SHA1", "Calcolo SHA1...");
    add("PR_GENERATE_CSV", "Generazione del file CSV...");
    add("PR_IMPORT_EXTRA_DATA", "Importazione dei dati aggiuntivi...");
    add("PR_SET_MACHINE", "Impostazione della macchina...");
    add("PR_PATCH", "Applicazione della patch...");
    add("PR_ADJUST_PATHS", "Regolazione dei percorsi relativi...");
    add("scc", "Cartuccia SCC");
    add("scc+", "Cartuccia SCC+");
    add("fmpac", "Cartuccia FM-PAC");
    add("fmpak", "Cartuccia PAC");
    add("sunriseide", "Sunrise IDE");
    add("L_ROM_IMAGE", "Immagine ROM");
    add("L_DISK_IMAGE", "Immagine disco");
    add("L_TAPE_IMAGE", "Immagine cassetta");
    add("L_ALL_FILES", "Tutti i file");
    add("L_IMAGES", "Immagini");
    add("L_EXECUTABLES", "Eseguibili");
    add("L_CSV_FILES", "File CSV");
    add("L_IPS_FILES", "File IPS");
    add("CSV_NAME_IN_LAUNCHER", "Nome nel Launcher");
    add("CSV_MAIN_ENTRY_MEDIUM", "Supporto del profilo principale");
    add("CSV_MAIN_ENTRY_SIZE", "Dimensione del profilo principale");
    add("CSV_MAIN_INFO_FILE", "File di informazioni");
    add("CSV_SLOT1_SPEC", "Slot 1: speciale");
    add("CSV_SLOT1_NAME_ZIP", "Slot 1: nome nello ZIP");
    add("CSV_SLOT2_SPEC", "Slot 2: speciale");
    add("CSV_SLOT2_NAME_ZIP", "Slot 2: nome nello ZIP");
    add("CSV_DISKA_NAME_ZIP", "Disco A: nome nello ZIP");
    add("CSV_DISKB_NAME_ZIP", "Disco B: nome nello ZIP");
    add("CSV_TAPE_NAME_ZIP", "Cassetta: nome nello ZIP");
    add("CSV_HARDDISK_PRI", "Disco rigido: primario");
    add("CSV_HARDDISK_SEC", "Disco rigido: secondario");
    add("CSV_OPENMSX_OVERRIDE", "Sostituzione openMSX");
    add("CSV_FMSX_OVERRIDE", "Sostituzione fMSX");
    add("CSV_CORVANE_DB", "File del database Corvane");
    add("CSV_TITLE_IN_CORVANE_DB", "Titolo nel database Corvane");
    add("CSV_ROM_START", "Avvio ROM");
    add("CSV_DISK_TAPE_START_COMMAND", "Comando di avvio disco / cassetta");
    add("CSV_LAUNCHER_DATABASE", "Database del Launcher");
    add("CSV_MACHINE", "Macchina");
    add("CSV_SLOT1", "Slot 1");
    add("CSV_SLOT2", "Slot 2");
    add("CSV_DISKA", "Disco A");
    add("CSV_DISKB", "Disco B");
    add("CSV_TAPE", "Cassetta");
    add("CSV_IMAGE1", "Immagine 1");
    add("CSV_IMAGE2", "Immagine 2");
    add("CSV_OPENMSX_ARGUMENTS", "Argomenti openMSX");
    add("CSV_FMSX_ARGUMENTS", "Argomenti fMSX");
    add("CSV_SHA1", "SHA1");
    add("CSV_SYSTEM", "Sistema");
    add("CSV_COMPANY", "Società");
    add("CSV_YEAR", "Anno");
    add("CSV_COUNTRY", "Paese");
    add("CSV_GOOD_MSX", "Good MSX");
    add("CSV_MAPPER", "Mapper");
    add("CSV_REMARK", "Nota");
    add("CSV_GENERATION", "Generazione");
    add("CSV_SOUND", "Suono");
    add("CSV_GENRE", "Genere");
    add("BR", "Brasile");
    add("CA", "Canada");
    add("GB", "Inghilterra");
    add("FI", "Finlandia");
    add("FR", "Francia");
    add("DE", "Germania");
    add("IT", "Italia");
    add("JP", "Giappone");
    add("KR", "Corea");
    add("KW", "Kuwait");
    add("NL", "Paesi Bassi");
    add("RU", "Russia");
    add("ES", "Spagna");
    add("SE", "Svezia");
    add("US", "Stati Uniti");
    add("NZ", "Nuova Zelanda");
    add("SA", "Arabia Saudita");
    add("FILTER_YR_EQ", "Uguale");
    add("FILTER_YR_EQ_G", "Uguale o maggiore");
    add("FILTER_YR_EQ_L", "Uguale o minore");
    add("M_NEED_EMULATOR_PATH", "Imposta il percorso di openMSX, fMSX o Corvane in ");
    add("M_NEED_OPENMSX_PATH", "Imposta il percorso di openMSX in ");
    add("M_NEED_FMSX_PATH", "Imposta il percorso di fMSX in ");
    add("M_NEED_DATABASE",
        "Serve un database: creane prima uno con Riempi database o Crea database vuoto");
    add("M_NEED_SECOND_DATABASE", "Serve un secondo database in cui spostare i profili");
    add("M_NEED_INFO_FILE", "Questo profilo non ha un file informativo");
    add("M_NEED_ONE_PROFILE", "Seleziona un profilo");
    add("M_NEED_PROFILES", "Seleziona uno o più profili");
    add("M_EMPTY_LIST_HINT",
        "Questo elenco è vuoto. Trascina qui file di supporti o cartelle, oppure usa «Riempi "
        "database».");
    add("M_ERR_FILTER_COMMA",
        "Impossibile salvare un filtro con una virgola in un testo personalizzato");
}

// Dialog titles, shared buttons and the names of the ten languages.
void LanguageItalian::fillDialogIds() {
    add(187, "Gestione database");
    add(1, "OK");
    add(2, "Annulla");
    add(246, "Filtri");
    add(105, "Reimposta");
    add(263, "Cerca");
    add(106, "Trova");
    add(136, "Impostazioni");
    add(204, "Immissione");
    add(224, "Selezione");
    add(180, "Centro SHA1");
    add(103, "Trova");
    add(234, "Avanzamento");
    add(221, "Proprietà");
    add(159, "Riempi database");
    add(209, "Output della riga di comando");
    add(129, "Dati gioco / programma");
    add(240, "Selezione macchina");
    add(179, "Aggiungi al database corrente");
    add(232, "Rinomina file");
    add(236, "Conferma");
    add(238, "Conferma");
    add(104, "No");
    add(107, "No a tutti");
    add(235, "Risultato della ridenominazione dei file");
    add(100, "Informazioni su Corvane Launcher");
    add(290, "Esporta in CSV");
    add(303, "Organizza preferiti");
    add(306, "Importa dati aggiuntivi dei profili");
    add(307, "Altri dump");
    add(308, "Organizza filtri");
    add(329, "Imposta dati aggiuntivi dei profili");
    add(330, "Centro IPS");
    add(332, "Regola percorso relativo");
    add(9, "Inglese");
    add(3, "Catalano");
    add(19, "Olandese");
    add(11, "Finlandese");
    add(12, "Francese");
    add(10, "Spagnolo");
    add(22, "Portoghese");
    add(16, "Italiano");
    add(7, "Tedesco");
    add(29, "Svedese");
}

// Captions of menu commands; the menu code appends shortcut texts itself.
void LanguageItalian::fillMenuIds() {
    // Options menu
    add(32790, "Conferma prima della &rimozione");
    add(32789, "&Mostra output della riga di comando");
    add(32816, "&Contrassegna profili");
    add(32817, "se &non valido (arancione)");
    add(32818, "se manca il valore di &generazione (viola)");
    add(32819, "se manca il valore di &suono (verde)");
    add(32820, "se manca il &valore di genere (giallo)");
    add(32797, "&Filtri");
    add(32823, "&Imposta filtri...");
    add(32825, "&Reimposta filtri");
    add(32824, "&Organizza filtri salvati...");
    add(32777, "&Impostazioni...");
    // Action menu
    add(32802, "&Cerca...");
    add(32814, "&Organizza preferiti...");
    add(32801, "Crea &database vuoto...");
    add(32803, "&Riempi database...");
    add(32815, "Imposta &macchina...");
    add(32821, "&Importa dati aggiuntivi dei profili...");
    add(32828, "Regola &percorso relativo...");
    add(32788, "Ri&nomina file...");
    add(32804, "&Esporta in CSV...");
    // Tools menu
    add(32780, "Centro &SHA1...");
    add(32827, "Centro I&PS...");
    add(32781, "&Gestione database...");
    // Help menu
    add(32779, "&Argomenti della Guida");
    add(32778, "&Informazioni");
    // Profile list context menu
    add(32782, "Avvia");
    add(32792, "con le impostazioni salvate");
    add(32793, "su MSX generico");
    add(32794, "su MSX2 generico");
    add(32796, "su MSX2+ generico");
    add(32795, "su Turbo-R generico");
    add(32800, "su openMSX");
    add(32830, "su fMSX");
    add(32783, "Rimuovi");
    add(32784, "Modifica...");
    add(32787, "Info");
    add(32791, "Copia");
    add(32786, "Sposta...");
    add(32813, "Aggiungi ai preferiti");
    add(32798, "Esplora");
    add(32822, "Altri dump...");
    add(32826, "Imposta dati aggiuntivi...");
    add(32799, "Seleziona tutto");
    add(32785, "Proprietà");
    // Profile editor's Launch button
    add(32829, "su Corvane");
}

// Captions of dialog controls. A control shared by several dialogs has one entry, listed
// with the first dialog that uses it.
void LanguageItalian::fillControlIds() {
    // Main window
    add(1226, "DATABASE");
    add(1230, "CONTEGGIO");
    add(1236, "SUPPORTO");
    add(1238, "SISTEMA");
    add(1217, "SOCIETÀ");
    add(1214, "ANNO");
    add(1221, "PAESE");
    add(1228, "GENERAZIONE");
    add(1225, "SUONO");
    add(1223, "GENERE");
    add(1000, "AVVIA");
    add(1001, "RIMUOVI");
    add(1002, "AGGIUNGI");
    add(1003, "MODIFICA");
    add(1004, "INFO");
    add(1121, "Filtri");
    add(1007, "Cerca");
    add(1262, "Preferiti");
    // Settings
    add(1271, "Percorso di Corvane");
    add(1272, "Visualizzatore file di informazioni");
    add(1371, "Usa il visualizzatore predefinito per ogni file di informazioni");
    add(1372, "Usa un visualizzatore specifico");
    add(1273, "Database predefinito");
    add(1275, "Finestra dell'emulatore");
    add(1021, "Schermo intero");
    add(1276, "Tema :");
    add(1096, "Abilita screenshot");
    add(1277, "Numero di screenshot :");
    add(1278, "Tipo di immagine :");
    add(1337, "Nota: la dimensione ottimale dell'immagine è 272x240 (RAlt+F11 in Corvane)");
    add(1280, "Immagine di sfondo");
    add(1103, "Predefinito");
    add(1109, "Immagine personalizzata");
    add(1281, "Disposizione :");
    add(1282, "Impostazioni openMSX");
    add(1283, "Percorso");
    add(1284, "Argomenti");
    add(1460, "Impostazioni fMSX");
    add(1464, "Percorso");
    add(1465, "Argomenti");
    add(1354, "Lingua :");
    // Database Manager
    add(1085, "Rinomina database");
    add(1083, "Elimina database");
    add(1082, "Elimina backup");
    add(1088, "Ripristina database");
    add(1087, "Riempi database");
    add(1316, "Chiudi");
    add(1286, "Statistiche");
    add(1287, "Totale database");
    add(1288, "Totale profili");
    add(1289, "Totale backup");
    // Export to CSV (also the column titles of the file)
    add(1365, "Database");
    add(1359, "Tutti");
    add(1360, "Specifico :");
    add(1367, "Nome del file CSV");
    add(1263, "File");
    add(1344, "Database del Launcher");
    add(1317, "Macchina");
    add(1320, "Slot 1");
    add(1321, "Slot 2");
    add(1326, "Disco A");
    add(1327, "Disco B");
    add(1330, "Cassetta");
    add(1335, "Immagine 1");
    add(1336, "Immagine 2");
    add(1339, "Argomenti openMSX");
    add(1466, "Argomenti fMSX");
    add(1154, "SHA1");
    add(1264, "Sistema");
    add(1265, "Società");
    add(1266, "Anno");
    add(1267, "Paese");
    add(1301, "Good MSX");
    add(1167, "Mapper");
    add(1302, "Nota");
    add(1156, "Generazione");
    add(1158, "Suono");
    add(1161, "Genere");
    add(1374, "Usa i valori di Corvane, se disponibili");
    // Adjust Relative Path
    add(1457, "Percorso relativo corrente");
    add(1443, "Nuovo percorso relativo");
    add(1456, "Esegui il backup di tutti i database");
    // Command Line Output and the profile editor
    add(1315, "Avvia");
    add(1015, "Salva");
    // Profile editor
    add(1700, "File di informazioni");
    add(1701, "Nome nello ZIP");
    add(1702, "Speciale");
    add(1703, "Primario");
    add(1704, "Secondario");
    add(1380,
        "Nota: su Corvane i dischi rigidi richiedono l'interfaccia Sunrise IDE. Scegliere la ROM "
        "speciale \"Sunrise IDE\" nella scheda ROM.");
    add(1705, "Usa la posizione predefinita (cartella Screenshots di Corvane)");
    add(1706, "Usa file immagine specifici");
    add(1707, "Sostituisci gli argomenti openMSX impostati nelle impostazioni del Launcher");
    add(1708, "Sostituisci gli argomenti fMSX impostati nelle impostazioni del Launcher");
    add(1709, "Specifica");
    add(1710, "o");
    add(1711, "Generazione MSX");
    add(1712, "e");
    // Machine Selection
    add(1242, "Macchina minima richiesta");
    add(1101, "Imposta la macchina per tutti i profili");
    add(1107, "Imposta la macchina per i profili con una macchina inesistente");
    add(1056, "Esegui il backup del database esistente");
    // Fill Database (several also Rename Files and Add to Current Database)
    add(1046, "Aggiungi cartella");
    add(1048, "Rimuovi");
    add(1049, "Cerca nelle sottocartelle");
    add(1066, "Esistente");
    add(1067, "Nuovo");
    add(1053, "Accoda al database");
    add(1057, "Sovrascrivi il database");
    add(1064, "Usa il nome del file");
    add(1065, "Ottieni da Corvane");
    add(1191, "ROM");
    add(1193, "Disco");
    add(1260, "Cassetta");
    add(1063, "File ZIP");
    add(1474, "Importa dati aggiuntivi dei profili");
    // SHA1 Center
    add(1071, "Sfoglia");
    add(1072, "Calcola");
    add(1173, "Trova per codice SHA1 in");
    add(1100, "Launcher");
    add(1106, "Database Corvane");
    add(1254,
        "Chiudere questa finestra e individuare il profilo selezionato nella finestra principale "
        "del Launcher?");
    // Properties
    add(1650, "Nel file ZIP");
    add(1651, "Dimensione");
    add(1652, "Titolo");
    add(1653, "Avvio");
    add(1654, "Salvataggi rapidi :");
    add(1655, "Screenshot :");
    add(1656, "Catture video :");
    add(1657, "Catture audio :");
    add(1658, "Esplora");
    // Progress
    add(1115, "Annulla");
    // IPS Center
    add(1446, "Sfoglia");
    add(1441, "IPS");
    add(1364, "Sfoglia");
    add(1445, "Origine");
    add(1453, "Verifica SHA1");
    add(1448, "Specifica il percorso del file con la patch");
    add(1366, "Sfoglia");
    add(1447, "Applica la patch direttamente all'origine");
    add(1450, "Destinazione");
    add(1451, "Output");
    add(1440, "Input");
    // Rename Files, its confirmation and its result
    add(1176, "Formato 8.3");
    add(1177, "Uguale al nome nel Launcher");
    add(1178, "Uguale al titolo nel database Corvane");
    add(1345, "Rinomina i file nel database:");
    add(1196, "Disco rigido");
    add(1346, "Supporti da rinominare");
    add(1347, "Procedere con la ridenominazione dei file?");
    add(1348,
        "ATTENZIONE: facendo clic su OK, i file nel disco di destinazione verranno rinominati. "
        "L'operazione non può essere annullata, quindi eseguire un backup di questi file in una "
        "posizione separata se si intende tornare ai nomi di file precedenti.");
    add(1370, "Procedi");
    add(1349, "Risultati");
    add(1350, "Totale file rinominati");
    add(1351, "Totale file non rinominati");
    add(1352, "Elenco dei profili del Launcher con uno o più file non rinominati :");
    // Other Dumps
    add(1314, "Nome");
    add(1032, "Database");
    add(1293, "Dump noti");
    add(1406, "Trova altri dump nel Launcher");
    add(1295, "Altri dump trovati nel Launcher:");
    // Import and Set Extra Profile Data
    add(1402, "Opzioni dati aggiuntivi");
    add(1404, "Ignora");
    add(1407, "Sovrascrivi");
    add(1408, "Unisci");
    add(1409, "Ignora");
    add(1410, "Sovrascrivi");
    add(1411, "Unisci");
    add(1412, "Ignora");
    add(1413, "Sovrascrivi");
    add(1414, "Unisci");
    add(1415, "File di informazioni - Collegamento al sito Generation-MSX");
    add(1416, "Ignora");
    add(1417, "Sovrascrivi");
    add(1418, "Imposta se vuoto");
    add(1419, "Screenshot");
    add(1420, "Ignora");
    add(1421, "Sovrascrivi");
    add(1422, "Imposta se vuoto");
    add(1439, "Esegui il backup dei database interessati");
    add(1430, "Profili selezionati");
    // Filters
    add(1258, "Supporto");
    add(1398, "Generazione");
    add(1231, "Suono");
    add(1235, "Genere");
    add(1113, "Personalizzato");
    add(1108, "Personalizzato");
    add(1111, "Personalizzato");
    add(1423, "Salva con nome");
    // Organize Filters (Delete and Sort also Organize Favorites)
    add(1426, "Rinomina");
    add(1369, "Elimina");
    add(1405, "Ordina");
    // Search
    add(1270,
        "( Immettere il nome completo o parziale. La ricerca non distingue tra maiuscole e "
        "minuscole )");
    add(1269, "Trovati :");
    // Add to Current Database
    add(1051, "Aggiungi file");
    add(1069, "Aggiungi");
    // Five-answer confirmation
    add(1600, "Sì");
    add(1601, "Sì a tutti");
    // About box
    add(1602, "Tiene in ordine la raccolta di software MSX e la avvia su Corvane, openMSX o fMSX.");
    add(1690, "Versione");
    add(1691,
        "Distribuito secondo la GNU General Public License, versione 3 o qualsiasi versione "
        "successiva. Questo programma è fornito senza alcuna garanzia.");
    add(1692, "Realizzato con queste librerie:");
    // Path rows of the settings pages
    add(1610, "Sfoglia...");
    add(1611, "Svuota");
    add(1616, "Emulatore predefinito");
    add(1617, "Automatico");
    // Fill Database and Add to Current Database: group and row captions
    add(1640, "Cartelle da esaminare");
    add(1641, "Database di destinazione");
    add(1642, "Modalità di aggiunta :");
    add(1643, "Nome del profilo nel Launcher :");
    add(1644, "Supporti da cercare");
    add(1645, "Macchina :");
    add(1646, "File e cartelle da aggiungere");
    // Captions of the tool windows still to come: Machine Selection
    add(1244, "Macchina specifica :");
    add(1660, "Database");
    add(1661, "Macchina");
    add(1662, "Opzioni");
}

}  // namespace corvane
