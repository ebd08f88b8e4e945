// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <set>
#include <string>
#include <vector>

#include "tools/SetMachineOptions.h"

namespace corvane {

class Game;
class ImportExtraDataHandler;

// The change Set Machine makes to one profile. Holds what every profile of a run shares; the
// extra data must outlive the handler.
class SetMachineHandler {
public:
    SetMachineHandler(SetMachineOptions options, const std::vector<std::string>& usableMachines,
                      const ImportExtraDataHandler& extraData);

    // Sets the profile's machine as the options say. True when the profile counts as updated:
    // always with a chosen machine (also when it had it already), and with the minimum machine
    // when its extra data gives one. sha1 gives the profile's SHA-1; it is asked only in the
    // minimum mode, for a profile that is not passed over, as hashing is slow.
    bool SetMachine(Game& game, const std::function<std::string()>& sha1) const;

private:
    SetMachineOptions options_;
    std::set<std::string, std::less<>> usableMachines_;
    const ImportExtraDataHandler& extraData_;
};

}  // namespace corvane
