// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/main/CCorvaneLauncherDlg.h"

#include <QAction>
#include <QApplication>
#include <QContextMenuEvent>
#include <QElapsedTimer>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QListView>
#include <QMenu>
#include <QMenuBar>
#include <QProgressBar>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

#include "app/CCorvaneLauncherApp.h"
#include "app/ProfileListLoader.h"
#include "i18n/MenuIds.h"
#include "media/MediumSize.h"
#include "model/ValueLists.h"
#include "selection/ProfileFilter.h"
#include "ui/common/CLocalized.h"
#include "ui/common/QtPrompter.h"
#include "ui/common/TextCodec.h"
#include "ui/main/BackgroundWidget.h"
#include "ui/main/ProfileListModel.h"
#include "ui/main/SelectorPanel.h"
#include "ui/resources/Artwork.h"

namespace corvane {

namespace {

constexpr int kWindowTitleId = 0;
constexpr QSize kScreenshotSize(272, 240);

// Toolbar and command button catalogue identifiers.
constexpr int kIdLaunchButton = 1000;
constexpr int kIdRemoveButton = 1001;
constexpr int kIdInfoButton = 1004;
constexpr int kIdSearchButton = 1007;
constexpr int kIdFiltersButton = 1121;
constexpr int kIdFavoritesButton = 1262;

struct FilterPanelCaption {
    int id;
    const char* fallback;
};
// The eight filter panels, in the order they are laid out.
constexpr FilterPanelCaption kFilterPanels[] = {
    {1236, "MEDIUM"},  {1238, "SYSTEM"},     {1217, "COMPANY"}, {1214, "YEAR"},
    {1221, "COUNTRY"}, {1228, "GENERATION"}, {1225, "SOUND"},   {1223, "GENRE"}};

// Keeps the window responsive while a database loads and shows the progress bar only when the
// load takes long enough to notice.
class WindowLoadObserver : public LoadObserver {
public:
    explicit WindowLoadObserver(QProgressBar* bar) : bar_(bar) { timer_.start(); }
    ~WindowLoadObserver() override { bar_->hide(); }
    void countingPulse() override { QApplication::processEvents(); }
    void counted(int total) override {
        bar_->setRange(0, total);
        bar_->setValue(0);
    }
    void progress(int loaded) override {
        // Repainting the bar for every step would cost more than the load itself.
        const int step = std::max(1, bar_->maximum() / 200);
        if (loaded - bar_->value() >= step || loaded == bar_->maximum())
            bar_->setValue(loaded);
        if (!bar_->isVisible() && timer_.elapsed() > 100)
            bar_->show();
        QApplication::processEvents();
    }

private:
    QProgressBar* bar_;
    QElapsedTimer timer_;
};

}  // namespace

CCorvaneLauncherDlg::CCorvaneLauncherDlg(CCorvaneLauncherApp& app, QWidget* parent)
    : QMainWindow(parent), app_(app) {
    setWindowTitle(QStringLiteral("Corvane Launcher"));
    setWindowIcon(applicationIcon());
    createWidgets();
    createMenus();
    connectWidgets();
    qApp->installEventFilter(this);
}

CCorvaneLauncherDlg::~CCorvaneLauncherDlg() {
    qApp->removeEventFilter(this);
}

void CCorvaneLauncherDlg::createWidgets() {
    background_ = new BackgroundWidget(this);
    setCentralWidget(background_);

    databasePanel_ = new SelectorPanel(1226, QStringLiteral("DATABASE"), true, background_);
    countPanel_ = new SelectorPanel(1230, QStringLiteral("COUNT"), false, background_);
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
    list_ = new QListView(background_);
    list_->setObjectName(QStringLiteral("profileList"));
    list_->setModel(model_);
    list_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    list_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    list_->setUniformItemSizes(true);
    list_->viewport()->installEventFilter(this);
    list_->setMinimumSize(360, 320);

    progress_ = new QProgressBar(background_);
    progress_->hide();
    status_ = new QLabel(background_);
    status_->setObjectName(QStringLiteral("statusLine"));
    status_->setFrameShape(QFrame::StyledPanel);
    status_->setAutoFillBackground(true);
    status_->setTextFormat(Qt::PlainText);
    status_->setMinimumHeight(status_->fontMetrics().height() + 8);

    auto* lights = new QHBoxLayout;
    lights->setSpacing(2);
    for (const std::string& name : soundNames()) {
        indicators_.push_back(new IndicatorLight(fromBytes(name), background_));
        lights->addWidget(indicators_.back());
    }
    lights->addSpacing(10);
    for (const std::string& name : generationNames()) {
        indicators_.push_back(new IndicatorLight(fromBytes(name), background_));
        lights->addWidget(indicators_.back());
    }
    lights->addStretch();

    const auto commandButton = [this](int id, const char* fallback) {
        auto* button = new QPushButton(QString::fromLatin1(fallback), background_);
        CLocalized::setCatalogueId(button, id);
        button->setFocusPolicy(Qt::TabFocus);
        return button;
    };
    launchButton_ = commandButton(kIdLaunchButton, "LAUNCH");
    removeButton_ = commandButton(kIdRemoveButton, "REMOVE");
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
    for (QPushButton* button : {launchButton_, removeButton_, infoButton_})
        buttons->addWidget(button);
    buttons->addStretch();
    for (QToolButton* button : {filtersButton_, searchButton_, favoritesButton_})
        buttons->addWidget(button);

    screenshotPane_ = new QWidget(background_);
    auto* shots = new QVBoxLayout(screenshotPane_);
    shots->setContentsMargins(0, 0, 0, 0);
    for (QLabel*& shot : screenshots_) {
        shot = new QLabel(screenshotPane_);
        shot->setFixedSize(kScreenshotSize);
        shot->setPixmap(defaultScreenshot(kScreenshotSize));
        shots->addWidget(shot);
    }
    shots->addStretch();

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

QAction* CCorvaneLauncherDlg::addAction(QMenu* menu, int id, const char* shortcut) {
    QAction* action = menu->addAction(QString());
    action->setData(id);
    actions_.insert(id, action);
    if (shortcut)
        shortcutTexts_.insert(id, QString::fromLatin1(shortcut));
    return action;
}

void CCorvaneLauncherDlg::createMenus() {
    for (QMenu*& title : menuTitles_)
        title = menuBar()->addMenu(QString());
    QMenu* options = menuTitles_[0];
    addAction(options, kMenuConfirmRemove)->setCheckable(true);
    addAction(options, kMenuShowCommandLine)->setCheckable(true);
    QMenu* marks = options->addMenu(QString());
    actions_.insert(kMenuMarkProfiles, marks->menuAction());
    addAction(marks, kMenuMarkInvalid)->setCheckable(true);
    marks->addSeparator();
    for (int id : {kMenuMarkMissingGeneration, kMenuMarkMissingSound, kMenuMarkMissingGenre})
        addAction(marks, id)->setCheckable(true);
    options->addSeparator();
    QMenu* filters = options->addMenu(QString());
    actions_.insert(kMenuFilters, filters->menuAction());
    addAction(filters, kMenuSetFilters, "Ctrl+Q");
    addAction(filters, kMenuResetFilters, "Ctrl+R");
    addAction(filters, kMenuOrganizeFilters);
    options->addSeparator();
    addAction(options, kMenuSettings);

    QMenu* action = menuTitles_[1];
    addAction(action, kMenuSearch, "Ctrl+F");
    addAction(action, kMenuOrganizeFavorites);
    action->addSeparator();
    addAction(action, kMenuCreateEmptyDatabase);

    // The Tools menu fills up as its tools arrive; an empty title would be a dead entry.
    menuTitles_[2]->menuAction()->setVisible(false);

    QMenu* help = menuTitles_[3];
    addAction(help, kMenuHelpTopics);
    help->addSeparator();
    addAction(help, kMenuAbout);

    contextMenu_ = new QMenu(this);
    launchMenu_ = contextMenu_->addMenu(QString());
    actions_.insert(kMenuLaunch, launchMenu_->menuAction());
    addAction(launchMenu_, kMenuLaunchSaved, "Enter");
    launchMenu_->addSeparator();
    for (int id : {kMenuLaunchMsx, kMenuLaunchMsx2, kMenuLaunchMsx2Plus, kMenuLaunchTurboR})
        addAction(launchMenu_, id);
    launchMenu_->addSeparator();
    addAction(launchMenu_, kMenuLaunchOpenMsx, "Ctrl+Alt+O");
    addAction(launchMenu_, kMenuLaunchFmsx, "Ctrl+Alt+L");
    addAction(contextMenu_, kMenuRemove, "Del");
    addAction(contextMenu_, kMenuInfo, "F1");
    contextMenu_->addSeparator();
    addAction(contextMenu_, kMenuCopy, "Ctrl+C");
    addAction(contextMenu_, kMenuMove, "Ctrl+X");
    addAction(contextMenu_, kMenuAddToFavorites, "Ctrl+D");
    addAction(contextMenu_, kMenuExplore);
    contextMenu_->addSeparator();
    addAction(contextMenu_, kMenuSelectAll, "Ctrl+A");
}

void CCorvaneLauncherDlg::connectWidgets() {
    connect(list_->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            [this] { selectionChanged(); });
    connect(list_, &QListView::doubleClicked, this,
            [this] { launch(LaunchCommand::SavedSettings); });
    connect(databasePanel_, &SelectorPanel::popupRequested, this,
            [this] { popupUnder(buildDatabasePopup(), databasePanel_); });
    for (size_t i = 0; i < filterPanels_.size(); ++i) {
        const auto criterion = static_cast<FilterCriterion>(i);
        connect(filterPanels_[i], &SelectorPanel::popupRequested, this,
                [this, criterion, i] { popupUnder(buildValueMenu(criterion), filterPanels_[i]); });
    }
    connect(launchButton_, &QPushButton::clicked, this,
            [this] { launch(LaunchCommand::SavedSettings); });
    connect(removeButton_, &QPushButton::clicked, this, &CCorvaneLauncherDlg::removeSelected);
    connect(infoButton_, &QPushButton::clicked, this, &CCorvaneLauncherDlg::showInfo);
    connect(filtersButton_, &QToolButton::clicked, this,
            [this] { popupUnder(buildSavedFiltersPopup(), filtersButton_); });
    connect(searchButton_, &QToolButton::clicked, this, &CCorvaneLauncherDlg::search);
    connect(favoritesButton_, &QToolButton::clicked, this,
            [this] { popupUnder(buildFavoritesPopup(), favoritesButton_); });

    connect(action(kMenuConfirmRemove), &QAction::toggled, this,
            [this](bool on) { app_.flags().confirmRemove = on; });
    connect(action(kMenuShowCommandLine), &QAction::toggled, this,
            [this](bool on) { app_.flags().showCommandLine = on; });
    const std::pair<int, ProfileMark> markItems[] = {
        {kMenuMarkInvalid, ProfileMark::Invalid},
        {kMenuMarkMissingGeneration, ProfileMark::MissingGeneration},
        {kMenuMarkMissingSound, ProfileMark::MissingSound},
        {kMenuMarkMissingGenre, ProfileMark::MissingGenre}};
    for (const auto& [id, mode] : markItems)
        connect(action(id), &QAction::triggered, this, [this, m = mode] { chooseMark(m); });
    const std::pair<int, LaunchCommand> launchItems[] = {
        {kMenuLaunchSaved, LaunchCommand::SavedSettings},
        {kMenuLaunchMsx, LaunchCommand::GenericMSX},
        {kMenuLaunchMsx2, LaunchCommand::GenericMSX2},
        {kMenuLaunchMsx2Plus, LaunchCommand::GenericMSX2Plus},
        {kMenuLaunchTurboR, LaunchCommand::GenericTurboR},
        {kMenuLaunchOpenMsx, LaunchCommand::OpenMSX},
        {kMenuLaunchFmsx, LaunchCommand::FMSX}};
    for (const auto& [id, command] : launchItems)
        connect(action(id), &QAction::triggered, this, [this, c = command] { launch(c); });

    const std::pair<int, void (CCorvaneLauncherDlg::*)()> commands[] = {
        {kMenuSetFilters, &CCorvaneLauncherDlg::setFilters},
        {kMenuResetFilters, &CCorvaneLauncherDlg::resetFilters},
        {kMenuOrganizeFilters, &CCorvaneLauncherDlg::organizeFilters},
        {kMenuSettings, &CCorvaneLauncherDlg::openSettings},
        {kMenuSearch, &CCorvaneLauncherDlg::search},
        {kMenuOrganizeFavorites, &CCorvaneLauncherDlg::organizeFavorites},
        {kMenuCreateEmptyDatabase, &CCorvaneLauncherDlg::createEmptyDatabase},
        {kMenuHelpTopics, &CCorvaneLauncherDlg::help},
        {kMenuAbout, &CCorvaneLauncherDlg::about},
        {kMenuRemove, &CCorvaneLauncherDlg::removeSelected},
        {kMenuInfo, &CCorvaneLauncherDlg::showInfo},
        {kMenuCopy, &CCorvaneLauncherDlg::copySelected},
        {kMenuMove, &CCorvaneLauncherDlg::moveSelected},
        {kMenuAddToFavorites, &CCorvaneLauncherDlg::addToFavorites},
        {kMenuExplore, &CCorvaneLauncherDlg::explore},
        {kMenuSelectAll, &CCorvaneLauncherDlg::selectAll}};
    for (const auto& [id, slot] : commands)
        connect(action(id), &QAction::triggered, this, slot);
}

void CCorvaneLauncherDlg::retranslate() {
    const LanguageManager& languages = app_.languages();
    const char* titleKeys[] = {"LOC_MENU_OPTIONS", "LOC_MENU_ACTION", "LOC_MENU_TOOLS",
                               "LOC_MENU_HELP"};
    for (int i = 0; i < 4; ++i)
        menuTitles_[i]->setTitle(catalogueText(languages, titleKeys[i]));
    for (auto it = actions_.begin(); it != actions_.end(); ++it) {
        QString caption = fromBytes(languages.textForId(it.key()));
        const QString shortcut = shortcutTexts_.value(it.key());
        if (!shortcut.isEmpty())
            caption += QLatin1Char('\t') + shortcut;
        it.value()->setText(caption);
    }
    CLocalized::localize(this, kWindowTitleId, languages);
    setWindowTitle(QStringLiteral("Corvane Launcher"));
    showFilterValues();
}

void CCorvaneLauncherDlg::initialise() {
    app_.loadSettings();
    retranslate();
    loadList();
    applyRunFlags();
    applyDatabaseCountRule();
    applyBackground();
    applyScreenshotLayout();
    app_.buildSoftwareIndex();
}

void CCorvaneLauncherDlg::applyRunFlags() {
    const RunFlags& flags = app_.flags();
    action(kMenuConfirmRemove)->setChecked(flags.confirmRemove);
    action(kMenuShowCommandLine)->setChecked(flags.showCommandLine);
    action(kMenuMarkInvalid)->setChecked(flags.markMode == ProfileMark::Invalid);
    action(kMenuMarkMissingGeneration)
        ->setChecked(flags.markMode == ProfileMark::MissingGeneration);
    action(kMenuMarkMissingSound)->setChecked(flags.markMode == ProfileMark::MissingSound);
    action(kMenuMarkMissingGenre)->setChecked(flags.markMode == ProfileMark::MissingGenre);
}

void CCorvaneLauncherDlg::applyBackground() {
    Settings& settings = app_.mutableSettings();
    if (!settings.customBackground) {
        background_->useDefault();
        return;
    }
    BackgroundWidget::Layout layout = BackgroundWidget::Layout::Centred;
    if (settings.backgroundLayout == kLayoutStretched)
        layout = BackgroundWidget::Layout::Stretched;
    if (settings.backgroundLayout == kLayoutTiled)
        layout = BackgroundWidget::Layout::Tiled;
    // A picture that cannot be loaded switches the custom background off for this run only.
    if (!background_->useCustom(fromBytes(settings.backgroundImage), layout))
        settings.customBackground = false;
}

void CCorvaneLauncherDlg::applyScreenshotLayout() {
    const Settings& settings = app_.settings();
    screenshotPane_->setVisible(settings.screenshotsOn);
    screenshots_[1]->setVisible(settings.screenshotsOn && settings.screenshotCount == 2);
    // The window is as wide as its content: narrow without pictures, wide with them.
    centralWidget()->layout()->activate();
    resize(minimumSizeHint().expandedTo(QSize(480, 600)));
}

void CCorvaneLauncherDlg::applyDatabaseCountRule() {
    const bool any = !app_.store().databaseList().empty();
    for (int id : {kMenuConfirmRemove, kMenuShowCommandLine, kMenuMarkProfiles, kMenuFilters,
                   kMenuSearch, kMenuOrganizeFavorites})
        action(id)->setEnabled(any);
    for (QToolButton* button : {filtersButton_, searchButton_, favoritesButton_})
        button->setEnabled(any);
    for (SelectorPanel* panel : filterPanels_)
        panel->button()->setEnabled(any);
}

void CCorvaneLauncherDlg::settingsChanged(bool emulatorMoved) {
    (void)emulatorMoved;  // the application has already rebuilt its software index
    app_.filter() = FilterState{};
    applyBackground();
    retranslate();
    loadList();
    applyRunFlags();
    applyDatabaseCountRule();
    applyScreenshotLayout();
    update();
}

SelectorPanel* CCorvaneLauncherDlg::filterPanel(FilterCriterion criterion) const {
    return filterPanels_[static_cast<size_t>(criterion)];
}

void CCorvaneLauncherDlg::showFilterValues() {
    for (size_t i = 0; i < filterPanels_.size(); ++i)
        filterPanels_[i]->setValue(
            fromBytes(app_.filter().panelText(static_cast<FilterCriterion>(i), app_.texts())));
}

void CCorvaneLauncherDlg::clearProfileDetails() {
    status_->clear();
    for (QLabel* shot : screenshots_)
        shot->setPixmap(defaultScreenshot(kScreenshotSize));
    for (IndicatorLight* light : indicators_)
        light->setLit(false);
}

void CCorvaneLauncherDlg::loadList() {
    if (loading_)
        return;
    loading_ = true;
    model_->clear();
    for (QPushButton* button : {launchButton_, removeButton_, infoButton_})
        button->setEnabled(false);
    databasePanel_->setValue(fromBytes(app_.store().currentDatabaseName()));
    clearProfileDetails();
    showFilterValues();

    const std::string path = app_.store().currentDatabasePath();
    centralWidget()->setEnabled(false);
    menuBar()->setEnabled(false);
    list_->hide();
    std::optional<std::vector<Game>> shown;
    {
        WindowLoadObserver observer(progress_);
        ProfileFilter filter = app_.makeProfileFilter();
        if (!path.empty())
            shown = loadProfileList(
                path, [&filter](const Game& game) { return filter.accepts(game); }, observer);
    }
    if (shown) {
        const ProfileMark mode = app_.flags().markMode;
        std::vector<bool> marked;
        if (mode != ProfileMark::None) {
            marked.reserve(shown->size());
            for (const Game& game : *shown)
                marked.push_back(meetsMark(game, mode));
        }
        const Rgb colour = markColour(mode);
        model_->setProfiles(std::move(*shown), std::move(marked),
                            QColor(colour.red, colour.green, colour.blue));
    }
    list_->show();
    centralWidget()->setEnabled(true);
    menuBar()->setEnabled(true);
    countPanel_->setValue(QString::number(model_->rowCount()));
    loading_ = false;
    list_->setFocus();
}

void CCorvaneLauncherDlg::switchDatabase(const std::string& name) {
    app_.store().setCurrentDatabase(name);
    loadList();
}

void CCorvaneLauncherDlg::locate(const std::string& profileName, const std::string& database) {
    app_.filter() = FilterState{};
    app_.store().setCurrentDatabase(database);
    loadList();
    list_->clearSelection();
    const int row = model_->rowOfName(profileName);
    if (row < 0)
        return;
    const QModelIndex index = model_->index(row);
    list_->selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect);
    list_->scrollTo(index, QAbstractItemView::PositionAtTop);
    selectionChanged();
}

std::vector<std::string> CCorvaneLauncherDlg::selectedNames() const {
    QModelIndexList rows = list_->selectionModel()->selectedRows();
    std::sort(rows.begin(), rows.end(),
              [](const QModelIndex& a, const QModelIndex& b) { return a.row() < b.row(); });
    std::vector<std::string> names;
    names.reserve(static_cast<size_t>(rows.size()));
    for (const QModelIndex& index : rows)
        if (const Game* game = model_->profileAtRow(index.row()))
            names.push_back(game->name);
    return names;
}

const Game* CCorvaneLauncherDlg::singleSelectedProfile() const {
    const QModelIndexList rows = list_->selectionModel()->selectedRows();
    if (rows.size() != 1)
        return nullptr;
    const Game* line = model_->profileAtRow(rows.front().row());
    return line ? model_->findByName(line->name) : nullptr;
}

QString CCorvaneLauncherDlg::composeStatus(const Game& game) {
    std::string text;
    if (game.basicDataSpecified == "T") {
        text = game.company + " " + game.year;
    } else if (const SoftwareSummary* found =
                   app_.softwareOf(game, app_.store().currentDatabaseName())) {
        text = found->company + " " + found->year;
    }
    if (text.size() > 1)
        text += " - ";
    const MainMediumInfo medium = game.MainMedium();
    if (!medium.file.empty())
        text += MainMediumSize(medium.file, medium.entry);
    return fromBytes(text);
}

void CCorvaneLauncherDlg::showScreenshots(const Game& game) {
    const Settings& settings = app_.settings();
    if (!settings.screenshotsOn)
        return;
    const ScreenshotFiles files = app_.launcher().screenshotFiles(game);
    const std::string* names[2] = {&files.image1, &files.image2};
    for (int i = 0; i < 2; ++i) {
        QPixmap picture;
        if (names[i]->empty() || !picture.load(fromBytes(*names[i])))
            picture = defaultScreenshot(kScreenshotSize);
        screenshots_[i]->setPixmap(
            picture.scaled(kScreenshotSize, Qt::KeepAspectRatio, Qt::SmoothTransformation));
    }
}

void CCorvaneLauncherDlg::selectionChanged() {
    const QModelIndexList rows = list_->selectionModel()->selectedRows();
    if (rows.isEmpty())
        return;
    removeButton_->setEnabled(true);
    clearProfileDetails();
    const bool one = rows.size() == 1;
    launchButton_->setEnabled(one);
    infoButton_->setEnabled(false);
    const Game* game = singleSelectedProfile();
    if (!game)
        return;
    infoButton_->setEnabled(!game->infoFile.empty());
    showScreenshots(*game);
    status_->setText(composeStatus(*game));
    for (int i = 0; i < kSoundCount; ++i)
        indicators_[static_cast<size_t>(i)]->setLit(game->sound[i]);
    for (int i = 0; i < kGenerationCount; ++i)
        indicators_[static_cast<size_t>(kSoundCount + i)]->setLit(game->generation[i]);
}

QMenu* CCorvaneLauncherDlg::prepareContextMenu(const QPoint& viewportPos) {
    const QModelIndex index = list_->indexAt(viewportPos);
    if (!index.isValid())
        return nullptr;
    if (!list_->selectionModel()->isSelected(index))
        list_->selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect);
    selectionChanged();
    const Game* one = singleSelectedProfile();
    for (int id : {kMenuLaunch, kMenuAddToFavorites, kMenuExplore})
        action(id)->setEnabled(one);
    action(kMenuInfo)->setEnabled(one && !one->infoFile.empty());
    action(kMenuLaunchOpenMsx)->setEnabled(app_.launcher().isAvailable(LaunchCommand::OpenMSX));
    action(kMenuLaunchFmsx)->setEnabled(app_.launcher().isAvailable(LaunchCommand::FMSX));
    action(kMenuMove)->setEnabled(app_.store().databaseList().size() >= 2);
    return contextMenu_;
}

void CCorvaneLauncherDlg::popupUnder(QMenu* menu, QWidget* anchor) {
    menu->popup(anchor->mapToGlobal(QPoint(0, anchor->height())));
}

QMenu* CCorvaneLauncherDlg::buildDatabasePopup() {
    auto* popup = new QMenu(this);
    popup->setAttribute(Qt::WA_DeleteOnClose);
    std::vector<std::string> names = app_.store().databaseNames();
    std::sort(names.begin(), names.end());
    for (const std::string& name : names) {
        QAction* item = popup->addAction(menuItemText(name));
        connect(item, &QAction::triggered, this, [this, name] { switchDatabase(name); });
    }
    if (!names.empty())
        popup->addSeparator();
    QAction* create =
        popup->addAction(fromBytes(app_.languages().textForId(kMenuCreateEmptyDatabase)));
    connect(create, &QAction::triggered, this, &CCorvaneLauncherDlg::createEmptyDatabase);
    return popup;
}

bool CCorvaneLauncherDlg::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::ContextMenu && watched == list_->viewport()) {
        auto* request = static_cast<QContextMenuEvent*>(event);
        // Only a right click inside the list opens the menu; the keyboard's request does not.
        if (request->reason() == QContextMenuEvent::Mouse) {
            if (QMenu* menu = prepareContextMenu(request->pos()))
                menu->popup(request->globalPos());
        }
        return true;
    }
    if (event->type() == QEvent::KeyPress) {
        auto* widget = qobject_cast<QWidget*>(watched);
        if (widget && widget->window() == this)
            return handleKey(watched, static_cast<QKeyEvent*>(event));
    }
    return QMainWindow::eventFilter(watched, event);
}

bool CCorvaneLauncherDlg::handleKey(QObject* watched, QKeyEvent* key) {
    const int code = key->key();
    const bool enterOrEsc =
        code == Qt::Key_Return || code == Qt::Key_Enter || code == Qt::Key_Escape;
    // Enter and Esc never close the window; while a database loads nothing else acts either.
    if (loading_)
        return enterOrEsc;
    const Qt::KeyboardModifiers mods =
        key->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::ShiftModifier);
    const bool ctrl = mods == Qt::ControlModifier;

    if (ctrl) {
        switch (code) {
            case Qt::Key_W:
                popupUnder(buildDatabasePopup(), databasePanel_);
                return true;
            case Qt::Key_F:
                search();
                return true;
            case Qt::Key_Q:
                setFilters();
                return true;
            case Qt::Key_R:
                resetFilters();
                return true;
            case Qt::Key_T:
                popupUnder(buildSavedFiltersPopup(), filtersButton_);
                return true;
            case Qt::Key_I:
                popupUnder(buildFavoritesPopup(), favoritesButton_);
                return true;
            default:
                break;
        }
    }
    if (watched != list_ && watched != list_->viewport())
        return enterOrEsc;

    const bool one = list_->selectionModel()->selectedRows().size() == 1;
    if (mods == Qt::NoModifier) {
        switch (code) {
            case Qt::Key_Return:
            case Qt::Key_Enter:
                if (one)
                    launch(LaunchCommand::SavedSettings);
                return true;
            case Qt::Key_F1:
                if (one)
                    showInfo();
                return true;
            case Qt::Key_Delete:
                removeSelected();
                return true;
            default:
                return enterOrEsc;
        }
    }
    if (mods == (Qt::ControlModifier | Qt::AltModifier)) {
        if (code == Qt::Key_O || code == Qt::Key_L) {
            if (one)
                launch(code == Qt::Key_O ? LaunchCommand::OpenMSX : LaunchCommand::FMSX);
            return true;
        }
    }
    if (ctrl) {
        switch (code) {
            case Qt::Key_C:
                copySelected();
                return true;
            case Qt::Key_X:
                moveSelected();
                return true;
            case Qt::Key_A:
                selectAll();
                return true;
            case Qt::Key_D:
                if (one)
                    addToFavorites();
                return true;
            default:
                break;
        }
        // Other Ctrl keys mean nothing for several profiles and must not reach the list.
        if (list_->selectionModel()->selectedRows().size() >= 2)
            return true;
    }
    return enterOrEsc;
}

}  // namespace corvane
