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
    if (!context.profile)
        return false;
    CCorvaneLauncherApp& app = context.app;
    if (context.awaitSoftwareIndex)
        context.awaitSoftwareIndex();
    OtherDumpsOperation operation(app.store(), app.sha1Cache(), app.softwareIndex());
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

Availability fillRule(CCorvaneLauncherApp& app) {
    return fillDatabaseRule(app.launcher(), true);
}

Availability needsDatabase(CCorvaneLauncherApp& app) {
    return databaseRule(app.store());
}

}  // namespace

const std::vector<ToolRow>& toolTable() {
    static const std::vector<ToolRow> rows{
        {kMenuCreateEmptyDatabase, nullptr, openCreateEmptyDatabase, {false, true}},
        {kMenuFillDatabase, fillRule, openFillDatabase, {true, true}},
        {kMenuDatabaseManager, nullptr, openDatabaseManager, {true, true}},
        {kMenuSetMachine, needsDatabase, openSetMachine, {true, false}},
        {kMenuAdjustRelativePath, needsDatabase, openAdjustRelativePath, {true, false}},
        {kMenuSha1Center, nullptr, openSha1Center, {}},
        {kMenuSetFilters, nullptr, openSetFilters, {true, false}},
        {kMenuOrganizeFilters, nullptr, openOrganizeFilters, {}},
        {kMenuOrganizeFavorites, needsDatabase, openOrganizeFavorites, {}},
        {kMenuImportExtraData, needsDatabase, openImportExtraData, {true, false}},
        {kMenuAbout, nullptr, openAbout, {}},
        {kMenuExportCsv, needsDatabase, openExportCsv, {}},
        {kMenuIpsCenter, nullptr, openIpsCenter, {}},
        {kMenuOtherDumps, nullptr, openOtherDumps, {}},
        {kMenuRenameFiles, needsDatabase, openRenameFiles, {true, false}},
    };
    return rows;
}

bool openSetExtraData(const ToolContext& context, std::vector<Game> profiles) {
    CCorvaneLauncherApp& app = context.app;
    ImportExtraDataOperation operation(app.store(), app.sha1Cache(), app.texts());
    std::vector<std::string> names;
    for (const Game& game : profiles)
        names.push_back(game.name);
    operation.actOnListed(std::move(profiles));
    SetExtraDataDlg dialog(operation, std::move(names), app.prompter(), app.languages(),
                           context.parent);
    return dialog.exec() == QDialog::Accepted || dialog.ran();
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
