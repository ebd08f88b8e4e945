// SPDX-License-Identifier: GPL-3.0-or-later
// extra-data.dat: every record found by a SHA-1 of the file must give a profile that can still be
// stored as a database line, whichever way it is applied.
#include "model/Game.h"
#include "support/FuzzScratch.h"
#include "support/ProfileCheck.h"
#include "tools/ImportExtraDataHandler.h"

using namespace corvane;

namespace {

constexpr size_t kLookups = 16;

// Every field the record may touch is set, so that both fill-empty and merge modes have work.
Game ownProfile() {
    Game game;
    game.name = "own";
    game.slot1File = "own.rom";
    game.infoFile = "own.txt";
    game.image1 = "own-1.png";
    game.setGenerationValue(2);
    game.setSoundValue(1);
    game.setGenreValue(3);
    return game;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view text = fuzz::inputText(data, size);
    fuzz::writeScratchFile("extra-data.dat", text);
    ImportExtraDataHandler handler(fuzz::scratchDirectory());
    if (!handler.Load())
        fuzz::fail("a regular file could not be loaded");

    size_t looked = 0;
    for (const std::string& line : fuzz::splitOn(text, '\n')) {
        for (std::string sha1 : fuzz::splitOn(line, '|')) {
            if (looked++ >= kLookups)
                return 0;
            if (!sha1.empty() && sha1.back() == '\r')
                sha1.pop_back();
            const ExtraDataRecord* record = handler.Find(sha1);
            if (!record)
                continue;
            Game created;
            created.name = "new";
            if (!handler.ApplyToNewProfile(created, sha1))
                fuzz::fail("a record found by its SHA-1 was not applied");
            fuzz::requireStorable(created, "a new profile with extra data cannot be stored");
            (void)handler.MachineFromGeneration(created, sha1);
            for (int mode = 0; mode < 3; ++mode) {
                ExtraDataOptions options;
                options.generation = options.sound = options.genre = static_cast<MergeMode>(mode);
                options.infoFile = options.screenshots =
                    mode == 2 ? SetMode::SetIfEmpty : static_cast<SetMode>(mode);
                Game own = ownProfile();
                (void)handler.ImportIntoProfile(own, *record, options);
                fuzz::requireStorable(own, "an imported profile cannot be stored");
            }
        }
    }
    return 0;
}
