// SPDX-License-Identifier: GPL-3.0-or-later
// The IPS engine: the first two bytes give the patch's length (big-endian), the patch follows,
// the rest is the source image. A patch that applies writes exactly the image the records make;
// any other result writes nothing.
#include <unistd.h>

#include "support/FuzzScratch.h"
#include "tools/IPSPatcherHandler.h"

using namespace corvane;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 2)
        return 0;
    const std::string_view rest = fuzz::inputText(data + 2, size - 2);
    const size_t patchSize = std::min<size_t>(rest.size(), size_t{data[0]} << 8 | data[1]);
    const std::string_view patch = rest.substr(0, patchSize);
    const std::string_view source = rest.substr(patchSize);

    const std::string patchPath = fuzz::writeScratchFile("patch.ips", patch);
    const std::string sourcePath = fuzz::writeScratchFile("source.rom", source);
    const std::string targetPath = fuzz::scratchDirectory() + "/target.rom";
    unlink(targetPath.c_str());

    std::string expected(source);
    const IPSResult patched = IPSPatcherHandler::Patch(patch, expected);
    if (patched != IPSResult::Applied && expected != source)
        fuzz::fail("a patch that did not apply changed the image");

    IPSPatcherHandler handler;
    const IPSResult result = handler.Apply(patchPath, sourcePath, targetPath);
    if (result == IPSResult::Applied) {
        if (patched != IPSResult::Applied)
            fuzz::fail("a file patch applied what the patch in memory refused");
        if (fuzz::readWholeFile(targetPath) != expected)
            fuzz::fail("the written image is not the one the records make");
    } else if (access(targetPath.c_str(), F_OK) == 0) {
        fuzz::fail("a patch that did not apply wrote the target");
    }
    if (fuzz::readWholeFile(sourcePath) != source)
        fuzz::fail("patching to a separate target changed the source");
    (void)IPSPatcherHandler::MessageKey(result);
    return 0;
}
