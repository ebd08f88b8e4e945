// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/tools/ToolTable.h"

#include "app/AdjustPathsOperation.h"
#include "app/CCorvaneLauncherApp.h"
#include "app/CsvExportOperation.h"
#include "app/FillOperation.h"
#include "app/ImportExtraDataOperation.h"
#include "app/IpsOperation.h"
#include "app/OtherDumpsOperation.h"
#include "app/RenameOperation.h"
#include "app/SetMachineOperation.h"
#include "app/Sha1CenterOperation.h"
#include "i18n/MenuIds.h"
#include "ui/common/ErrorReport.h"
#include "ui/common/TextCodec.h"
#include "ui/common/UserInputDlg.h"
#include "ui/main/AboutDlg.h"
#include "ui/properties/GamePropertiesDlg.h"
#include "ui/selection/FiltersDlg.h"
#include "ui/selection/OrganizeFavoritesDlg.h"
#include "ui/selection/OrganizeFiltersDlg.h"
#include "ui/tools/ChangeMachineSelection.h"
#include "ui/tools/CreateDatabase.h"
#include "ui/tools/DatabaseManagerDlg.h"
#include "ui/tools/ExportCSVDlg.h"
#include "ui/tools/FileManagerDlg.h"
#include "ui/tools/FindOtherDumpsDlg.h"
#include "ui/tools/IPSCenterDlg.h"
#include "ui/tools/ImportExtraDataDlg.h"
#include "ui/tools/ProfileFilePathDlg.h"
#include "ui/tools/SHA1Calculator.h"
#include "ui/tools/SetExtraDataDlg.h"

namespace corvane {

namespace {

bool openCreateEmptyDatabase(const ToolContext& context) {
    CCorvaneLauncherApp& app = context.app;
    const std::optional<QString> typed = UserInputDlg::ask(
        app.languages(), catalogueText(app.texts(), "M_ENTER_DB_NAME"), QString(), context.parent);
    return typed && app.createEmptyDatabase(toBytes(*typed));
}

// The filled database is the current one afterwards, and may be the first there is.
bool openFillDatabase(const ToolContext& context) {
    CCorvaneLauncherApp& app = context.app;
    FillOperation fill(app.store(), app.favorites(), app.sha1Cache(), app.texts());
    CreateDatabase dialog({fill, app.softwareSources(), app.machineList()}, app.prompter(),
                          app.languages(), context.parent);
    return dialog.exec() == QDialog::Accepted;
}

// Databases may have gone, been renamed or restored, the current one among them.
bool openDatabaseManager(const ToolContext& context) {
    makeDatabaseManager(context)->exec();
    return true;
}

// Only the SHA-1 cache learns something; the window shows nothing of it.
bool openExportCsv(const ToolContext& context) {
    CCorvaneLauncherApp& app = context.app;
    CsvExportOperation operation(app.store(), app.sha1Cache(), app.texts());
    ExportCSVDlg dialog({operation, app.softwareSources()}, app.prompter(), app.languages(),
                        context.parent);
    dialog.exec();
    return false;
}

// A run that failed part-way may have written some databases already.
bool openImportExtraData(const ToolContext& context) {
    CCorvaneLauncherApp& app = context.app;
    ImportExtraDataOperation operation(app.store(), app.sha1Cache(), app.texts());
    ImportExtraDataDlg dialog(operation, app.prompter(), app.languages(), context.parent);
    return dialog.exec() == QDialog::Accepted || dialog.ran();
}

// Profiles point at their files' new names afterwards.
bool openRenameFiles(const ToolContext& context) {
    CCorvaneLauncherApp& app = context.app;
    RenameOperation rename(app.store(), app.texts());
    FileManagerDlg dialog({rename, app.softwareSources()}, app.prompter(), app.languages(),
                          context.parent);
    return dialog.exec() == QDialog::Accepted;
}

bool openSetMachine(const ToolContext& context) {
    CCorvaneLauncherApp& app = context.app;
    SetMachineOperation operation(app.store(), app.sha1Cache(), app.texts());
    ChangeMachineSelection dialog(operation, app.machineList(), app.prompter(), app.languages(),
                                  context.parent);
    return dialog.exec() == QDialog::Accepted;
}

bool openAdjustRelativePath(const ToolContext& context) {
    CCorvaneLauncherApp& app = context.app;
    AdjustPathsOperation operation(app.store(), app.texts());
    ProfileFilePathDlg dialog(operation, app.prompter(), app.languages(), context.parent);
    return dialog.exec() == QDialog::Accepted;
}

// A launcher hit the user chose is located in the main window, which reloads the list then.
bool openSha1Center(const ToolContext& context) {
    CCorvaneLauncherApp& app = context.app;
    Sha1CenterOperation operation(app.store(), app.sha1Cache(), app.softwareSources(), app.texts());
    const auto showEntry = [&app](const CorvaneDBEntry& entry, QWidget* parent) {
        GamePropertiesDlg view(app.languages(), app.launcher(), app.corvanePath(), nullptr, {},
                               PropertiesSubject{entry.sha1, entry}, parent);
        view.exec();
    };
    SHA1Calculator dialog({operation, showEntry}, app.prompter(), app.languages(), context.parent);
    if (dialog.exec() == QDialog::Accepted && dialog.located() && context.locate)
        context.locate(dialog.located()->profile, dialog.located()->database);
    return false;
}

bool openSetFilters(const ToolContext& context) {
    CCorvaneLauncherApp& app = context.app;
    FiltersDlg dialog(app.filter(), app.filterValues(), app.savedFilters(), app.languages(),
                      app.prompter(), context.parent);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    app.filter() = dialog.chosenState();
    return true;
}

bool openOrganizeFilters(const ToolContext& context) {
    CCorvaneLauncherApp& app = context.app;
    OrganizeFiltersDlg dialog(app.savedFilters(), app.languages(), app.prompter(), context.parent);
    dialog.exec();
    return false;
}

bool openOrganizeFavorites(const ToolContext& context) {
    CCorvaneLauncherApp& app = context.app;
    OrganizeFavoritesDlg dialog(app.favorites(), app.languages(), app.prompter(), context.parent);
    dialog.exec();
    return false;
}

// Patches files, never a database: nothing of the window changes.
bool openIpsCenter(const ToolContext& context) {
    CCorvaneLauncherApp& app = context.app;
    IpsOperation operation(app.texts());
    IPSCenterDlg dialog(operation, app.prompter(), app.languages(), context.parent);
    dialog.exec();
    return false;
}

// Shows the chosen profile in the window, which is all it changes.
bool openOtherDumps(const ToolContext& context) {
    CCorvaneLauncherApp& app = context.app;
    if (context.awaitSoftwareIndex)
        context.awaitSoftwareIndex();
    OtherDumpsOperation operation(app.store(), app.sha1Cache(), app.softwareIndex(), app.texts());
    OtherDumpsRequest request =
        operation.requestFor(*context.profile, app.store().currentDatabaseName());
    if (request.sha1.empty()) {
        reportError(app.prompter(), app.languages(), "M_INVALID_PROFILE");
        return false;
    }
    FindOtherDumpsDlg dialog(operation, std::move(request), app.prompter(), app.languages(),
                             context.parent);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    if (const std::optional<OtherDump> chosen = dialog.chosen(); chosen && context.locate)
        context.locate(chosen->profile, chosen->database);
    return false;
}

bool openAbout(const ToolContext& context) {
    AboutDlg dialog(context.app.languages(), context.parent);
    dialog.exec();
    return false;
}

// A run that failed part-way may have written some profiles already.
bool openSetExtraData(const ToolContext& context) {
    CCorvaneLauncherApp& app = context.app;
    ImportExtraDataOperation operation(app.store(), app.sha1Cache(), app.texts());
    std::vector<std::string> names;
    for (const Game& game : context.profiles)
        names.push_back(game.name);
    operation.actOnListed(context.profiles);
    SetExtraDataDlg dialog(operation, std::move(names), app.prompter(), app.languages(),
                           context.parent);
    return dialog.exec() == QDialog::Accepted || dialog.ran();
}

Availability fillRule(const ToolState& state) {
    return fillDatabaseRule(state.app.launcher(), true);
}

Availability needsDatabase(const ToolState& state) {
    return databaseRule(state.app.store());
}

Availability otherDumpsAvailable(const ToolState& state) {
    return otherDumpsRule(state.selected, state.profile, state.app.launcher());
}

}  // namespace

bool shownIn(MenuPlace place, MenuPlace menu) {
    return place == menu || place == MenuPlace::Both;
}

const std::vector<ToolRow>& toolTable() {
    using enum MenuPlace;
    static const std::vector<ToolRow> rows{
        {.menuId = kMenuCreateEmptyDatabase,
         .place = MenuBar,
         .open = openCreateEmptyDatabase,
         .refresh = {.databaseRule = true}},
        {.menuId = kMenuFillDatabase,
         .place = MenuBar,
         .open = openFillDatabase,
         .rule = fillRule,
         .refresh = {.list = true, .databaseRule = true}},
        {.menuId = kMenuDatabaseManager,
         .place = MenuBar,
         .open = openDatabaseManager,
         .refresh = {.list = true, .databaseRule = true}},
        {.menuId = kMenuSetMachine,
         .place = MenuBar,
         .open = openSetMachine,
         .rule = needsDatabase,
         .refresh = {.list = true}},
        {.menuId = kMenuAdjustRelativePath,
         .place = MenuBar,
         .open = openAdjustRelativePath,
         .rule = needsDatabase,
         .refresh = {.list = true}},
        {.menuId = kMenuSha1Center, .place = MenuBar, .open = openSha1Center},
        {.menuId = kMenuSetFilters,
         .place = MenuBar,
         .open = openSetFilters,
         .key = ToolKey{Qt::CTRL | Qt::Key_Q, KeyScope::Window},
         .refresh = {.list = true}},
        {.menuId = kMenuOrganizeFilters, .place = MenuBar, .open = openOrganizeFilters},
        {.menuId = kMenuOrganizeFavorites,
         .place = MenuBar,
         .open = openOrganizeFavorites,
         .rule = needsDatabase},
        {.menuId = kMenuImportExtraData,
         .place = MenuBar,
         .open = openImportExtraData,
         .rule = needsDatabase,
         .refresh = {.list = true}},
        {.menuId = kMenuAbout, .place = MenuBar, .open = openAbout},
        {.menuId = kMenuExportCsv, .place = MenuBar, .open = openExportCsv, .rule = needsDatabase},
        {.menuId = kMenuIpsCenter, .place = MenuBar, .open = openIpsCenter},
        {.menuId = kMenuRenameFiles,
         .place = MenuBar,
         .open = openRenameFiles,
         .rule = needsDatabase,
         .refresh = {.list = true}},
        {.menuId = kMenuOtherDumps,
         .place = ContextMenu,
         .open = openOtherDumps,
         .acts = ToolSubject::OneProfile,
         .key = ToolKey{Qt::CTRL | Qt::Key_G, KeyScope::List},
         .rule = otherDumpsAvailable},
        {.menuId = kMenuSetExtraData,
         .place = ContextMenu,
         .open = openSetExtraData,
         .acts = ToolSubject::SelectedProfiles,
         .key = ToolKey{Qt::CTRL | Qt::Key_M, KeyScope::List},
         .refresh = {.list = true, .reselect = true}},
    };
    return rows;
}

const ToolRow* findTool(int menuId) {
    for (const ToolRow& row : toolTable())
        if (row.menuId == menuId)
            return &row;
    return nullptr;
}

std::unique_ptr<DatabaseManagerDlg> makeDatabaseManager(const ToolContext& context) {
    CCorvaneLauncherApp& app = context.app;
    DatabaseManagerDlg::FillCommand fill{[&app] { return fillDatabaseRule(app.launcher(), false); },
                                         [&app](QWidget* parent) {
                                             openFillDatabase({app, parent});
                                         }};
    return std::make_unique<DatabaseManagerDlg>(app.databaseOperations(), app.store(),
                                                app.languages(), app.prompter(), std::move(fill),
                                                context.parent);
}

}  // namespace corvane
