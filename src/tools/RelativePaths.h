// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace corvane {

class Game;

// The leading folders that every path of the profiles fed to it shares, compared without regard
// to letter case. Paths are split on "/" and "\" alike, so databases written on either system
// meet. The paths considered are the media, hard disks, images and an info file that is not a
// web link; empty ones are left out. The prefix keeps the spelling of the first path met.
class RelativePathPrefix {
public:
    void add(const Game& game);
    void addPath(std::string_view path);
    // The shared folders, each followed by the host's separator; empty when the paths share
    // none (different drives) or there were none.
    std::string text() const;

private:
    bool started_ = false;
    std::vector<std::string> folders_;
};

// The current relative path of the profiles.
std::string CurrentRelativePath(std::span<const Game> games);

// The catalogue key of the reason not to rewrite paths from current: an empty current relative
// path would put the new folder in front of every path.
std::optional<std::string_view> AdjustRelativePathsRefusal(std::string_view current);

// Every considered path of the profile that begins with current ("/" and "\" alike, letter case
// aside) has that beginning replaced by replacement, which gets a trailing separator when it has
// none. Gives the number of paths changed; an empty current changes nothing.
int AdjustRelativePaths(Game& game, std::string_view current, std::string_view replacement);

}  // namespace corvane
