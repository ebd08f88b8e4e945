// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QIcon>
#include <QImage>
#include <QPixmap>
#include <array>
#include <string_view>

namespace corvane {

// Pictures drawn for this program, so it ships no image files: the medium icons of the
// profile list, the built-in background and the placeholder of the screenshot pictures.
QIcon mediumIcon(std::string_view mediumKey);
QPixmap defaultBackground(const QSize& size);
QPixmap defaultScreenshot(const QSize& size);
// The sizes a desktop's icon theme keeps of an application icon; the window carries them all.
inline constexpr std::array<int, 8> kApplicationIconSides = {16, 22, 24, 32, 48, 64, 128, 256};
QIcon applicationIcon();
// The application icon drawn at side x side pixels, for the window and the installed icons.
QImage applicationIconImage(int side);
// The main window's three tool buttons.
QIcon filtersIcon();
QIcon searchIcon();
QIcon favoritesIcon();

}  // namespace corvane
