// SPDX-License-Identifier: GPL-3.0-or-later
// filters.bml: whatever reads as saved filters must be written and read back as the same filters.
#include "selection/SavedFilters.h"
#include "support/FuzzScratch.h"

using namespace corvane;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    fuzz::writeScratchFile(SavedFilters::kFileName, fuzz::inputText(data, size));
    const std::string& base = fuzz::scratchDirectory();
    SavedFilters store(base);
    const std::vector<SavedFilter> read = store.filters();
    for (const std::string& name : store.names()) {
        if (!store.exists(name) || !store.stateOf(name))
            fuzz::fail("a listed filter cannot be found by its name");
    }
    if (!store.write())
        fuzz::fail("filters that were read could not be written");
    if (SavedFilters(base).filters() != read)
        fuzz::fail("written filters read back as other filters");
    if (!store.sort())
        fuzz::fail("sorted filters could not be written");
    if (SavedFilters(base).filters() != store.filters())
        fuzz::fail("sorted filters read back as other filters");
    return 0;
}
