// SPDX-License-Identifier: GPL-3.0-or-later
// A TOSEC-style file name: the fields read from it stay within their limits, and a profile they
// are applied to can still be stored as a database line.
#include "model/Game.h"
#include "support/FuzzScratch.h"
#include "support/ProfileCheck.h"
#include "tools/TOSECHandler.h"

using namespace corvane;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view name = fuzz::inputText(data, size);
    const TOSECHandler handler(2020);
    const std::optional<TosecFields> fields = handler.Parse(name);
    Game game;
    game.name = "profile";
    const bool applied = handler.Apply(game, name);
    if (!fields) {
        if (applied)
            fuzz::fail("an unreadable name changed the profile");
        return 0;
    }
    if (fields->company.size() > 64 || fields->country.size() > 2)
        fuzz::fail("a field is longer than its limit");
    if (applied != (game.basicDataSpecified == "T"))
        fuzz::fail("Apply's answer does not match the profile's own-data mark");
    fuzz::requireStorable(game, "TOSEC fields made a profile that cannot be stored");
    return 0;
}
