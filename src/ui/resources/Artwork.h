// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QIcon>
#include <QPixmap>
#include <string_view>

namespace corvane {

// Pictures drawn for this program, so it ships no image files: the medium icons of the
// profile list, the built-in background and the placeholder of the screenshot pictures.
QIcon mediumIcon(std::string_view mediumKey);
QPixmap defaultBackground(const QSize& size);
QPixmap defaultScreenshot(const QSize& size);
QIcon applicationIcon();
// The main window's three tool buttons.
QIcon filtersIcon();
QIcon searchIcon();
QIcon favoritesIcon();

}  // namespace corvane
