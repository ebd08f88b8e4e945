// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's controls, menus and their connections.
#include "ui/main/CCorvaneLauncherDlg.h"

#include <QAction>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QListView>
#include <QMenu>
#include <QMenuBar>
#include <QProgressBar>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

#include "app/CCorvaneLauncherApp.h"
#include "i18n/MenuIds.h"
#include "i18n/MenuLayout.h"
#include "model/ValueLists.h"
#include "ui/common/CLocalized.h"
#include "ui/common/TextCodec.h"
#include "ui/main/BackgroundWidget.h"
#include "ui/main/CommandKeys.h"
#include "ui/main/EmptyListHint.h"
#include "ui/main/IndicatorLight.h"
#include "ui/main/MainWindowIds.h"
#include "ui/main/ProfileListModel.h"
#include "ui/main/SelectorPanel.h"
#include "ui/main/WindowPieces.h"
#include "ui/resources/Artwork.h"

namespace corvane {

namespace {

// The window's title is its name in every language.
constexpr int kNoCatalogueTitle = 0;

struct FilterPanelCaption {
    int id;
    const char* fallback;
};
// The eight filter panels, in the order they are laid out.
constexpr FilterPanelCaption kFilterPanels[] = {
    {kIdMediumPanel, "MEDIUM"}, {kIdSystemPanel, "SYSTEM"},   {kIdCompanyPanel, "COMPANY"},
    {kIdYearPanel, "YEAR"},     {kIdCountryPanel, "COUNTRY"}, {kIdGenerationPanel, "GENERATION"},
    {kIdSoundPanel, "SOUND"},   {kIdGenrePanel, "GENRE"}};

}  // namespace

void CCorvaneLauncherDlg::createWidgets() {
    background_ = new BackgroundWidget(this);
    setCentralWidget(background_);

    databasePanel_ =
        new SelectorPanel(kIdDatabasePanel, QStringLiteral("DATABASE"), true, background_);
    countPanel_ = new SelectorPanel(kIdCountPanel, QStringLiteral("COUNT"), false, background_);
    auto* top = new QHBoxLayout;
    top->addWidget(databasePanel_, 3);
    top->addWidget(countPanel_, 1);

    auto* filters = new QGridLayout;
    filters->setSpacing(4);
    int column = 0;
    for (const FilterPanelCaption& caption : kFilterPanels) {
        auto* panel =
            new SelectorPanel(caption.id, QString::fromLatin1(caption.fallback), true, background_);
        filters->addWidget(panel, column / 4, column % 4);
        filterPanels_.push_back(panel);
        ++column;
    }

    model_ = new ProfileListModel(this);
    list_ = profileListView(background_, model_, this);
    emptyHint_ = new EmptyListHint(list_);

    progress_ = new QProgressBar(background_);
    progress_->hide();
    status_ = newStatusLine(background_);

    QHBoxLayout* lights = indicatorRow(background_, indicators_);

    const auto commandButton = [this](int id, const char* fallback) {
        auto* button = new QPushButton(QString::fromLatin1(fallback), background_);
        CLocalized::setCatalogueId(button, id);
        button->setFocusPolicy(Qt::TabFocus);
        return button;
    };
    launchButton_ = commandButton(kIdLaunchButton, "LAUNCH");
    removeButton_ = commandButton(kIdRemoveButton, "REMOVE");
    addButton_ = commandButton(kIdAddButton, "ADD");
    editButton_ = commandButton(kIdEditButton, "EDIT");
    infoButton_ = commandButton(kIdInfoButton, "INFO");
    const auto toolButton = [this](int id, const char* fallback, const QIcon& icon) {
        auto* button = new QToolButton(background_);
        button->setIcon(icon);
        button->setIconSize(QSize(24, 24));
        button->setToolTip(QString::fromLatin1(fallback));
        CLocalized::setCatalogueId(button, id);
        button->setToolButtonStyle(Qt::ToolButtonIconOnly);
        return button;
    };
    filtersButton_ = toolButton(kIdFiltersButton, "Filters", filtersIcon());
    searchButton_ = toolButton(kIdSearchButton, "Search", searchIcon());
    favoritesButton_ = toolButton(kIdFavoritesButton, "Favorites", favoritesIcon());
    auto* buttons = new QHBoxLayout;
    for (QPushButton* button : {launchButton_, removeButton_, addButton_, editButton_, infoButton_})
        buttons->addWidget(button);
    buttons->addStretch();
    for (QToolButton* button : {filtersButton_, searchButton_, favoritesButton_})
        buttons->addWidget(button);

    screenshotPane_ = screenshotColumn(background_, screenshots_, kScreenshotSize);

    auto* left = new QVBoxLayout;
    left->addLayout(top);
    left->addLayout(filters);
    left->addWidget(list_, 1);
    left->addWidget(progress_);
    left->addWidget(status_);
    left->addLayout(lights);
    left->addLayout(buttons);
    auto* layout = new QHBoxLayout(background_);
    layout->addLayout(left, 1);
    layout->addWidget(screenshotPane_);
}

QAction* CCorvaneLauncherDlg::addMenuItem(QMenu* menu, int id) {
    QAction* action = menu->addAction(QString());
    action->setData(id);
    actions_.insert(id, action);
    return action;
}

void CCorvaneLauncherDlg::createMenus() {
    for (QMenu*& title : menuTitles_)
        title = menuBar()->addMenu(QString());
    QMenu* options = menuTitles_[0];
    addMenuItem(options, kMenuConfirmRemove)->setCheckable(true);
    addMenuItem(options, kMenuShowCommandLine)->setCheckable(true);
    QMenu* marks = options->addMenu(QString());
    actions_.insert(kMenuMarkProfiles, marks->menuAction());
    addMenuItem(marks, kMenuMarkInvalid)->setCheckable(true);
    marks->addSeparator();
    for (int id : {kMenuMarkMissingGeneration, kMenuMarkMissingSound, kMenuMarkMissingGenre})
        addMenuItem(marks, id)->setCheckable(true);
    options->addSeparator();
    QMenu* filters = options->addMenu(QString());
    actions_.insert(kMenuFilters, filters->menuAction());
    addMenuItem(filters, kMenuSetFilters);
    addMenuItem(filters, kMenuResetFilters);
    addMenuItem(filters, kMenuOrganizeFilters);
    options->addSeparator();
    addMenuItem(options, kMenuSettings);

    QMenu* action = menuTitles_[1];
    addMenuItem(action, kMenuSearch);
    addMenuItem(action, kMenuOrganizeFavorites);
    action->addSeparator();
    addMenuItem(action, kMenuCreateEmptyDatabase);
    addMenuItem(action, kMenuFillDatabase);
    // The emulator may have come or gone since the entry was last set.
    connect(action, &QMenu::aboutToShow, this, &CCorvaneLauncherDlg::applyFillDatabaseRule);

    addMenuItem(menuTitles_[2], kMenuDatabaseManager);

    QMenu* help = menuTitles_[3];
    addMenuItem(help, kMenuHelpTopics);
    help->addSeparator();
    addMenuItem(help, kMenuAbout);

    contextMenu_ = new QMenu(this);
    launchMenu_ = contextMenu_->addMenu(QString());
    actions_.insert(kMenuLaunch, launchMenu_->menuAction());
    addMenuItem(launchMenu_, kMenuLaunchSaved);
    launchMenu_->addSeparator();
    for (int id : {kMenuLaunchMsx, kMenuLaunchMsx2, kMenuLaunchMsx2Plus, kMenuLaunchTurboR})
        addMenuItem(launchMenu_, id);
    launchMenu_->addSeparator();
    addMenuItem(launchMenu_, kMenuLaunchOpenMsx);
    addMenuItem(launchMenu_, kMenuLaunchFmsx);
    addMenuItem(contextMenu_, kMenuRemove);
    addMenuItem(contextMenu_, kMenuEdit);
    addMenuItem(contextMenu_, kMenuInfo);
    contextMenu_->addSeparator();
    addMenuItem(contextMenu_, kMenuCopy);
    addMenuItem(contextMenu_, kMenuMove);
    addMenuItem(contextMenu_, kMenuAddToFavorites);
    addMenuItem(contextMenu_, kMenuExplore);
    contextMenu_->addSeparator();
    addMenuItem(contextMenu_, kMenuSelectAll);
    contextMenu_->addSeparator();
    addMenuItem(contextMenu_, kMenuProperties);

    createKeys();
}

void CCorvaneLauncherDlg::createKeys() {
    for (int id : {kKeyDatabasePopup, kKeySavedFiltersPopup, kKeyFavoritesPopup, kKeyAddProfile})
        actions_.insert(id, new QAction(this));
    for (const CommandKey& entry : kCommandKeys) {
        QAction* command = action(entry.command);
        // Further keys of a command follow its first, which its menu entry shows.
        QList<QKeySequence> keys = command->shortcuts();
        keys.append(QKeySequence(entry.key));
        command->setShortcuts(keys);
        if (entry.scope == KeyScope::List) {
            command->setShortcutContext(Qt::WidgetShortcut);
            list_->addAction(command);
        } else {
            command->setShortcutContext(Qt::WindowShortcut);
            QWidget::addAction(command);
        }
    }
}

void CCorvaneLauncherDlg::setCommand(int id, std::function<void()> command) {
    connect(action(id), &QAction::triggered, this, [command] { command(); });
    commands_.insert(id, std::move(command));
}

void CCorvaneLauncherDlg::connectWidgets() {
    connect(list_->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            [this] { selectionChanged(); });
    connect(list_, &QListView::doubleClicked, this,
            [this] { launch(app_.launcher().defaultCommand()); });
    for (size_t i = 0; i < filterPanels_.size(); ++i) {
        const auto criterion = static_cast<FilterCriterion>(i);
        connect(filterPanels_[i], &SelectorPanel::popupRequested, this,
                [this, criterion, i] { popupUnder(buildValueMenu(criterion), filterPanels_[i]); });
    }
    connect(launchButton_, &QPushButton::clicked, this,
            [this] { launch(app_.launcher().defaultCommand()); });
    connect(removeButton_, &QPushButton::clicked, this, &CCorvaneLauncherDlg::removeSelected);
    setCommand(kKeyAddProfile, [this] { addProfile(); });
    connect(addButton_, &QPushButton::clicked, action(kKeyAddProfile), &QAction::trigger);
    connect(editButton_, &QPushButton::clicked, this, &CCorvaneLauncherDlg::editProfile);
    connect(infoButton_, &QPushButton::clicked, this, &CCorvaneLauncherDlg::showInfo);
    connect(searchButton_, &QToolButton::clicked, this, &CCorvaneLauncherDlg::search);

    setCommand(kKeyDatabasePopup, [this] { popupUnder(buildDatabasePopup(), databasePanel_); });
    setCommand(kKeySavedFiltersPopup,
               [this] { popupUnder(buildSavedFiltersPopup(), filtersButton_); });
    setCommand(kKeyFavoritesPopup, [this] { popupUnder(buildFavoritesPopup(), favoritesButton_); });
    connect(databasePanel_, &SelectorPanel::popupRequested, action(kKeyDatabasePopup),
            &QAction::trigger);
    connect(filtersButton_, &QToolButton::clicked, action(kKeySavedFiltersPopup),
            &QAction::trigger);
    connect(favoritesButton_, &QToolButton::clicked, action(kKeyFavoritesPopup), &QAction::trigger);

    // The user's choice sets the flag; the window checking the entry from the flag does not.
    connect(action(kMenuConfirmRemove), &QAction::triggered, this,
            [this](bool on) { app_.flags().confirmRemove = on; });
    connect(action(kMenuShowCommandLine), &QAction::triggered, this,
            [this](bool on) { app_.flags().showCommandLine = on; });
    const std::pair<int, ProfileMark> markItems[] = {
        {kMenuMarkInvalid, ProfileMark::Invalid},
        {kMenuMarkMissingGeneration, ProfileMark::MissingGeneration},
        {kMenuMarkMissingSound, ProfileMark::MissingSound},
        {kMenuMarkMissingGenre, ProfileMark::MissingGenre}};
    for (const auto& [id, mode] : markItems)
        setCommand(id, [this, m = mode] { chooseMark(m); });
    const std::pair<int, LaunchCommand> launchItems[] = {
        {kMenuLaunchMsx, LaunchCommand::GenericMSX},
        {kMenuLaunchMsx2, LaunchCommand::GenericMSX2},
        {kMenuLaunchMsx2Plus, LaunchCommand::GenericMSX2Plus},
        {kMenuLaunchTurboR, LaunchCommand::GenericTurboR},
        {kMenuLaunchOpenMsx, LaunchCommand::OpenMSX},
        {kMenuLaunchFmsx, LaunchCommand::FMSX}};
    for (const auto& [id, command] : launchItems)
        setCommand(id, [this, c = command] { launch(c); });
    // Enter too: the emulator chosen in Settings, decided when it is used.
    setCommand(kMenuLaunchSaved, [this] { launch(app_.launcher().defaultCommand()); });

    const std::pair<int, void (CCorvaneLauncherDlg::*)()> commands[] = {
        {kMenuSetFilters, &CCorvaneLauncherDlg::setFilters},
        {kMenuResetFilters, &CCorvaneLauncherDlg::resetFilters},
        {kMenuOrganizeFilters, &CCorvaneLauncherDlg::organizeFilters},
        {kMenuSettings, &CCorvaneLauncherDlg::openSettings},
        {kMenuSearch, &CCorvaneLauncherDlg::search},
        {kMenuOrganizeFavorites, &CCorvaneLauncherDlg::organizeFavorites},
        {kMenuCreateEmptyDatabase, &CCorvaneLauncherDlg::createEmptyDatabase},
        {kMenuDatabaseManager, &CCorvaneLauncherDlg::manageDatabases},
        {kMenuFillDatabase, &CCorvaneLauncherDlg::fillDatabase},
        {kMenuHelpTopics, &CCorvaneLauncherDlg::help},
        {kMenuAbout, &CCorvaneLauncherDlg::about},
        {kMenuRemove, &CCorvaneLauncherDlg::removeSelected},
        {kMenuEdit, &CCorvaneLauncherDlg::editProfile},
        {kMenuInfo, &CCorvaneLauncherDlg::showInfo},
        {kMenuCopy, &CCorvaneLauncherDlg::copySelected},
        {kMenuMove, &CCorvaneLauncherDlg::moveSelected},
        {kMenuAddToFavorites, &CCorvaneLauncherDlg::addToFavorites},
        {kMenuExplore, &CCorvaneLauncherDlg::explore},
        {kMenuProperties, &CCorvaneLauncherDlg::showProperties},
        {kMenuSelectAll, &CCorvaneLauncherDlg::selectAll}};
    for (const auto& [id, slot] : commands)
        setCommand(id, [this, s = slot] { (this->*s)(); });
}

void CCorvaneLauncherDlg::retranslate() {
    const LanguageManager& languages = app_.languages();
    qtTranslations_.select(languages.currentId());
    for (size_t i = 0; i < kMenuBarTitleKeys.size(); ++i)
        menuTitles_[i]->setTitle(catalogueText(languages, kMenuBarTitleKeys[i]));
    for (auto it = actions_.begin(); it != actions_.end(); ++it) {
        if (it.key() < kFirstMenuId)
            continue;  // a key-only command has no entry to caption
        QString caption = fromBytes(languages.textForId(it.key()));
        // Every menu, popups included, shows the key after a tab, named in English in every
        // language as the captions always named it.
        const QKeySequence key = it.value()->shortcut();
        if (!key.isEmpty())
            caption += QLatin1Char('\t') + key.toString(QKeySequence::PortableText);
        it.value()->setText(caption);
    }
    CLocalized::localize(this, kNoCatalogueTitle, languages);
    emptyHint_->setText(catalogueText(languages, "M_EMPTY_LIST_HINT"));
    setWindowTitle(QStringLiteral("Corvane Launcher"));
    showFilterValues();
}

}  // namespace corvane
