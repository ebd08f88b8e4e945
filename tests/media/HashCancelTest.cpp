// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <atomic>

#include "common/AsciiCase.h"
#include "common/Progress.h"
#include "media/CSHADigest.h"
#include "media/CancelCheck.h"
#include "media/MediaHash.h"
#include "support/TempDir.h"
#include "support/ZipFixture.h"

using namespace corvane;

namespace {

constexpr std::uint64_t kMiB = 1 << 20;

// Says stop from its stopAt-th look on (1 = the first), counting every look.
class StopAtLook : public Progress {
public:
    explicit StopAtLook(int stopAt) : stopAt_(stopAt) {}
    void setRange(std::int64_t) override {}
    void setPosition(std::int64_t) override {}
    void setStatus(const std::string&) override {}
    void setDetail(const std::string&) override {}
    bool cancelled() const override { return ++looks >= stopAt_ && stopAt_ > 0; }
    mutable std::atomic<int> looks{0};

private:
    int stopAt_;
};

TEST(HashCancelTest, ALargeFileOrMemberStopsPartWayAndGivesNoSha1) {
    test::TempDir dir;
    // One byte over and over: quick to compress, and the reads are what is counted.
    const std::string bytes(64 * kMiB, '\x5a');
    const std::string loose = dir.write("big.dsk", bytes);
    const std::string zip = dir.file("big.zip");
    test::writeZip(zip, {{"big.dsk", bytes}, {"stored.dsk", bytes, true}});
    const std::string whole = toLowerAscii([&] {
        CSHADigest digest;
        digest.Update(bytes.data(), bytes.size());
        digest.Final();
        return digest.DigestText();
    }());

    for (const auto& [file, member] :
         {std::pair{loose, std::string()}, std::pair{zip, std::string("big.dsk")},
          std::pair{zip, std::string("stored.dsk")}}) {
        SCOPED_TRACE(member.empty() ? file : member);
        // Cancelled at the first look: at most one read gets through.
        StopAtLook atOnce(1);
        CancelCheck first(atOnce);
        EXPECT_EQ(MediumSha1(file, member, &first), "");
        EXPECT_TRUE(first.stopped());
        EXPECT_LE(first.bytes(), kMiB);

        // Looked at every 4 MiB, not only once.
        StopAtLook third(3);
        CancelCheck later(third);
        EXPECT_EQ(MediumSha1(file, member, &later), "");
        EXPECT_EQ(third.looks, 3);
        EXPECT_GE(later.bytes(), 2 * CancelCheck::kInterval);
        EXPECT_LE(later.bytes(), 2 * CancelCheck::kInterval + kMiB);

        // Never cancelled: the same digest as without a check, after 16 looks.
        StopAtLook never(0);
        CancelCheck full(never);
        EXPECT_EQ(MediumSha1(file, member, &full), whole);
        EXPECT_EQ(full.bytes(), bytes.size());
        EXPECT_EQ(never.looks, 16);
    }
}

}  // namespace
