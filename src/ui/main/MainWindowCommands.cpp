// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's commands on selected profiles and on the set of databases.
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QListView>

#include "app/CCorvaneLauncherApp.h"
#include "common/Prompter.h"
#include "i18n/MenuIds.h"
#include "ui/common/ErrorReport.h"
#include "ui/common/TextCodec.h"
#include "ui/common/UserInputDropdownDlg.h"
#include "ui/main/CCorvaneLauncherDlg.h"
#include "ui/main/MainWindowIds.h"
#include "ui/main/MarkColour.h"
#include "ui/main/ProfileListModel.h"
#include "ui/settings/SettingsDlg.h"

namespace corvane {

void CCorvaneLauncherDlg::removeSelected() {
    const std::vector<std::string> names = selectedNames();
    if (names.empty())
        return;
    if (app_.flags().confirmRemove) {
        const char* key = names.size() == 1 ? "M_REMOVE_SEL_ENTRY" : "M_REMOVE_SEL_ENTRIES";
        if (!app_.prompter().confirmDestructive(app_.texts().text(key)))
            return;
    }
    reportResult(app_.prompter(), app_.languages(),
                 app_.profileOperations().removeProfiles(app_.store().currentDatabaseName(),
                                                         profileModel()->profilesNamed(names)));
    loadList();
}

void CCorvaneLauncherDlg::copySelected() {
    QStringList lines;
    for (const std::string& name : selectedNames())
        lines << fromBytes(name);
    QApplication::clipboard()->setText(lines.join(QStringLiteral("\r\n")));
}

void CCorvaneLauncherDlg::selectAll() {
    profileList()->selectAll();
    selectionChanged();
}

void CCorvaneLauncherDlg::moveSelected() {
    DatabaseStore& store = app_.store();
    store.forgetDatabaseList();
    std::vector<std::string> targets = store.databaseNames();
    std::erase(targets, store.currentDatabaseName());
    if (targets.empty())
        return;
    const std::optional<std::string> target =
        UserInputDropdownDlg::ask(app_.languages(), catalogueText(app_.texts(), "M_SEL_TARGET_DB"),
                                  targets, targets.front(), this);
    if (!target)
        return;
    reportResult(app_.prompter(), app_.languages(),
                 app_.profileOperations().moveProfiles(
                     profileModel()->profilesNamed(selectedNames()), *target));
    loadList();
}

void CCorvaneLauncherDlg::chooseMark(ProfileMark mode) {
    RunFlags& flags = app_.flags();
    const bool wasOn = flags.markMode == mode;
    flags.markMode = wasOn ? ProfileMark::None : mode;
    for (const auto& [id, itemMode] : kMarkEntries)
        action(id)->setChecked(flags.markMode == itemMode);
    loadList();
}

void CCorvaneLauncherDlg::openSettings() {
    SettingsDlg dialog(app_, this);
    if (dialog.exec() == QDialog::Accepted)
        settingsChanged();
}

}  // namespace corvane
