// SPDX-License-Identifier: GPL-3.0-or-later
#include "i18n/LanguagePortuguese.h"

namespace corvane {

LanguagePortuguese::LanguagePortuguese() {
    fill();
}

void LanguagePortuguese::fill() {
    fillKeys();
    fillDialogIds();
    fillMenuIds();
    fillControlIds();
}

// Fragments with leading or trailing blanks are joined with names and numbers by their
// callers; the blanks belong to the text.
void LanguagePortuguese::fillKeys() {
    add("LOC_MENU_OPTIONS", "&Opções");
    add("LOC_MENU_ACTION", "&Ação");
    add("LOC_MENU_TOOLS", "&Ferramentas");
    add("LOC_MENU_HELP", "Aj&uda");
    add("SELECTION_ALL", "Todos");
    add("MEDIUM_ROM", "ROM");
    add("MEDIUM_DISK", "Disco");
    add("MEDIUM_TAPE", "Fita");
    add("MEDIUM_HARDDISK", "Disco rígido");
    add("L_NAME", "Nome");
    add("L_DATABASE", "Banco de dados");
    add("L_GENERAL", "Geral");
    add("L_SCREENSHOTS", "Capturas de tela");
    add("L_BACKGROUND", "Plano de fundo");
    add("L_EMULATORS", "Emuladores");
    add("L_CORVANE_DATA", "Dados básicos");
    add("L_EXTRA_DATA", "Dados extras");
    add("L_LANGUAGE", "Idioma");
    add("L_ENTRIES", "Perfis");
    add("L_BACKUPS", "Backups");
    add("L_LAUNCHER", "Launcher");
    add("L_CORVANE_DB", "Banco de dados do Corvane");
    add("L_CAPTURES", "Capturas");
    add("L_CLOSE", "Fechar");
    add("L_SCANNING", "Examinando...");
    add("L_DEFAULT", "Sem alteração");
    add("L_CLASSIC", "Clássico");
    add("L_SELECT", "Selecionar...");
    add("BG_IMAGE_LAYOUT_CENTRED", "Centralizada");
    add("BG_IMAGE_LAYOUT_STRETCHED", "Esticada");
    add("BG_IMAGE_LAYOUT_TILED", "Lado a lado");
    add("M_ENTER_DB_NAME", "Digite o nome do novo banco de dados:");
    add("M_INVALID_NAME", "Nome inválido");
    add("M_ERROR", "Erro");
    add("M_FOUND_LAUNCHER", "O perfil foi encontrado.");
    add("M_CONFIRM", "Confirmação");
    add("M_MSG", "Mensagem");
    add("M_NOT_FOUND_LAUNCHER", "O perfil não foi encontrado no Launcher");
    add("M_INFO", "Informação");
    add("M_NOT_FOUND_CORVANE", "O perfil não foi encontrado no banco de dados do Corvane");
    add("M_ENTER_DB_NEW_NAME", "Digite o novo nome para o banco de dados ");
    add("M_ERROR_RENAME_DB", "Erro ao renomear o banco de dados");
    add("M_DELETE_DB", "Excluir o banco de dados ");
    add("M_REMOVE_BACKUPS_DB", "Excluir os backups do banco de dados ");
    add("M_ERROR_DELETE_DB", "Erro ao excluir o banco de dados");
    add("M_RESTORE_DB", "Restaurar o banco de dados ");
    add("M_ERR_START_EMUL", "Erro ao iniciar o emulador");
    add("M_ERR_EMUL_QUIT", " terminou de imediato, com o código de saída ");
    add("M_ERR_EMUL_PATH_INVALID",
        "O caminho do emulador é inválido - defina-o em Opções->Configurações");
    add("M_REMOVE_SEL_ENTRY", "Remover o perfil selecionado?");
    add("M_REMOVE_SEL_ENTRIES", "Remover os perfis selecionados?");
    add("M_SEL_TARGET_DB",
        "Selecione o banco de dados de destino para mover os perfis selecionados:");
    add("M_ERR_START_VIEWER", "Erro ao iniciar o visualizador de informações");
    add("M_ERR_NO_HELP", "Nenhum arquivo de ajuda disponível");
    add("M_ERR_NO_DB_SEL", "Nenhum banco de dados selecionado");
    add("M_ERR_DB_NAME_EXIST", "O nome do banco de dados já existe");
    add("M_ERR_DIR_EXIST", "A pasta já existe");
    add("M_SEL_MEDIUM", "Especifique pelo menos uma mídia: ROM, disco, fita ou disco rígido");
    add("M_ADDING_FILES", "Adicionando arquivos...");
    add("M_PROCESS_FILES", "Processando arquivos...");
    add("M_ERR_START_EXPOLRER", "Erro ao iniciar o gerenciador de arquivos");
    add("M_ERR_SLOT1_NO_ZIP", "O Slot 1 não contém um arquivo ZIP");
    add("M_ERR_SLOT2_NO_ZIP", "O Slot 2 não contém um arquivo ZIP");
    add("M_ERR_DISKA_NO_ZIP", "O Disco A não contém um arquivo ZIP");
    add("M_ERR_DISKB_NO_ZIP", "O Disco B não contém um arquivo ZIP");
    add("M_ERR_TAPE_NO_ZIP", "A fita não contém um arquivo ZIP");
    add("M_ADDED_TO_DB", " novos perfis foram adicionados ao banco de dados ");
    add("M_ERR_FILE_EXIST", "O arquivo já existe");
    add("M_CREATED_DB", " foi criado. Número de perfis: ");
    add("M_GAME_SAVED", " foi salvo com sucesso");
    add("M_ERR_NO_DIR_SEL", "Nenhuma pasta selecionada");
    add("M_ERR_NO_MEDIUM_SEL", "Nenhuma mídia selecionada");
    add("M_ERR_NO_ADDED_TO_DB", "Nenhum perfil novo foi adicionado ao banco de dados");
    add("M_ERR_NO_NEW_DB_ENTERED", "Nenhum banco de dados novo foi informado");
    add("M_ERR_NO_FILE_DIR_SEL", "Nenhum arquivo ou pasta selecionado");
    add("M_FILL_NOT_READ", "Arquivos e pastas ignorados por não poderem ser lidos: ");
    add("M_SOFTWARE_DB_NOT_READ",
        "Bancos de dados de software ignorados por não poderem ser lidos: ");
    add("M_ERR_NAME_IN_DB_EXIST", " já existe no banco de dados de destino. Substituir?");
    add("M_ERR_GAME_NAME_EMPTY", "O campo Nome está vazio");
    add("M_ERR_GAME_IMAGE1_EMPTY", "O campo Imagem 1 está vazio");
    add("M_ERR_FIELD_CHARACTERS", "O campo não pode conter \"|\" nem quebra de linha: ");
    add("M_ERR_NO_CORVANE_DB", "Nenhum banco de dados encontrado no Corvane");
    add("M_ERR_GAME_NOT_FOUND_IN_DB", "Perfil não encontrado");
    add("M_ERR_NEW_NAME_IN_DB_EXIST", "O novo nome já existe no banco de dados");
    add("M_ERR_FILE_IO", "Erro na operação de E/S");
    add("M_ERR_BASE_DIR_BUSY",
        "Outro programa está gravando nos bancos de dados desta pasta. Nada foi alterado; tente "
        "novamente quando ele terminar.");
    add("M_ERR_BASE_DIR_BUSY_REST",
        "Outro programa está gravando nos bancos de dados desta pasta. Os bancos de dados não "
        "citados não foram alterados; tente novamente quando ele terminar.");
    add("M_WAITING_FOR_WRITER",
        "Outro programa está gravando nos bancos de dados desta pasta; aguardando até que ele "
        "termine...");
    add("M_EXTRA_DATA_IMPORTED_IN", "Os dados extras foram importados nestes bancos de dados: ");
    add("M_ERR_PROFILE_CHANGED",
        "Outro programa alterou este perfil depois que a lista foi exibida. Nada foi alterado; a "
        "lista agora mostra o perfil como ele está.");
    add("M_ERR_FILE_IO_TARGET", "Erro na operação de E/S do banco de dados de destino");
    add("M_ERR_FILE_IO_SOURCE", "Erro na operação de E/S do banco de dados de origem");
    add("M_SEL_DIR", "Selecione a pasta:");
    add("M_CSV_FULL_GEN", "O arquivo CSV foi gerado com sucesso");
    add("M_CSV_PART_GEN", "O arquivo CSV foi gerado parcialmente");
    add("M_ERR_CSV_EMPTY_FILENAME", "Nome de arquivo vazio");
    add("M_FILE_EXIST_REPLACE", "O arquivo já existe. Substituir?");
    add("M_PROFILES_MODIFIED", " perfis foram atualizados");
    add("M_INVALID_PROFILE", "Perfil inválido");
    add("M_ENTER_FILTER_NEW_NAME", "Digite o novo nome para o filtro ");
    add("M_ERR_FILTER_ALREADY_EXISTS", "O nome do filtro já existe");
    add("M_NOT_IMPORTED", "Não importado");
    add("M_PATCH_APPLIED", "O patch foi aplicado com sucesso");
    add("M_ERR_INVALID_IPS", "Arquivo IPS inválido");
    add("M_ERR_NOT_FOUND_IPS", "Arquivo IPS não encontrado");
    add("M_ERR_NOT_FOUND_ROM_TO_PATCH", "Arquivo ao qual aplicar o patch não encontrado");
    add("M_ERR_CANNOT_PATCH_TARGET", "Não é possível salvar o arquivo com o patch aplicado");
    add("M_ERR_PATCH_IPS_EMPTY", "O campo do arquivo IPS está vazio");
    add("M_ERR_PATCH_SRC_EMPTY", "O campo do arquivo de origem está vazio");
    add("M_ERR_PATCH_TARGET_EMPTY", "O campo do arquivo de destino está vazio");
    add("M_ERR_PATCH_SHA1_NOT_MATCH", "Os valores SHA1 não coincidem");
    add("M_ERR_PATCH_SRC_TOO_BIG", "O arquivo de origem é grande demais para aplicar o patch");
    add("M_ADJUSTED_ALL_PATHS", "O caminho relativo atual foi ajustado com sucesso");
    add("M_ERR_NO_RELATIVE_PATH",
        "Os caminhos das mídias não têm nenhuma pasta em comum, portanto não há caminho relativo "
        "atual para ajustar. Nada foi alterado.");
    add("M_ERR_NO_MACHINE_SEL", "Nenhuma máquina selecionada");
    add("M_PATHS_ADJUSTED_IN", "Os caminhos foram ajustados nestes bancos de dados: ");
    add("M_PATHS_ADJUSTED_NONE", "Nenhum banco de dados foi alterado.");
    add("PR_SEARCH_LAUNCHER", "Pesquisando no Launcher...");
    add("PR_SEARCH_CORVANE", "Pesquisando nos bancos de dados do Corvane...");
    add("PR_CALCULATE_SHA1", "Calculando SHA1...");
    add("PR_GENERATE_CSV", "Gerando o arquivo CSV...");
    add("PR_IMPORT_EXTRA_DATA", "Importando dados extras...");
    add("PR_SET_MACHINE", "Definindo a máquina...");
    add("PR_PATCH", "Aplicando o patch...");
    add("PR_ADJUST_PATHS", "Ajustando caminhos relativos...");
    add("scc", "Cartucho SCC");
    add("scc+", "Cartucho SCC+");
    add("fmpac", "Cartucho FM-PAC");
    add("fmpak", "Cartucho PAC");
    add("sunriseide", "Sunrise IDE");
    add("L_ROM_IMAGE", "Imagem de ROM");
    add("L_DISK_IMAGE", "Imagem de disco");
    add("L_TAPE_IMAGE", "Imagem de fita");
    add("L_ALL_FILES", "Todos os arquivos");
    add("L_IMAGES", "Imagens");
    add("L_EXECUTABLES", "Executáveis");
    add("L_CSV_FILES", "Arquivos CSV");
    add("L_IPS_FILES", "Arquivos IPS");
    add("CSV_NAME_IN_LAUNCHER", "Nome no Launcher");
    add("CSV_MAIN_ENTRY_MEDIUM", "Mídia principal do perfil");
    add("CSV_MAIN_ENTRY_SIZE", "Tamanho da mídia principal");
    add("CSV_MAIN_INFO_FILE", "Arquivo de informações");
    add("CSV_SLOT1_SPEC", "Slot 1: Especial");
    add("CSV_SLOT1_NAME_ZIP", "Slot 1: Nome no ZIP");
    add("CSV_SLOT2_SPEC", "Slot 2: Especial");
    add("CSV_SLOT2_NAME_ZIP", "Slot 2: Nome no ZIP");
    add("CSV_DISKA_NAME_ZIP", "Disco A: Nome no ZIP");
    add("CSV_DISKB_NAME_ZIP", "Disco B: Nome no ZIP");
    add("CSV_TAPE_NAME_ZIP", "Fita: Nome no ZIP");
    add("CSV_HARDDISK_PRI", "Disco rígido: Primário");
    add("CSV_HARDDISK_SEC", "Disco rígido: Secundário");
    add("CSV_OPENMSX_OVERRIDE", "Substituição do openMSX");
    add("CSV_FMSX_OVERRIDE", "Substituição do fMSX");
    add("CSV_CORVANE_DB", "Arquivo do banco de dados do Corvane");
    add("CSV_TITLE_IN_CORVANE_DB", "Título no banco de dados do Corvane");
    add("CSV_ROM_START", "Início da ROM");
    add("CSV_DISK_TAPE_START_COMMAND", "Comando de início do disco / fita");
    add("CSV_LAUNCHER_DATABASE", "Banco de dados do Launcher");
    add("CSV_MACHINE", "Máquina");
    add("CSV_SLOT1", "Slot 1");
    add("CSV_SLOT2", "Slot 2");
    add("CSV_DISKA", "Disco A");
    add("CSV_DISKB", "Disco B");
    add("CSV_TAPE", "Fita");
    add("CSV_IMAGE1", "Imagem 1");
    add("CSV_IMAGE2", "Imagem 2");
    add("CSV_OPENMSX_ARGUMENTS", "Argumentos do openMSX");
    add("CSV_FMSX_ARGUMENTS", "Argumentos do fMSX");
    add("CSV_SHA1", "SHA1");
    add("CSV_SYSTEM", "Sistema");
    add("CSV_COMPANY", "Empresa");
    add("CSV_YEAR", "Ano");
    add("CSV_COUNTRY", "País");
    add("CSV_GOOD_MSX", "Good MSX");
    add("CSV_MAPPER", "Mapper");
    add("CSV_REMARK", "Comentário");
    add("CSV_GENERATION", "Geração");
    add("CSV_SOUND", "Som");
    add("CSV_GENRE", "Gênero");
    add("BR", "Brasil");
    add("CA", "Canadá");
    add("GB", "Inglaterra");
    add("FI", "Finlândia");
    add("FR", "França");
    add("DE", "Alemanha");
    add("IT", "Itália");
    add("JP", "Japão");
    add("KR", "Coreia");
    add("KW", "Kuwait");
    add("NL", "Países Baixos");
    add("RU", "Rússia");
    add("ES", "Espanha");
    add("SE", "Suécia");
    add("US", "EUA");
    add("NZ", "Nova Zelândia");
    add("SA", "Arábia Saudita");
    add("FILTER_YR_EQ", "Igual");
    add("FILTER_YR_EQ_G", "Igual ou maior");
    add("FILTER_YR_EQ_L", "Igual ou menor");
    add("M_NEED_EMULATOR_PATH", "Defina o caminho do openMSX, fMSX ou Corvane em ");
    add("M_NEED_OPENMSX_PATH", "Defina o caminho do openMSX em ");
    add("M_NEED_FMSX_PATH", "Defina o caminho do fMSX em ");
    add("M_NEED_DATABASE",
        "É preciso um banco de dados: crie um primeiro com Preencher banco de dados ou Criar banco "
        "de dados vazio");
    add("M_NEED_SECOND_DATABASE", "É preciso um segundo banco de dados para onde mover os perfis");
    add("M_NEED_INFO_FILE", "Este perfil não tem arquivo de informações");
    add("M_NEED_ONE_PROFILE", "Selecione um perfil");
    add("M_NEED_PROFILES", "Selecione um ou mais perfis");
    add("M_EMPTY_LIST_HINT",
        "Esta lista está vazia. Solte aqui arquivos de mídia ou pastas, ou use “Preencher banco de "
        "dados”.");
    add("M_ERR_FILTER_COMMA",
        "Não é possível salvar um filtro com uma vírgula em um texto personalizado");
}

// Dialog titles, shared buttons and the names of the ten languages.
void LanguagePortuguese::fillDialogIds() {
    add(187, "Gerenciador de bancos de dados");
    add(1, "OK");
    add(2, "Cancelar");
    add(246, "Filtros");
    add(105, "Redefinir");
    add(263, "Pesquisar");
    add(106, "Localizar");
    add(136, "Configurações");
    add(204, "Entrada");
    add(224, "Seleção");
    add(180, "Central SHA1");
    add(103, "Localizar");
    add(234, "Progresso");
    add(221, "Propriedades");
    add(159, "Preencher banco de dados");
    add(209, "Saída da linha de comando");
    add(129, "Dados do jogo / programa");
    add(240, "Seleção de máquina");
    add(179, "Adicionar ao banco de dados atual");
    add(232, "Renomear arquivos");
    add(236, "Confirmação");
    add(238, "Confirmação");
    add(104, "Não");
    add(107, "Não para todos");
    add(235, "Resultado da renomeação de arquivos");
    add(100, "Sobre o Corvane Launcher");
    add(290, "Exportar para CSV");
    add(303, "Organizar favoritos");
    add(306, "Importar dados extras de perfis");
    add(307, "Outros dumps");
    add(308, "Organizar filtros");
    add(329, "Definir dados extras de perfis");
    add(330, "Central IPS");
    add(332, "Ajustar caminho relativo");
    add(9, "Inglês");
    add(3, "Catalão");
    add(19, "Holandês");
    add(11, "Finlandês");
    add(12, "Francês");
    add(10, "Espanhol");
    add(22, "Português");
    add(16, "Italiano");
    add(7, "Alemão");
    add(29, "Sueco");
}

// Captions of menu commands; the menu code appends shortcut texts itself.
void LanguagePortuguese::fillMenuIds() {
    // Options menu
    add(32790, "Confirmar antes de &remover");
    add(32789, "Mostrar saída da &linha de comando");
    add(32816, "&Marcar perfis");
    add(32817, "se &inválido (laranja)");
    add(32818, "se faltar valor de &geração (roxo)");
    add(32819, "se faltar valor de &som (verde)");
    add(32820, "se faltar &valor de gênero (amarelo)");
    add(32797, "&Filtros");
    add(32823, "&Definir filtros...");
    add(32825, "&Redefinir filtros");
    add(32824, "&Organizar filtros salvos...");
    add(32777, "&Configurações...");
    // Action menu
    add(32802, "&Pesquisar...");
    add(32814, "&Organizar favoritos...");
    add(32801, "&Criar banco de dados vazio...");
    add(32803, "Preencher banco de &dados...");
    add(32815, "Definir &máquina...");
    add(32821, "&Importar dados extras de perfis...");
    add(32828, "&Ajustar caminho relativo...");
    add(32788, "&Renomear arquivos...");
    add(32804, "&Exportar para CSV...");
    // Tools menu
    add(32780, "Central &SHA1...");
    add(32827, "Central I&PS...");
    add(32781, "&Gerenciador de bancos de dados...");
    // Help menu
    add(32779, "&Tópicos da ajuda");
    add(32778, "&Sobre");
    // Profile list context menu
    add(32782, "Iniciar");
    add(32792, "usando as configurações salvas");
    add(32793, "em MSX genérico");
    add(32794, "em MSX2 genérico");
    add(32796, "em MSX2+ genérico");
    add(32795, "em Turbo-R genérico");
    add(32800, "no openMSX");
    add(32830, "no fMSX");
    add(32783, "Remover");
    add(32784, "Editar...");
    add(32787, "Informações");
    add(32791, "Copiar");
    add(32786, "Mover...");
    add(32813, "Adicionar aos favoritos");
    add(32798, "Explorar");
    add(32822, "Outros dumps...");
    add(32826, "Definir dados extras...");
    add(32799, "Selecionar tudo");
    add(32785, "Propriedades");
    // Profile editor's Launch button
    add(32829, "no Corvane");
}

// Captions of dialog controls. A control shared by several dialogs has one entry, listed
// with the first dialog that uses it.
void LanguagePortuguese::fillControlIds() {
    // Main window
    add(1226, "BANCO DE DADOS");
    add(1230, "QUANTIDADE");
    add(1236, "MÍDIA");
    add(1238, "SISTEMA");
    add(1217, "EMPRESA");
    add(1214, "ANO");
    add(1221, "PAÍS");
    add(1228, "GERAÇÃO");
    add(1225, "SOM");
    add(1223, "GÊNERO");
    add(1000, "INICIAR");
    add(1001, "REMOVER");
    add(1002, "ADICIONAR");
    add(1003, "EDITAR");
    add(1004, "INFO");
    add(1121, "Filtros");
    add(1007, "Pesquisar");
    add(1262, "Favoritos");
    // Settings
    add(1271, "Caminho do Corvane");
    add(1272, "Visualizador de arquivos de informações");
    add(1371, "Usar o visualizador padrão de cada arquivo de informações");
    add(1372, "Usar um visualizador específico");
    add(1273, "Banco de dados padrão");
    add(1275, "Janela do emulador");
    add(1021, "Tela cheia");
    add(1276, "Tema :");
    add(1096, "Ativar capturas de tela");
    add(1277, "Número de capturas de tela :");
    add(1278, "Tipo de imagem :");
    add(1337, "Observação: o tamanho ideal da imagem é 272x240 (RAlt+F11 no Corvane)");
    add(1280, "Imagem de plano de fundo");
    add(1103, "Padrão");
    add(1109, "Imagem personalizada");
    add(1281, "Disposição :");
    add(1282, "Configurações do openMSX");
    add(1283, "Caminho");
    add(1284, "Argumentos");
    add(1460, "Configurações do fMSX");
    add(1464, "Caminho");
    add(1465, "Argumentos");
    add(1354, "Idioma :");
    // Database Manager
    add(1085, "Renomear banco de dados");
    add(1083, "Excluir banco de dados");
    add(1082, "Excluir backups");
    add(1088, "Restaurar banco de dados");
    add(1087, "Preencher banco de dados");
    add(1316, "Fechar");
    add(1286, "Estatísticas");
    add(1287, "Total de bancos de dados");
    add(1288, "Total de perfis");
    add(1289, "Total de backups");
    // Export to CSV (also the column titles of the file)
    add(1365, "Bancos de dados");
    add(1359, "Todos");
    add(1360, "Específico :");
    add(1367, "Nome do arquivo CSV");
    add(1263, "Arquivo");
    add(1344, "Banco de dados do Launcher");
    add(1317, "Máquina");
    add(1320, "Slot 1");
    add(1321, "Slot 2");
    add(1326, "Disco A");
    add(1327, "Disco B");
    add(1330, "Fita");
    add(1335, "Imagem 1");
    add(1336, "Imagem 2");
    add(1339, "Argumentos do openMSX");
    add(1466, "Argumentos do fMSX");
    add(1154, "SHA1");
    add(1264, "Sistema");
    add(1265, "Empresa");
    add(1266, "Ano");
    add(1267, "País");
    add(1301, "Good MSX");
    add(1167, "Mapper");
    add(1302, "Comentário");
    add(1156, "Geração");
    add(1158, "Som");
    add(1161, "Gênero");
    add(1374, "Usar os valores do Corvane, se disponíveis");
    // Adjust Relative Path
    add(1457, "Caminho relativo atual");
    add(1443, "Novo caminho relativo");
    add(1456, "Fazer backup de todos os bancos de dados");
    // Command Line Output and the profile editor
    add(1315, "Iniciar");
    add(1015, "Salvar");
    // Profile editor
    add(1700, "Arquivo de informações");
    add(1701, "Nome no ZIP");
    add(1702, "Especial");
    add(1703, "Primário");
    add(1704, "Secundário");
    add(1380,
        "Observação: no Corvane, os discos rígidos precisam da interface Sunrise IDE. Escolha a "
        "ROM especial \"Sunrise IDE\" na guia ROM.");
    add(1705, "Usar o local padrão (pasta Screenshots do Corvane)");
    add(1706, "Usar arquivos de imagem específicos");
    add(1707, "Substituir os argumentos do openMSX definidos nas configurações do Launcher");
    add(1708, "Substituir os argumentos do fMSX definidos nas configurações do Launcher");
    add(1709, "Especificar");
    add(1710, "ou");
    add(1711, "Geração MSX");
    add(1712, "e");
    // Machine Selection
    add(1242, "Máquina mínima necessária");
    add(1101, "Definir a máquina de todos os perfis");
    add(1107, "Definir a máquina dos perfis com máquina inexistente");
    add(1056, "Fazer backup do banco de dados existente");
    // Fill Database (several also Rename Files and Add to Current Database)
    add(1046, "Adicionar pasta");
    add(1048, "Remover");
    add(1049, "Pesquisar subpastas");
    add(1066, "Existente");
    add(1067, "Novo");
    add(1053, "Acrescentar ao banco de dados");
    add(1057, "Sobrescrever o banco de dados");
    add(1064, "Usar o nome do arquivo");
    add(1065, "Obter do Corvane");
    add(1191, "ROM");
    add(1193, "Disco");
    add(1260, "Fita");
    add(1063, "Arquivos ZIP");
    add(1474, "Importar dados extras de perfis");
    // SHA1 Center
    add(1071, "Procurar");
    add(1072, "Calcular");
    add(1173, "Localizar pelo código SHA1 em");
    add(1100, "Launcher");
    add(1106, "Banco de dados do Corvane");
    add(1254,
        "Fechar esta janela e localizar o perfil selecionado na janela principal do Launcher?");
    // Properties
    add(1650, "No ZIP");
    add(1651, "Tamanho");
    add(1652, "Título");
    add(1653, "Início");
    add(1654, "Salvamentos rápidos :");
    add(1655, "Capturas de tela :");
    add(1656, "Capturas de vídeo :");
    add(1657, "Capturas de áudio :");
    add(1658, "Explorar");
    // Progress
    add(1115, "Cancelar");
    // IPS Center
    add(1446, "Procurar");
    add(1441, "IPS");
    add(1364, "Procurar");
    add(1445, "Origem");
    add(1453, "Exigir SHA1");
    add(1448, "Especificar o local do arquivo com o patch aplicado");
    add(1366, "Procurar");
    add(1447, "Aplicar o patch diretamente na origem");
    add(1450, "Destino");
    add(1451, "Saída");
    add(1440, "Entradas");
    // Rename Files, its confirmation and its result
    add(1176, "Formato 8.3");
    add(1177, "Igual ao nome no Launcher");
    add(1178, "Igual ao título no banco de dados do Corvane");
    add(1345, "Renomear arquivos no banco de dados:");
    add(1196, "Disco rígido");
    add(1346, "Mídias a renomear");
    add(1347, "Tem certeza de que deseja prosseguir com a renomeação dos arquivos?");
    add(1348,
        "AVISO: ao clicar em OK, os arquivos no disco de destino serão renomeados. Esta operação "
        "não pode ser desfeita; portanto, faça backup desses arquivos em outro local se pretende "
        "voltar aos nomes de arquivo antigos.");
    add(1370, "Prosseguir");
    add(1349, "Resultados");
    add(1350, "Total de arquivos renomeados");
    add(1351, "Total de arquivos não renomeados");
    add(1352, "Lista de perfis do Launcher com um ou mais arquivos que não foram renomeados :");
    // Other Dumps
    add(1314, "Nome");
    add(1032, "Banco de dados");
    add(1293, "Dumps conhecidos");
    add(1406, "Localizar outros dumps no Launcher");
    add(1295, "Outros dumps encontrados no Launcher:");
    // Import and Set Extra Profile Data
    add(1402, "Opções de dados extras");
    add(1404, "Ignorar");
    add(1407, "Sobrescrever");
    add(1408, "Mesclar");
    add(1409, "Ignorar");
    add(1410, "Sobrescrever");
    add(1411, "Mesclar");
    add(1412, "Ignorar");
    add(1413, "Sobrescrever");
    add(1414, "Mesclar");
    add(1415, "Arquivo de informações - link do site Generation-MSX");
    add(1416, "Ignorar");
    add(1417, "Sobrescrever");
    add(1418, "Definir se vazio");
    add(1419, "Capturas de tela");
    add(1420, "Ignorar");
    add(1421, "Sobrescrever");
    add(1422, "Definir se vazio");
    add(1439, "Fazer backup dos bancos de dados afetados");
    add(1430, "Perfis selecionados");
    // Filters
    add(1258, "Mídia");
    add(1398, "Geração");
    add(1231, "Som");
    add(1235, "Gênero");
    add(1113, "Personalizado");
    add(1108, "Personalizado");
    add(1111, "Personalizado");
    add(1423, "Salvar como");
    // Organize Filters (Delete and Sort also Organize Favorites)
    add(1426, "Renomear");
    add(1369, "Excluir");
    add(1405, "Ordenar");
    // Search
    add(1270,
        "( Digite o nome completo ou parte dele. A pesquisa não diferencia maiúsculas de "
        "minúsculas )");
    add(1269, "Encontrados :");
    // Add to Current Database
    add(1051, "Adicionar arquivo");
    add(1069, "Adicionar");
    // Five-answer confirmation
    add(1600, "Sim");
    add(1601, "Sim para todos");
    // About box
    add(1602,
        "Mantém sua coleção de software MSX organizada e a inicia no Corvane, openMSX ou fMSX.");
    add(1690, "Versão");
    add(1691,
        "Licenciado sob a GNU General Public License, versão 3 ou qualquer versão posterior. Este "
        "programa é fornecido sem nenhuma garantia.");
    add(1692, "Feito com estas bibliotecas:");
    // Path rows of the settings pages
    add(1610, "Procurar...");
    add(1611, "Limpar");
    add(1616, "Emulador predefinido");
    add(1617, "Automático");
    // Fill Database and Add to Current Database: group and row captions
    add(1640, "Pastas a examinar");
    add(1641, "Banco de dados de destino");
    add(1642, "Modo de adição :");
    add(1643, "Nome do perfil no Launcher :");
    add(1644, "Mídias a procurar");
    add(1645, "Máquina :");
    add(1646, "Arquivos e pastas a adicionar");
    // Captions of the tool windows still to come: Machine Selection
    add(1244, "Máquina específica :");
    add(1660, "Banco de dados");
    add(1661, "Máquina");
    add(1662, "Opções");
}

}  // namespace corvane
