// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <initializer_list>

class QPushButton;
class QWidget;

namespace corvane {

class CLocalized;

// The buttons both organize dialogs have.
struct OrganizeButtons {
    QPushButton* remove = nullptr;
    QPushButton* sort = nullptr;
    QPushButton* ok = nullptr;
};

// Adds Delete, Sort and OK and lays the dialog out: the list takes the room on the left, the
// dialog's own buttons (leading) and Delete and Sort stack on the right, OK stands apart at the
// bottom. OK is the only default button, so Enter closes the dialog and never runs an action.
OrganizeButtons addOrganizeButtons(CLocalized* dialog, QWidget* list,
                                   std::initializer_list<QPushButton*> leading = {});

}  // namespace corvane
