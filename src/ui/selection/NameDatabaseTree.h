// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QTreeWidget;

namespace corvane {

class CLocalized;

// The list of profiles by name and database that the search and the favorites show alike: one
// selectable row a profile, the name column wide enough for long names.
QTreeWidget* createNameDatabaseTree(CLocalized* dialog, int minimumHeight);

}  // namespace corvane
