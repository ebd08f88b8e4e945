// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <map>
#include <set>
#include <string>

namespace corvane {

// Gives every profile of one fill a name no other profile of the database has: the first
// "Game" stays Game, the next ones become Game__0, Game__1 and so on.
class FillNames {
public:
    // A name the database holds already.
    void addExisting(const std::string& name);
    // The name a new profile gets for this wanted name (trailing blanks dropped), taken from now
    // on.
    std::string take(const std::string& wanted);

private:
    bool taken(const std::string& name) const;
    void remember(const std::string& name);

    std::set<std::string, std::less<>> plain_;     // names without "__"
    std::set<std::string, std::less<>> suffixed_;  // names holding "__"
    // For each text before the first "__" of a suffixed name, how many such names there are.
    std::map<std::string, size_t, std::less<>> suffixCounts_;
};

}  // namespace corvane
