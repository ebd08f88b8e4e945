// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/main/CCorvaneLauncherDlg.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QLayout>
#include <QListView>
#include <QProgressBar>
#include <QPushButton>
#include <QToolButton>
#include <QWindow>
#include <chrono>
#include <climits>
#include <utility>

#include "app/CCorvaneLauncherApp.h"
#include "app/CommandRules.h"
#include "app/ProfileListLoader.h"
#include "i18n/MenuIds.h"
#include "ui/common/AvailabilityTip.h"
#include "ui/common/MainThreadPost.h"
#include "ui/common/TextCodec.h"
#include "ui/main/BackgroundWidget.h"
#include "ui/main/IndicatorLight.h"
#include "ui/main/MarkColour.h"
#include "ui/main/ProfileListModel.h"
#include "ui/main/SelectorPanel.h"
#include "ui/main/WindowKeys.h"
#include "ui/main/WindowPieces.h"
#include "ui/main/WindowPopups.h"
#include "ui/main/WindowTools.h"
#include "ui/resources/Artwork.h"

namespace corvane {

namespace {

// Shows the bar without letting any event run: laid out and painted directly.
void showNow(QProgressBar* bar) {
    bar->show();
    QWidget* area = bar->parentWidget();
    area->layout()->activate();
    area->repaint();
}

// Shows the progress bar once a load takes long enough to notice. No event is processed while
// the list loads: input, timers, queued calls and deferred deletes all wait until it is done, so
// nothing can act on a half-loaded list or delete an object whose handler started the load. The
// bar is laid out and painted directly instead.
class WindowLoadProgress : public Progress {
public:
    explicit WindowLoadProgress(QProgressBar* bar) : bar_(bar) { timer_.start(); }
    ~WindowLoadProgress() override { bar_->hide(); }
    // Called on the window's thread only: the load runs there.
    void setRange(std::int64_t total) override {
        bar_->setRange(0, static_cast<int>(std::min<std::int64_t>(total, INT_MAX)));
        bar_->setValue(0);
    }
    void setPosition(std::int64_t done) override {
        const int loaded = static_cast<int>(std::min<std::int64_t>(done, bar_->maximum()));
        // Repainting the bar for every step would cost more than the load itself.
        const int step = std::max(1, bar_->maximum() / 200);
        if (loaded - bar_->value() >= step || loaded == bar_->maximum())
            bar_->setValue(loaded);  // repaints the bar itself once it is visible
        if (bar_->isHidden() && timer_.elapsed() > 100)
            showNow(bar_);
    }
    void setStatus(const std::string&) override {}
    void setDetail(const std::string&) override {}
    bool cancelled() const override { return false; }

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
    addCommands();
    createMenus();
    connectWidgets();
    setAcceptDrops(true);
    qApp->installEventFilter(this);
    app_.setReportPost(mainThreadPost());
    // Posting is all the worker may do; the window takes the index on its own thread.
    app_.setSoftwareIndexListener([this] {
        QMetaObject::invokeMethod(this, &CCorvaneLauncherDlg::softwareIndexFinished,
                                  Qt::QueuedConnection);
    });
}

CCorvaneLauncherDlg::~CCorvaneLauncherDlg() {
    // A build still running outlives the window; from now on it posts nothing here.
    app_.setSoftwareIndexListener({});
    qApp->removeEventFilter(this);
}

void CCorvaneLauncherDlg::initialise() {
    app_.loadSettings();
    retranslate();
    databasePanel_->setValue(fromBytes(app_.store().currentDatabaseName()));
    showFilterValues();
    applyRunFlags();
    applyCommandRules();
    background_->applySettings(app_.mutableSettings());
    applyScreenshotLayout();
    // The window is shown before a large database fills the list and while the software
    // databases are read, so neither keeps it away.
    firstLoadPending_ = true;
    if (windowHandle() && windowHandle()->isExposed())
        QMetaObject::invokeMethod(this, &CCorvaneLauncherDlg::loadFirstList, Qt::QueuedConnection);
    app_.buildSoftwareIndex();
}

void CCorvaneLauncherDlg::loadFirstList() {
    if (firstLoadPending_)
        loadList();
}

void CCorvaneLauncherDlg::softwareIndexFinished() {
    // At start the list comes first; its load calls this again.
    if (firstLoadPending_)
        return;
    bool fresh = app_.takeSoftwareIndex();
    fresh = std::exchange(indexTakenUnannounced_, false) || fresh;
    if (fresh)
        selectionChanged();
    app_.reportSoftwareIndex();
    if (fresh)
        emit softwareIndexReady();
}

void CCorvaneLauncherDlg::waitForSoftwareIndex() {
    if (!app_.softwareIndexPending())
        return;
    // No event runs meanwhile, as none does while the list loads: the wait is what is left of
    // reading the software databases, and nothing may act on the list this load will replace.
    QApplication::setOverrideCursor(Qt::WaitCursor);
    progress_->setRange(0, 0);
    showNow(progress_);
    while (!app_.waitForSoftwareIndex(std::chrono::milliseconds(100)))
        progress_->repaint();
    progress_->hide();
    QApplication::restoreOverrideCursor();
    indexTakenUnannounced_ = true;
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

void CCorvaneLauncherDlg::applyScreenshotLayout() {
    const Settings& settings = app_.settings();
    screenshotPane_->setVisible(settings.screenshotsOn);
    screenshots_[1]->setVisible(settings.screenshotsOn && settings.screenshotCount == 2);
    // The window is as wide as its content: narrow without pictures, wide with them.
    centralWidget()->layout()->activate();
    resize(minimumSizeHint().expandedTo(QSize(480, 600)));
}

void CCorvaneLauncherDlg::applyCommandRules() {
    const LanguageManager& languages = app_.languages();
    const Availability database = databaseRule(app_.store());
    for (int id :
         {kMenuConfirmRemove, kMenuShowCommandLine, kMenuMarkProfiles, kMenuFilters, kMenuSearch})
        applyAvailability(action(id), database, languages);
    for (QToolButton* button : {filtersButton_, searchButton_, favoritesButton_})
        applyAvailability(button, database, languages, button->text());
    for (SelectorPanel* panel : filterPanels_)
        applyAvailability(panel->button(), database, languages);
    tools_->applyRules(false);
}

void CCorvaneLauncherDlg::applyButtonRules(size_t selected, const Game* one) {
    const LanguageManager& languages = app_.languages();
    applyAvailability(launchButton_, oneProfileRule(selected, one), languages);
    applyAvailability(editButton_, oneProfileRule(selected, one), languages);
    applyAvailability(removeButton_, profilesRule(selected), languages);
    applyAvailability(infoButton_, infoRule(selected, one), languages);
}

void CCorvaneLauncherDlg::settingsChanged() {
    app_.filter() = FilterState{};
    background_->applySettings(app_.mutableSettings());
    retranslate();
    loadList();
    applyRunFlags();
    applyCommandRules();
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
    const bool first = std::exchange(firstLoadPending_, false);
    if (app_.filter().usesSoftwareData())
        waitForSoftwareIndex();
    model_->clear();
    applyButtonRules(0, nullptr);
    databasePanel_->setValue(fromBytes(app_.store().currentDatabaseName()));
    clearProfileDetails();
    showFilterValues();

    const std::string path = app_.store().currentDatabasePath();
    list_->hide();
    std::optional<std::vector<std::string>> shown;
    const ProfileMark mode = app_.flags().markMode;
    std::vector<bool> marked;
    {
        WindowLoadProgress progress(progress_);
        ProfileFilter filter = app_.makeProfileFilter();
        // Marks are decided while each accepted record is at hand; the list keeps only lines.
        std::function<bool(const Game&)> accept = [&filter, &marked, mode](const Game& game) {
            if (!filter.accepts(game))
                return false;
            if (mode != ProfileMark::None)
                marked.push_back(meetsMark(game, mode));
            return true;
        };
        // With no filter set and no marks, every line is shown as it is.
        if (app_.filter().isDefault() && mode == ProfileMark::None)
            accept = nullptr;
        if (!path.empty())
            shown = loadProfileList(path, accept, progress);
    }
    if (shown)
        model_->setProfiles(std::move(*shown), std::move(marked), markColour(mode));
    list_->show();
    countPanel_->setValue(QString::number(model_->rowCount()));
    list_->setFocus();
    emit listLoaded();
    if (first)
        QMetaObject::invokeMethod(this, &CCorvaneLauncherDlg::softwareIndexFinished,
                                  Qt::QueuedConnection);
}

void CCorvaneLauncherDlg::locate(const std::string& profileName, const std::string& database) {
    app_.filter() = FilterState{};
    app_.store().setCurrentDatabase(database);
    loadList();
    list_->clearSelection();
    const int row = model_->rowOfName(profileName);
    if (row >= 0)
        showRow(row);
}

void CCorvaneLauncherDlg::showRow(int row) {
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

void CCorvaneLauncherDlg::selectionChanged() {
    const QModelIndexList rows = list_->selectionModel()->selectedRows();
    if (rows.isEmpty())
        return;
    clearProfileDetails();
    const Game* game = singleSelectedProfile();
    applyButtonRules(static_cast<size_t>(rows.size()), game);
    if (!game)
        return;
    if (app_.settings().screenshotsOn)
        showScreenshotFiles(screenshots_, app_.launcher().screenshotFiles(*game), kScreenshotSize);
    status_->setText(fromBytes(app_.statusLine(*game)));
    for (int i = 0; i < kSoundCount; ++i)
        indicators_[static_cast<size_t>(i)]->setLit(game->sound[i]);
    for (int i = 0; i < kGenerationCount; ++i)
        indicators_[static_cast<size_t>(kSoundCount + i)]->setLit(game->generation[i]);
}

}  // namespace corvane
