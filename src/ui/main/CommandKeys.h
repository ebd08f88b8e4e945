// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QKeyCombination>

#include "i18n/MenuIds.h"
#include "ui/common/KeyScope.h"

namespace corvane {

// Commands of the main window that only a key reaches. They are numbered below the menu
// identifiers, which are catalogue identifiers as well, so they never take a caption.
inline constexpr int kKeyDatabasePopup = 1;
inline constexpr int kKeySavedFiltersPopup = 2;
inline constexpr int kKeyFavoritesPopup = 3;
// The ADD button's command.
inline constexpr int kKeyAddProfile = 4;

struct CommandKey {
    int command;  // a menu identifier or one of the key-only commands above
    QKeyCombination key;
    KeyScope scope;
};

// The keys of the main window's own commands; a tool's key is declared with its row. A command
// may have more than one key; its menu entry shows the first. Commands that need exactly one
// selected profile check that themselves, so their keys do nothing with several selected.
inline constexpr CommandKey kCommandKeys[] = {
    {kMenuSearch, Qt::CTRL | Qt::Key_F, KeyScope::Window},
    {kMenuResetFilters, Qt::CTRL | Qt::Key_R, KeyScope::Window},
    {kKeySavedFiltersPopup, Qt::CTRL | Qt::Key_T, KeyScope::Window},
    {kKeyFavoritesPopup, Qt::CTRL | Qt::Key_I, KeyScope::Window},
    {kKeyDatabasePopup, Qt::CTRL | Qt::Key_W, KeyScope::Window},
    {kKeyAddProfile, Qt::Key_Insert, KeyScope::Window},
    // The keypad's Enter names the key in the menu; the main keyboard's sends Return.
    {kMenuLaunchSaved, Qt::Key_Enter, KeyScope::List},
    {kMenuLaunchSaved, Qt::Key_Return, KeyScope::List},
    {kMenuLaunchOpenMsx, Qt::CTRL | Qt::ALT | Qt::Key_O, KeyScope::List},
    {kMenuLaunchFmsx, Qt::CTRL | Qt::ALT | Qt::Key_L, KeyScope::List},
    {kMenuInfo, Qt::Key_F1, KeyScope::List},
    {kMenuEdit, Qt::CTRL | Qt::Key_E, KeyScope::List},
    {kMenuProperties, Qt::CTRL | Qt::Key_F1, KeyScope::List},
    {kMenuRemove, Qt::Key_Delete, KeyScope::List},
    {kMenuCopy, Qt::CTRL | Qt::Key_C, KeyScope::List},
    {kMenuMove, Qt::CTRL | Qt::Key_X, KeyScope::List},
    {kMenuAddToFavorites, Qt::CTRL | Qt::Key_D, KeyScope::List},
    {kMenuSelectAll, Qt::CTRL | Qt::Key_A, KeyScope::List},
};

}  // namespace corvane
