// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's controls, menus and their connections.
#include "ui/main/CCorvaneLauncherDlg.h"

#include <QAction>
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
#include "ui/common/CLocalized.h"
#include "ui/common/TextCodec.h"
#include "ui/main/BackgroundWidget.h"
#include "ui/main/CommandKeys.h"
#include "ui/main/EmptyListHint.h"
#include "ui/main/MainWindowIds.h"
#include "ui/main/MarkColour.h"
#include "ui/main/MenuBuilder.h"
#include "ui/main/ProfileListModel.h"
#include "ui/main/SelectorPanel.h"
#include "ui/main/WindowKeys.h"
#include "ui/main/WindowPieces.h"
#include "ui/main/WindowPopups.h"
#include "ui/main/WindowTools.h"
#include "ui/resources/Artwork.h"

namespace corvane {

namespace {

// The window's title is its name in every language.
constexpr int kNoCatalogueTitle = 0;

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

    QGridLayout* filters = filterPanelGrid(background_, filterPanels_);

    model_ = new ProfileListModel(this);
    list_ = profileListView(background_, model_, this);
    emptyHint_ = new EmptyListHint(list_);

    progress_ = new QProgressBar(background_);
    progress_->hide();
    status_ = newStatusLine(background_);

    QHBoxLayout* lights = indicatorRow(background_, indicators_);

    launchButton_ = commandButton(background_, kIdLaunchButton, "LAUNCH");
    removeButton_ = commandButton(background_, kIdRemoveButton, "REMOVE");
    addButton_ = commandButton(background_, kIdAddButton, "ADD");
    editButton_ = commandButton(background_, kIdEditButton, "EDIT");
    infoButton_ = commandButton(background_, kIdInfoButton, "INFO");
    filtersButton_ = iconButton(background_, kIdFiltersButton, "Filters", filtersIcon());
    searchButton_ = iconButton(background_, kIdSearchButton, "Search", searchIcon());
    favoritesButton_ = iconButton(background_, kIdFavoritesButton, "Favorites", favoritesIcon());
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

void CCorvaneLauncherDlg::createMenus() {
    MenuBuilder builder(commands_, this);
    menuTitles_ = builder.buildMenuBar(menuBar());
    contextMenu_ = builder.buildContextMenu();
    // The emulators or databases may have come or gone since the entries were last set.
    for (QMenu* title : menuTitles_)
        connect(title, &QMenu::aboutToShow, this, &CCorvaneLauncherDlg::applyCommandRules);
    keys_ = std::make_unique<WindowKeys>(this, list_, commands_);
    keys_->install();
    popups_ = std::make_unique<WindowPopups>(*this, app_, commands_);
}

void CCorvaneLauncherDlg::connectWidgets() {
    connect(list_->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            [this] { selectionChanged(); });
    connect(list_, &QListView::doubleClicked, action(kMenuLaunchSaved), &QAction::trigger);
    for (size_t i = 0; i < filterPanels_.size(); ++i) {
        const auto criterion = static_cast<FilterCriterion>(i);
        connect(filterPanels_[i], &SelectorPanel::popupRequested, this, [this, criterion, i] {
            WindowPopups::showUnder(popups_->values(criterion), filterPanels_[i]);
        });
    }
    const std::pair<QAbstractButton*, int> buttons[] = {{launchButton_, kMenuLaunchSaved},
                                                        {removeButton_, kMenuRemove},
                                                        {addButton_, kKeyAddProfile},
                                                        {editButton_, kMenuEdit},
                                                        {infoButton_, kMenuInfo},
                                                        {searchButton_, kMenuSearch},
                                                        {filtersButton_, kKeySavedFiltersPopup},
                                                        {favoritesButton_, kKeyFavoritesPopup}};
    // A button runs its command whatever the state of the command's menu entry.
    for (const auto& [button, id] : buttons)
        connect(button, &QAbstractButton::clicked, this, [this, id] { commands_.run(id); });
    connect(databasePanel_, &SelectorPanel::popupRequested, this,
            [this] { commands_.run(kKeyDatabasePopup); });
}

void CCorvaneLauncherDlg::addCommands() {
    commands_.add(kKeyAddProfile, [this] { addProfile(); });
    commands_.add(kKeyDatabasePopup,
                  [this] { WindowPopups::showUnder(popups_->database(), databasePanel_); });
    commands_.add(kKeySavedFiltersPopup,
                  [this] { WindowPopups::showUnder(popups_->savedFilters(), filtersButton_); });
    commands_.add(kKeyFavoritesPopup,
                  [this] { WindowPopups::showUnder(popups_->favorites(), favoritesButton_); });
    // The user's choice sets the flag; the window checking the entry from the flag does not.
    commands_.add(kMenuConfirmRemove,
                  [this] { app_.flags().confirmRemove = action(kMenuConfirmRemove)->isChecked(); });
    commands_.add(kMenuShowCommandLine, [this] {
        app_.flags().showCommandLine = action(kMenuShowCommandLine)->isChecked();
    });
    for (const auto& [id, mode] : kMarkEntries)
        commands_.add(id, [this, m = mode] { chooseMark(m); });
    const std::pair<int, LaunchCommand> launchItems[] = {
        {kMenuLaunchMsx, LaunchCommand::GenericMSX},
        {kMenuLaunchMsx2, LaunchCommand::GenericMSX2},
        {kMenuLaunchMsx2Plus, LaunchCommand::GenericMSX2Plus},
        {kMenuLaunchTurboR, LaunchCommand::GenericTurboR},
        {kMenuLaunchOpenMsx, LaunchCommand::OpenMSX},
        {kMenuLaunchFmsx, LaunchCommand::FMSX}};
    for (const auto& [id, command] : launchItems)
        commands_.add(id, [this, c = command] { launch(c); });
    // Enter, LAUNCH and a double click too: the emulator chosen in Settings, decided when used.
    commands_.add(kMenuLaunchSaved, [this] { launch(app_.launcher().defaultCommand()); });
    const std::pair<int, void (CCorvaneLauncherDlg::*)()> commands[] = {
        {kMenuResetFilters, &CCorvaneLauncherDlg::resetFilters},
        {kMenuSettings, &CCorvaneLauncherDlg::openSettings},
        {kMenuSearch, &CCorvaneLauncherDlg::search},
        {kMenuHelpTopics, &CCorvaneLauncherDlg::help},
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
        commands_.add(id, [this, s = slot] { (this->*s)(); });
    tools_ = std::make_unique<WindowTools>(*this, app_, commands_);
    tools_->addCommands();
}

void CCorvaneLauncherDlg::retranslate() {
    const LanguageManager& languages = app_.languages();
    qtTranslations_.select(languages.currentId());
    for (size_t i = 0; i < kMenuBarTitleKeys.size(); ++i)
        menuTitles_[i]->setTitle(catalogueText(languages, kMenuBarTitleKeys[i]));
    commands_.retranslate(languages);
    CLocalized::localize(this, kNoCatalogueTitle, languages);
    emptyHint_->setText(catalogueText(languages, "M_EMPTY_LIST_HINT"));
    setWindowTitle(QStringLiteral("Corvane Launcher"));
    showFilterValues();
}

}  // namespace corvane
