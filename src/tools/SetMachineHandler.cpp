// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/SetMachineHandler.h"

#include <utility>

#include "model/Game.h"
#include "tools/ImportExtraDataHandler.h"

namespace corvane {

SetMachineHandler::SetMachineHandler(SetMachineOptions options,
                                     const std::vector<std::string>& usableMachines,
                                     const ImportExtraDataHandler& extraData)
    : options_(std::move(options)),
      usableMachines_(usableMachines.begin(), usableMachines.end()),
      extraData_(extraData) {}

bool SetMachineHandler::SetMachine(Game& game, const std::function<std::string()>& sha1) const {
    if (options_.onlyMissing && usableMachines_.contains(game.machine))
        return false;
    if (options_.minimumMachine)
        return extraData_.MachineFromGeneration(game, sha1());
    game.machine = options_.machine;
    return true;
}

}  // namespace corvane
