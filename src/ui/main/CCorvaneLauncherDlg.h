// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QMainWindow>
#include <QMap>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "media/ProfileMark.h"
#include "model/Game.h"

class QAction;
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
class SelectorPanel;

// The main window: the profiles of the current database, the selector panels, menus and the
// commands on the selected profiles.
class CCorvaneLauncherDlg : public QMainWindow {
    Q_OBJECT
public:
    // Company and year of a profile from the emulator's software database, if known.
    using SoftwareLookup = std::function<std::optional<std::pair<std::string, std::string>>(
        const Game&, const std::string& database)>;

    explicit CCorvaneLauncherDlg(CCorvaneLauncherApp& app, QWidget* parent = nullptr);
    ~CCorvaneLauncherDlg() override;

    // Loads settings, language and the current database, as at program start.
    void initialise();
    void loadList();
    // Resets filters, switches to the database, selects the first line named exactly name.
    void locate(const std::string& profileName, const std::string& database);

    void setFilter(std::function<bool(const Game&)> filter) { filter_ = std::move(filter); }
    void setSoftwareLookup(SoftwareLookup lookup) { softwareLookup_ = std::move(lookup); }

    QListView* profileList() const { return list_; }
    ProfileListModel* profileModel() const { return model_; }
    SelectorPanel* databasePanel() const { return databasePanel_; }
    SelectorPanel* countPanel() const { return countPanel_; }
    QLabel* statusLine() const { return status_; }
    QAction* action(int id) const { return actions_.value(id); }
    QMenu* contextMenu() const { return contextMenu_; }
    QPushButton* removeButton() const { return removeButton_; }
    bool isLoading() const { return loading_; }
    const std::vector<IndicatorLight*>& indicators() const { return indicators_; }
    // The names of the selected lines, in list order.
    std::vector<std::string> selectedNames() const;
    // The context menu as prepared for a right click at a point of the list's viewport;
    // nullptr when no menu opens there.
    QMenu* prepareContextMenu(const QPoint& viewportPos);
    // The database popup as it opens (for keyboard and tests).
    QMenu* buildDatabasePopup();

public slots:
    void removeSelected();
    void copySelected();
    void selectAll();
    void moveSelected();
    void createEmptyDatabase();
    void chooseMark(ProfileMark mode);
    void showDatabasePopup();
    void about();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void createWidgets();
    void createMenus();
    void connectWidgets();
    void retranslate();
    void applyDatabaseCountRule();
    void applyScreenshotLayout();
    void applyBackground();
    void selectionChanged();
    void clearProfileDetails();
    void showScreenshots(const Game& game);
    QString composeStatus(const Game& game) const;
    const Game* currentProfile() const;
    QAction* addAction(QMenu* menu, int id, const char* shortcut = nullptr);
    bool handleKey(QObject* watched, class QKeyEvent* key);
    void switchDatabase(const std::string& name);

    CCorvaneLauncherApp& app_;
    std::function<bool(const Game&)> filter_;
    SoftwareLookup softwareLookup_;

    BackgroundWidget* background_ = nullptr;
    QListView* list_ = nullptr;
    ProfileListModel* model_ = nullptr;
    SelectorPanel* databasePanel_ = nullptr;
    SelectorPanel* countPanel_ = nullptr;
    std::vector<SelectorPanel*> filterPanels_;
    QPushButton* removeButton_ = nullptr;
    QLabel* status_ = nullptr;
    QLabel* screenshots_[2] = {nullptr, nullptr};
    QWidget* screenshotPane_ = nullptr;
    std::vector<IndicatorLight*> indicators_;
    QProgressBar* progress_ = nullptr;
    QMenu* contextMenu_ = nullptr;
    QMenu* menuTitles_[4] = {nullptr, nullptr, nullptr, nullptr};
    QMap<int, QAction*> actions_;
    QMap<int, QString> shortcutTexts_;
    bool loading_ = false;
};

}  // namespace corvane
