// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QMainWindow>
#include <QSize>
#include <memory>
#include <string>
#include <vector>

#include "emulator/Launcher.h"
#include "media/ProfileMark.h"
#include "model/Game.h"
#include "selection/FilterState.h"
#include "ui/common/QtTranslations.h"
#include "ui/main/WindowCommands.h"

class QAction;
class QDragEnterEvent;
class QDragMoveEvent;
class QDropEvent;
class QLabel;
class QListView;
class QMenu;
class QProgressBar;
class QPushButton;
class QToolButton;

namespace corvane {

class BackgroundWidget;
class CCorvaneLauncherApp;
class IndicatorLight;
class ProfileListModel;
class EmptyListHint;
class SelectorPanel;
class WindowKeys;
class WindowPopups;
class WindowTools;

// The main window: the profiles of the current database, the selector panels, menus and the
// commands on the selected profiles.
class CCorvaneLauncherDlg : public QMainWindow {
    Q_OBJECT
public:
    explicit CCorvaneLauncherDlg(CCorvaneLauncherApp& app, QWidget* parent = nullptr);
    ~CCorvaneLauncherDlg() override;

    // Loads settings and language and starts indexing the software databases, as at start. The
    // list is loaded once the window has first been shown, so that it appears at once.
    void initialise();
    void loadList();
    // Resets filters, switches to the database, selects the first line named exactly name.
    void locate(const std::string& profileName, const std::string& database);

    QListView* profileList() const { return list_; }
    ProfileListModel* profileModel() const { return model_; }
    SelectorPanel* databasePanel() const { return databasePanel_; }
    SelectorPanel* countPanel() const { return countPanel_; }
    SelectorPanel* filterPanel(FilterCriterion criterion) const;
    QLabel* statusLine() const { return status_; }
    QAction* action(int id) const { return commands_.action(id); }
    QMenu* contextMenu() const { return contextMenu_; }
    QPushButton* launchButton() const { return launchButton_; }
    QPushButton* removeButton() const { return removeButton_; }
    QPushButton* addButton() const { return addButton_; }
    QPushButton* editButton() const { return editButton_; }
    QPushButton* infoButton() const { return infoButton_; }
    const std::vector<IndicatorLight*>& indicators() const { return indicators_; }
    // The names of the selected lines, in list order.
    std::vector<std::string> selectedNames() const;
    // The context menu as prepared for a right click at a point of the list's viewport;
    // nullptr when no menu opens there.
    QMenu* prepareContextMenu(const QPoint& viewportPos);
    WindowPopups& popups() const { return *popups_; }
    // Enables the commands that need a database or an emulator, or tells what they need.
    void applyCommandRules();
    // The shown profile named by the current line, when exactly one line is selected.
    const Game* singleSelectedProfile() const;
    // Makes the line the only selected and current one, at the top of the list's view.
    void showRow(int row);
    // For a filter on the emulator's data or a tool: blocks until the index is in place.
    void waitForSoftwareIndex();

public slots:
    void removeSelected();
    void copySelected();
    void selectAll();
    void moveSelected();
    // Opens Add to Current Database with the paths, as a drop on the window does.
    void addDroppedFiles(const std::vector<std::string>& paths);
    void chooseMark(ProfileMark mode);
    void launch(LaunchCommand command);
    void showInfo();
    void explore();
    // Opens the properties view of the profile of the current line.
    void showProperties();
    void addToFavorites();
    // The profile editor on a new profile, or on the profile of the current line.
    void addProfile();
    void editProfile();
    void openSettings();
    void resetFilters();
    void search();
    void help();

signals:
    // The list has been loaded from the current database.
    void listLoaded();
    // The software index of the current Corvane Path is in place (possibly empty), and what
    // depends on it has been brought up to date.
    void softwareIndexReady();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void createWidgets();
    // What every menu entry and key runs, the tools' rows among them.
    void addCommands();
    void createMenus();
    void connectWidgets();
    void retranslate();
    // LAUNCH, REMOVE, EDIT and INFO for the selection.
    void applyButtonRules(size_t selected, const Game* one);
    // Files can be dropped once there is a current database to add them to.
    bool acceptsDrops();
    void applyScreenshotLayout();
    void applyRunFlags();
    // The application has already applied the values and rebuilt what depends on them.
    void settingsChanged();
    void selectionChanged();
    void clearProfileDetails();
    void loadFirstList();
    // On the window's thread once an index build has ended.
    void softwareIndexFinished();
    void showFilterValues();
    bool confirmCommandLine(const std::string& arguments);

    static constexpr QSize kScreenshotSize{272, 240};

    CCorvaneLauncherApp& app_;

    BackgroundWidget* background_ = nullptr;
    QListView* list_ = nullptr;
    EmptyListHint* emptyHint_ = nullptr;
    ProfileListModel* model_ = nullptr;
    SelectorPanel* databasePanel_ = nullptr;
    SelectorPanel* countPanel_ = nullptr;
    std::vector<SelectorPanel*> filterPanels_;
    QPushButton* launchButton_ = nullptr;
    QPushButton* removeButton_ = nullptr;
    QPushButton* addButton_ = nullptr;
    QPushButton* editButton_ = nullptr;
    QPushButton* infoButton_ = nullptr;
    QToolButton* filtersButton_ = nullptr;
    QToolButton* searchButton_ = nullptr;
    QToolButton* favoritesButton_ = nullptr;
    QLabel* status_ = nullptr;
    QLabel* screenshots_[2] = {nullptr, nullptr};
    QWidget* screenshotPane_ = nullptr;
    std::vector<IndicatorLight*> indicators_;
    QProgressBar* progress_ = nullptr;
    QMenu* contextMenu_ = nullptr;
    std::vector<QMenu*> menuTitles_;
    WindowCommands commands_;
    std::unique_ptr<WindowKeys> keys_;
    std::unique_ptr<WindowPopups> popups_;
    std::unique_ptr<WindowTools> tools_;
    // Qt's standard buttons and choosers speak the catalogue's language.
    QtTranslations qtTranslations_;
    // From initialise until the first load, which waits for the window to be shown.
    bool firstLoadPending_ = false;
    // waitForSoftwareIndex took an index that softwareIndexReady has not announced yet.
    bool indexTakenUnannounced_ = false;
};

}  // namespace corvane
