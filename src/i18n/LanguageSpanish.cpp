// SPDX-License-Identifier: GPL-3.0-or-later
#include "i18n/LanguageSpanish.h"

namespace corvane {

LanguageSpanish::LanguageSpanish() {
    fill();
}

void LanguageSpanish::fill() {
    fillKeys();
    fillDialogIds();
    fillMenuIds();
    fillControlIds();
}

// Fragments with leading or trailing blanks are joined with names and numbers by their
// callers; the blanks belong to the text.
void LanguageSpanish::fillKeys() {
    add("LOC_MENU_OPTIONS", "&Opciones");
    add("LOC_MENU_ACTION", "&Acción");
    add("LOC_MENU_TOOLS", "&Herramientas");
    add("LOC_MENU_HELP", "Ay&uda");
    add("SELECTION_ALL", "Todos");
    add("MEDIUM_ROM", "ROM");
    add("MEDIUM_DISK", "Disco");
    add("MEDIUM_TAPE", "Cinta");
    add("MEDIUM_HARDDISK", "Disco duro");
    add("L_NAME", "Nombre");
    add("L_DATABASE", "Base de datos");
    add("L_GENERAL", "General");
    add("L_SCREENSHOTS", "Capturas de pantalla");
    add("L_BACKGROUND", "Fondo");
    add("L_EMULATORS", "Emuladores");
    add("L_CORVANE_DATA", "Datos básicos");
    add("L_EXTRA_DATA", "Datos adicionales");
    add("L_LANGUAGE", "Idioma");
    add("L_ENTRIES", "Perfiles");
    add("L_BACKUPS", "Copias de seguridad");
    add("L_LAUNCHER", "Launcher");
    add("L_CORVANE_DB", "Base de datos de Corvane");
    add("L_CAPTURES", "Capturas");
    add("L_CLOSE", "Cerrar");
    add("L_SCANNING", "Explorando...");
    add("L_DEFAULT", "Sin cambios");
    add("L_CLASSIC", "Clásico");
    add("L_SELECT", "Seleccionar...");
    add("BG_IMAGE_LAYOUT_CENTRED", "Centrada");
    add("BG_IMAGE_LAYOUT_STRETCHED", "Estirada");
    add("BG_IMAGE_LAYOUT_TILED", "En mosaico");
    add("M_ENTER_DB_NAME", "Introduzca el nombre de la nueva base de datos:");
    add("M_INVALID_NAME", "Nombre no válido");
    add("M_ERROR", "Error");
    add("M_FOUND_LAUNCHER", "Se ha encontrado el perfil.");
    add("M_CONFIRM", "Confirmación");
    add("M_MSG", "Mensaje");
    add("M_NOT_FOUND_LAUNCHER", "No se ha encontrado el perfil en el Launcher");
    add("M_INFO", "Información");
    add("M_NOT_FOUND_CORVANE", "No se ha encontrado el perfil en la base de datos de Corvane");
    add("M_ENTER_DB_NEW_NAME", "Introduzca el nuevo nombre de la base de datos ");
    add("M_ERROR_RENAME_DB", "Error al renombrar la base de datos");
    add("M_DELETE_DB", "¿Desea eliminar la base de datos ");
    add("M_REMOVE_BACKUPS_DB", "¿Desea eliminar las copias de seguridad de la base de datos ");
    add("M_ERROR_DELETE_DB", "Error al eliminar la base de datos");
    add("M_RESTORE_DB", "¿Desea restaurar la base de datos ");
    add("M_ERR_START_EMUL", "Error al iniciar el emulador");
    add("M_ERR_EMUL_QUIT", " se detuvo enseguida, con el código de salida ");
    add("M_ERR_EMUL_PATH_INVALID",
        "La ruta del emulador no es válida - establézcala en Opciones->Configuración");
    add("M_REMOVE_SEL_ENTRY", "¿Desea quitar el perfil seleccionado?");
    add("M_REMOVE_SEL_ENTRIES", "¿Desea quitar los perfiles seleccionados?");
    add("M_SEL_TARGET_DB",
        "Seleccione la base de datos de destino a la que mover los perfiles seleccionados:");
    add("M_ERR_START_VIEWER", "Error al iniciar el visor de información");
    add("M_ERR_NO_HELP", "No hay ningún archivo de ayuda disponible");
    add("M_ERR_NO_DB_SEL", "No se ha seleccionado ninguna base de datos");
    add("M_ERR_DB_NAME_EXIST", "El nombre de la base de datos ya existe");
    add("M_ERR_DIR_EXIST", "La carpeta ya existe");
    add("M_SEL_MEDIUM", "Especifique al menos un soporte: ROM, Disco, Cinta o Disco duro");
    add("M_ADDING_FILES", "Añadiendo archivos...");
    add("M_PROCESS_FILES", "Procesando archivos...");
    add("M_ERR_START_EXPOLRER", "Error al iniciar el gestor de archivos");
    add("M_ERR_SLOT1_NO_ZIP", "La ranura 1 no contiene ningún archivo ZIP");
    add("M_ERR_SLOT2_NO_ZIP", "La ranura 2 no contiene ningún archivo ZIP");
    add("M_ERR_DISKA_NO_ZIP", "El disco A no contiene ningún archivo ZIP");
    add("M_ERR_DISKB_NO_ZIP", "El disco B no contiene ningún archivo ZIP");
    add("M_ERR_TAPE_NO_ZIP", "La cinta no contiene ningún archivo ZIP");
    add("M_ADDED_TO_DB", " perfiles nuevos se han añadido a la base de datos ");
    add("M_ERR_FILE_EXIST", "El archivo ya existe");
    add("M_CREATED_DB", " se ha creado. Número de perfiles: ");
    add("M_GAME_SAVED", " se ha guardado correctamente");
    add("M_ERR_NO_DIR_SEL", "No se ha seleccionado ninguna carpeta");
    add("M_ERR_NO_MEDIUM_SEL", "No se ha seleccionado ningún soporte");
    add("M_ERR_NO_ADDED_TO_DB", "No se ha añadido ningún perfil nuevo a la base de datos");
    add("M_ERR_NO_NEW_DB_ENTERED", "No se ha introducido ninguna base de datos nueva");
    add("M_ERR_NO_FILE_DIR_SEL", "No se ha seleccionado ningún archivo ni carpeta");
    add("M_FILL_NOT_READ", "Archivos y carpetas omitidos porque no se pudieron leer: ");
    add("M_SOFTWARE_DB_NOT_READ",
        "Bases de datos de software omitidas porque no se pudieron leer: ");
    add("M_ERR_NAME_IN_DB_EXIST",
        " ya existe en la base de datos de destino. ¿Desea reemplazarlo?");
    add("M_ERR_GAME_NAME_EMPTY", "El campo Nombre está vacío");
    add("M_ERR_GAME_IMAGE1_EMPTY", "El campo Imagen 1 está vacío");
    add("M_ERR_FIELD_CHARACTERS", "El campo no puede contener «|» ni saltos de línea: ");
    add("M_ERR_NO_CORVANE_DB", "No se han encontrado bases de datos en Corvane");
    add("M_ERR_GAME_NOT_FOUND_IN_DB", "No se ha encontrado el perfil");
    add("M_ERR_NEW_NAME_IN_DB_EXIST", "El nuevo nombre ya existe en la base de datos");
    add("M_ERR_FILE_IO", "Error en la operación de E/S");
    add("M_ERR_BASE_DIR_BUSY",
        "Otro programa está escribiendo en las bases de datos de esta carpeta. No se ha cambiado "
        "nada; inténtelo de nuevo cuando haya terminado.");
    add("M_ERR_BASE_DIR_BUSY_REST",
        "Otro programa está escribiendo en las bases de datos de esta carpeta. Las bases de datos "
        "no nombradas no se han cambiado; inténtelo de nuevo cuando haya terminado.");
    add("M_WAITING_FOR_WRITER",
        "Otro programa está escribiendo en las bases de datos de esta carpeta; esperando a que "
        "termine...");
    add("M_EXTRA_DATA_IMPORTED_IN", "Se han importado datos adicionales en estas bases de datos: ");
    add("M_ERR_PROFILE_CHANGED",
        "Otro programa ha cambiado este perfil después de mostrarse la lista. No se ha cambiado "
        "nada; la lista muestra ahora el perfil tal como está.");
    add("M_ERR_FILE_IO_TARGET", "Error en la operación de E/S de la base de datos de destino");
    add("M_ERR_FILE_IO_SOURCE", "Error en la operación de E/S de la base de datos de origen");
    add("M_SEL_DIR", "Seleccione una carpeta:");
    add("M_CSV_FULL_GEN", "El archivo CSV se ha generado correctamente");
    add("M_CSV_PART_GEN", "El archivo CSV se ha generado parcialmente");
    add("M_ERR_CSV_EMPTY_FILENAME", "Nombre de archivo vacío");
    add("M_FILE_EXIST_REPLACE", "El archivo ya existe. ¿Desea reemplazarlo?");
    add("M_PROFILES_MODIFIED", " perfiles se han actualizado");
    add("M_INVALID_PROFILE", "Perfil no válido");
    add("M_ENTER_FILTER_NEW_NAME", "Introduzca el nuevo nombre del filtro ");
    add("M_ERR_FILTER_ALREADY_EXISTS", "El nombre del filtro ya existe");
    add("M_NOT_IMPORTED", "No importado");
    add("M_PATCH_APPLIED", "El parche se ha aplicado correctamente");
    add("M_ERR_INVALID_IPS", "Archivo IPS no válido");
    add("M_ERR_NOT_FOUND_IPS", "No se ha encontrado el archivo IPS");
    add("M_ERR_NOT_FOUND_ROM_TO_PATCH", "No se ha encontrado el archivo que se debe parchear");
    add("M_ERR_CANNOT_PATCH_TARGET", "No se puede guardar el archivo parcheado");
    add("M_ERR_PATCH_IPS_EMPTY", "El campo Archivo IPS está vacío");
    add("M_ERR_PATCH_SRC_EMPTY", "El campo Archivo de origen está vacío");
    add("M_ERR_PATCH_TARGET_EMPTY", "El campo Archivo de destino está vacío");
    add("M_ERR_PATCH_SHA1_NOT_MATCH", "Los valores SHA1 no coinciden");
    add("M_ERR_PATCH_SRC_TOO_BIG", "El archivo de origen es demasiado grande para parchearlo");
    add("M_ADJUSTED_ALL_PATHS", "La ruta relativa actual se ha ajustado correctamente");
    add("M_ERR_NO_RELATIVE_PATH",
        "Las rutas de los soportes no comparten ninguna carpeta común, así que no hay ninguna ruta "
        "relativa actual que ajustar. No se ha cambiado nada.");
    add("M_ERR_NO_MACHINE_SEL", "No se ha seleccionado ninguna máquina");
    add("M_PATHS_ADJUSTED_IN", "Se han ajustado las rutas de estas bases de datos: ");
    add("M_PATHS_ADJUSTED_NONE", "No se ha cambiado ninguna base de datos.");
    add("PR_SEARCH_LAUNCHER", "Buscando en el Launcher...");
    add("PR_SEARCH_CORVANE", "Buscando en las bases de datos de Corvane...");
    add("PR_CALCULATE_SHA1", "Calculando SHA1...");
    add("PR_GENERATE_CSV", "Generando el archivo CSV...");
    add("PR_IMPORT_EXTRA_DATA", "Importando datos adicionales...");
    add("PR_SET_MACHINE", "Estableciendo la máquina...");
    add("PR_PATCH", "Aplicando el parche...");
    add("PR_ADJUST_PATHS", "Ajustando las rutas relativas...");
    add("scc", "Cartucho SCC");
    add("scc+", "Cartucho SCC+");
    add("fmpac", "Cartucho FM-PAC");
    add("fmpak", "Cartucho PAC");
    add("sunriseide", "Sunrise IDE");
    add("L_ROM_IMAGE", "Imagen ROM");
    add("L_DISK_IMAGE", "Imagen de disco");
    add("L_TAPE_IMAGE", "Imagen de cinta");
    add("L_ALL_FILES", "Todos los archivos");
    add("L_IMAGES", "Imágenes");
    add("L_EXECUTABLES", "Ejecutables");
    add("L_CSV_FILES", "Archivos CSV");
    add("L_IPS_FILES", "Archivos IPS");
    add("CSV_NAME_IN_LAUNCHER", "Nombre en el Launcher");
    add("CSV_MAIN_ENTRY_MEDIUM", "Soporte del perfil principal");
    add("CSV_MAIN_ENTRY_SIZE", "Tamaño del perfil principal");
    add("CSV_MAIN_INFO_FILE", "Archivo de información");
    add("CSV_SLOT1_SPEC", "Ranura 1: Especial");
    add("CSV_SLOT1_NAME_ZIP", "Ranura 1: Nombre en el ZIP");
    add("CSV_SLOT2_SPEC", "Ranura 2: Especial");
    add("CSV_SLOT2_NAME_ZIP", "Ranura 2: Nombre en el ZIP");
    add("CSV_DISKA_NAME_ZIP", "Disco A: Nombre en el ZIP");
    add("CSV_DISKB_NAME_ZIP", "Disco B: Nombre en el ZIP");
    add("CSV_TAPE_NAME_ZIP", "Cinta: Nombre en el ZIP");
    add("CSV_HARDDISK_PRI", "Disco duro: Primario");
    add("CSV_HARDDISK_SEC", "Disco duro: Secundario");
    add("CSV_OPENMSX_OVERRIDE", "Sustituir argumentos de openMSX");
    add("CSV_FMSX_OVERRIDE", "Sustituir argumentos de fMSX");
    add("CSV_CORVANE_DB", "Archivo de base de datos de Corvane");
    add("CSV_TITLE_IN_CORVANE_DB", "Título en la base de datos de Corvane");
    add("CSV_ROM_START", "Inicio de la ROM");
    add("CSV_DISK_TAPE_START_COMMAND", "Comando de inicio de disco / cinta");
    add("CSV_LAUNCHER_DATABASE", "Base de datos del Launcher");
    add("CSV_MACHINE", "Máquina");
    add("CSV_SLOT1", "Ranura 1");
    add("CSV_SLOT2", "Ranura 2");
    add("CSV_DISKA", "Disco A");
    add("CSV_DISKB", "Disco B");
    add("CSV_TAPE", "Cinta");
    add("CSV_IMAGE1", "Imagen 1");
    add("CSV_IMAGE2", "Imagen 2");
    add("CSV_OPENMSX_ARGUMENTS", "Argumentos de openMSX");
    add("CSV_FMSX_ARGUMENTS", "Argumentos de fMSX");
    add("CSV_SHA1", "SHA1");
    add("CSV_SYSTEM", "Sistema");
    add("CSV_COMPANY", "Compañía");
    add("CSV_YEAR", "Año");
    add("CSV_COUNTRY", "País");
    add("CSV_GOOD_MSX", "Good MSX");
    add("CSV_MAPPER", "Mapper");
    add("CSV_REMARK", "Observaciones");
    add("CSV_GENERATION", "Generación");
    add("CSV_SOUND", "Sonido");
    add("CSV_GENRE", "Género");
    add("BR", "Brasil");
    add("CA", "Canadá");
    add("GB", "Inglaterra");
    add("FI", "Finlandia");
    add("FR", "Francia");
    add("DE", "Alemania");
    add("IT", "Italia");
    add("JP", "Japón");
    add("KR", "Corea");
    add("KW", "Kuwait");
    add("NL", "Países Bajos");
    add("RU", "Rusia");
    add("ES", "España");
    add("SE", "Suecia");
    add("US", "EE. UU.");
    add("NZ", "Nueva Zelanda");
    add("SA", "Arabia Saudí");
    add("FILTER_YR_EQ", "Igual");
    add("FILTER_YR_EQ_G", "Igual o mayor");
    add("FILTER_YR_EQ_L", "Igual o menor");
    add("M_NEED_EMULATOR_PATH", "Indique la ruta de openMSX, fMSX o Corvane en ");
    add("M_NEED_OPENMSX_PATH", "Indique la ruta de openMSX en ");
    add("M_NEED_FMSX_PATH", "Indique la ruta de fMSX en ");
    add("M_NEED_DATABASE",
        "Se necesita una base de datos: cree una primero con Llenar base de datos o Crear base de "
        "datos vacía");
    add("M_NEED_SECOND_DATABASE",
        "Se necesita una segunda base de datos a la que mover los perfiles");
    add("M_NEED_INFO_FILE", "Este perfil no tiene archivo de información");
    add("M_NEED_ONE_PROFILE", "Seleccione un perfil");
    add("M_NEED_PROFILES", "Seleccione uno o más perfiles");
    add("M_EMPTY_LIST_HINT",
        "Esta lista está vacía. Suelte aquí archivos de soportes o carpetas, o use «Llenar base de "
        "datos».");
    add("M_ERR_FILTER_COMMA",
        "No se puede guardar un filtro con una coma en un texto personalizado");
}

// Dialog titles, shared buttons and the names of the ten languages.
void LanguageSpanish::fillDialogIds() {
    add(187, "Gestor de bases de datos");
    add(1, "Aceptar");
    add(2, "Cancelar");
    add(246, "Filtros");
    add(105, "Restablecer");
    add(263, "Buscar");
    add(106, "Buscar");
    add(136, "Configuración");
    add(204, "Entrada");
    add(224, "Selección");
    add(180, "Centro SHA1");
    add(103, "Buscar");
    add(234, "Progreso");
    add(221, "Propiedades");
    add(159, "Llenar base de datos");
    add(209, "Salida de la línea de comandos");
    add(129, "Datos del juego / programa");
    add(240, "Selección de máquina");
    add(179, "Añadir a la base de datos actual");
    add(232, "Renombrar archivos");
    add(236, "Confirmación");
    add(238, "Confirmación");
    add(104, "No");
    add(107, "No a todo");
    add(235, "Resultado del renombrado de archivos");
    add(100, "Acerca de Corvane Launcher");
    add(290, "Exportar a CSV");
    add(303, "Organizar favoritos");
    add(306, "Importar datos adicionales de perfiles");
    add(307, "Otros volcados");
    add(308, "Organizar filtros");
    add(329, "Establecer datos adicionales de perfiles");
    add(330, "Centro IPS");
    add(332, "Ajustar ruta relativa");
    add(9, "Inglés");
    add(3, "Catalán");
    add(19, "Neerlandés");
    add(11, "Finés");
    add(12, "Francés");
    add(10, "Español");
    add(22, "Portugués");
    add(16, "Italiano");
    add(7, "Alemán");
    add(29, "Sueco");
}

// Captions of menu commands; the menu code appends shortcut texts itself.
void LanguageSpanish::fillMenuIds() {
    // Options menu
    add(32790, "Confirmar antes de &quitar");
    add(32789, "Mostrar la &salida de la línea de comandos");
    add(32816, "&Marcar perfiles");
    add(32817, "si no son &válidos (naranja)");
    add(32818, "si falta el valor de &generación (morado)");
    add(32819, "si falta el valor de &sonido (verde)");
    add(32820, "si falta el valor de gé&nero (amarillo)");
    add(32797, "&Filtros");
    add(32823, "&Establecer filtros...");
    add(32825, "&Restablecer filtros");
    add(32824, "&Organizar filtros guardados...");
    add(32777, "&Configuración...");
    // Action menu
    add(32802, "&Buscar...");
    add(32814, "&Organizar favoritos...");
    add(32801, "&Crear base de datos vacía...");
    add(32803, "&Llenar base de datos...");
    add(32815, "Establecer &máquina...");
    add(32821, "&Importar datos adicionales de perfiles...");
    add(32828, "&Ajustar ruta relativa...");
    add(32788, "&Renombrar archivos...");
    add(32804, "&Exportar a CSV...");
    // Tools menu
    add(32780, "Centro &SHA1...");
    add(32827, "Centro &IPS...");
    add(32781, "&Gestor de bases de datos...");
    // Help menu
    add(32779, "&Temas de ayuda");
    add(32778, "&Acerca de");
    // Profile list context menu
    add(32782, "Ejecutar");
    add(32792, "con la configuración guardada");
    add(32793, "en MSX genérico");
    add(32794, "en MSX2 genérico");
    add(32796, "en MSX2+ genérico");
    add(32795, "en Turbo-R genérico");
    add(32800, "en openMSX");
    add(32830, "en fMSX");
    add(32783, "Quitar");
    add(32784, "Editar...");
    add(32787, "Información");
    add(32791, "Copiar");
    add(32786, "Mover...");
    add(32813, "Añadir a favoritos");
    add(32798, "Explorar");
    add(32822, "Otros volcados...");
    add(32826, "Establecer datos adicionales...");
    add(32799, "Seleccionar todo");
    add(32785, "Propiedades");
    // Profile editor's Launch button
    add(32829, "en Corvane");
}

// Captions of dialog controls. A control shared by several dialogs has one entry, listed
// with the first dialog that uses it.
void LanguageSpanish::fillControlIds() {
    // Main window
    add(1226, "BASE DE DATOS");
    add(1230, "TOTAL");
    add(1236, "SOPORTE");
    add(1238, "SISTEMA");
    add(1217, "COMPAÑÍA");
    add(1214, "AÑO");
    add(1221, "PAÍS");
    add(1228, "GENERACIÓN");
    add(1225, "SONIDO");
    add(1223, "GÉNERO");
    add(1000, "EJECUTAR");
    add(1001, "QUITAR");
    add(1002, "AÑADIR");
    add(1003, "EDITAR");
    add(1004, "INFO");
    add(1121, "Filtros");
    add(1007, "Buscar");
    add(1262, "Favoritos");
    // Settings
    add(1271, "Ruta de Corvane");
    add(1272, "Visor de archivos de información");
    add(1371, "Usar el visor predeterminado de cada archivo de información");
    add(1372, "Usar un visor específico");
    add(1273, "Base de datos predeterminada");
    add(1275, "Ventana del emulador");
    add(1021, "Pantalla completa");
    add(1276, "Tema :");
    add(1096, "Activar capturas de pantalla");
    add(1277, "Número de capturas de pantalla :");
    add(1278, "Tipo de imagen :");
    add(1337, "Nota: el tamaño óptimo de imagen es 272x240 (RAlt+F11 en Corvane)");
    add(1280, "Imagen de fondo");
    add(1103, "Predeterminada");
    add(1109, "Imagen personalizada");
    add(1281, "Disposición :");
    add(1282, "Configuración de openMSX");
    add(1283, "Ruta");
    add(1284, "Argumentos");
    add(1460, "Configuración de fMSX");
    add(1464, "Ruta");
    add(1465, "Argumentos");
    add(1354, "Idioma :");
    // Database Manager
    add(1085, "Renombrar base de datos");
    add(1083, "Eliminar base de datos");
    add(1082, "Eliminar copias de seguridad");
    add(1088, "Restaurar base de datos");
    add(1087, "Llenar base de datos");
    add(1316, "Cerrar");
    add(1286, "Estadísticas");
    add(1287, "Total de bases de datos");
    add(1288, "Total de perfiles");
    add(1289, "Total de copias de seguridad");
    // Export to CSV (also the column titles of the file)
    add(1365, "Bases de datos");
    add(1359, "Todas");
    add(1360, "Específica :");
    add(1367, "Nombre del archivo CSV");
    add(1263, "Archivo");
    add(1344, "Base de datos del Launcher");
    add(1317, "Máquina");
    add(1320, "Ranura 1");
    add(1321, "Ranura 2");
    add(1326, "Disco A");
    add(1327, "Disco B");
    add(1330, "Cinta");
    add(1335, "Imagen 1");
    add(1336, "Imagen 2");
    add(1339, "Argumentos de openMSX");
    add(1466, "Argumentos de fMSX");
    add(1154, "SHA1");
    add(1264, "Sistema");
    add(1265, "Compañía");
    add(1266, "Año");
    add(1267, "País");
    add(1301, "Good MSX");
    add(1167, "Mapper");
    add(1302, "Observaciones");
    add(1156, "Generación");
    add(1158, "Sonido");
    add(1161, "Género");
    add(1374, "Usar los valores de Corvane si están disponibles");
    // Adjust Relative Path
    add(1457, "Ruta relativa actual");
    add(1443, "Nueva ruta relativa");
    add(1456, "Hacer copia de seguridad de todas las bases de datos");
    // Command Line Output and the profile editor
    add(1315, "Ejecutar");
    add(1015, "Guardar");
    // Profile editor
    add(1700, "Archivo de información");
    add(1701, "Nombre en el ZIP");
    add(1702, "Especial");
    add(1703, "Primario");
    add(1704, "Secundario");
    add(1380,
        "Nota: en Corvane, los discos duros necesitan la interfaz Sunrise IDE. Elija la ROM "
        "especial «Sunrise IDE» en la pestaña ROM.");
    add(1705, "Usar la ubicación predeterminada (carpeta Screenshots de Corvane)");
    add(1706, "Usar archivos de imagen específicos");
    add(1707, "Sustituir los argumentos de openMSX definidos en la configuración del Launcher");
    add(1708, "Sustituir los argumentos de fMSX definidos en la configuración del Launcher");
    add(1709, "Especificar");
    add(1710, "o");
    add(1711, "Generación MSX");
    add(1712, "y");
    // Machine Selection
    add(1242, "Máquina mínima necesaria");
    add(1101, "Establecer la máquina en todos los perfiles");
    add(1107, "Establecer la máquina en los perfiles con una máquina inexistente");
    add(1056, "Hacer copia de seguridad de la base de datos existente");
    // Fill Database (several also Rename Files and Add to Current Database)
    add(1046, "Añadir carpeta");
    add(1048, "Quitar");
    add(1049, "Buscar en subcarpetas");
    add(1066, "Existente");
    add(1067, "Nueva");
    add(1053, "Añadir a la base de datos");
    add(1057, "Sobrescribir la base de datos");
    add(1064, "Usar el nombre de archivo");
    add(1065, "Obtener de Corvane");
    add(1191, "ROM");
    add(1193, "Disco");
    add(1260, "Cinta");
    add(1063, "Archivos ZIP");
    add(1474, "Importar datos adicionales de perfiles");
    // SHA1 Center
    add(1071, "Examinar");
    add(1072, "Calcular");
    add(1173, "Buscar por código SHA1 en");
    add(1100, "Launcher");
    add(1106, "Base de datos de Corvane");
    add(1254,
        "¿Cerrar esta ventana y localizar el perfil seleccionado en la ventana principal del "
        "Launcher?");
    // Properties
    add(1650, "En ZIP");
    add(1651, "Tamaño");
    add(1652, "Título");
    add(1653, "Inicio");
    add(1654, "Guardados rápidos :");
    add(1655, "Capturas de pantalla :");
    add(1656, "Capturas de vídeo :");
    add(1657, "Capturas de audio :");
    add(1658, "Explorar");
    // Progress
    add(1115, "Cancelar");
    // IPS Center
    add(1446, "Examinar");
    add(1441, "IPS");
    add(1364, "Examinar");
    add(1445, "Origen");
    add(1453, "Exigir SHA1");
    add(1448, "Especificar la ubicación del archivo parcheado");
    add(1366, "Examinar");
    add(1447, "Parchear directamente el origen");
    add(1450, "Destino");
    add(1451, "Salida");
    add(1440, "Entradas");
    // Rename Files, its confirmation and its result
    add(1176, "Formato 8.3");
    add(1177, "Igual que el nombre en el Launcher");
    add(1178, "Igual que el título en la base de datos de Corvane");
    add(1345, "Renombrar archivos en la base de datos:");
    add(1196, "Disco duro");
    add(1346, "Soportes que se renombrarán");
    add(1347, "¿Está seguro de que desea continuar con el renombrado de archivos?");
    add(1348,
        "ADVERTENCIA: Al hacer clic en Aceptar, se cambiará el nombre de los archivos del disco de "
        "destino. Esta operación no se puede deshacer, así que asegúrese de hacer una copia de "
        "seguridad de estos archivos en otra ubicación si piensa volver a los nombres de archivo "
        "anteriores.");
    add(1370, "Continuar");
    add(1349, "Resultados");
    add(1350, "Total de archivos renombrados");
    add(1351, "Total de archivos no renombrados");
    add(1352, "Lista de perfiles del Launcher con uno o más archivos que no se renombraron :");
    // Other Dumps
    add(1314, "Nombre");
    add(1032, "Base de datos");
    add(1293, "Volcados conocidos");
    add(1406, "Buscar otros volcados en el Launcher");
    add(1295, "Otros volcados encontrados en el Launcher:");
    // Import and Set Extra Profile Data
    add(1402, "Opciones de datos adicionales");
    add(1404, "Omitir");
    add(1407, "Sobrescribir");
    add(1408, "Combinar");
    add(1409, "Omitir");
    add(1410, "Sobrescribir");
    add(1411, "Combinar");
    add(1412, "Omitir");
    add(1413, "Sobrescribir");
    add(1414, "Combinar");
    add(1415, "Archivo de información - Enlace al sitio Generation-MSX");
    add(1416, "Omitir");
    add(1417, "Sobrescribir");
    add(1418, "Establecer si está vacío");
    add(1419, "Capturas de pantalla");
    add(1420, "Omitir");
    add(1421, "Sobrescribir");
    add(1422, "Establecer si está vacío");
    add(1439, "Hacer copia de seguridad de las bases de datos afectadas");
    add(1430, "Perfiles seleccionados");
    // Filters
    add(1258, "Soporte");
    add(1398, "Generación");
    add(1231, "Sonido");
    add(1235, "Género");
    add(1113, "Personalizado");
    add(1108, "Personalizado");
    add(1111, "Personalizado");
    add(1423, "Guardar como");
    // Organize Filters (Delete and Sort also Organize Favorites)
    add(1426, "Renombrar");
    add(1369, "Eliminar");
    add(1405, "Ordenar");
    // Search
    add(1270,
        "( Introduzca el nombre completo o parcial. La búsqueda no distingue entre mayúsculas y "
        "minúsculas )");
    add(1269, "Encontrados :");
    // Add to Current Database
    add(1051, "Añadir archivo");
    add(1069, "Añadir");
    // Five-answer confirmation
    add(1600, "Sí");
    add(1601, "Sí a todo");
    // About box
    add(1602,
        "Mantiene ordenada su colección de software MSX y la ejecuta en Corvane, openMSX o fMSX.");
    add(1690, "Versión");
    add(1691,
        "Distribuido bajo la GNU General Public License, versión 3 o cualquier versión posterior. "
        "Este programa se ofrece sin ninguna garantía.");
    add(1692, "Hecho con estas bibliotecas:");
    // Path rows of the settings pages
    add(1610, "Examinar...");
    add(1611, "Vaciar");
    add(1616, "Emulador predeterminado");
    add(1617, "Automático");
    // Fill Database and Add to Current Database: group and row captions
    add(1640, "Carpetas a explorar");
    add(1641, "Base de datos de destino");
    add(1642, "Modo de adición :");
    add(1643, "Nombre del perfil en el Launcher :");
    add(1644, "Soportes a buscar");
    add(1645, "Máquina :");
    add(1646, "Archivos y carpetas a añadir");
    // Captions of the tool windows still to come: Machine Selection
    add(1244, "Máquina específica :");
    add(1660, "Base de datos");
    add(1661, "Máquina");
    add(1662, "Opciones");
}

}  // namespace corvane
