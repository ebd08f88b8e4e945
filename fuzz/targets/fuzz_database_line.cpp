// SPDX-License-Identifier: GPL-3.0-or-later
// A database line: whatever FromLine makes of it must be written by ToLine as a line that reads
// back to the same profile, and that line must be stable.
#include "model/Game.h"
#include "support/FuzzScratch.h"

using namespace corvane;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    Game parsed;
    parsed.FromLine(fuzz::inputText(data, size));
    const std::string line = parsed.ToLine();
    Game reread;
    reread.FromLine(line);
    if (!(reread == parsed))
        fuzz::fail("ToLine of a parsed profile reads back as another profile");
    if (reread.ToLine() != line)
        fuzz::fail("the line written for a profile changes when written again");
    // The derived texts and values the list and the filters show.
    (void)parsed.GenerationText();
    (void)parsed.SoundText();
    (void)parsed.GenreText();
    (void)parsed.MainMedium();
    (void)parsed.CaptureBaseName();
    if (profileNameOfLine(line) != parsed.name)
        fuzz::fail("the name read from a written line is not the profile's");
    return 0;
}
