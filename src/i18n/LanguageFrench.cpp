// SPDX-License-Identifier: GPL-3.0-or-later
#include "i18n/LanguageFrench.h"

namespace corvane {

LanguageFrench::LanguageFrench() {
    fill();
}

void LanguageFrench::fill() {
    fillKeys();
    fillDialogIds();
    fillMenuIds();
    fillControlIds();
}

// Fragments with leading or trailing blanks are joined with names and numbers by their
// callers; the blanks belong to the text.
void LanguageFrench::fillKeys() {
    add("LOC_MENU_OPTIONS", "&Options");
    add("LOC_MENU_ACTION", "A&ction");
    add("LOC_MENU_TOOLS", "O&utils");
    add("LOC_MENU_HELP", "&Aide");
    add("SELECTION_ALL", "Tous");
    add("MEDIUM_ROM", "ROM");
    add("MEDIUM_DISK", "Disquette");
    add("MEDIUM_TAPE", "Cassette");
    add("MEDIUM_HARDDISK", "Disque dur");
    add("L_NAME", "Nom");
    add("L_DATABASE", "Base de données");
    add("L_GENERAL", "Général");
    add("L_SCREENSHOTS", "Captures d'écran");
    add("L_BACKGROUND", "Arrière-plan");
    add("L_EMULATORS", "Émulateurs");
    add("L_CORVANE_DATA", "Données de base");
    add("L_EXTRA_DATA", "Données supplémentaires");
    add("L_LANGUAGE", "Langue");
    add("L_ENTRIES", "Profils");
    add("L_BACKUPS", "Sauvegardes");
    add("L_LAUNCHER", "Lanceur");
    add("L_CORVANE_DB", "Base de données Corvane");
    add("L_CAPTURES", "Captures");
    add("L_CLOSE", "Fermer");
    add("L_SCANNING", "Analyse en cours...");
    add("L_DEFAULT", "Aucun changement");
    add("L_CLASSIC", "Classique");
    add("L_SELECT", "Sélectionner...");
    add("BG_IMAGE_LAYOUT_CENTRED", "Centré");
    add("BG_IMAGE_LAYOUT_STRETCHED", "Étiré");
    add("BG_IMAGE_LAYOUT_TILED", "Mosaïque");
    add("M_ENTER_DB_NAME", "Entrez le nom de la nouvelle base de données :");
    add("M_INVALID_NAME", "Nom non valide");
    add("M_ERROR", "Erreur");
    add("M_FOUND_LAUNCHER", "Le profil a été trouvé.");
    add("M_CONFIRM", "Confirmation");
    add("M_MSG", "Message");
    add("M_NOT_FOUND_LAUNCHER", "Le profil n'a pas été trouvé dans le Lanceur");
    add("M_INFO", "Information");
    add("M_NOT_FOUND_CORVANE", "Le profil n'a pas été trouvé dans la base de données Corvane");
    add("M_ENTER_DB_NEW_NAME", "Entrez le nouveau nom de la base de données ");
    add("M_ERROR_RENAME_DB", "Erreur lors du renommage de la base de données");
    add("M_DELETE_DB", "Supprimer la base de données ");
    add("M_REMOVE_BACKUPS_DB", "Supprimer les sauvegardes de la base de données ");
    add("M_ERROR_DELETE_DB", "Erreur lors de la suppression de la base de données");
    add("M_RESTORE_DB", "Restaurer la base de données ");
    add("M_ERR_START_EMUL", "Erreur lors du démarrage de l'émulateur");
    add("M_ERR_EMUL_QUIT", " s'est arrêté aussitôt, avec le code de sortie ");
    add("M_ERR_EMUL_PATH_INVALID",
        "Le chemin de l'émulateur n'est pas valide - définissez-le dans Options->Paramètres");
    add("M_REMOVE_SEL_ENTRY", "Supprimer le profil sélectionné ?");
    add("M_REMOVE_SEL_ENTRIES", "Supprimer les profils sélectionnés ?");
    add("M_SEL_TARGET_DB",
        "Sélectionnez la base de données cible vers laquelle déplacer les profils sélectionnés :");
    add("M_ERR_START_VIEWER", "Erreur lors du démarrage de la visionneuse d'infos");
    add("M_ERR_NO_HELP", "Aucun fichier d'aide disponible");
    add("M_ERR_NO_DB_SEL", "Aucune base de données sélectionnée");
    add("M_ERR_DB_NAME_EXIST", "Ce nom de base de données existe déjà");
    add("M_ERR_DIR_EXIST", "Le dossier existe déjà");
    add("M_SEL_MEDIUM", "Indiquez au moins un support : ROM, disquette, cassette ou disque dur");
    add("M_ADDING_FILES", "Ajout des fichiers...");
    add("M_PROCESS_FILES", "Traitement des fichiers...");
    add("M_ERR_START_EXPOLRER", "Erreur lors du démarrage du gestionnaire de fichiers");
    add("M_ERR_SLOT1_NO_ZIP", "Le slot 1 ne contient pas de fichier ZIP");
    add("M_ERR_SLOT2_NO_ZIP", "Le slot 2 ne contient pas de fichier ZIP");
    add("M_ERR_DISKA_NO_ZIP", "La disquette A ne contient pas de fichier ZIP");
    add("M_ERR_DISKB_NO_ZIP", "La disquette B ne contient pas de fichier ZIP");
    add("M_ERR_TAPE_NO_ZIP", "La cassette ne contient pas de fichier ZIP");
    add("M_ADDED_TO_DB", " nouveaux profils ont été ajoutés à la base de données ");
    add("M_ERR_FILE_EXIST", "Le fichier existe déjà");
    add("M_CREATED_DB", " a été créée. Nombre de profils : ");
    add("M_GAME_SAVED", " a été enregistré avec succès");
    add("M_ERR_NO_DIR_SEL", "Aucun dossier sélectionné");
    add("M_ERR_NO_MEDIUM_SEL", "Aucun support sélectionné");
    add("M_ERR_NO_ADDED_TO_DB", "Aucun nouveau profil n'a été ajouté à la base de données");
    add("M_ERR_NO_NEW_DB_ENTERED", "Aucune nouvelle base de données n'a été saisie");
    add("M_ERR_NO_FILE_DIR_SEL", "Aucun fichier ni dossier sélectionné");
    add("M_FILL_NOT_READ", "Fichiers et dossiers ignorés car illisibles : ");
    add("M_SOFTWARE_DB_NOT_READ", "Bases de données de logiciels ignorées car illisibles : ");
    add("M_ERR_NAME_IN_DB_EXIST", " existe déjà dans la base de données cible. Remplacer ?");
    add("M_ERR_GAME_NAME_EMPTY", "Le champ Nom est vide");
    add("M_ERR_GAME_IMAGE1_EMPTY", "Le champ Image 1 est vide");
    add("M_ERR_FIELD_CHARACTERS", "Le champ ne peut pas contenir « | » ni de saut de ligne : ");
    add("M_ERR_NO_CORVANE_DB", "Aucune base de données trouvée dans Corvane");
    add("M_ERR_GAME_NOT_FOUND_IN_DB", "Profil introuvable");
    add("M_ERR_NEW_NAME_IN_DB_EXIST", "Le nouveau nom existe déjà dans la base de données");
    add("M_ERR_FILE_IO", "Erreur lors d'une opération d'E/S");
    add("M_ERR_BASE_DIR_BUSY",
        "Un autre programme écrit dans les bases de données de ce dossier. Rien n'a été modifié ; "
        "réessayez lorsqu'il aura terminé.");
    add("M_ERR_BASE_DIR_BUSY_REST",
        "Un autre programme écrit dans les bases de données de ce dossier. Les bases de données "
        "non citées n'ont pas été modifiées ; réessayez lorsqu'il aura terminé.");
    add("M_WAITING_FOR_WRITER",
        "Un autre programme écrit dans les bases de données de ce dossier ; attente de la fin de "
        "son écriture...");
    add("M_EXTRA_DATA_IMPORTED_IN",
        "Les données supplémentaires ont été importées dans ces bases de données : ");
    add("M_ERR_PROFILE_CHANGED",
        "Un autre programme a modifié ce profil après l'affichage de la liste. Rien n'a été "
        "modifié ; la liste montre maintenant le profil tel qu'il est.");
    add("M_ERR_FILE_IO_TARGET", "Erreur lors d'une opération d'E/S sur la base de données cible");
    add("M_ERR_FILE_IO_SOURCE", "Erreur lors d'une opération d'E/S sur la base de données source");
    add("M_SEL_DIR", "Sélectionnez un dossier :");
    add("M_CSV_FULL_GEN", "Le fichier CSV a été généré avec succès");
    add("M_CSV_PART_GEN", "Le fichier CSV a été généré partiellement");
    add("M_ERR_CSV_EMPTY_FILENAME", "Nom de fichier vide");
    add("M_FILE_EXIST_REPLACE", "Le fichier existe déjà. Remplacer ?");
    add("M_PROFILES_MODIFIED", " profils ont été mis à jour");
    add("M_INVALID_PROFILE", "Profil non valide");
    add("M_ENTER_FILTER_NEW_NAME", "Entrez le nouveau nom du filtre ");
    add("M_ERR_FILTER_ALREADY_EXISTS", "Ce nom de filtre existe déjà");
    add("M_NOT_IMPORTED", "Non importé");
    add("M_PATCH_APPLIED", "Le correctif a été appliqué avec succès");
    add("M_ERR_INVALID_IPS", "Fichier IPS non valide");
    add("M_ERR_NOT_FOUND_IPS", "Fichier IPS introuvable");
    add("M_ERR_NOT_FOUND_ROM_TO_PATCH", "Fichier à corriger introuvable");
    add("M_ERR_CANNOT_PATCH_TARGET", "Impossible d'enregistrer le fichier corrigé");
    add("M_ERR_PATCH_IPS_EMPTY", "Le champ Fichier IPS est vide");
    add("M_ERR_PATCH_SRC_EMPTY", "Le champ Fichier source est vide");
    add("M_ERR_PATCH_TARGET_EMPTY", "Le champ Fichier cible est vide");
    add("M_ERR_PATCH_SHA1_NOT_MATCH", "Les valeurs SHA1 ne correspondent pas");
    add("M_ERR_PATCH_SRC_TOO_BIG", "Le fichier source est trop volumineux pour être corrigé");
    add("M_ADJUSTED_ALL_PATHS", "Le chemin relatif actuel a été ajusté avec succès");
    add("M_ERR_NO_RELATIVE_PATH",
        "Les chemins des supports n'ont aucun dossier en commun : il n'y a donc pas de chemin "
        "relatif actuel à ajuster. Rien n'a été modifié.");
    add("M_ERR_NO_MACHINE_SEL", "Aucune machine sélectionnée");
    add("M_PATHS_ADJUSTED_IN", "Les chemins ont été ajustés dans ces bases de données : ");
    add("M_PATHS_ADJUSTED_NONE", "Aucune base de données n'a été modifiée.");
    add("PR_SEARCH_LAUNCHER", "Recherche dans le Lanceur...");
    add("PR_SEARCH_CORVANE", "Recherche dans les bases de données Corvane...");
    add("PR_CALCULATE_SHA1", "Calcul du SHA1...");
    add("PR_GENERATE_CSV", "Génération du fichier CSV...");
    add("PR_IMPORT_EXTRA_DATA", "Importation des données supplémentaires...");
    add("PR_SET_MACHINE", "Définition de la machine...");
    add("PR_PATCH", "Application du correctif...");
    add("PR_ADJUST_PATHS", "Ajustement des chemins relatifs...");
    add("scc", "Cartouche SCC");
    add("scc+", "Cartouche SCC+");
    add("fmpac", "Cartouche FM-PAC");
    add("fmpak", "Cartouche PAC");
    add("sunriseide", "Sunrise IDE");
    add("L_ROM_IMAGE", "Image ROM");
    add("L_DISK_IMAGE", "Image disquette");
    add("L_TAPE_IMAGE", "Image cassette");
    add("L_ALL_FILES", "Tous les fichiers");
    add("L_IMAGES", "Images");
    add("L_EXECUTABLES", "Exécutables");
    add("L_CSV_FILES", "Fichiers CSV");
    add("L_IPS_FILES", "Fichiers IPS");
    add("CSV_NAME_IN_LAUNCHER", "Nom dans le Lanceur");
    add("CSV_MAIN_ENTRY_MEDIUM", "Support du profil principal");
    add("CSV_MAIN_ENTRY_SIZE", "Taille du profil principal");
    add("CSV_MAIN_INFO_FILE", "Fichier d'infos");
    add("CSV_SLOT1_SPEC", "Slot 1 : spécial");
    add("CSV_SLOT1_NAME_ZIP", "Slot 1 : nom dans le ZIP");
    add("CSV_SLOT2_SPEC", "Slot 2 : spécial");
    add("CSV_SLOT2_NAME_ZIP", "Slot 2 : nom dans le ZIP");
    add("CSV_DISKA_NAME_ZIP", "Disquette A : nom dans le ZIP");
    add("CSV_DISKB_NAME_ZIP", "Disquette B : nom dans le ZIP");
    add("CSV_TAPE_NAME_ZIP", "Cassette : nom dans le ZIP");
    add("CSV_HARDDISK_PRI", "Disque dur : principal");
    add("CSV_HARDDISK_SEC", "Disque dur : secondaire");
    add("CSV_OPENMSX_OVERRIDE", "Remplacement openMSX");
    add("CSV_FMSX_OVERRIDE", "Remplacement fMSX");
    add("CSV_CORVANE_DB", "Fichier de base de données Corvane");
    add("CSV_TITLE_IN_CORVANE_DB", "Titre dans la base de données Corvane");
    add("CSV_ROM_START", "Démarrage ROM");
    add("CSV_DISK_TAPE_START_COMMAND", "Commande de démarrage disquette / cassette");
    add("CSV_LAUNCHER_DATABASE", "Base de données du Lanceur");
    add("CSV_MACHINE", "Machine");
    add("CSV_SLOT1", "Slot 1");
    add("CSV_SLOT2", "Slot 2");
    add("CSV_DISKA", "Disquette A");
    add("CSV_DISKB", "Disquette B");
    add("CSV_TAPE", "Cassette");
    add("CSV_IMAGE1", "Image 1");
    add("CSV_IMAGE2", "Image 2");
    add("CSV_OPENMSX_ARGUMENTS", "Arguments openMSX");
    add("CSV_FMSX_ARGUMENTS", "Arguments fMSX");
    add("CSV_SHA1", "SHA1");
    add("CSV_SYSTEM", "Système");
    add("CSV_COMPANY", "Société");
    add("CSV_YEAR", "Année");
    add("CSV_COUNTRY", "Pays");
    add("CSV_GOOD_MSX", "Good MSX");
    add("CSV_MAPPER", "Mapper");
    add("CSV_REMARK", "Remarque");
    add("CSV_GENERATION", "Génération");
    add("CSV_SOUND", "Son");
    add("CSV_GENRE", "Genre");
    add("BR", "Brésil");
    add("CA", "Canada");
    add("GB", "Angleterre");
    add("FI", "Finlande");
    add("FR", "France");
    add("DE", "Allemagne");
    add("IT", "Italie");
    add("JP", "Japon");
    add("KR", "Corée");
    add("KW", "Koweït");
    add("NL", "Pays-Bas");
    add("RU", "Russie");
    add("ES", "Espagne");
    add("SE", "Suède");
    add("US", "États-Unis");
    add("NZ", "Nouvelle-Zélande");
    add("SA", "Arabie saoudite");
    add("FILTER_YR_EQ", "Égal");
    add("FILTER_YR_EQ_G", "Égal ou supérieur");
    add("FILTER_YR_EQ_L", "Égal ou inférieur");
    add("M_NEED_EMULATOR_PATH", "Définissez le chemin d'openMSX, fMSX ou Corvane dans ");
    add("M_NEED_OPENMSX_PATH", "Définissez le chemin d'openMSX dans ");
    add("M_NEED_FMSX_PATH", "Définissez le chemin de fMSX dans ");
    add("M_NEED_DATABASE",
        "Une base de données est nécessaire : créez-en d'abord une avec Remplir la base de données "
        "ou Créer une base de données vide");
    add("M_NEED_SECOND_DATABASE",
        "Une deuxième base de données est nécessaire pour y déplacer les profils");
    add("M_NEED_INFO_FILE", "Ce profil n'a pas de fichier d'information");
    add("M_NEED_ONE_PROFILE", "Sélectionnez un profil");
    add("M_NEED_PROFILES", "Sélectionnez un ou plusieurs profils");
    add("M_EMPTY_LIST_HINT",
        "Cette liste est vide. Déposez ici des fichiers de supports ou des dossiers, ou utilisez "
        "« Remplir la base de données ».");
    add("M_ERR_FILTER_COMMA",
        "Impossible d'enregistrer un filtre dont un texte personnalisé contient une virgule");
}

// Dialog titles, shared buttons and the names of the ten languages.
void LanguageFrench::fillDialogIds() {
    add(187, "Gestionnaire de bases de données");
    add(1, "OK");
    add(2, "Annuler");
    add(246, "Filtres");
    add(105, "Réinitialiser");
    add(263, "Rechercher");
    add(106, "Chercher");
    add(136, "Paramètres");
    add(204, "Saisie");
    add(224, "Sélection");
    add(180, "Centre SHA1");
    add(103, "Chercher");
    add(234, "Progression");
    add(221, "Propriétés");
    add(159, "Remplir la base de données");
    add(209, "Sortie de la ligne de commande");
    add(129, "Données du jeu / programme");
    add(240, "Sélection de la machine");
    add(179, "Ajouter à la base de données actuelle");
    add(232, "Renommer les fichiers");
    add(236, "Confirmation");
    add(238, "Confirmation");
    add(104, "Non");
    add(107, "Non à tout");
    add(235, "Résultat du renommage des fichiers");
    add(100, "À propos de Corvane Launcher");
    add(290, "Exporter en CSV");
    add(303, "Organiser les favoris");
    add(306, "Importer des données de profil supplémentaires");
    add(307, "Autres dumps");
    add(308, "Organiser les filtres");
    add(329, "Définir des données de profil supplémentaires");
    add(330, "Centre IPS");
    add(332, "Ajuster le chemin relatif");
    add(9, "Anglais");
    add(3, "Catalan");
    add(19, "Néerlandais");
    add(11, "Finnois");
    add(12, "Français");
    add(10, "Espagnol");
    add(22, "Portugais");
    add(16, "Italien");
    add(7, "Allemand");
    add(29, "Suédois");
}

// Captions of menu commands; the menu code appends shortcut texts itself.
void LanguageFrench::fillMenuIds() {
    // Options menu
    add(32790, "Confirmer avant de &supprimer");
    add(32789, "Afficher la sortie de la ligne de &commande");
    add(32816, "&Marquer les profils");
    add(32817, "si &non valide (orange)");
    add(32818, "si valeur de &génération manquante (violet)");
    add(32819, "si valeur de &son manquante (vert)");
    add(32820, "si &valeur de genre manquante (jaune)");
    add(32797, "&Filtres");
    add(32823, "&Définir les filtres...");
    add(32825, "&Réinitialiser les filtres");
    add(32824, "&Organiser les filtres enregistrés...");
    add(32777, "&Paramètres...");
    // Action menu
    add(32802, "&Rechercher...");
    add(32814, "&Organiser les favoris...");
    add(32801, "&Créer une base de données vide...");
    add(32803, "Rem&plir la base de données...");
    add(32815, "Définir la &machine...");
    add(32821, "&Importer des données de profil supplémentaires...");
    add(32828, "&Ajuster le chemin relatif...");
    add(32788, "Re&nommer les fichiers...");
    add(32804, "&Exporter en CSV...");
    // Tools menu
    add(32780, "Centre &SHA1...");
    add(32827, "Centre I&PS...");
    add(32781, "&Gestionnaire de bases de données...");
    // Help menu
    add(32779, "&Rubriques d'aide");
    add(32778, "À &propos");
    // Profile list context menu
    add(32782, "Lancer");
    add(32792, "avec les paramètres enregistrés");
    add(32793, "sur MSX générique");
    add(32794, "sur MSX2 générique");
    add(32796, "sur MSX2+ générique");
    add(32795, "sur Turbo-R générique");
    add(32800, "sur openMSX");
    add(32830, "sur fMSX");
    add(32783, "Supprimer");
    add(32784, "Modifier...");
    add(32787, "Infos");
    add(32791, "Copier");
    add(32786, "Déplacer...");
    add(32813, "Ajouter aux favoris");
    add(32798, "Explorer");
    add(32822, "Autres dumps...");
    add(32826, "Définir des données supplémentaires...");
    add(32799, "Tout sélectionner");
    add(32785, "Propriétés");
    // Profile editor's Launch button
    add(32829, "sur Corvane");
}

// Captions of dialog controls. A control shared by several dialogs has one entry, listed
// with the first dialog that uses it.
void LanguageFrench::fillControlIds() {
    // Main window
    add(1226, "BASE DE DONNÉES");
    add(1230, "NOMBRE");
    add(1236, "SUPPORT");
    add(1238, "SYSTÈME");
    add(1217, "SOCIÉTÉ");
    add(1214, "ANNÉE");
    add(1221, "PAYS");
    add(1228, "GÉNÉRATION");
    add(1225, "SON");
    add(1223, "GENRE");
    add(1000, "LANCER");
    add(1001, "SUPPRIMER");
    add(1002, "AJOUTER");
    add(1003, "MODIFIER");
    add(1004, "INFOS");
    add(1121, "Filtres");
    add(1007, "Rechercher");
    add(1262, "Favoris");
    // Settings
    add(1271, "Chemin de Corvane");
    add(1272, "Visionneuse de fichiers d'infos");
    add(1371, "Utiliser la visionneuse par défaut pour chaque fichier d'infos");
    add(1372, "Utiliser une visionneuse spécifique");
    add(1273, "Base de données par défaut");
    add(1275, "Fenêtre de l'émulateur");
    add(1021, "Plein écran");
    add(1276, "Thème :");
    add(1096, "Activer les captures d'écran");
    add(1277, "Nombre de captures d'écran :");
    add(1278, "Type d'image :");
    add(1337, "Remarque : la taille d'image optimale est 272x240 (RAlt+F11 dans Corvane)");
    add(1280, "Image d'arrière-plan");
    add(1103, "Par défaut");
    add(1109, "Image personnalisée");
    add(1281, "Disposition :");
    add(1282, "Paramètres openMSX");
    add(1283, "Chemin");
    add(1284, "Arguments");
    add(1460, "Paramètres fMSX");
    add(1464, "Chemin");
    add(1465, "Arguments");
    add(1354, "Langue :");
    // Database Manager
    add(1085, "Renommer la base de données");
    add(1083, "Supprimer la base de données");
    add(1082, "Supprimer les sauvegardes");
    add(1088, "Restaurer la base de données");
    add(1087, "Remplir la base de données");
    add(1316, "Fermer");
    add(1286, "Statistiques");
    add(1287, "Total des bases de données");
    add(1288, "Total des profils");
    add(1289, "Total des sauvegardes");
    // Export to CSV (also the column titles of the file)
    add(1365, "Bases de données");
    add(1359, "Toutes");
    add(1360, "Spécifique :");
    add(1367, "Nom du fichier CSV");
    add(1263, "Fichier");
    add(1344, "Base de données du Lanceur");
    add(1317, "Machine");
    add(1320, "Slot 1");
    add(1321, "Slot 2");
    add(1326, "Disquette A");
    add(1327, "Disquette B");
    add(1330, "Cassette");
    add(1335, "Image 1");
    add(1336, "Image 2");
    add(1339, "Arguments openMSX");
    add(1466, "Arguments fMSX");
    add(1154, "SHA1");
    add(1264, "Système");
    add(1265, "Société");
    add(1266, "Année");
    add(1267, "Pays");
    add(1301, "Good MSX");
    add(1167, "Mapper");
    add(1302, "Remarque");
    add(1156, "Génération");
    add(1158, "Son");
    add(1161, "Genre");
    add(1374, "Utiliser les valeurs de Corvane si disponibles");
    // Adjust Relative Path
    add(1457, "Chemin relatif actuel");
    add(1443, "Nouveau chemin relatif");
    add(1456, "Sauvegarder toutes les bases de données");
    // Command Line Output and the profile editor
    add(1315, "Lancer");
    add(1015, "Enregistrer");
    // Profile editor
    add(1700, "Fichier d'infos");
    add(1701, "Nom dans le ZIP");
    add(1702, "Spécial");
    add(1703, "Principal");
    add(1704, "Secondaire");
    add(1380,
        "Remarque : sur Corvane, les disques durs ont besoin de l'interface Sunrise IDE. "
        "Choisissez la ROM spéciale « Sunrise IDE » dans l'onglet ROM.");
    add(1705, "Utiliser l'emplacement par défaut (dossier Screenshots de Corvane)");
    add(1706, "Utiliser des fichiers image précis");
    add(1707, "Remplacer les arguments openMSX définis dans les paramètres du lanceur");
    add(1708, "Remplacer les arguments fMSX définis dans les paramètres du lanceur");
    add(1709, "Préciser");
    add(1710, "ou");
    add(1711, "Génération MSX");
    add(1712, "et");
    // Machine Selection
    add(1242, "Machine minimale requise");
    add(1101, "Définir la machine pour tous les profils");
    add(1107, "Définir la machine pour les profils dont la machine n'existe pas");
    add(1056, "Sauvegarder la base de données existante");
    // Fill Database (several also Rename Files and Add to Current Database)
    add(1046, "Ajouter un dossier");
    add(1048, "Supprimer");
    add(1049, "Rechercher dans les sous-dossiers");
    add(1066, "Existante");
    add(1067, "Nouvelle");
    add(1053, "Ajouter à la base de données");
    add(1057, "Écraser la base de données");
    add(1064, "Utiliser le nom du fichier");
    add(1065, "Obtenir depuis Corvane");
    add(1191, "ROM");
    add(1193, "Disquette");
    add(1260, "Cassette");
    add(1063, "Fichiers ZIP");
    add(1474, "Importer les données de profil supplémentaires");
    // SHA1 Center
    add(1071, "Parcourir");
    add(1072, "Calculer");
    add(1173, "Chercher par code SHA1 dans");
    add(1100, "Lanceur");
    add(1106, "Base de données Corvane");
    add(1254,
        "Fermer cette fenêtre et localiser le profil sélectionné dans la fenêtre principale du "
        "Lanceur ?");
    // Properties
    add(1650, "Dans le ZIP");
    add(1651, "Taille");
    add(1652, "Titre");
    add(1653, "Démarrage");
    add(1654, "Sauvegardes rapides :");
    add(1655, "Captures d'écran :");
    add(1656, "Captures vidéo :");
    add(1657, "Captures audio :");
    add(1658, "Explorer");
    // Progress
    add(1115, "Annuler");
    // IPS Center
    add(1446, "Parcourir");
    add(1441, "IPS");
    add(1364, "Parcourir");
    add(1445, "Source");
    add(1453, "Vérifier le SHA1");
    add(1448, "Indiquer l'emplacement du fichier corrigé");
    add(1366, "Parcourir");
    add(1447, "Corriger directement la source");
    add(1450, "Cible");
    add(1451, "Sortie");
    add(1440, "Entrées");
    // Rename Files, its confirmation and its result
    add(1176, "Format 8.3");
    add(1177, "Identique au nom dans le Lanceur");
    add(1178, "Identique au titre dans la base de données Corvane");
    add(1345, "Renommer les fichiers de la base de données :");
    add(1196, "Disque dur");
    add(1346, "Supports à renommer");
    add(1347, "Voulez-vous vraiment lancer le renommage des fichiers ?");
    add(1348,
        "AVERTISSEMENT : si vous cliquez sur OK, les fichiers du disque de destination seront "
        "renommés. Cette opération est irréversible : sauvegardez ces fichiers dans un autre "
        "emplacement si vous comptez revenir aux anciens noms de fichiers.");
    add(1370, "Continuer");
    add(1349, "Résultats");
    add(1350, "Total des fichiers renommés");
    add(1351, "Total des fichiers non renommés");
    add(1352,
        "Liste des profils du Lanceur dont un ou plusieurs fichiers n'ont pas été renommés :");
    // Other Dumps
    add(1314, "Nom");
    add(1032, "Base de données");
    add(1293, "Dumps connus");
    add(1406, "Chercher d'autres dumps dans le Lanceur");
    add(1295, "Autres dumps trouvés dans le Lanceur :");
    // Import and Set Extra Profile Data
    add(1402, "Options des données supplémentaires");
    add(1404, "Ignorer");
    add(1407, "Écraser");
    add(1408, "Fusionner");
    add(1409, "Ignorer");
    add(1410, "Écraser");
    add(1411, "Fusionner");
    add(1412, "Ignorer");
    add(1413, "Écraser");
    add(1414, "Fusionner");
    add(1415, "Fichier d'infos - Lien vers le site Generation-MSX");
    add(1416, "Ignorer");
    add(1417, "Écraser");
    add(1418, "Définir si vide");
    add(1419, "Captures d'écran");
    add(1420, "Ignorer");
    add(1421, "Écraser");
    add(1422, "Définir si vide");
    add(1439, "Sauvegarder les bases de données concernées");
    add(1430, "Profils sélectionnés");
    // Filters
    add(1258, "Support");
    add(1398, "Génération");
    add(1231, "Son");
    add(1235, "Genre");
    add(1113, "Personnalisé");
    add(1108, "Personnalisé");
    add(1111, "Personnalisé");
    add(1423, "Enregistrer sous");
    // Organize Filters (Delete and Sort also Organize Favorites)
    add(1426, "Renommer");
    add(1369, "Supprimer");
    add(1405, "Trier");
    // Search
    add(1270, "( Entrez le nom complet ou partiel. La recherche ignore la casse )");
    add(1269, "Trouvés :");
    // Add to Current Database
    add(1051, "Ajouter un fichier");
    add(1069, "Ajouter");
    // Five-answer confirmation
    add(1600, "Oui");
    add(1601, "Oui à tout");
    // About box
    add(1602,
        "Met de l'ordre dans votre collection de logiciels MSX et la lance sur Corvane, openMSX "
        "ou fMSX.");
    add(1690, "Version");
    add(1691,
        "Distribué sous la GNU General Public License, version 3 ou toute version ultérieure. Ce "
        "programme est fourni sans aucune garantie.");
    add(1692, "Conçu avec ces bibliothèques :");
    // Path rows of the settings pages
    add(1610, "Parcourir...");
    add(1611, "Vider");
    add(1616, "Émulateur par défaut");
    add(1617, "Automatique");
    // Fill Database and Add to Current Database: group and row captions
    add(1640, "Dossiers à parcourir");
    add(1641, "Base de données cible");
    add(1642, "Mode d'ajout :");
    add(1643, "Nom du profil dans le Lanceur :");
    add(1644, "Supports à rechercher");
    add(1645, "Machine :");
    add(1646, "Fichiers et dossiers à ajouter");
    // Captions of the tool windows still to come: Machine Selection
    add(1244, "Machine spécifique :");
    add(1660, "Base de données");
    add(1661, "Machine");
    add(1662, "Options");
}

}  // namespace corvane
