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

struct PanelSpec {
    int id;
    const char* fallback;
};
// The eight filter panels, in the order they are laid out.
constexpr PanelSpec kFilterPanels[] = {{1236, "MEDIUM"}, {1238, "SYSTEM"},  {1217, "COMPANY"},
                                       {1214, "YEAR"},   {1221, "COUNTRY"}, {1228, "GENERATION"},
                                       {1225, "SOUND"},  {1223, "GENRE"}};

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

QString menuEscaped(QString text) {
    return text.replace(QLatin1Char('&'), QStringLiteral("&&"));
}

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
    for (const PanelSpec& spec : kFilterPanels) {
        // The value menus arrive with the filters; until then the panels only show values.
        auto* panel =
            new SelectorPanel(spec.id, QString::fromLatin1(spec.fallback), false, background_);
        panel->setValue(catalogueText(app_.texts(), "SELECTION_ALL"));
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
    list_->setContextMenuPolicy(Qt::DefaultContextMenu);
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

    removeButton_ = new QPushButton(QStringLiteral("REMOVE"), background_);
    CLocalized::setCatalogueId(removeButton_, 1001);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(removeButton_);
    buttons->addStretch();

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
    QAction* confirm = addAction(options, kMenuConfirmRemove);
    confirm->setCheckable(true);
    QMenu* marks = options->addMenu(QString());
    actions_.insert(kMenuMarkProfiles, marks->menuAction());
    for (int id : {kMenuMarkInvalid, 0, kMenuMarkMissingGeneration, kMenuMarkMissingSound,
                   kMenuMarkMissingGenre}) {
        if (id == 0) {
            marks->addSeparator();
            continue;
        }
        addAction(marks, id)->setCheckable(true);
    }
    options->addSeparator();
    addAction(options, kMenuSettings);

    QMenu* action = menuTitles_[1];
    addAction(action, kMenuCreateEmptyDatabase);

    QMenu* help = menuTitles_[3];
    addAction(help, kMenuAbout);
    // The Tools menu fills up as its tools arrive; an empty title would be a dead entry.
    menuTitles_[2]->menuAction()->setVisible(false);

    contextMenu_ = new QMenu(this);
    addAction(contextMenu_, kMenuRemove, "Del");
    contextMenu_->addSeparator();
    addAction(contextMenu_, kMenuCopy, "Ctrl+C");
    addAction(contextMenu_, kMenuMove, "Ctrl+X");
    contextMenu_->addSeparator();
    addAction(contextMenu_, kMenuSelectAll, "Ctrl+A");
}

void CCorvaneLauncherDlg::connectWidgets() {
    connect(list_->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            [this] { selectionChanged(); });
    connect(databasePanel_, &SelectorPanel::popupRequested, this,
            &CCorvaneLauncherDlg::showDatabasePopup);
    connect(removeButton_, &QPushButton::clicked, this, &CCorvaneLauncherDlg::removeSelected);
    connect(action(kMenuConfirmRemove), &QAction::toggled, this,
            [this](bool on) { app_.flags().confirmRemove = on; });
    const std::pair<int, ProfileMark> markItems[] = {
        {kMenuMarkInvalid, ProfileMark::Invalid},
        {kMenuMarkMissingGeneration, ProfileMark::MissingGeneration},
        {kMenuMarkMissingSound, ProfileMark::MissingSound},
        {kMenuMarkMissingGenre, ProfileMark::MissingGenre}};
    for (const auto& [id, mode] : markItems)
        connect(action(id), &QAction::triggered, this, [this, m = mode] { chooseMark(m); });
    connect(action(kMenuCreateEmptyDatabase), &QAction::triggered, this,
            &CCorvaneLauncherDlg::createEmptyDatabase);
    connect(action(kMenuAbout), &QAction::triggered, this, &CCorvaneLauncherDlg::about);
    connect(action(kMenuRemove), &QAction::triggered, this, &CCorvaneLauncherDlg::removeSelected);
    connect(action(kMenuCopy), &QAction::triggered, this, &CCorvaneLauncherDlg::copySelected);
    connect(action(kMenuMove), &QAction::triggered, this, &CCorvaneLauncherDlg::moveSelected);
    connect(action(kMenuSelectAll), &QAction::triggered, this, &CCorvaneLauncherDlg::selectAll);
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
}

void CCorvaneLauncherDlg::initialise() {
    app_.loadSettings();
    retranslate();
    loadList();
    action(kMenuConfirmRemove)->setChecked(app_.flags().confirmRemove);
    applyDatabaseCountRule();
    applyBackground();
    applyScreenshotLayout();
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
    setMinimumSize(0, 0);
    resize(minimumSizeHint().expandedTo(QSize(480, 600)));
}

void CCorvaneLauncherDlg::applyDatabaseCountRule() {
    const bool any = !app_.store().databaseList().empty();
    for (int id : {kMenuConfirmRemove, kMenuShowCommandLine, kMenuMarkProfiles, kMenuFilters,
                   kMenuSearch, kMenuOrganizeFavorites, kMenuRenameFiles, kMenuExportCsv,
                   kMenuSetMachine, kMenuImportExtraData, kMenuAdjustRelativePath})
        if (QAction* a = action(id))
            a->setEnabled(any);
    for (SelectorPanel* panel : filterPanels_)
        if (panel->button())
            panel->button()->setEnabled(any);
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
    removeButton_->setEnabled(false);
    databasePanel_->setValue(fromBytes(app_.store().currentDatabaseName()));
    clearProfileDetails();

    const std::string path = app_.store().currentDatabasePath();
    centralWidget()->setEnabled(false);
    menuBar()->setEnabled(false);
    list_->hide();
    std::optional<std::vector<Game>> shown;
    {
        WindowLoadObserver observer(progress_);
        if (!path.empty())
            shown = loadProfileList(path, filter_, observer);
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

const Game* CCorvaneLauncherDlg::currentProfile() const {
    const QModelIndex current = list_->currentIndex();
    if (!current.isValid())
        return nullptr;
    const Game* line = model_->profileAtRow(current.row());
    return line ? model_->findByName(line->name) : nullptr;
}

QString CCorvaneLauncherDlg::composeStatus(const Game& game) const {
    std::string text;
    if (game.basicDataSpecified == "T") {
        text = game.company + " " + game.year;
    } else if (softwareLookup_) {
        if (auto found = softwareLookup_(game, app_.store().currentDatabaseName()))
            text = found->first + " " + found->second;
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
    const std::string files[2] = {game.image1, game.image2};
    const int count = settings.screenshotCount == 2 ? 2 : 1;
    for (int i = 0; i < count; ++i) {
        QPixmap picture;
        if (files[i].empty() || !picture.load(fromBytes(files[i])))
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
    if (rows.size() > 1)
        return;
    const Game* line = model_->profileAtRow(rows.front().row());
    const Game* game = line ? model_->findByName(line->name) : nullptr;
    if (!game)
        return;
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
    action(kMenuMove)->setEnabled(app_.store().databaseList().size() >= 2);
    return contextMenu_;
}

QMenu* CCorvaneLauncherDlg::buildDatabasePopup() {
    auto* popup = new QMenu(this);
    popup->setAttribute(Qt::WA_DeleteOnClose);
    std::vector<std::string> names = app_.store().databaseNames();
    std::sort(names.begin(), names.end());
    for (const std::string& name : names) {
        QAction* item = popup->addAction(menuEscaped(fromBytes(name)));
        connect(item, &QAction::triggered, this, [this, name] { switchDatabase(name); });
    }
    if (!names.empty())
        popup->addSeparator();
    QAction* create =
        popup->addAction(fromBytes(app_.languages().textForId(kMenuCreateEmptyDatabase)));
    connect(create, &QAction::triggered, this, &CCorvaneLauncherDlg::createEmptyDatabase);
    return popup;
}

void CCorvaneLauncherDlg::showDatabasePopup() {
    QMenu* popup = buildDatabasePopup();
    popup->popup(databasePanel_->mapToGlobal(QPoint(0, databasePanel_->height())));
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

    if (ctrl && code == Qt::Key_W) {
        showDatabasePopup();
        return true;
    }
    if (watched != list_ && watched != list_->viewport())
        return enterOrEsc;

    const int selected = static_cast<int>(list_->selectionModel()->selectedRows().size());
    if (mods == Qt::NoModifier && code == Qt::Key_Delete) {
        removeSelected();
        return true;
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
            default:
                break;
        }
        if (selected >= 2)
            return true;
    }
    return enterOrEsc;
}

}  // namespace corvane
