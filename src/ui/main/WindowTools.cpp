// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/main/WindowTools.h"

#include <QListView>

#include "app/CCorvaneLauncherApp.h"
#include "ui/common/AvailabilityTip.h"
#include "ui/main/CCorvaneLauncherDlg.h"
#include "ui/main/ProfileListModel.h"
#include "ui/main/WindowCommands.h"
#include "ui/tools/ToolTable.h"

namespace corvane {

void WindowTools::addCommands() {
    for (const ToolRow& row : toolTable())
        commands_.add(row.menuId, [this, &row] { run(row); });
}

void WindowTools::applyRules(bool contextMenuOnly) const {
    const auto selected = window_.profileList()->selectionModel()->selectedRows().size();
    const ToolState state{app_, static_cast<size_t>(selected), window_.singleSelectedProfile()};
    for (const ToolRow& row : toolTable()) {
        QAction* entry = commands_.action(row.menuId);
        if (entry && row.rule && (!contextMenuOnly || shownIn(row.place, MenuPlace::ContextMenu)))
            applyAvailability(entry, row.rule(state), app_.languages());
    }
}

void WindowTools::run(const ToolRow& row) const {
    CCorvaneLauncherDlg& window = window_;
    ToolContext context{
        .app = app_,
        .parent = &window,
        .locate = [&window](const std::string& profile,
                            const std::string& database) { window.locate(profile, database); },
        .awaitSoftwareIndex = [&window] { window.waitForSoftwareIndex(); }};
    // Its key reaches a tool whatever the selection; without what it acts on, it does nothing.
    if (row.acts == ToolSubject::OneProfile && !(context.profile = window.singleSelectedProfile()))
        return;
    if (row.acts == ToolSubject::SelectedProfiles &&
        (context.profiles = window.profileModel()->profilesNamed(window.selectedNames())).empty())
        return;
    const QModelIndexList selected = window.profileList()->selectionModel()->selectedRows();
    if (!row.open(context))
        return;
    if (row.refresh.list)
        window.loadList();
    if (row.refresh.reselect && selected.size() == 1 &&
        selected.front().row() < window.profileModel()->rowCount())
        window.showRow(selected.front().row());
    if (row.refresh.databaseRule)
        window.applyCommandRules();
}

}  // namespace corvane
