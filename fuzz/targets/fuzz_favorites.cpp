// SPDX-License-Identifier: GPL-3.0-or-later
// favorites.bml: whatever reads as favorites must be sorted, written and read back unchanged.
#include "selection/Favorites.h"
#include "support/FuzzScratch.h"

using namespace corvane;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    fuzz::writeScratchFile(Favorites::kFileName, fuzz::inputText(data, size));
    const std::string& base = fuzz::scratchDirectory();
    Favorites store(base);
    const size_t count = store.items().size();
    for (const Favorite& favorite : store.items())
        (void)Favorites::popupCaption(favorite);
    if (!store.sort())
        fuzz::fail("sorted favorites could not be written");
    if (store.items().size() != count)
        fuzz::fail("sorting changed the number of favorites");
    if (Favorites(base).items() != store.items())
        fuzz::fail("written favorites read back as others");
    return 0;
}
