// SPDX-License-Identifier: GPL-3.0-or-later
// A ZIP archive: every member is streamed and hashed, by name and as the first member. What the
// archive delivers must hash the same through every route, and both digest engines must agree.
#include <cstdint>
#include <string>

#include "media/CSHADigest.h"
#include "media/MediaHash.h"
#include "media/ZipArchive.h"
#include "support/FuzzScratch.h"

using namespace corvane;

namespace {

constexpr int kMembersLooked = 32;

struct TwoDigests {
    CSHADigest portable{CSHADigest::Engine::Portable};
    CSHADigest fast{CSHADigest::Engine::Auto};
    bool add(const std::uint8_t* bytes, std::size_t count) {
        return portable.Update(bytes, count) && fast.Update(bytes, count);
    }
    std::string text() {
        portable.Final();
        fast.Final();
        if (portable.DigestText() != fast.DigestText())
            fuzz::fail("the digest engines disagree");
        return portable.DigestText();
    }
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string path = fuzz::writeScratchFile("input.zip", fuzz::inputText(data, size));
    ZipArchive archive;
    if (!archive.open(path) || !archive.goToFirst()) {
        if (!HashZipMember(path, "").empty())
            fuzz::fail("an archive without a readable first member was hashed");
        return 0;
    }
    bool first = true;
    for (int i = 0; i < kMembersLooked; ++i) {
        const std::optional<ZipArchive::MemberInfo> info = archive.currentInfo();
        if (!info)
            break;
        TwoDigests digests;
        std::uint64_t streamed = 0;
        const bool read = archive.readCurrent([&](const std::uint8_t* bytes, std::size_t count) {
            streamed += count;
            return digests.add(bytes, count);
        });
        const std::string digest = read ? digests.text() : std::string();
        if (read && streamed != info->uncompressedSize)
            fuzz::fail("a member read whole is not the size the archive declares");
        (void)MediumSha1(path, info->name);
        // Another member of the same name (or case) may come first; the first member cannot.
        if (first && HashZipMember(path, "") != digest)
            fuzz::fail("the first member hashes differently from its streamed bytes");
        first = false;
        if (!archive.goToNext())
            break;
    }
    return 0;
}
