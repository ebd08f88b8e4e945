// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/RelativePaths.h"

#include <algorithm>
#include <array>

#include "common/AsciiCase.h"
#include "common/Path.h"
#include "model/Game.h"

namespace corvane {

namespace {

constexpr std::array<std::string Game::*, 9> kMediaPaths = {
    &Game::diskAFile,         &Game::diskBFile, &Game::hardDiskPrimary,
    &Game::hardDiskSecondary, &Game::slot1File, &Game::slot2File,
    &Game::tapeFile,          &Game::image1,    &Game::image2};

bool isSeparator(char c) {
    return c == '/' || c == '\\';
}

bool isWebLink(std::string_view infoFile) {
    return infoFile.size() >= 4 && equalsIgnoreCase(infoFile.substr(0, 4), "http");
}

// Calls visit on every considered path of the profile that is not empty.
template <typename GameRef, typename Visit>
void forEachPath(GameRef& game, Visit visit) {
    for (std::string Game::*field : kMediaPaths) {
        if (!(game.*field).empty())
            visit(game.*field);
    }
    if (!game.infoFile.empty() && !isWebLink(game.infoFile))
        visit(game.infoFile);
}

// All components of the path but the last.
std::vector<std::string_view> foldersOf(std::string_view path) {
    std::vector<std::string_view> folders;
    size_t start = 0;
    for (size_t i = 0; i < path.size(); ++i) {
        if (isSeparator(path[i])) {
            folders.push_back(path.substr(start, i - start));
            start = i + 1;
        }
    }
    return folders;
}

bool sameInPath(char a, char b) {
    return (isSeparator(a) && isSeparator(b)) || toLowerAscii(a) == toLowerAscii(b);
}

bool beginsWith(std::string_view path, std::string_view prefix) {
    return path.size() >= prefix.size() &&
           std::equal(prefix.begin(), prefix.end(), path.begin(), sameInPath);
}

}  // namespace

void RelativePathPrefix::add(const Game& game) {
    forEachPath(game, [this](const std::string& path) { addPath(path); });
}

void RelativePathPrefix::addPath(std::string_view path) {
    const std::vector<std::string_view> folders = foldersOf(path);
    if (!started_) {
        started_ = true;
        folders_.assign(folders.begin(), folders.end());
        return;
    }
    size_t shared = 0;
    while (shared < folders_.size() && shared < folders.size() &&
           equalsIgnoreCase(folders_[shared], folders[shared]))
        ++shared;
    folders_.resize(shared);
}

std::string RelativePathPrefix::text() const {
    std::string text;
    for (const std::string& folder : folders_) {
        text += folder;
        text += kPathSeparator;
    }
    return text;
}

std::string CurrentRelativePath(std::span<const Game> games) {
    RelativePathPrefix prefix;
    for (const Game& game : games)
        prefix.add(game);
    return prefix.text();
}

std::optional<std::string_view> AdjustRelativePathsRefusal(std::string_view current) {
    if (current.empty())
        return "M_ERR_NO_RELATIVE_PATH";
    return std::nullopt;
}

int AdjustRelativePaths(Game& game, std::string_view current, std::string_view replacement) {
    if (current.empty())
        return 0;
    std::string folder(replacement);
    if (!folder.empty() && !isSeparator(folder.back()))
        folder += kPathSeparator;
    int changed = 0;
    forEachPath(game, [&](std::string& path) {
        if (beginsWith(path, current)) {
            path = folder + path.substr(current.size());
            ++changed;
        }
    });
    return changed;
}

}  // namespace corvane
