// SPDX-License-Identifier: GPL-3.0-or-later
// settings.ini: whatever loads must save and load back to the same values. The image type is
// saved as it takes effect: PNG while screenshots are off.
#include "model/Settings.h"
#include "support/FuzzScratch.h"

using namespace corvane;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    fuzz::writeScratchFile(kSettingsFileName, fuzz::inputText(data, size));
    const std::string& base = fuzz::scratchDirectory();
    Settings loaded = loadSettings(base);
    if (!saveSettings(base, loaded))
        fuzz::fail("loaded settings could not be saved");
    loaded.imageType = loaded.effectiveImageType();
    if (!(loadSettings(base) == loaded))
        fuzz::fail("saved settings load back as other values");
    return 0;
}
